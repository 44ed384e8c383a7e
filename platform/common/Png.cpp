// pngBind over libpng: every image becomes an RGBA texture, top row at t = 0.
#include "platform/Png.h"

#include <GL/gl.h>
#include <png.h>
#include <setjmp.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace {

// Larger than any texture a GL 1.1 driver will take; keeps the byte count far from overflow.
const png_uint_32 MAX_SIDE = 16384;

struct DecodedImage {
    png_uint_32 width;
    png_uint_32 height;
    unsigned int depth;     // bit depth per channel in the file
    unsigned int alpha;     // alpha bits in the file (tRNS counts as the file's depth)
    unsigned char *pixels;  // width * height RGBA bytes, file row order
};

void PngError(png_structp png, png_const_charp) {
    // Back to the setjmp in Decode; nothing of libpng's state is used afterwards.
    longjmp(png_jmpbuf(png), 1);
}

void PngWarning(png_structp, png_const_charp) {}

// Reads the whole file into RGBA. False on any fault; nothing is left allocated then.
bool Decode(FILE *file, DecodedImage *out) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, PngError, PngWarning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    // Touched after setjmp and read after a longjmp: must be volatile.
    unsigned char *volatile pixels = nullptr;
    png_bytep *volatile rows = nullptr;

    if (setjmp(png_jmpbuf(png))) {
        free(rows);
        free(pixels);
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }

    png_init_io(png, file);
    png_set_user_limits(png, MAX_SIDE, MAX_SIDE);
    png_read_info(png, info);

    png_uint_32 width = 0, height = 0;
    int bitDepth = 0, colorType = 0;
    png_get_IHDR(png, info, &width, &height, &bitDepth, &colorType, nullptr, nullptr, nullptr);
    bool hasTrns = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    bool hasAlpha = (colorType & PNG_COLOR_MASK_ALPHA) != 0 || hasTrns;

    // Everything to 8-bit RGBA: palettes and low gray depths expanded, tRNS made alpha,
    // 16-bit cut to 8, gray copied to RGB, opaque images given alpha 255.
    if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (colorType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) png_set_expand_gray_1_2_4_to_8(png);
    if (hasTrns) png_set_tRNS_to_alpha(png);
    if (bitDepth == 16) png_set_strip_16(png);
    if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
    if (!(colorType & PNG_COLOR_MASK_ALPHA) && !hasTrns) png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);

    if (width == 0 || height == 0 || png_get_rowbytes(png, info) != (size_t)width * 4)
        png_error(png, "unexpected layout");

    pixels = (unsigned char *)malloc((size_t)width * height * 4);
    rows = (png_bytep *)malloc(sizeof(png_bytep) * height);
    if (!pixels || !rows) png_error(png, "out of memory");
    for (png_uint_32 y = 0; y < height; ++y) rows[y] = pixels + (size_t)y * width * 4;
    png_read_image(png, rows);
    png_read_end(png, nullptr);

    free(rows);
    png_destroy_read_struct(&png, &info, nullptr);
    out->width = width;
    out->height = height;
    out->depth = (unsigned int)bitDepth;
    out->alpha = hasAlpha ? (unsigned int)bitDepth : 0;
    out->pixels = pixels;
    return true;
}

}  // namespace

// The file to RGBA with no GL involved, so it can be checked without a context.
bool PngDecodeRGBA(const char *fileName, unsigned char **pixels, unsigned int *width, unsigned int *height,
                   unsigned int *depth, unsigned int *alpha) {
    if (!fileName || !pixels) return false;
    *pixels = nullptr;
    FILE *file = fopen(fileName, "rb");
    if (!file) return false;
    unsigned char signature[8];
    bool isPng = fread(signature, 1, 8, file) == 8 && png_sig_cmp(signature, 0, 8) == 0;
    DecodedImage image;
    memset(&image, 0, sizeof image);
    bool decoded = false;
    if (isPng) {
        rewind(file);
        decoded = Decode(file, &image);
    }
    fclose(file);
    if (!decoded) return false;
    *pixels = image.pixels;
    if (width) *width = image.width;
    if (height) *height = image.height;
    if (depth) *depth = image.depth;
    if (alpha) *alpha = image.alpha;
    return true;
}

// Only the base level is ever uploaded and the file's own alpha is always kept: the game
// asks for nothing else, so the mipmap and transparency modes are not consulted.
unsigned int pngBind(const char *fileName, int, int, pngInfo *info, int wrapst, int minfilter,
                     int magfilter) {
    DecodedImage image;
    memset(&image, 0, sizeof image);
    if (!PngDecodeRGBA(fileName, &image.pixels, &image.width, &image.height, &image.depth, &image.alpha))
        return 0;

    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    if (maxSize <= 0 || image.width > (png_uint_32)maxSize || image.height > (png_uint_32)maxSize) {
        // No context, or an image the driver cannot hold.
        free(image.pixels);
        return 0;
    }

    GLuint name = 0;
    glGenTextures(1, &name);
    if (name == 0) {
        free(image.pixels);
        return 0;
    }
    while (glGetError() != GL_NO_ERROR) {
    }
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrapst);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrapst);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minfilter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, magfilter);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    // Rows go up in file order, so the file's top row is t = 0.
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, (GLsizei)image.width, (GLsizei)image.height, 0, GL_RGBA,
                 GL_UNSIGNED_BYTE, image.pixels);
    glPopClientAttrib();
    free(image.pixels);
    if (glGetError() != GL_NO_ERROR) {
        glDeleteTextures(1, &name);
        return 0;
    }

    if (info) {
        info->Width = image.width;
        info->Height = image.height;
        info->Depth = image.depth;
        info->Alpha = image.alpha;
    }
    return name;
}
