// Bitmap fonts over FreeType and fontconfig.
#include "platform/Font.h"

PlatFont PlatCreateFont(const char *, int, int, int) { return nullptr; }
bool PlatUseFontBitmaps(PlatDC, PlatFont, int, int, unsigned int) { return false; }
