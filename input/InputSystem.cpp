// Input devices: keyboard and mouse snapshots.
#include "input/InputSystem.h"

CInputSystem *Input;
CKeyboard *Keyboard;
CMouse *Mouse;
CGamepad Gamepad;

CKeyboard::CKeyboard(PlatInput, PlatWindow) : device(nullptr), keyState{} {}
CKeyboard::~CKeyboard() {}
bool CKeyboard::Update() { return false; }
bool CKeyboard::Acquire() { return false; }
bool CKeyboard::Unacquire() { return false; }
void CKeyboard::Clear() {}
bool CKeyboard::KeyDown(unsigned char key) const { return keyState[key] & 0x80; }
bool CKeyboard::KeyUp(unsigned char key) const { return !(keyState[key] & 0x80); }
CMouse::CMouse() {}
CMouse::CMouse(PlatInput, PlatWindow, bool) : cursorX(0), cursorY(0), sensitivity(0.2f), device(nullptr), state{} {}
CMouse::~CMouse() {}
bool CMouse::Update() { return false; }
bool CMouse::Acquire() { return false; }
bool CMouse::Unacquire() { return false; }
bool CMouse::ButtonDown(int) const { return false; }
bool CMouse::ButtonUp(int) const { return false; }
void CMouse::GetMovement(float &, float &) const {}
int CMouse::GetWheelMovement() const { return 0; }
CGamepad::CGamepad() : directInput(nullptr), device(nullptr), lastResult(0) {}
CGamepad::~CGamepad() {}
void CGamepad::Initialize() {}
int CGamepad::UpdateInputState(PlatWindow) { return 0; }
bool CGamepad::Acquire() { return false; }
bool CGamepad::Unacquire() { return false; }
bool CInputSystem::Initialize(PlatWindow, void *, bool, unsigned int) { return false; }
bool CInputSystem::Shutdown() { return true; }
bool CInputSystem::Update() { return true; }
void CInputSystem::AcquireAll() {}
void CInputSystem::UnacquireAll() {}
bool CInputSystem::KeyDown(char key) const { return Keyboard && Keyboard->KeyDown((unsigned char)key); }
bool CInputSystem::KeyUp(char key) const { return Keyboard && Keyboard->KeyUp((unsigned char)key); }
bool CInputSystem::ButtonDown(int) const { return false; }
bool CInputSystem::ButtonUp(int) const { return false; }
void CInputSystem::GetMouseMovement(float &, float &) const {}
int CInputSystem::GetMouseWheelMovement() const { return 0; }
