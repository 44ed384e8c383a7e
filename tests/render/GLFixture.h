// A real 800x600 window and GL context through the platform layer, shared by all render tests.
#pragma once
#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include "app/Main.h"
#include "platform/Platform.h"

struct Rgb {
    int r, g, b;
};

// The one window of the process; made on first use and kept to the end of the run.
inline bool GLContextReady() {
    static int state = 0;  // 0 not tried, 1 ready, -1 failed
    if (state != 0) return state == 1;
    state = -1;
    if (!PlatRegisterClass("OpenGL")) return false;
    PlatWindow window = PlatCreateWindow("OpenGL", "Hoshimori render test", 800, 600, false);
    if (!window) return false;
    PlatDC dc = PlatGetDC(window);
    PlatPixelFormat pfd = {};
    pfd.size = sizeof pfd;
    pfd.version = 1;
    pfd.flags = 0x04 | 0x20 | 0x01;  // to a window, OpenGL, double buffered
    pfd.colorBits = 24;
    pfd.depthBits = 16;
    int format = dc ? PlatChoosePixelFormat(dc, &pfd) : 0;
    if (!format || !PlatSetPixelFormat(dc, format, &pfd)) return false;
    PlatGLRC rc = PlatCreateContext(dc);
    if (!rc || !PlatMakeCurrent(dc, rc)) return false;
    PlatShowWindow(window);
    Main.hWnd = window;
    Main.hDC = dc;
    Main.hRC = rc;
    state = 1;
    return true;
}

class GLFixture : public ::testing::Test {
  protected:
    static const int WIDTH = 800, HEIGHT = 600;

    void SetUp() override {
        ASSERT_TRUE(GLContextReady()) << "no GL context (is DISPLAY set to an X server?)";
        ResetView(-20.0f);
    }

    // The game's projection and a camera at (0, 0, z), frame cleared to black.
    static void ResetView(float cameraZ, float cameraX = 0.0f, float cameraY = 0.0f) {
        glViewport(0, 0, WIDTH, HEIGHT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(45.0, (double)WIDTH / HEIGHT, 0.1, 100.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glTranslatef(cameraX, cameraY, cameraZ);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_BLEND);
        glDisable(GL_LIGHTING);
        glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
        glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    }

    // The pixel at window coordinates (origin lower left), as drawn so far.
    static Rgb Pixel(int x, int y) {
        unsigned char p[4] = {0, 0, 0, 0};
        glFinish();
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
        return {p[0], p[1], p[2]};
    }

    // Where a world point lands in the window under the current matrices.
    static void Project(float wx, float wy, float wz, int *x, int *y) {
        GLdouble model[16], proj[16], sx, sy, sz;
        GLint view[4];
        glGetDoublev(GL_MODELVIEW_MATRIX, model);
        glGetDoublev(GL_PROJECTION_MATRIX, proj);
        glGetIntegerv(GL_VIEWPORT, view);
        gluProject(wx, wy, wz, model, proj, view, &sx, &sy, &sz);
        *x = (int)sx;
        *y = (int)sy;
    }

    static Rgb WorldPixel(float wx, float wy) {
        int x, y;
        Project(wx, wy, 0.0f, &x, &y);
        return Pixel(x, y);
    }

    // Pixels in a window-space rectangle that differ from the colour given.
    static int CountOther(int x0, int y0, int x1, int y1, Rgb colour) {
        int w = x1 - x0, h = y1 - y0;
        if (w <= 0 || h <= 0) return 0;
        static unsigned char buffer[WIDTH * HEIGHT * 4];
        glFinish();
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(x0, y0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, buffer);
        int n = 0;
        for (int i = 0; i < w * h; ++i) {
            const unsigned char *p = buffer + i * 4;
            if (abs(p[0] - colour.r) > 8 || abs(p[1] - colour.g) > 8 || abs(p[2] - colour.b) > 8) ++n;
        }
        return n;
    }

    // A one-texel texture of a fixed colour, for drawings whose colours must be known.
    static unsigned int SolidTexture(unsigned char r, unsigned char g, unsigned char b,
                                     unsigned char a = 255) {
        unsigned char texel[4] = {r, g, b, a};
        GLuint name = 0;
        glGenTextures(1, &name);
        glBindTexture(GL_TEXTURE_2D, name);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, texel);
        return name;
    }
};

inline bool Near(Rgb a, Rgb b, int tolerance = 8) {
    return abs(a.r - b.r) <= tolerance && abs(a.g - b.g) <= tolerance && abs(a.b - b.b) <= tolerance;
}

inline std::ostream &operator<<(std::ostream &os, Rgb c) {
    return os << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}
