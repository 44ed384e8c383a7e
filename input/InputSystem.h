// Input devices and per-screen dispatch: keyboard and mouse snapshots polled once per frame.
#pragma once
#include "input/KeyCodes.h"
#include "platform/InputDevice.h"
#include "platform/Platform.h"

const int KEY_CODES = 256;
const int MOUSE_BUTTONS = 4;

class CKeyboard {
  public:
    CKeyboard(PlatInput pDI, PlatWindow hwnd);
    ~CKeyboard();
    bool Update();
    bool Acquire();
    bool Unacquire();
    void Clear();
    bool KeyDown(unsigned char key) const;
    bool KeyUp(unsigned char key) const;

    PlatDevice device;
    unsigned char keyState[KEY_CODES];  // down when bit 0x80 is set
};

class CMouse {
  public:
    CMouse();
    CMouse(PlatInput pDI, PlatWindow hwnd, bool isExclusive);
    ~CMouse();
    bool Update();
    bool Acquire();
    bool Unacquire();
    bool ButtonDown(int button) const;
    bool ButtonUp(int button) const;
    void GetMovement(float &dx, float &dy) const;
    int GetWheelMovement() const;

    float cursorX;      // HUD units from the left edge
    float cursorY;      // negated HUD y: 0 at the top, -100 at the bottom
    float sensitivity;  // HUD units per mouse count
    PlatDevice device;
    PlatMouseState state;
};

// Nothing starts the gamepad; it stays without a device for the whole run.
class CGamepad {
  public:
    CGamepad();
    ~CGamepad();
    void Initialize();
    int UpdateInputState(PlatWindow hWnd);
    bool Acquire();
    bool Unacquire();

    PlatInput directInput;
    PlatDevice device;
    int lastResult;
};

class CInputSystem {
  public:
    // Devices.
    bool Initialize(PlatWindow hwnd, void *appInstance, bool isExclusive, unsigned int flags);
    bool Shutdown();
    bool Update();
    void AcquireAll();
    void UnacquireAll();
    bool KeyDown(char key) const;
    bool KeyUp(char key) const;
    bool ButtonDown(int button) const;
    bool ButtonUp(int button) const;
    void GetMouseMovement(float &dx, float &dy) const;
    int GetMouseWheelMovement() const;

    // Dispatch, once per frame.
    void ProcessInput();
    void UpdateMouse();
    void MouseInput();
    void KeyboardInput();
    void LookForTyping();
    bool AreAllKeysReleased() const;
    void DrawMouseCursor();

    float mouseDeltaX;
    float mouseDeltaY;
    bool keyHeld;    // a watched key was down at the end of the last keyboard pass
    bool menuHeld;   // F1 was down at the end of the last keyboard pass
    PlatInput directInput;
};

extern CInputSystem *Input;
extern CKeyboard *Keyboard;  // null: no keyboard
extern CMouse *Mouse;        // null: no mouse
extern CGamepad Gamepad;
