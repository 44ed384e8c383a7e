// Writes small PNG files of any colour type for the loader and catalogue tests.
#pragma once
#include <png.h>
#include <stdio.h>

// rows: height rows of packed samples as the colour type and depth lay them out.
// palette/trns may be null; trnsCount entries of trns (palette alpha, or the one gray/RGB key).
inline bool WritePng(const char *path, int width, int height, int colorType, int bitDepth,
                     const unsigned char *const *rows, const png_color *palette = nullptr,
                     int paletteCount = 0, const unsigned char *trns = nullptr, int trnsCount = 0,
                     const png_color_16 *trnsColor = nullptr) {
    FILE *f = fopen(path, "wb");
    if (!f) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        fclose(f);
        return false;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, width, height, bitDepth, colorType, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (palette) png_set_PLTE(png, info, palette, paletteCount);
    if (trns || trnsColor) png_set_tRNS(png, info, trns, trnsCount, trnsColor);
    png_write_info(png, info);
    png_write_image(png, (png_bytepp)rows);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return fclose(f) == 0;
}

// A one-colour RGBA image.
inline bool WriteSolidPng(const char *path, unsigned char r, unsigned char g, unsigned char b,
                          unsigned char a = 255) {
    unsigned char row[8] = {r, g, b, a, r, g, b, a};
    const unsigned char *rows[2] = {row, row};
    return WritePng(path, 2, 2, PNG_COLOR_TYPE_RGBA, 8, rows);
}
