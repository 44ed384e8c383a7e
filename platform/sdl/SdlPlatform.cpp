// The game's platform on SDL2: window, GL context, message pump, tick, message boxes and the
// keyboard and mouse devices. SDL starts on the first call that needs it.
#include <SDL.h>
#include <stdio.h>
#include <string.h>

#include "input/KeyCodes.h"
#include "platform/InputDevice.h"
#include "platform/Platform.h"

namespace {

bool videoUp;
bool classRegistered;
SDL_Window *window;
SDL_DisplayMode fullMode;  // the exact mode found by PlatChangeDisplayMode
bool fullModeWanted;
int quitCode;

// What happened between two polls, filled as SDL queues the events.
unsigned char keysPressed[256];  // DirectInput codes pressed since the last keyboard poll
unsigned char buttonsPressed[4];
int wheelSum;

bool StartVideo() {
    if (videoUp) return true;
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");  // the close box is a message, not a quit
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) {
        fprintf(stderr, "SDL: %s\n", SDL_GetError());
        return false;
    }
    videoUp = true;
    return true;
}

// Scancode -> DirectInput key code; 0 = no such key.
unsigned char ScanToDik(SDL_Scancode sc) {
    if (sc >= SDL_SCANCODE_A && sc <= SDL_SCANCODE_Z) {
        static const unsigned char letters[26] = {
            DIK_A, DIK_B, DIK_C, DIK_D, DIK_E, DIK_F, DIK_G, DIK_H, DIK_I, DIK_J, DIK_K, DIK_L, DIK_M,
            DIK_N, DIK_O, DIK_P, DIK_Q, DIK_R, DIK_S, DIK_T, DIK_U, DIK_V, DIK_W, DIK_X, DIK_Y, DIK_Z};
        return letters[sc - SDL_SCANCODE_A];
    }
    if (sc >= SDL_SCANCODE_1 && sc <= SDL_SCANCODE_0) return (unsigned char)(DIK_1 + (sc - SDL_SCANCODE_1));
    if (sc >= SDL_SCANCODE_F1 && sc <= SDL_SCANCODE_F10)
        return (unsigned char)(DIK_F1 + (sc - SDL_SCANCODE_F1));
    switch (sc) {
        case SDL_SCANCODE_RETURN:
            return DIK_RETURN;
        case SDL_SCANCODE_ESCAPE:
            return DIK_ESCAPE;
        case SDL_SCANCODE_BACKSPACE:
            return DIK_BACK;
        case SDL_SCANCODE_TAB:
            return DIK_TAB;
        case SDL_SCANCODE_SPACE:
            return DIK_SPACE;
        case SDL_SCANCODE_MINUS:
            return DIK_MINUS;
        case SDL_SCANCODE_EQUALS:
            return DIK_EQUALS;
        case SDL_SCANCODE_LEFTBRACKET:
            return DIK_LBRACKET;
        case SDL_SCANCODE_RIGHTBRACKET:
            return DIK_RBRACKET;
        case SDL_SCANCODE_BACKSLASH:
            return DIK_BACKSLASH;
        case SDL_SCANCODE_NONUSHASH:
            return DIK_BACKSLASH;
        case SDL_SCANCODE_SEMICOLON:
            return DIK_SEMICOLON;
        case SDL_SCANCODE_APOSTROPHE:
            return DIK_APOSTROPHE;
        case SDL_SCANCODE_GRAVE:
            return DIK_GRAVE;
        case SDL_SCANCODE_COMMA:
            return DIK_COMMA;
        case SDL_SCANCODE_PERIOD:
            return DIK_PERIOD;
        case SDL_SCANCODE_SLASH:
            return DIK_SLASH;
        case SDL_SCANCODE_CAPSLOCK:
            return DIK_CAPITAL;
        case SDL_SCANCODE_F11:
            return DIK_F11;
        case SDL_SCANCODE_F12:
            return DIK_F12;
        case SDL_SCANCODE_F13:
            return 0x64;
        case SDL_SCANCODE_F14:
            return 0x65;
        case SDL_SCANCODE_F15:
            return 0x66;
        case SDL_SCANCODE_PRINTSCREEN:
            return 0xB7;  // SysRq
        case SDL_SCANCODE_SCROLLLOCK:
            return DIK_SCROLL;
        case SDL_SCANCODE_PAUSE:
            return 0xC5;
        case SDL_SCANCODE_INSERT:
            return DIK_INSERT;
        case SDL_SCANCODE_HOME:
            return DIK_HOME;
        case SDL_SCANCODE_PAGEUP:
            return DIK_PRIOR;
        case SDL_SCANCODE_DELETE:
            return DIK_DELETE;
        case SDL_SCANCODE_END:
            return DIK_END;
        case SDL_SCANCODE_PAGEDOWN:
            return DIK_NEXT;
        case SDL_SCANCODE_RIGHT:
            return DIK_RIGHT;
        case SDL_SCANCODE_LEFT:
            return DIK_LEFT;
        case SDL_SCANCODE_DOWN:
            return DIK_DOWN;
        case SDL_SCANCODE_UP:
            return DIK_UP;
        case SDL_SCANCODE_NUMLOCKCLEAR:
            return DIK_NUMLOCK;
        case SDL_SCANCODE_KP_DIVIDE:
            return DIK_DIVIDE;
        case SDL_SCANCODE_KP_MULTIPLY:
            return DIK_MULTIPLY;
        case SDL_SCANCODE_KP_MINUS:
            return DIK_SUBTRACT;
        case SDL_SCANCODE_KP_PLUS:
            return DIK_ADD;
        case SDL_SCANCODE_KP_ENTER:
            return DIK_NUMPADENTER;
        case SDL_SCANCODE_KP_1:
            return DIK_NUMPAD1;
        case SDL_SCANCODE_KP_2:
            return DIK_NUMPAD2;
        case SDL_SCANCODE_KP_3:
            return DIK_NUMPAD3;
        case SDL_SCANCODE_KP_4:
            return DIK_NUMPAD4;
        case SDL_SCANCODE_KP_5:
            return DIK_NUMPAD5;
        case SDL_SCANCODE_KP_6:
            return DIK_NUMPAD6;
        case SDL_SCANCODE_KP_7:
            return DIK_NUMPAD7;
        case SDL_SCANCODE_KP_8:
            return DIK_NUMPAD8;
        case SDL_SCANCODE_KP_9:
            return DIK_NUMPAD9;
        case SDL_SCANCODE_KP_0:
            return DIK_NUMPAD0;
        case SDL_SCANCODE_KP_PERIOD:
            return DIK_DECIMAL;
        case SDL_SCANCODE_KP_EQUALS:
            return 0x8D;
        case SDL_SCANCODE_KP_COMMA:
            return 0xB3;
        case SDL_SCANCODE_NONUSBACKSLASH:
            return 0x56;  // the key left of Z on ISO boards
        case SDL_SCANCODE_APPLICATION:
            return 0xDD;
        case SDL_SCANCODE_POWER:
            return 0xDE;
        case SDL_SCANCODE_SLEEP:
            return 0xDF;
        case SDL_SCANCODE_LCTRL:
            return DIK_LCONTROL;
        case SDL_SCANCODE_LSHIFT:
            return DIK_LSHIFT;
        case SDL_SCANCODE_LALT:
            return DIK_LMENU;
        case SDL_SCANCODE_LGUI:
            return 0xDB;
        case SDL_SCANCODE_RCTRL:
            return DIK_RCONTROL;
        case SDL_SCANCODE_RSHIFT:
            return DIK_RSHIFT;
        case SDL_SCANCODE_RALT:
            return DIK_RMENU;
        case SDL_SCANCODE_RGUI:
            return 0xDC;
        case SDL_SCANCODE_MUTE:
            return 0xA0;
        case SDL_SCANCODE_VOLUMEDOWN:
            return 0xAE;
        case SDL_SCANCODE_VOLUMEUP:
            return 0xB0;
        case SDL_SCANCODE_AUDIONEXT:
            return 0x99;
        case SDL_SCANCODE_AUDIOPREV:
            return 0x90;
        case SDL_SCANCODE_AUDIOSTOP:
            return 0xA4;
        case SDL_SCANCODE_AUDIOPLAY:
            return 0xA2;
        case SDL_SCANCODE_INTERNATIONAL1:
            return 0x73;  // ABNT_C1
        case SDL_SCANCODE_INTERNATIONAL2:
            return 0x70;  // Kana
        case SDL_SCANCODE_INTERNATIONAL3:
            return 0x7D;  // Yen
        case SDL_SCANCODE_INTERNATIONAL4:
            return 0x79;  // Convert
        case SDL_SCANCODE_INTERNATIONAL5:
            return 0x7B;  // NoConvert
        default:
            return 0;
    }
}

// SDL key -> Windows virtual-key code for the window messages; 0 = none.
unsigned int KeyToVk(const SDL_Keysym &ks) {
    SDL_Keycode k = ks.sym;
    if (k >= SDLK_a && k <= SDLK_z) return (unsigned int)('A' + (k - SDLK_a));
    if (k >= SDLK_0 && k <= SDLK_9) return (unsigned int)('0' + (k - SDLK_0));
    if (k >= SDLK_F1 && k <= SDLK_F12) return 0x70u + (unsigned int)(k - SDLK_F1);
    if (k >= SDLK_KP_1 && k <= SDLK_KP_9) return 0x61u + (unsigned int)(k - SDLK_KP_1);
    switch (k) {
        case SDLK_BACKSPACE:
            return 0x08;
        case SDLK_TAB:
            return 0x09;
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return 0x0D;
        case SDLK_LSHIFT:
        case SDLK_RSHIFT:
            return 0x10;
        case SDLK_LCTRL:
        case SDLK_RCTRL:
            return 0x11;
        case SDLK_LALT:
        case SDLK_RALT:
            return 0x12;
        case SDLK_PAUSE:
            return 0x13;
        case SDLK_CAPSLOCK:
            return 0x14;
        case SDLK_ESCAPE:
            return 0x1B;
        case SDLK_SPACE:
            return 0x20;
        case SDLK_PAGEUP:
            return 0x21;
        case SDLK_PAGEDOWN:
            return 0x22;
        case SDLK_END:
            return 0x23;
        case SDLK_HOME:
            return 0x24;
        case SDLK_LEFT:
            return 0x25;
        case SDLK_UP:
            return 0x26;
        case SDLK_RIGHT:
            return 0x27;
        case SDLK_DOWN:
            return 0x28;
        case SDLK_PRINTSCREEN:
            return 0x2C;
        case SDLK_INSERT:
            return 0x2D;
        case SDLK_DELETE:
            return 0x2E;
        case SDLK_KP_0:
            return 0x60;
        case SDLK_KP_MULTIPLY:
            return 0x6A;
        case SDLK_KP_PLUS:
            return 0x6B;
        case SDLK_KP_MINUS:
            return 0x6D;
        case SDLK_KP_PERIOD:
            return 0x6E;
        case SDLK_KP_DIVIDE:
            return 0x6F;
        case SDLK_NUMLOCKCLEAR:
            return 0x90;
        case SDLK_SCROLLLOCK:
            return 0x91;
        case SDLK_SEMICOLON:
            return 0xBA;
        case SDLK_EQUALS:
            return 0xBB;
        case SDLK_COMMA:
            return 0xBC;
        case SDLK_MINUS:
            return 0xBD;
        case SDLK_PERIOD:
            return 0xBE;
        case SDLK_SLASH:
            return 0xBF;
        case SDLK_BACKQUOTE:
            return 0xC0;
        case SDLK_LEFTBRACKET:
            return 0xDB;
        case SDLK_BACKSLASH:
            return 0xDC;
        case SDLK_RIGHTBRACKET:
            return 0xDD;
        case SDLK_QUOTE:
            return 0xDE;
        default:
            return 0;
    }
}

// Runs as SDL queues each event, so nothing pressed between two polls is lost.
int WatchEvents(void *, SDL_Event *e) {
    if (e->type == SDL_KEYDOWN) {
        unsigned char code = ScanToDik(e->key.keysym.scancode);
        if (code) keysPressed[code] = 0x80;
    } else if (e->type == SDL_MOUSEBUTTONDOWN) {
        int b = e->button.button == SDL_BUTTON_LEFT     ? 0
                : e->button.button == SDL_BUTTON_RIGHT  ? 1
                : e->button.button == SDL_BUTTON_MIDDLE ? 2
                : e->button.button == SDL_BUTTON_X1     ? 3
                                                        : -1;
        if (b >= 0) buttonsPressed[b] = 0x80;
    } else if (e->type == SDL_MOUSEWHEEL) {
        int y = e->wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e->wheel.y : e->wheel.y;
        wheelSum += y * 120;  // one notch = 120, the wheel's usual step
    }
    return 1;
}
bool watching;

void Watch() {
    if (!watching && videoUp) {
        SDL_AddEventWatch(WatchEvents, nullptr);
        watching = true;
    }
}

// Keys struck while a message box had the keyboard belong to the box, not to the game.
void DropQueuedKeys() {
    if (!videoUp) return;
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_KEYDOWN, SDL_TEXTINPUT);
    memset(keysPressed, 0, sizeof(keysPressed));
}

}  // namespace

// Services.
unsigned int PlatGetTickCount() { return (unsigned int)SDL_GetTicks(); }

void PlatSleep(unsigned int ms) { SDL_Delay(ms); }

int PlatMessageBox(const char *text, const char *caption, unsigned int type) {
    bool yesNo = (type & 0x0F) == PLAT_MB_YESNO;
    SDL_MessageBoxButtonData yesNoButtons[2] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, PLAT_IDYES, "Yes"},
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, PLAT_IDNO, "No"},
    };
    SDL_MessageBoxButtonData okButton = {
        SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, PLAT_IDOK, "OK"};
    unsigned int icon = type & 0xF0;
    SDL_MessageBoxData data;
    memset(&data, 0, sizeof(data));
    data.flags = icon == PLAT_MB_ICONSTOP          ? SDL_MESSAGEBOX_ERROR
                 : icon == PLAT_MB_ICONINFORMATION ? SDL_MESSAGEBOX_INFORMATION
                                                   : SDL_MESSAGEBOX_WARNING;
    data.window = nullptr;  // no owner, like the original notices
    data.title = caption ? caption : "";
    data.message = text ? text : "";
    data.numbuttons = yesNo ? 2 : 1;
    data.buttons = yesNo ? yesNoButtons : &okButton;
    StartVideo();
    int pressed = -1;
    if (SDL_ShowMessageBox(&data, &pressed) != 0) {
        // No way to ask: say it on the terminal and take the cautious answer.
        fprintf(stderr, "%s: %s\n", data.title, data.message);
        pressed = -1;
    }
    DropQueuedKeys();
    if (yesNo) return pressed == PLAT_IDYES ? PLAT_IDYES : PLAT_IDNO;
    return PLAT_IDOK;
}

void PlatPostQuitMessage(int exitCode) {
    if (!videoUp && SDL_InitSubSystem(SDL_INIT_EVENTS) != 0) return;
    quitCode = exitCode;
    SDL_Event e;
    memset(&e, 0, sizeof(e));
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
}

// Window and context.
bool PlatRegisterClass(const char *) {
    if (!StartVideo()) return false;
    Watch();
    classRegistered = true;
    return true;
}

bool PlatUnregisterClass(const char *) {
    if (!classRegistered) return false;
    classRegistered = false;
    return true;
}

bool PlatChangeDisplayMode(int width, int height, int) {
    // Only a real mode of this size: SDL would otherwise pick a larger one and crop the picture.
    // The colour depth cannot be changed on X11, so any depth of the exact size will do.
    fullModeWanted = false;
    if (!StartVideo()) return false;
    int n = SDL_GetNumDisplayModes(0);
    for (int i = 0; i < n; i++) {
        SDL_DisplayMode m;
        if (SDL_GetDisplayMode(0, i, &m) == 0 && m.w == width && m.h == height) {
            fullMode = m;
            fullModeWanted = true;
            if (window) {
                SDL_SetWindowDisplayMode(window, &fullMode);
                SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN);
            }
            return true;
        }
    }
    return false;
}

void PlatRestoreDisplayMode() {
    fullModeWanted = false;
    if (window) SDL_SetWindowFullscreen(window, 0);
}

void PlatShowCursor(bool show) {
    if (videoUp) SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

PlatWindow PlatCreateWindow(const char *, const char *title, int width, int height, bool fullscreen) {
    if (!StartVideo() || window) return nullptr;
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN;
    flags |= fullscreen && fullModeWanted ? SDL_WINDOW_FULLSCREEN : SDL_WINDOW_RESIZABLE;
    window = SDL_CreateWindow(title ? title : "", 0, 0, width, height, flags);
    if (!window) {
        fprintf(stderr, "SDL: %s\n", SDL_GetError());
        return nullptr;
    }
    if (flags & SDL_WINDOW_FULLSCREEN) SDL_SetWindowDisplayMode(window, &fullMode);
    return window;
}

bool PlatDestroyWindow(PlatWindow w) {
    if (!w || w != window) return false;
    SDL_DestroyWindow(window);
    window = nullptr;
    return true;
}

// The window is its own drawing surface.
PlatDC PlatGetDC(PlatWindow w) { return w && w == window ? w : nullptr; }
bool PlatReleaseDC(PlatWindow w, PlatDC dc) { return w && dc == w; }

// The format itself was requested when the window was made; this checks the request fits it.
int PlatChoosePixelFormat(PlatDC dc, const PlatPixelFormat *pfd) {
    if (!dc || dc != window || !pfd) return 0;
    const unsigned int needed = 0x04 | 0x20;  // draw to window, support OpenGL
    if ((pfd->flags & needed) != needed) return 0;
    return 1;
}

bool PlatSetPixelFormat(PlatDC dc, int format, const PlatPixelFormat *pfd) {
    return dc && dc == window && format == 1 && pfd;
}

PlatGLRC PlatCreateContext(PlatDC dc) {
    if (!dc || dc != window) return nullptr;
    SDL_GLContext rc = SDL_GL_CreateContext(window);
    if (!rc) {
        fprintf(stderr, "SDL: %s\n", SDL_GetError());
        return nullptr;
    }
    SDL_GL_MakeCurrent(window, nullptr);  // current only once asked for
    return rc;
}

bool PlatMakeCurrent(PlatDC dc, PlatGLRC rc) {
    if (!videoUp) return false;
    SDL_Window *w = dc == window ? window : nullptr;
    if (!rc) return SDL_GL_MakeCurrent(w, nullptr) == 0;
    if (!w || SDL_GL_MakeCurrent(w, (SDL_GLContext)rc) != 0) return false;
    SDL_GL_SetSwapInterval(0);  // the game paces itself
    return true;
}

bool PlatDeleteContext(PlatGLRC rc) {
    if (!rc) return false;
    SDL_GL_DeleteContext((SDL_GLContext)rc);
    return true;
}

void PlatShowWindow(PlatWindow w) {
    if (!w || w != window) return;
    SDL_ShowWindow(window);
    SDL_RaiseWindow(window);
    SDL_SetWindowInputFocus(window);
}

void PlatSwapBuffers(PlatDC dc) {
    if (dc && dc == window) SDL_GL_SwapWindow(window);
}

// One SDL event per call, turned into the window message the game knows; others are skipped.
bool PlatPeekMessage(PlatMsg *msg) {
    if (!videoUp) return false;
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        msg->wParam = 0;
        msg->lParam = 0;
        switch (e.type) {
            case SDL_QUIT:
                msg->message = PLAT_WM_QUIT;
                msg->wParam = (uintptr_t)quitCode;
                return true;
            case SDL_KEYDOWN:
            case SDL_KEYUP:
                msg->message = e.type == SDL_KEYDOWN ? PLAT_WM_KEYDOWN : PLAT_WM_KEYUP;
                msg->wParam = KeyToVk(e.key.keysym);
                return true;
            case SDL_WINDOWEVENT: {
                bool minimised = window && (SDL_GetWindowFlags(window) & SDL_WINDOW_MINIMIZED);
                switch (e.window.event) {
                    case SDL_WINDOWEVENT_MINIMIZED:
                        msg->message = PLAT_WM_ACTIVATE;
                        msg->wParam = (uintptr_t)1 << 16;  // inactive, minimised
                        return true;
                    case SDL_WINDOWEVENT_RESTORED:
                    case SDL_WINDOWEVENT_FOCUS_GAINED:
                        msg->message = PLAT_WM_ACTIVATE;
                        msg->wParam = minimised ? ((uintptr_t)1 << 16) | 1 : 1;
                        return true;
                    case SDL_WINDOWEVENT_FOCUS_LOST:
                        msg->message = PLAT_WM_ACTIVATE;
                        msg->wParam = minimised ? (uintptr_t)1 << 16 : 0;
                        return true;
                    case SDL_WINDOWEVENT_SIZE_CHANGED:
                        msg->message = PLAT_WM_SIZE;
                        msg->lParam = (intptr_t)(((unsigned)e.window.data2 & 0xFFFF) << 16 |
                                                 ((unsigned)e.window.data1 & 0xFFFF));
                        return true;
                    case SDL_WINDOWEVENT_CLOSE:
                        msg->message = PLAT_WM_CLOSE;
                        return true;
                    default:
                        break;
                }
                break;
            }
            default:
                break;
        }
    }
    return false;
}

long PlatDefWindowProc(PlatWindow, unsigned int, uintptr_t, intptr_t) { return 0; }

// Input devices.
namespace {

const int MAX_DEVICES = 8;
struct Device {
    bool used;
    bool acquired;
    int kind;
};
Device devices[MAX_DEVICES];
int inputLibs;  // live input objects
char inputLibToken;

Device *AsDevice(PlatDevice d) {
    Device *dev = (Device *)d;
    if (dev < devices || dev >= devices + MAX_DEVICES || !dev->used) return nullptr;
    return dev;
}

}  // namespace

int PlatInputCreate(PlatInput *out) {
    if (!out) return -1;
    *out = nullptr;
    if (!StartVideo()) return -1;
    Watch();
    inputLibs++;
    *out = &inputLibToken;
    return 0;
}

void PlatInputRelease(PlatInput input) {
    if (input == &inputLibToken && inputLibs > 0) inputLibs--;
}

int PlatInputCreateDevice(PlatInput input, int kind, PlatDevice *out) {
    if (!out) return -1;
    *out = nullptr;
    if (input != &inputLibToken || !inputLibs) return -1;
    if (kind != PLAT_DEVICE_KEYBOARD && kind != PLAT_DEVICE_MOUSE) return -1;
    for (int i = 0; i < MAX_DEVICES; i++) {
        if (devices[i].used) continue;
        devices[i].used = true;
        devices[i].acquired = false;
        devices[i].kind = kind;
        *out = &devices[i];
        return 0;
    }
    return -1;
}

int PlatDeviceAcquire(PlatDevice device) {
    Device *dev = AsDevice(device);
    if (!dev) return -1;
    if (!dev->acquired) {
        // A fresh acquisition starts from the present: nothing from before counts.
        if (dev->kind == PLAT_DEVICE_KEYBOARD) {
            memset(keysPressed, 0, sizeof(keysPressed));
        } else {
            SDL_GetRelativeMouseState(nullptr, nullptr);
            memset(buttonsPressed, 0, sizeof(buttonsPressed));
            wheelSum = 0;
        }
    }
    dev->acquired = true;
    return 0;
}

int PlatDeviceUnacquire(PlatDevice device) {
    Device *dev = AsDevice(device);
    if (!dev) return -1;
    dev->acquired = false;
    return 0;
}

int PlatDeviceGetState(PlatDevice device, unsigned int size, void *data) {
    Device *dev = AsDevice(device);
    if (!dev || !data) return -1;
    if (!dev->acquired) return -2;
    if (dev->kind == PLAT_DEVICE_KEYBOARD) {
        if (size != 256) return -1;
        unsigned char *keys = (unsigned char *)data;
        memset(keys, 0, 256);
        int count = 0;
        const Uint8 *state = SDL_GetKeyboardState(&count);
        for (int sc = 0; sc < count; sc++) {
            if (!state[sc]) continue;
            unsigned char code = ScanToDik((SDL_Scancode)sc);
            if (code) keys[code] = 0x80;
        }
        for (int i = 0; i < 256; i++) keys[i] |= keysPressed[i];
        memset(keysPressed, 0, sizeof(keysPressed));
        return 0;
    }
    if (size != sizeof(PlatMouseState)) return -1;
    PlatMouseState *m = (PlatMouseState *)data;
    memset(m, 0, sizeof(*m));
    Uint32 held = SDL_GetRelativeMouseState(&m->lX, &m->lY);
    m->lZ = wheelSum;
    wheelSum = 0;
    const Uint32 masks[4] = {SDL_BUTTON_LMASK, SDL_BUTTON_RMASK, SDL_BUTTON_MMASK, SDL_BUTTON_X1MASK};
    for (int b = 0; b < 4; b++) m->rgbButtons[b] = ((held & masks[b]) ? 0x80 : 0) | buttonsPressed[b];
    memset(buttonsPressed, 0, sizeof(buttonsPressed));
    return 0;
}

void PlatDeviceRelease(PlatDevice device) {
    Device *dev = AsDevice(device);
    if (dev) dev->used = false;
}
