// The application object: object graph, window, frame loop and screen changes.
#include "app/Main.h"

#include "actors/Boss.h"
#include "actors/Character.h"
#include "actors/ParticlesMgr.h"
#include "audio/Music.h"
#include "input/CameraMgr.h"
#include "input/InputSystem.h"
#include "input/Typing.h"
#include "render/FontsMgr.h"
#include "render/Hud.h"
#include "render/TextureMgr.h"
#include "world/MapMgr.h"
#include "world/MonstersMgr.h"

CMain Main;

CMain::CMain() {}
CMain::~CMain() {}
int CMain::CreateGLWindow(const char *, int, int, int, int) { return 0; }
int CMain::InitGL() { return 1; }
void CMain::ReSizeGLScene(int, int) {}
void CMain::KillGLWindow() {}
int CMain::Render() { return 1; }
void CMain::CountFPS() {}
void CMain::SetScreen(int WhichScreen) { currentScreen = WhichScreen; }
bool CMain::RunFrame() { return false; }
int CMain::RunLoop() { return 0; }
long WndProc(PlatWindow, unsigned int, uintptr_t, intptr_t) { return 0; }
int WinMain() { return 0; }
float ClockSeconds() { return (float)PlatGetTickCount() * 0.001f; }
