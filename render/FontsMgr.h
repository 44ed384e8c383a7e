// Bitmap fonts: three faces as display lists for the codes 32..127.
#pragma once

const int FONT_COUNT = 3;
const int FONT_GLYPHS = 96;  // codes 32..127

class CFontsMgr {
  public:
    CFontsMgr();
    ~CFontsMgr();

    unsigned int CreateBitmapFont(const char *fontName, int fontSize);  // list base, 0 on failure
    void ClearFont(unsigned int base);
    void PrintString(unsigned int base, const char *str);
    void InitFonts();
    void CleanUp();
    unsigned int GetlistBase(int number) const;

    unsigned int listBase[FONT_COUNT];
};

// The character set asked of the platform: 2 (symbol) for the face "symbol" in any case, else 0.
int FontCharSet(const char *fontName);

extern CFontsMgr *FontsMgr;
