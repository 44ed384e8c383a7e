// pngBind: loads a PNG file into a GL texture object.
#pragma once

struct pngInfo {
    unsigned int Width;
    unsigned int Height;
    unsigned int Depth;
    unsigned int Alpha;
};

enum { PNG_NOMIPMAP = 0 };
enum { PNG_ALPHA = -2 };

// Returns the GL texture name, or 0 when the file is missing or cannot be decoded.
// Top image row at t = 0; wrap applies to S and T.
unsigned int pngBind(const char *fileName, int mipmap, int trans, pngInfo *info, int wrapst,
                     int minfilter, int magfilter);

// Decodes a PNG file to 8-bit RGBA rows, top row first; the caller frees *pixels with free().
// False, and *pixels null, when the file is missing or cannot be decoded. Needs no GL context.
bool PngDecodeRGBA(const char *fileName, unsigned char **pixels, unsigned int *width, unsigned int *height,
                   unsigned int *depth, unsigned int *alpha);
