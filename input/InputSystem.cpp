// Input devices: keyboard and mouse snapshots, polled once per frame.
#include "input/InputSystem.h"

#include <string.h>

#include <new>

CInputSystem *Input;
CKeyboard *Keyboard;
CMouse *Mouse;
// Gamepad lives in app/Main.cpp, defined before Main so that it is destroyed after it.

// Keyboard.
CKeyboard::CKeyboard(PlatInput pDI, PlatWindow) : device(nullptr) {
    if (PlatInputCreateDevice(pDI, PLAT_DEVICE_KEYBOARD, &device) < 0) device = nullptr;
    if (device) PlatDeviceAcquire(device);
    Clear();
}

CKeyboard::~CKeyboard() {
    if (!device) return;
    PlatDeviceUnacquire(device);
    PlatDeviceRelease(device);
    device = nullptr;
}

bool CKeyboard::Update() {
    if (!device) return false;
    if (PlatDeviceGetState(device, KEY_CODES, keyState) >= 0) return true;
    // Lost or not acquired: one more try; the old snapshot stays otherwise.
    if (PlatDeviceAcquire(device) < 0) return false;
    return PlatDeviceGetState(device, KEY_CODES, keyState) >= 0;
}

bool CKeyboard::Acquire() {
    Clear();
    return device && PlatDeviceAcquire(device) >= 0;
}

bool CKeyboard::Unacquire() {
    Clear();
    return device && PlatDeviceUnacquire(device) >= 0;
}

void CKeyboard::Clear() { memset(keyState, 0, sizeof(keyState)); }
bool CKeyboard::KeyDown(unsigned char key) const { return keyState[key] & 0x80; }
bool CKeyboard::KeyUp(unsigned char key) const { return !(keyState[key] & 0x80); }

// Mouse.
CMouse::CMouse() {}

CMouse::CMouse(PlatInput pDI, PlatWindow, bool)
    : cursorX(0.0f), cursorY(0.0f), sensitivity(0.2f), device(nullptr) {
    memset(&state, 0, sizeof(state));
    // The platform mouse is shared with the desktop either way; exclusivity changes nothing here.
    if (PlatInputCreateDevice(pDI, PLAT_DEVICE_MOUSE, &device) < 0) device = nullptr;
    if (!device) return;
    PlatDeviceAcquire(device);
    PlatDeviceGetState(device, sizeof(state), &state);
}

CMouse::~CMouse() {
    if (!device) return;
    PlatDeviceUnacquire(device);
    PlatDeviceRelease(device);
    device = nullptr;
}

bool CMouse::Update() {
    if (!device) return false;
    if (PlatDeviceGetState(device, sizeof(state), &state) >= 0) return true;
    if (PlatDeviceAcquire(device) < 0) return false;
    return PlatDeviceGetState(device, sizeof(state), &state) >= 0;
}

bool CMouse::Acquire() { return device && PlatDeviceAcquire(device) >= 0; }
bool CMouse::Unacquire() { return device && PlatDeviceUnacquire(device) >= 0; }

bool CMouse::ButtonDown(int button) const {
    return button >= 0 && button < MOUSE_BUTTONS && (state.rgbButtons[button] & 0x80);
}
bool CMouse::ButtonUp(int button) const {
    return button >= 0 && button < MOUSE_BUTTONS && !(state.rgbButtons[button] & 0x80);
}

void CMouse::GetMovement(float &dx, float &dy) const {
    dx = (float)state.lX;
    dy = (float)state.lY;
}

int CMouse::GetWheelMovement() const { return state.lZ; }

// Gamepad: kept for completeness; the game never starts it, and the platform offers no game
// controllers, so it reports that none was found.
CGamepad::CGamepad() : directInput(nullptr), device(nullptr), lastResult(0) {}

CGamepad::~CGamepad() {
    if (!device) return;
    PlatDeviceUnacquire(device);
    PlatDeviceRelease(device);
    device = nullptr;
}

void CGamepad::Initialize() {
    lastResult = PlatInputCreate(&directInput);
    if (lastResult < 0) {
        directInput = nullptr;
        PlatMessageBox("Couldn't accept DirectInput!", "Error", PLAT_MB_OK);
        return;
    }
    // No attached controllers can be listed on this platform.
    if (!device) {
        PlatMessageBox("No Gamepad were detected.", "Warning", PLAT_MB_OK);
        return;
    }
    PlatMessageBox("Gamepad Detected", "Stuff", PLAT_MB_OK);
}

// Without a device there is nothing to poll.
int CGamepad::UpdateInputState(PlatWindow) { return 0; }

bool CGamepad::Acquire() { return device && PlatDeviceAcquire(device) >= 0; }
bool CGamepad::Unacquire() { return device && PlatDeviceUnacquire(device) >= 0; }

// The input system.
bool CInputSystem::Initialize(PlatWindow hwnd, void *, bool isExclusive, unsigned int flags) {
    PlatInput fresh = nullptr;
    if (PlatInputCreate(&fresh) < 0 || !fresh) return false;
    // A repeated call replaces everything: release what the last one made.
    PlatInput old = directInput;
    directInput = fresh;
    if (flags & 1) {
        delete Keyboard;
        Keyboard = new (std::nothrow) CKeyboard(directInput, hwnd);
        if (!Keyboard) {
            if (old) PlatInputRelease(old);
            return false;
        }
    }
    if (flags & 2) {
        delete Mouse;
        Mouse = new (std::nothrow) CMouse(directInput, hwnd, isExclusive);
        if (!Mouse) {
            if (old) PlatInputRelease(old);
            return false;
        }
    }
    if (old) PlatInputRelease(old);
    return true;
}

bool CInputSystem::Shutdown() {
    UnacquireAll();
    if (Keyboard) {
        delete Keyboard;
        Keyboard = nullptr;
    }
    if (Mouse) {
        delete Mouse;
        Mouse = nullptr;
    }
    if (directInput) {
        PlatInputRelease(directInput);
        directInput = nullptr;
    }
    return true;
}

bool CInputSystem::Update() {
    if (Keyboard) Keyboard->Update();
    if (Mouse) Mouse->Update();
    return true;
}

void CInputSystem::AcquireAll() {
    if (Keyboard) Keyboard->Acquire();
    if (Mouse) Mouse->Acquire();
}

void CInputSystem::UnacquireAll() {
    if (Keyboard) Keyboard->Unacquire();
    if (Mouse) Mouse->Unacquire();
}

// Codes from 0x80 up arrive as negative char and are taken back as bytes.
bool CInputSystem::KeyDown(char key) const { return Keyboard && Keyboard->KeyDown((unsigned char)key); }
bool CInputSystem::KeyUp(char key) const { return Keyboard && Keyboard->KeyUp((unsigned char)key); }
bool CInputSystem::ButtonDown(int button) const { return Mouse && Mouse->ButtonDown(button); }
bool CInputSystem::ButtonUp(int button) const { return Mouse && Mouse->ButtonUp(button); }

void CInputSystem::GetMouseMovement(float &dx, float &dy) const {
    if (Mouse) Mouse->GetMovement(dx, dy);
}

int CInputSystem::GetMouseWheelMovement() const { return Mouse ? Mouse->GetWheelMovement() : 0; }
