// The bitmap fonts: list bases, printing at and advancing the raster position, tidy clean-up.
#include "GLFixture.h"
#include "render/FontsMgr.h"

namespace {

float RasterX() {
    GLfloat pos[4] = {0, 0, 0, 0};
    glGetFloatv(GL_CURRENT_RASTER_POSITION, pos);
    return pos[0];
}

// How far a string moves the raster position, printed from the window's left edge.
float Advance(CFontsMgr &fonts, unsigned int base, const char *text) {
    glRasterPos2f(-8.0f, 0.0f);
    float start = RasterX();
    fonts.PrintString(base, text);
    return RasterX() - start;
}

}  // namespace

class Fonts : public GLFixture {
  protected:
    // Rows holding lit pixels when an "H" is printed at the window's middle.
    static int GlyphHeight(CFontsMgr &fonts, unsigned int base) {
        glClear(GL_COLOR_BUFFER_BIT);
        glColor3f(1, 1, 1);
        glRasterPos2f(0.0f, 0.0f);
        fonts.PrintString(base, "H");
        int rows = 0;
        for (int y = 250; y < 350; ++y) rows += CountOther(400, y, 440, y + 1, {0, 0, 0}) > 0;
        return rows;
    }
};

TEST_F(Fonts, InitFontsMakesThreeFontsOfNinetySixLists) {
    CFontsMgr fonts;
    for (int i = 0; i < FONT_COUNT; ++i) EXPECT_EQ(0u, fonts.GetlistBase(i));
    fonts.InitFonts();
    for (int i = 0; i < FONT_COUNT; ++i) {
        unsigned int base = fonts.GetlistBase(i);
        ASSERT_NE(0u, base) << "font " << i;
        for (int c = 0; c < FONT_GLYPHS; ++c) EXPECT_TRUE(glIsList(base + c)) << i << " " << c;
    }
    EXPECT_EQ(0u, fonts.GetlistBase(-1));
    EXPECT_EQ(0u, fonts.GetlistBase(3));
    // Larger cells give taller glyphs: 12, 18 and 30 pixels.
    int h0 = GlyphHeight(fonts, fonts.GetlistBase(0));
    int h1 = GlyphHeight(fonts, fonts.GetlistBase(1));
    int h2 = GlyphHeight(fonts, fonts.GetlistBase(2));
    EXPECT_GE(h0, 6);
    EXPECT_LE(h0, 12);
    EXPECT_GT(h1, h0);
    EXPECT_GT(h2, h1);
    EXPECT_LE(h2, 30);
    fonts.CleanUp();
    for (int i = 0; i < FONT_COUNT; ++i) EXPECT_EQ(0u, fonts.GetlistBase(i));
}

TEST_F(Fonts, PrintingAdvancesByTheGlyphsAndSkipsWhatHasNoList) {
    CFontsMgr fonts;
    fonts.InitFonts();
    unsigned int small = fonts.GetlistBase(0), big = fonts.GetlistBase(2);
    // "Map Name" is its eight glyphs one after another.
    float sum = 0;
    for (const char *p = "Map Name"; *p; ++p) {
        char one[2] = {*p, 0};
        sum += Advance(fonts, small, one);
    }
    float whole = Advance(fonts, small, "Map Name");
    EXPECT_GT(whole, 30.0f);
    EXPECT_FLOAT_EQ(sum, whole);
    EXPECT_GT(Advance(fonts, big, "Deaded!"), Advance(fonts, small, "Deaded!"));

    struct Case {
        unsigned int base;
        const char *text;
        const char *sameAs;  // null: no movement at all
    } cases[] = {
        {small, "", nullptr},
        {small, nullptr, nullptr},
        {0, "Map Name", nullptr},
        {small, "\x01\x1f\x80\xff", nullptr},
        {small,
         "A\x05"
         "B\xe9",
         "AB"},
        {big, "\x7f", "\x7f"},
    };
    for (const Case &c : cases) {
        float moved = Advance(fonts, c.base, c.text);
        float want = c.sameAs ? Advance(fonts, c.base, c.sameAs) : 0.0f;
        EXPECT_FLOAT_EQ(want, moved) << (c.text ? c.text : "(null)");
    }
    fonts.CleanUp();
}

TEST_F(Fonts, SymbolCharacterSetByNameIgnoringCase) {
    struct Case {
        const char *name;
        int charSet;
    } cases[] = {{"symbol", 2},      {"SYMBOL", 2},  {"SyMbOl", 2}, {"Arial", 0},
                 {"Arial Black", 0}, {"symbols", 0}, {"", 0},       {nullptr, 0}};
    for (const Case &c : cases) EXPECT_EQ(c.charSet, FontCharSet(c.name)) << (c.name ? c.name : "null");
    // A symbol face still yields a font of 96 lists.
    CFontsMgr fonts;
    unsigned int base = fonts.CreateBitmapFont("Symbol", 18);
    ASSERT_NE(0u, base);
    EXPECT_TRUE(glIsList(base + 95));
    fonts.ClearFont(base);
    EXPECT_FALSE(glIsList(base));
}

TEST_F(Fonts, CleanUpWithoutAContextTouchesNothing) {
    CFontsMgr fonts;
    fonts.InitFonts();
    unsigned int bases[FONT_COUNT];
    for (int i = 0; i < FONT_COUNT; ++i) bases[i] = fonts.GetlistBase(i);
    unsigned int base = bases[1];
    ASSERT_NE(0u, base);
    ASSERT_TRUE(PlatMakeCurrent(Main.hDC, nullptr));
    fonts.CleanUp();  // as at process exit, after the window's context is gone
    EXPECT_EQ(0u, fonts.CreateBitmapFont("Arial", 12));
    ASSERT_TRUE(PlatMakeCurrent(Main.hDC, Main.hRC));
    EXPECT_TRUE(glIsList(base)) << "nothing was deleted without a context";
    EXPECT_EQ(0u, fonts.GetlistBase(1));
    for (unsigned int b : bases) glDeleteLists(b, FONT_GLYPHS);
}
