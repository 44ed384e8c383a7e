// Bitmap fonts as display lists.
#include "render/FontsMgr.h"

CFontsMgr *FontsMgr;

CFontsMgr::CFontsMgr() : listBase{0, 0, 0} {}
CFontsMgr::~CFontsMgr() {}
unsigned int CFontsMgr::CreateBitmapFont(const char *, int) { return 0; }
void CFontsMgr::ClearFont(unsigned int) {}
void CFontsMgr::PrintString(unsigned int, const char *) {}
void CFontsMgr::InitFonts() {}
void CFontsMgr::CleanUp() {}
unsigned int CFontsMgr::GetlistBase(int number) const { return number >= 0 && number < FONT_COUNT ? listBase[number] : 0; }
