// The application object: window and context, the screen state machine, the frame loop.
#pragma once
#include "platform/Platform.h"

// Values of currentScreen.
enum ScreenId {
    SCREEN_NONE = 0,
    SCREEN_MENU = 1,
    SCREEN_GAME = 2,
    SCREEN_EDITOR = 3,
    SCREEN_EVENT = 4,
    SCREEN_MAP_NAME = 5,
    SCREEN_SELECT = 6,
    SCREEN_INTRO = 7,
};

const int STAGE_WINDOWS = 8;  // windows on the stage-select screen
const int VIRTUAL_KEYS = 256;

class CMain {
  public:
    CMain();
    ~CMain();

    // Window and context.
    int CreateGLWindow(const char *title, int width, int height, int bits, int Fullscreenflag);
    int InitGL();
    void ReSizeGLScene(int width, int height);
    void KillGLWindow();

    // Frames.
    int Render();
    void CountFPS();
    void SetScreen(int WhichScreen);
    void RenderIntro();
    void RenderSelect();
    void RenderMapName();
    void RenderEditor();
    void RenderGame();

    // One iteration of the frame loop; false once the loop is done.
    bool RunFrame();
    int RunLoop();  // until done; returns the exit code

    PlatDC GetHDC() const { return hDC; }
    int GetFullscreen() const { return fullscreen; }
    void SetFullscreen(int truefalse) { fullscreen = truefalse; }
    int GetActive() const { return active; }
    void SetActive(int truefalse) { active = truefalse; }
    int GetKeys(unsigned int KeyNumber) const { return keys[KeyNumber & 0xFF]; }
    void SetKeys(unsigned int KeyNumber, int truefalse) { keys[KeyNumber & 0xFF] = truefalse; }

    PlatWindow hWnd;
    void *hInstance;
    int fps;
    int height;
    int width;
    int currentScreen;
    bool windowHighlight[STAGE_WINDOWS];  // exactly one set: the one at selectedWindow
    int selectedWindow;
    float fadeLevel;  // green and blue of the death tint; 1 = no tint
    int active;       // not minimised
    unsigned int frameStart;
    int fullscreen;
    PlatDC hDC;
    PlatGLRC hRC;
    int keys[VIRTUAL_KEYS];  // from key messages; nothing reads them
    float fpsTime;
    int frameCount;

    // Loop state.
    bool done;
    int exitCode;  // wParam of the last message taken
};

long WndProc(PlatWindow hWnd, unsigned int uMsg, uintptr_t wParam, intptr_t lParam);
int WinMain();

extern CMain Main;

// The intro animation; never reset, not even by a restart.
extern float g_pushx;
extern float g_pushz;
extern float g_opacity;

// The clock in seconds, from the millisecond tick.
float ClockSeconds();
