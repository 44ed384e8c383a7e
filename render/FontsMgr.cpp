// Bitmap fonts as display lists: three faces, 96 lists each for the codes 32..127.
#include "render/FontsMgr.h"

#include <GL/gl.h>
#include <string.h>
#include <strings.h>

#include "app/Main.h"
#include "platform/Font.h"

CFontsMgr *FontsMgr;

namespace {

const int FIRST_GLYPH = 32;
const int FONT_WEIGHT_BOLD = 700;

// GL calls are only meaningful with a context current; at process exit the window's context
// is already gone, and a context-less driver answers glGetString with null.
bool ContextCurrent() { return glGetString(GL_VERSION) != nullptr; }

}  // namespace

int FontCharSet(const char *fontName) { return fontName && strcasecmp(fontName, "symbol") == 0 ? 2 : 0; }

CFontsMgr::CFontsMgr() : listBase{0, 0, 0} {}
CFontsMgr::~CFontsMgr() { CleanUp(); }

unsigned int CFontsMgr::CreateBitmapFont(const char *fontName, int fontSize) {
    if (!fontName || !ContextCurrent()) return 0;
    unsigned int base = glGenLists(FONT_GLYPHS);
    if (base == 0) return 0;
    PlatFont font = PlatCreateFont(fontName, fontSize, FONT_WEIGHT_BOLD, FontCharSet(fontName));
    bool built = font && PlatUseFontBitmaps(Main.GetHDC(), font, FIRST_GLYPH, FONT_GLYPHS, base);
    PlatDeleteFont(font);
    if (!built) {
        // Give the reserved names back rather than leave them empty for the rest of the run.
        glDeleteLists(base, FONT_GLYPHS);
        return 0;
    }
    return base;
}

void CFontsMgr::ClearFont(unsigned int base) {
    if (base != 0 && ContextCurrent()) glDeleteLists(base, FONT_GLYPHS);
}

void CFontsMgr::PrintString(unsigned int base, const char *str) {
    if (base == 0 || !str) return;
    if (*str == 0) return;
    glPushAttrib(GL_LIST_BIT);
    glListBase(base - FIRST_GLYPH);
    // Only 32..127 have lists of this font; any other byte would call a neighbour's list.
    const unsigned char *run = (const unsigned char *)str;
    while (*run) {
        const unsigned char *end = run;
        while (*end >= FIRST_GLYPH && *end < FIRST_GLYPH + FONT_GLYPHS) ++end;
        if (end > run) glCallLists((GLsizei)(end - run), GL_UNSIGNED_BYTE, run);
        run = *end ? end + 1 : end;
    }
    glPopAttrib();
}

void CFontsMgr::InitFonts() {
    // A restart builds the fonts again: the lists of the previous set-up go first.
    CleanUp();
    listBase[0] = CreateBitmapFont("Arial", 12);
    listBase[1] = CreateBitmapFont("Arial", 18);
    listBase[2] = CreateBitmapFont("Arial Black", 30);
}

void CFontsMgr::CleanUp() {
    for (int i = 0; i < FONT_COUNT; ++i) {
        ClearFont(listBase[i]);
        listBase[i] = 0;
    }
}

unsigned int CFontsMgr::GetlistBase(int number) const {
    return number >= 0 && number < FONT_COUNT ? listBase[number] : 0;
}
