// Bitmap fonts: a system face rendered to 1-bit glyph display lists.
#pragma once

#include "Platform.h"

typedef void *PlatFont;

// Resolves the face name to the closest installed face; null when none can be had.
PlatFont PlatCreateFont(const char *faceName, int height, int weight, int charSet);
// Fills count display lists from listBase on, one per character from first on; each draws the glyph
// at the raster position and advances it. False when the lists could not be built.
bool PlatUseFontBitmaps(PlatDC dc, PlatFont font, int first, int count, unsigned int listBase);
// Releases a font; the lists built from it stay valid.
void PlatDeleteFont(PlatFont font);
