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
