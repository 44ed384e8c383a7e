// Fuzz target for the PNG decoder behind pngBind: any bytes as an image file.
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include "platform/Png.h"

static char path[64];
static volatile unsigned int sink;  // keeps the read of every byte

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    char dir[] = "/tmp/hoshimori-fuzz-png-XXXXXX";
    if (!mkdtemp(dir)) return 0;
    snprintf(path, sizeof path, "%s/image.png", dir);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FILE *file = fopen(path, "wb");
    if (!file) return 0;
    fwrite(data, 1, size, file);
    fclose(file);

    unsigned char *pixels = (unsigned char *)&path;  // must come back null on failure
    unsigned int width = 0, height = 0, depth = 0, alpha = 0;
    if (!PngDecodeRGBA(path, &pixels, &width, &height, &depth, &alpha)) {
        if (pixels) __builtin_trap();
        return 0;
    }
    if (!pixels || width == 0 || height == 0) __builtin_trap();
    if (depth != 1 && depth != 2 && depth != 4 && depth != 8 && depth != 16) __builtin_trap();
    if (alpha != 0 && alpha != depth) __builtin_trap();
    // Touch every byte: ASan catches a buffer shorter than width * height * 4.
    unsigned int sum = 0;
    for (size_t i = 0; i < (size_t)width * height * 4; i++) sum += pixels[i];
    free(pixels);
    sink = sum;
    return 0;
}
