// The scripted platform: a fixed clock, key snapshots and answers set by the tests, no window.
#include <stdio.h>
#include <string.h>

#include "platform/Font.h"
#include "platform/InputDevice.h"
#include "platform/Platform.h"
#include "platform/Sound.h"
#include "platform/script/Script.h"

ScriptState Script;

static int scriptDummy;  // a non-null handle for every object the script pretends to create

void ScriptReset() {
    memset(&Script, 0, sizeof(Script));
    Script.cursorShown = true;
}

void ScriptSetKey(int code, bool down) { Script.keys[code & 0xFF] = down ? 0x80 : 0; }
void ScriptClearKeys() { memset(Script.keys, 0, sizeof(Script.keys)); }

void ScriptAnswer(int answer) {
    if (Script.answerCount < SCRIPT_MAX_BOXES) Script.answers[Script.answerCount++] = answer;
}

void ScriptPostMessage(unsigned int message, uintptr_t wParam, intptr_t lParam) {
    if (Script.queueCount >= SCRIPT_MAX_MESSAGES) return;
    int at = (Script.queueHead + Script.queueCount) % SCRIPT_MAX_MESSAGES;
    Script.queue[at].message = message;
    Script.queue[at].wParam = wParam;
    Script.queue[at].lParam = lParam;
    Script.queueCount++;
}

const ScriptBox *ScriptLastBox() { return Script.boxCount ? &Script.boxes[Script.boxCount - 1] : nullptr; }

// Services.
unsigned int PlatGetTickCount() {
    unsigned int now = Script.tick;
    Script.tick += Script.tickStep;
    return now;
}

void PlatSleep(unsigned int ms) {
    Script.tick += ms;
    Script.slept += ms;
}

int PlatMessageBox(const char *text, const char *caption, unsigned int type) {
    if (Script.boxCount < SCRIPT_MAX_BOXES) {
        ScriptBox &box = Script.boxes[Script.boxCount++];
        snprintf(box.text, sizeof(box.text), "%s", text ? text : "");
        snprintf(box.caption, sizeof(box.caption), "%s", caption ? caption : "");
        box.type = type;
    }
    int answer = Script.answerNext < Script.answerCount ? Script.answers[Script.answerNext++] : 0;
    if ((type & 0x0F) == PLAT_MB_YESNO) return answer == PLAT_IDNO ? PLAT_IDNO : PLAT_IDYES;
    return PLAT_IDOK;
}

void PlatPostQuitMessage(int exitCode) {
    Script.quitRequests++;
    ScriptPostMessage(PLAT_WM_QUIT, (uintptr_t)exitCode, 0);
}

// Window and context.
bool PlatRegisterClass(const char *) { return Script.failStep != SCRIPT_FAIL_REGISTER; }
bool PlatUnregisterClass(const char *) { return true; }

bool PlatChangeDisplayMode(int, int, int) {
    if (Script.failStep == SCRIPT_FAIL_DISPLAY_MODE) return false;
    Script.displayModeChanges++;
    return true;
}

void PlatRestoreDisplayMode() {}
void PlatShowCursor(bool show) { Script.cursorShown = show; }

PlatWindow PlatCreateWindow(const char *, const char *, int, int, bool) {
    if (Script.failStep == SCRIPT_FAIL_WINDOW) return nullptr;
    Script.windowExists = true;
    return &scriptDummy;
}

bool PlatDestroyWindow(PlatWindow) {
    Script.windowExists = false;
    return true;
}

PlatDC PlatGetDC(PlatWindow) { return Script.failStep == SCRIPT_FAIL_DC ? nullptr : &scriptDummy; }
bool PlatReleaseDC(PlatWindow, PlatDC) { return true; }
int PlatChoosePixelFormat(PlatDC, const PlatPixelFormat *) {
    return Script.failStep == SCRIPT_FAIL_CHOOSE_FORMAT ? 0 : 1;
}
bool PlatSetPixelFormat(PlatDC, int, const PlatPixelFormat *) {
    return Script.failStep != SCRIPT_FAIL_SET_FORMAT;
}
PlatGLRC PlatCreateContext(PlatDC) { return Script.failStep == SCRIPT_FAIL_CONTEXT ? nullptr : &scriptDummy; }
bool PlatMakeCurrent(PlatDC, PlatGLRC rc) {
    if (rc && Script.failStep == SCRIPT_FAIL_MAKE_CURRENT) return false;
    Script.contextCurrent = rc != nullptr;
    return true;
}
bool PlatDeleteContext(PlatGLRC) { return true; }
void PlatShowWindow(PlatWindow) {}
void PlatSwapBuffers(PlatDC) { Script.swaps++; }

bool PlatPeekMessage(PlatMsg *msg) {
    if (!Script.queueCount) return false;
    *msg = Script.queue[Script.queueHead];
    Script.queueHead = (Script.queueHead + 1) % SCRIPT_MAX_MESSAGES;
    Script.queueCount--;
    return true;
}

long PlatDefWindowProc(PlatWindow, unsigned int, uintptr_t, intptr_t) { return 0; }

// Input devices: the keyboard reads Script.keys, the mouse Script.mouse.
static int scriptKeyboard, scriptMouse;

int PlatInputCreate(PlatInput *out) {
    if (Script.failStep == SCRIPT_FAIL_INPUT) return -1;
    *out = &scriptDummy;
    Script.inputObjects++;
    return 0;
}
void PlatInputRelease(PlatInput) { Script.inputObjects--; }

int PlatInputCreateDevice(PlatInput, int kind, PlatDevice *out) {
    if (Script.failStep == SCRIPT_FAIL_DEVICE) {
        *out = nullptr;
        return -1;
    }
    Script.devicesOpen++;
    *out = kind == PLAT_DEVICE_KEYBOARD ? (PlatDevice)&scriptKeyboard : (PlatDevice)&scriptMouse;
    return 0;
}

int PlatDeviceAcquire(PlatDevice device) {
    (device == &scriptKeyboard ? Script.keyboardAcquired : Script.mouseAcquired) = true;
    return 0;
}

int PlatDeviceUnacquire(PlatDevice device) {
    (device == &scriptKeyboard ? Script.keyboardAcquired : Script.mouseAcquired) = false;
    return 0;
}

int PlatDeviceGetState(PlatDevice device, unsigned int size, void *data) {
    if (device == &scriptKeyboard) {
        if (!Script.keyboardAcquired || size != 256) return -1;
        memcpy(data, Script.keys, 256);
        Script.keyboardPolls++;
        return 0;
    }
    if (!Script.mouseAcquired || size != sizeof(PlatMouseState)) return -1;
    memcpy(data, &Script.mouse, sizeof(PlatMouseState));
    Script.mouse.lX = Script.mouse.lY = Script.mouse.lZ = 0;
    Script.mousePolls++;
    return 0;
}

void PlatDeviceRelease(PlatDevice) { Script.devicesOpen--; }
