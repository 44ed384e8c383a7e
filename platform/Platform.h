// The platform layer: window, GL context, message pump, tick, message boxes, quit request.
// Two backends implement these declarations: platform/sdl (the game) and platform/script (tests).
#pragma once
#include <stdint.h>

typedef void *PlatWindow;  // the game window, or null
typedef void *PlatDC;      // the window's drawing surface, or null
typedef void *PlatGLRC;    // a GL context, or null

// Message box buttons and icons, combined with |.
enum {
    PLAT_MB_OK = 0x00,
    PLAT_MB_YESNO = 0x04,
    PLAT_MB_ICONSTOP = 0x10,
    PLAT_MB_ICONQUESTION = 0x20,
    PLAT_MB_ICONEXCLAMATION = 0x30,
    PLAT_MB_ICONINFORMATION = 0x40,
};
// Message box answers.
enum { PLAT_IDOK = 1, PLAT_IDYES = 6, PLAT_IDNO = 7 };

// Window messages, handed one per loop iteration to WndProc.
enum {
    PLAT_WM_NONE = 0,
    PLAT_WM_SIZE = 0x0005,       // lParam: low word width, high word height
    PLAT_WM_ACTIVATE = 0x0006,   // wParam high word: minimised flag
    PLAT_WM_CLOSE = 0x0010,
    PLAT_WM_QUIT = 0x0012,       // wParam: exit code
    PLAT_WM_KEYDOWN = 0x0100,    // wParam: virtual-key code
    PLAT_WM_KEYUP = 0x0101,
    PLAT_WM_SYSCOMMAND = 0x0112, // wParam: command
};
enum { PLAT_SC_SCREENSAVE = 0xF140, PLAT_SC_MONITORPOWER = 0xF170 };

struct PlatMsg {
    unsigned int message;
    uintptr_t wParam;
    intptr_t lParam;
};

// The pixel format request record.
struct PlatPixelFormat {
    unsigned short size;
    unsigned short version;
    unsigned int flags;
    unsigned char pixelType;
    unsigned char colorBits;
    unsigned char depthBits;
    unsigned char stencilBits;
};

// Services.
unsigned int PlatGetTickCount();  // milliseconds, wraps at 2^32
void PlatSleep(unsigned int ms);
int PlatMessageBox(const char *text, const char *caption, unsigned int type);  // modal
void PlatPostQuitMessage(int exitCode);

// Window and context.
bool PlatRegisterClass(const char *className);
bool PlatUnregisterClass(const char *className);
bool PlatChangeDisplayMode(int width, int height, int bits);  // full screen; false = refused
void PlatRestoreDisplayMode();
void PlatShowCursor(bool show);
PlatWindow PlatCreateWindow(const char *className, const char *title, int width, int height,
                            bool fullscreen);
bool PlatDestroyWindow(PlatWindow window);
PlatDC PlatGetDC(PlatWindow window);
bool PlatReleaseDC(PlatWindow window, PlatDC dc);
int PlatChoosePixelFormat(PlatDC dc, const PlatPixelFormat *pfd);  // 0 = none
bool PlatSetPixelFormat(PlatDC dc, int format, const PlatPixelFormat *pfd);
PlatGLRC PlatCreateContext(PlatDC dc);
bool PlatMakeCurrent(PlatDC dc, PlatGLRC rc);  // null rc: no context current
bool PlatDeleteContext(PlatGLRC rc);
void PlatShowWindow(PlatWindow window);  // show, bring to front, give the keyboard
void PlatSwapBuffers(PlatDC dc);

// Message pump: true when a message was taken off the queue.
bool PlatPeekMessage(PlatMsg *msg);
long PlatDefWindowProc(PlatWindow window, unsigned int message, uintptr_t wParam, intptr_t lParam);
