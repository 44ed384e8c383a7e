// Bitmap fonts over FreeType and fontconfig: each glyph a 1-bit glBitmap in a display list.
#include "platform/Font.h"

#include <GL/gl.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include <stdlib.h>
#include <string.h>
#include <strings.h>

namespace {

const int CHARSET_SYMBOL = 2;

struct FontFace {
    FT_Face face;
    bool embolden;  // fontconfig found no face heavy enough: thicken the outlines
    bool symbol;    // symbol fonts keep their glyphs at U+F000 + code
};

FT_Library g_library = nullptr;

bool Library() {
    if (!g_library && FT_Init_FreeType(&g_library) != 0) g_library = nullptr;
    return g_library != nullptr;
}

// "Arial Black" and its like have no metric alias here: ask for the heaviest weight
// so fontconfig falls back to the boldest sans face it has.
bool WantsHeaviest(const char *faceName) {
    size_t length = strlen(faceName);
    const char *suffixes[] = {" black", " heavy"};
    for (const char *suffix : suffixes) {
        size_t n = strlen(suffix);
        if (length >= n && strcasecmp(faceName + length - n, suffix) == 0) return true;
    }
    return false;
}

}  // namespace

PlatFont PlatCreateFont(const char *faceName, int height, int weight, int charSet) {
    if (!faceName || height <= 0 || !Library()) return nullptr;
    if (!FcInit()) return nullptr;

    FcPattern *pattern = FcPatternCreate();
    if (!pattern) return nullptr;
    FcPatternAddString(pattern, FC_FAMILY, (const FcChar8 *)faceName);
    int fcWeight = FcWeightFromOpenType(weight > 0 ? weight : 400);
    if (WantsHeaviest(faceName)) fcWeight = FC_WEIGHT_BLACK;
    FcPatternAddInteger(pattern, FC_WEIGHT, fcWeight);
    FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern *match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match) return nullptr;

    FcChar8 *file = nullptr;
    int index = 0, matchedWeight = FC_WEIGHT_REGULAR;
    FcBool embolden = FcFalse;
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    FcPatternGetInteger(match, FC_WEIGHT, 0, &matchedWeight);
    FcPatternGetBool(match, FC_EMBOLDEN, 0, &embolden);
    FT_Face face = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &file) != FcResultMatch ||
        FT_New_Face(g_library, (const char *)file, index, &face) != 0)
        face = nullptr;
    FcPatternDestroy(match);
    if (!face) return nullptr;

    // The height is the character cell, ascent plus descent, as the game's sizes mean it.
    FT_Size_RequestRec request;
    memset(&request, 0, sizeof request);
    request.type = FT_SIZE_REQUEST_TYPE_CELL;
    request.height = (FT_Long)height * 64;
    if (!FT_IS_SCALABLE(face) || FT_Request_Size(face, &request) != 0) {
        if (FT_Set_Pixel_Sizes(face, 0, (FT_UInt)height) != 0) {
            FT_Done_Face(face);
            return nullptr;
        }
    }

    FontFace *font = (FontFace *)calloc(1, sizeof(FontFace));
    if (!font) {
        FT_Done_Face(face);
        return nullptr;
    }
    font->face = face;
    font->embolden = embolden || (weight >= 600 && matchedWeight < FC_WEIGHT_DEMIBOLD);
    font->symbol = charSet == CHARSET_SYMBOL && FT_Select_Charmap(face, FT_ENCODING_MS_SYMBOL) == 0;
    return font;
}

void PlatDeleteFont(PlatFont handle) {
    FontFace *font = (FontFace *)handle;
    if (!font) return;
    FT_Done_Face(font->face);
    free(font);
}

bool PlatUseFontBitmaps(PlatDC, PlatFont handle, int first, int count, unsigned int listBase) {
    FontFace *font = (FontFace *)handle;
    if (!font || count <= 0 || listBase == 0) return false;
    FT_Face face = font->face;

    // glBitmap copies its bits into the list at compile time, under these unpack rules.
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);

    unsigned char *bits = nullptr;
    size_t bitsSize = 0;
    for (int i = 0; i < count; ++i) {
        FT_ULong code = (FT_ULong)(first + i);
        FT_UInt glyph = FT_Get_Char_Index(face, code);
        if (glyph == 0 && font->symbol) glyph = FT_Get_Char_Index(face, 0xF000 + code);

        int width = 0, rows = 0, left = 0, top = 0;
        float advance = 0.0f;
        bool loaded = FT_Load_Glyph(face, glyph, FT_LOAD_DEFAULT | FT_LOAD_TARGET_MONO) == 0;
        if (loaded && font->embolden && face->glyph->format == FT_GLYPH_FORMAT_OUTLINE)
            FT_GlyphSlot_Embolden(face->glyph);
        if (loaded) loaded = FT_Render_Glyph(face->glyph, FT_RENDER_MODE_MONO) == 0;
        if (loaded) {
            FT_Bitmap &bitmap = face->glyph->bitmap;
            advance = (float)((face->glyph->advance.x + 32) >> 6);
            left = face->glyph->bitmap_left;
            top = face->glyph->bitmap_top;
            if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO && bitmap.width > 0 && bitmap.rows > 0) {
                width = (int)bitmap.width;
                rows = (int)bitmap.rows;
                int stride = (width + 7) / 8;
                size_t need = (size_t)stride * rows;
                if (need > bitsSize) {
                    unsigned char *grown = (unsigned char *)realloc(bits, need);
                    if (!grown) {
                        width = rows = 0;
                    } else {
                        bits = grown;
                        bitsSize = need;
                    }
                }
                // FreeType rows run top down, glBitmap rows bottom up.
                for (int y = 0; y < rows; ++y) {
                    int pitch = bitmap.pitch;
                    const unsigned char *src = pitch >= 0 ? bitmap.buffer + (size_t)y * pitch
                                                          : bitmap.buffer + (size_t)(rows - 1 - y) * -pitch;
                    memcpy(bits + (size_t)(rows - 1 - y) * stride, src, stride);
                }
            }
        }

        // The raster position is the glyph's baseline origin; the list moves it on by the advance.
        glNewList(listBase + i, GL_COMPILE);
        glBitmap(width, rows, (float)-left, (float)(rows - top), advance, 0.0f, width > 0 ? bits : nullptr);
        glEndList();
    }
    free(bits);
    glPopClientAttrib();
    return true;
}
