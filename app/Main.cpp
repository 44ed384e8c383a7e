// The application object: object graph, window, frame loop and screen changes.
#include "app/Main.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <stdlib.h>

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

// The gamepad first, so that it outlives the application object.
CGamepad Gamepad;
CMain Main;

namespace {

const char WINDOW_CLASS[] = "OpenGL";
const unsigned int FRAME_MS = 14;  // the shortest frame; every per-frame step is tuned to it
char moduleInstance;               // stands for the module handle

void Error(const char *text) { PlatMessageBox(text, "ERROR", PLAT_MB_OK | PLAT_MB_ICONEXCLAMATION); }
void ShutdownError(const char *text) {
    PlatMessageBox(text, "SHUTDOWN ERROR", PLAT_MB_OK | PLAT_MB_ICONINFORMATION);
}

// Wait out the rest of the frame: sleep while more than a millisecond is left, then spin.
// Unsigned differences keep this right across the wrap of the tick.
void WaitForFrameEnd(unsigned int frameStart) {
    for (;;) {
        unsigned int elapsed = PlatGetTickCount() - frameStart;
        if (elapsed >= FRAME_MS) return;
        unsigned int left = FRAME_MS - elapsed;
        if (left > 1) PlatSleep(left - 1);
    }
}

}  // namespace

CMain::CMain() {
    srand(PlatGetTickCount());
    fadeLevel = 1.0f;
    hDC = nullptr;
    hRC = nullptr;
    hWnd = nullptr;
    active = 1;
    fullscreen = 1;
    width = 800;
    height = 600;
    for (int i = 0; i < STAGE_WINDOWS; i++) {
        windowHighlight[i] = false;
        ParticlesSpiters[i] = new CParticlesMgr;
    }
    selectedWindow = 0;
    windowHighlight[0] = true;
    FontsMgr = new CFontsMgr;
    TextureMgr = new CTextureMgr;
    Input = new CInputSystem();  // zero-filled
    Music = new CMusic;
    Hud = new CHud;
    Typing = new CTyping;
    ParticlesMgr = new CParticlesMgr;
    CharacterMgr = new CCharacterMgr;
    MapMgr = new CMapMgr;
    MonstersMgr = new CMonstersMgr;
    WeaponsMgr = new CWeaponsMgr;
    CameraMgr = new CCameraMgr;
    BossMgr = new CBossMgr;
}

CMain::~CMain() {
    delete Input;
    Input = nullptr;
    delete FontsMgr;
    FontsMgr = nullptr;
    delete TextureMgr;
    TextureMgr = nullptr;
    delete Music;
    Music = nullptr;
    delete Hud;
    Hud = nullptr;
    delete Typing;
    Typing = nullptr;
    delete ParticlesMgr;
    ParticlesMgr = nullptr;
    delete CharacterMgr;
    CharacterMgr = nullptr;
    delete MapMgr;
    MapMgr = nullptr;
    delete MonstersMgr;
    MonstersMgr = nullptr;
    delete WeaponsMgr;
    WeaponsMgr = nullptr;
    delete CameraMgr;
    CameraMgr = nullptr;
    delete BossMgr;
    BossMgr = nullptr;
    for (int i = 0; i < STAGE_WINDOWS; i++) {
        delete ParticlesSpiters[i];
        ParticlesSpiters[i] = nullptr;
    }
}

int CMain::CreateGLWindow(const char *title, int width, int height, int bits, int Fullscreenflag) {
    static PlatPixelFormat pfd;
    static bool pfdReady = false;

    fullscreen = Fullscreenflag;
    hInstance = &moduleInstance;

    if (!PlatRegisterClass(WINDOW_CLASS)) {
        Error("Failed To Register The Window Class.");
        return 0;
    }

    if (fullscreen && !PlatChangeDisplayMode(width, height, bits)) {
        if (PlatMessageBox("The Requested Fullscreen Mode Is Not Supported By\nYour Video Card. Use Windowed "
                           "Mode Instead?",
                           "OpenGL", PLAT_MB_YESNO | PLAT_MB_ICONEXCLAMATION) == PLAT_IDYES) {
            fullscreen = 0;
        } else {
            PlatMessageBox("Program Will Now Close.", "ERROR", PLAT_MB_OK | PLAT_MB_ICONSTOP);
            return 0;
        }
    }
    if (fullscreen) PlatShowCursor(false);

    // The platform sizes the client area itself, framed or not.
    hWnd = PlatCreateWindow(WINDOW_CLASS, title, width, height, fullscreen != 0);
    if (!hWnd) {
        KillGLWindow();
        Error("Window Creation Error.");
        return 0;
    }

    if (!pfdReady) {
        pfd.size = 40;
        pfd.version = 1;
        pfd.flags = 0x25;   // draw to window, OpenGL, double buffered
        pfd.pixelType = 0;  // RGBA
        pfd.colorBits = (unsigned char)bits;
        pfd.depthBits = 16;
        pfd.stencilBits = 0;
        pfdReady = true;
    }

    hDC = PlatGetDC(hWnd);
    if (!hDC) {
        KillGLWindow();
        Error("Can't Create A GL Device Context.");
        return 0;
    }
    int format = PlatChoosePixelFormat(hDC, &pfd);
    if (!format) {
        KillGLWindow();
        Error("Can't Find A Suitable PixelFormat.");
        return 0;
    }
    if (!PlatSetPixelFormat(hDC, format, &pfd)) {
        KillGLWindow();
        Error("Can't Set The PixelFormat.");
        return 0;
    }
    hRC = PlatCreateContext(hDC);
    if (!hRC) {
        KillGLWindow();
        Error("Can't Create A GL Rendering Context.");
        return 0;
    }
    if (!PlatMakeCurrent(hDC, hRC)) {
        KillGLWindow();
        Error("Can't Activate The GL Rendering Context.");
        return 0;
    }

    PlatShowWindow(hWnd);
    ReSizeGLScene(width, height);

    if (!InitGL()) {
        KillGLWindow();
        Error("Initialization Failed.");
        return 0;
    }
    return 1;
}

int CMain::InitGL() {
    glShadeModel(GL_SMOOTH);
    glClearColor(0.0f, 0.0f, 0.0f, 0.5f);
    glClearDepth(1.0f);
    glDisable(GL_DEPTH_TEST);  // drawing order alone decides what covers what
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);

    FontsMgr->InitFonts();
    TextureMgr->InitTextures();
    Music->InitSound();
    CharacterMgr->InitCharacter();
    MapMgr->InitMap();
    MonstersMgr->InitMonsters();
    WeaponsMgr->InitWeapons();
    CameraMgr->InitCamera();
    BossMgr->InitBoss();
    Input->Initialize(hWnd, hInstance, false, 3);
    SetScreen(SCREEN_INTRO);
    Music->PlayBGM(-1, 0);
    return 1;
}

void CMain::ReSizeGLScene(int width, int height) {
    if (height == 0) height = 1;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0f, (GLfloat)width / (GLfloat)height, 0.1f, 100.0f);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void CMain::KillGLWindow() {
    if (fullscreen) {
        PlatRestoreDisplayMode();
        PlatShowCursor(true);
    }
    if (hRC) {
        if (!PlatMakeCurrent(hDC, nullptr)) ShutdownError("Release Of DC And RC Failed.");
        if (!PlatDeleteContext(hRC)) ShutdownError("Release Rendering Context Failed.");
        hRC = nullptr;
    }
    if (hDC) {
        if (!PlatReleaseDC(hWnd, hDC)) ShutdownError("Release Device Context Failed.");
        hDC = nullptr;
    }
    if (hWnd) {
        if (!PlatDestroyWindow(hWnd)) ShutdownError("Could Not Release hWnd.");
        hWnd = nullptr;
    }
    if (!PlatUnregisterClass(WINDOW_CLASS)) ShutdownError("Could Not Unregister Class.");
    Input->Shutdown();
    Music->ShutdownSound();
}

// The game screen: end-of-game effects, the drawing, then one step of the game.
static void GameFrame(CMain &main) {
    if (CharacterMgr->isDead) {
        if (main.fadeLevel > 0.0f) main.fadeLevel -= 0.01f;
        glColor3f(1.0f, main.fadeLevel, main.fadeLevel);  // tints the backdrop red
    } else if (CharacterMgr->hasWon) {
        if (stCamera.z > -80.0f) stCamera.z -= 0.1f;  // pull the view back
    }

    main.RenderGame();

    if (!CharacterMgr->isDead && !CharacterMgr->hasWon) {
        CharacterMgr->AnimateCharacter();
        CharacterMgr->onFloor = CharacterMgr->CheckFloorColl();
        BossMgr->ProcessAI();
        BossMgr->ProcessMovement();
        CharacterMgr->TestHurt();
        BossMgr->ProcessRandomness();
    }
    if (CharacterMgr->isDead) glColor3f(1.0f, 1.0f, 1.0f);
}

int CMain::Render() {
    frameStart = PlatGetTickCount();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    CameraMgr->PlaceCamera();

    switch (currentScreen) {
        case SCREEN_GAME:
            GameFrame(*this);
            break;
        case SCREEN_EDITOR:
            RenderEditor();
            break;
        case SCREEN_MAP_NAME:
            RenderMapName();
            break;
        case SCREEN_SELECT:
            RenderSelect();
            break;
        case SCREEN_INTRO:
            RenderIntro();
            break;
        default:
            break;  // the menu and the event dialog draw only in the HUD pass
    }

    Hud->DrawHud();
    CountFPS();
    WaitForFrameEnd(frameStart);
    return 1;
}

void CMain::CountFPS() {
    frameCount++;
    float t = ClockSeconds();
    if (t - fpsTime > 1.0f) {
        fps = frameCount;
        frameCount = 0;
        fpsTime = t;
    }
}

void CMain::SetScreen(int WhichScreen) {
    currentScreen = WhichScreen;
    switch (WhichScreen) {
        case SCREEN_GAME:
            MapMgr->LoadMap(false, "Start.dat");
            MapMgr->CheckForSpawn(0);
            break;
        case SCREEN_MAP_NAME:
            Typing->Arm(15);
            break;
        case SCREEN_INTRO:
            // An armed field would swallow Enter on the intro and the stage select.
            Typing->Disarm();
            break;
        default:
            break;
    }
}

// After death or victory: back to the intro with everything set up afresh.
static void Restart(CMain &main) {
    main.fadeLevel = 1.0f;
    CharacterMgr->isDead = false;
    main.SetScreen(SCREEN_INTRO);
    // Free what the last set-up made, so nothing grows from one game to the next.
    FontsMgr->CleanUp();
    TextureMgr->ReleaseTextures();
    Input->Shutdown();
    main.InitGL();
}

bool CMain::RunFrame() {
    if (done) return false;

    PlatMsg msg;
    if (PlatPeekMessage(&msg)) {
        if (msg.message == PLAT_WM_QUIT) {
            done = true;
            exitCode = (int)msg.wParam;
        } else {
            WndProc(hWnd, msg.message, msg.wParam, msg.lParam);
        }
        return !done;  // one message per iteration, and nothing else
    }

    if (active && !Render()) done = true;
    if (Input->KeyDown(DIK_ESCAPE))
        done = true;  // the frame is not shown
    else
        PlatSwapBuffers(hDC);

    Input->Update();
    if (!CharacterMgr->isDead && !CharacterMgr->hasWon) {
        Input->ProcessInput();
        CharacterMgr->ProcessInputs();
    } else if (Input->KeyDown(DIK_RETURN)) {
        Restart(*this);
    }

    if (currentScreen == SCREEN_EDITOR) {
        CameraMgr->ProcessInputs();
        MapMgr->ProcessInputs();
    } else if (currentScreen == SCREEN_EVENT) {
        MapMgr->ProcessInputs();
    }
    return !done;
}

int CMain::RunLoop() {
    done = false;
    exitCode = 0;
    while (RunFrame()) {
    }
    return exitCode;
}

long WndProc(PlatWindow hWnd, unsigned int uMsg, uintptr_t wParam, intptr_t lParam) {
    switch (uMsg) {
        case PLAT_WM_ACTIVATE:
            // Only minimising stops the game; losing the focus does not.
            if (!((wParam >> 16) & 0xFFFF)) {
                Main.SetActive(1);
                Input->AcquireAll();
            } else {
                Input->UnacquireAll();
                Main.SetActive(0);
            }
            return 0;
        case PLAT_WM_SYSCOMMAND:
            if (wParam == PLAT_SC_SCREENSAVE || wParam == PLAT_SC_MONITORPOWER) return 0;
            break;
        case PLAT_WM_CLOSE:
            PlatPostQuitMessage(0);
            return 0;
        case PLAT_WM_KEYDOWN:
            Main.SetKeys((unsigned int)wParam, 1);
            return 0;
        case PLAT_WM_KEYUP:
            Main.SetKeys((unsigned int)wParam, 0);
            return 0;
        case PLAT_WM_SIZE:
            Main.ReSizeGLScene((int)(lParam & 0xFFFF), (int)((lParam >> 16) & 0xFFFF));
            return 0;
        default:
            break;
    }
    return PlatDefWindowProc(hWnd, uMsg, wParam, lParam);
}

int WinMain() {
    if (PlatMessageBox("Would You Like To Run In Fullscreen Mode?", "Start FullScreen?",
                       PLAT_MB_YESNO | PLAT_MB_ICONQUESTION) == PLAT_IDNO)
        Main.SetFullscreen(0);
    if (!Main.CreateGLWindow("Hoshimori", Main.width, Main.height, 16, Main.GetFullscreen())) return 0;
    int code = Main.RunLoop();
    // Escape or the close box: unsaved editor work is kept in Recovery.dat.
    MapMgr->SaveRecovery();
    Main.KillGLWindow();
    return code;
}

float ClockSeconds() { return (float)PlatGetTickCount() * 0.001f; }
