// Input dispatch: cursor, mouse painting, text field routing, screen keys and the key latch.
#include "input/InputSystem.h"

void CInputSystem::ProcessInput() {}
void CInputSystem::UpdateMouse() {}
void CInputSystem::MouseInput() {}
void CInputSystem::KeyboardInput() {}
void CInputSystem::LookForTyping() {}
bool CInputSystem::AreAllKeysReleased() const { return true; }
void CInputSystem::DrawMouseCursor() {}
