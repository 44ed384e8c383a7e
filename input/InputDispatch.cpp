// Input dispatch: cursor, mouse painting, text field routing, screen keys and the key latch.
#include <GL/gl.h>
#include <string.h>

#include "app/Main.h"
#include "input/InputSystem.h"
#include "input/Typing.h"
#include "world/MapMgr.h"

// Codes 0..62 are the keys the latch and the text field watch.
const int WATCHED_KEYS = 63;

// Stage-select moves by window, -1 = stays. The windows: 0 1 2 / 3 . 4 / 5 6 7.
static const int MOVE_LEFT[STAGE_WINDOWS] = {-1, 0, 1, -1, 3, -1, 5, 6};
static const int MOVE_RIGHT[STAGE_WINDOWS] = {1, 2, -1, 4, -1, 6, 7, -1};
static const int MOVE_UP[STAGE_WINDOWS] = {-1, -1, -1, 0, 2, 3, 1, 4};
static const int MOVE_DOWN[STAGE_WINDOWS] = {3, 6, 4, 5, 7, -1, -1, -1};

static bool IsShift(int code) { return code == DIK_LSHIFT || code == DIK_RSHIFT; }

static void MoveSelection(const int *moves) {
    int from = Main.selectedWindow;
    if (from < 0 || from >= STAGE_WINDOWS || moves[from] < 0) return;
    Main.windowHighlight[from] = false;
    Main.selectedWindow = moves[from];
    Main.windowHighlight[Main.selectedWindow] = true;
}

void CInputSystem::ProcessInput() {
    UpdateMouse();
    MouseInput();
    KeyboardInput();
}

void CInputSystem::UpdateMouse() {
    if (!Mouse) return;
    GetMouseMovement(mouseDeltaX, mouseDeltaY);
    // Not clamped: the cursor may leave the window and keeps counting there.
    Mouse->cursorX += Mouse->sensitivity * mouseDeltaX;
    Mouse->cursorY -= Mouse->sensitivity * mouseDeltaY;
}

// Painting runs on every screen; the editor decides what a click means.
void CInputSystem::MouseInput() {
    if (!Mouse || !MapMgr) return;
    if (ButtonDown(0)) MapMgr->ChangeTex(Mouse->cursorX, -Mouse->cursorY, true);
    if (ButtonDown(1)) MapMgr->ChangeTex(Mouse->cursorX, -Mouse->cursorY, false);
}

void CInputSystem::KeyboardInput() {
    if (KeyDown(DIK_ESCAPE)) PlatPostQuitMessage(0);

    if (Typing && Typing->active) LookForTyping();

    int screen = Main.currentScreen;
    // The developer menu has a latch of its own, so F1 opens it even from a held key.
    bool menuOpened = false;
    if ((screen == SCREEN_INTRO || screen == SCREEN_SELECT) && KeyDown(DIK_F1) && !menuHeld) {
        Main.SetScreen(SCREEN_MENU);
        menuOpened = true;
    }

    if (!menuOpened) {
        switch (screen) {
            case SCREEN_MENU:
                if (KeyDown(DIK_1) && !keyHeld)
                    Main.SetScreen(SCREEN_MAP_NAME);
                else if (KeyDown(DIK_2) && !keyHeld)
                    Main.SetScreen(SCREEN_INTRO);
                break;
            case SCREEN_INTRO:
                if (KeyDown(DIK_RETURN) && !keyHeld) Main.SetScreen(SCREEN_SELECT);
                break;
            case SCREEN_SELECT:
                if (KeyDown(DIK_RETURN) && !keyHeld) Main.SetScreen(SCREEN_GAME);
                if (KeyDown(DIK_LEFT) && !keyHeld)
                    MoveSelection(MOVE_LEFT);
                else if (KeyDown(DIK_RIGHT) && !keyHeld)
                    MoveSelection(MOVE_RIGHT);
                if (KeyDown(DIK_UP) && !keyHeld)
                    MoveSelection(MOVE_UP);
                else if (KeyDown(DIK_DOWN) && !keyHeld)
                    MoveSelection(MOVE_DOWN);
                break;
            case SCREEN_MAP_NAME:
                // The field latches every key it sees, Return included, so Return skips the latch.
                if (KeyDown(DIK_RETURN)) {
                    if (MapMgr && Typing) {
                        strncpy(MapMgr->mapName, Typing->text, MAP_NAME - 1);
                        MapMgr->mapName[MAP_NAME - 1] = 0;
                    }
                    Main.SetScreen(SCREEN_EDITOR);
                }
                break;
            default:
                break;
        }
    }

    keyHeld = !AreAllKeysReleased() || KeyDown((char)DIK_UP) || KeyDown((char)DIK_DOWN) ||
              KeyDown((char)DIK_LEFT) || KeyDown((char)DIK_RIGHT);
    menuHeld = KeyDown(DIK_F1);
}

void CInputSystem::LookForTyping() {
    if (!Typing) return;
    if (KeyDown(DIK_BACK) && !keyHeld) Typing->HandleBackspace();
    if (KeyDown(DIK_SPACE) && !keyHeld) Typing->HandleSpacebar();
    // Only the lowest key down is typed. The shift keys are modifiers, not characters: taking
    // them here would latch the field and swallow every letter coded above them (Z to M, "/").
    for (int code = 0; code < WATCHED_KEYS; code++) {
        if (IsShift(code)) continue;
        if (KeyDown((char)code) && !keyHeld && Typing->CheckChart(code)) keyHeld = true;
    }
}

// Shift never blocks a latched key; control, alt and F1..F4 do.
bool CInputSystem::AreAllKeysReleased() const {
    for (int code = 0; code < WATCHED_KEYS; code++) {
        if (IsShift(code)) continue;
        if (KeyDown((char)code)) return false;
    }
    return true;
}

// A one-unit white square at the cursor, in the current projection; the HUD adds its dark rim.
void CInputSystem::DrawMouseCursor() {
    if (!Mouse) return;
    float x = Mouse->cursorX;
    float y = -Mouse->cursorY;
    glDisable(GL_TEXTURE_2D);
    glColor3f(1.0f, 1.0f, 1.0f);
    glBegin(GL_QUADS);
    glVertex2f(x, y - 1);
    glVertex2f(x + 1, y - 1);
    glVertex2f(x + 1, y);
    glVertex2f(x, y);
    glEnd();
}
