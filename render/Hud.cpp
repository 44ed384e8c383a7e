// The heads-up display: health panels, ending messages, the editor's legend and dialog, the menu.
#include "render/Hud.h"

#include <GL/gl.h>
#include <stdio.h>

#include "actors/Boss.h"
#include "actors/Character.h"
#include "app/Main.h"
#include "input/InputSystem.h"
#include "input/Typing.h"
#include "render/FontsMgr.h"
#include "render/TextureMgr.h"
#include "world/MapMgr.h"

CHud *Hud;

CHud::CHud() : keyLatch(false) {}
CHud::~CHud() {}

// Prints text with font Font from the raster position (x, y) in HUD units.
static void Print(float x, float y, int Font, const char *text) {
    glRasterPos2f(x, y);
    if (FontsMgr) FontsMgr->PrintString(FontsMgr->GetlistBase(Font), text);
}

int HealthChars(float health, char out[4]) {
    // Truncated toward zero; values beyond an int (or not a number) are pinned so the
    // conversion stays defined.
    int value;
    if (!(health == health))
        value = 0;
    else if (health >= 2147483647.0f)
        value = 2147483647;
    else if (health <= -2147483648.0f)
        value = -2147483647 - 1;
    else
        value = (int)health;
    char digits[16];
    snprintf(digits, sizeof(digits), "%d", value);
    int count = 0;
    while (count < 3 && digits[count]) {
        out[count] = digits[count];
        count++;
    }
    out[count] = '\0';
    return count;
}

// One character per fixed position, 2.9 units apart, whatever the font's advance.
static void DrawNumber(float health, float x) {
    char chars[4];
    int count = HealthChars(health, chars);
    for (int i = 0; i < count; i++) {
        char one[2] = {chars[i], '\0'};
        Print(x + 2.9f * i, 12.0f, 2, one);
    }
}

void CHud::SetOrtho() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 133, 100, 0, -100, 100);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

// The cursor's square with a dark rim, so it shows on the white grid and the pale tiles.
static void DrawCursor() {
    if (!Input || !Mouse) return;
    float x = Mouse->cursorX, y = -Mouse->cursorY;
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glColor3f(0.0f, 0.0f, 0.0f);
    glBegin(GL_QUADS);
    glVertex2f(x - 0.3f, y - 1.3f);
    glVertex2f(x + 1.3f, y - 1.3f);
    glVertex2f(x + 1.3f, y + 0.3f);
    glVertex2f(x - 0.3f, y + 0.3f);
    glEnd();
    Input->DrawMouseCursor();
    glColor3f(1.0f, 1.0f, 1.0f);
}

void CHud::DrawHud() {
    SetOrtho();
    int screen = Main.currentScreen;
    if (screen == SCREEN_GAME && CharacterMgr) {
        if (CharacterMgr->isDead) {
            Print(60, 40, 2, "Deaded!");
            Print(50, 50, 1, "Press 'Enter' once to continue");
        }
        if (CharacterMgr->hasWon) {
            Print(40, 40, 2, "And that's how Zivu proved his worth.");
            Print(50, 50, 1, "Yep, cheap ending but press 'Enter' to continue");
        }
        if (!CharacterMgr->hasWon) DrawHealth();
    } else if (screen == SCREEN_EDITOR) {
        DrawInfo();
        DrawCursor();
    } else if (screen == SCREEN_EVENT) {
        glDisable(GL_TEXTURE_2D);
        glColor3f(1.0f, 1.0f, 1.0f);
        DrawEvent();
        DrawCursor();
    } else if (screen == SCREEN_MENU) {
        DrawMenu();
    }
    DrawDebugger();
    Main.ReSizeGLScene(Main.width, Main.height);
}

void CHud::DrawHealth() {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_TEXTURE_2D);
    glColor4f(1.0f, 1.0f, 1.0f, 0.8f);
    glBindTexture(GL_TEXTURE_2D, TextureMgr ? TextureMgr->GetMiscTexture(6) : 0);
    const float left[2] = {1.0f, 112.0f};
    for (float x : left) {
        glBegin(GL_QUADS);
        glTexCoord2f(0, 1);
        glVertex3f(x, 21, 0);
        glTexCoord2f(1, 1);
        glVertex3f(x + 20, 21, 0);
        glTexCoord2f(1, 0);
        glVertex3f(x + 20, 1, 0);
        glTexCoord2f(0, 0);
        glVertex3f(x, 1, 0);
        glEnd();
    }
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glColor3f(0.0f, 0.0f, 0.0f);
    DrawNumber(stCharacter.health, 10.0f);
    DrawNumber(stBoss.health, 121.0f);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

void CHud::DrawDebugger() { glColor3f(1.0f, 1.0f, 1.0f); }

void CHud::DrawInfo() {
    if (!MapMgr) return;
    struct Line {
        float y;
        const char *label;
        const char *value;
    };
    const char *yes = "true", *no = "false";
    const Line lines[] = {
        {2, "~ -             Ground: ", MapMgr->ground == GROUND_FORE ? "fore" : "back"},
        {6, "F2-             Draw Grid: ", MapMgr->drawGrid ? yes : no},
        {8, "F3-             Foreground: ", MapMgr->drawForeground ? yes : no},
        {10, "F4-             Background: ", MapMgr->drawBackground ? yes : no},
        {12, "F5-             Collision: ", MapMgr->drawCollision ? yes : no},
        {14, "F6-             Event: ", MapMgr->drawEvents ? yes : no},
        {16, "LMB-          Change Tex", ""},
        {18, "RMB-          Add Coll", ""},
        {20, "Shift+RMB- Remove Coll", ""},
    };
    // A dark backing keeps the yellow legend readable over the pale snow of the backdrop.
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(0.0f, 0.0f, 0.0f, 0.6f);
    glBegin(GL_QUADS);
    glVertex2f(99, 22);
    glVertex2f(133, 22);
    glVertex2f(133, 0);
    glVertex2f(99, 0);
    glEnd();
    glDisable(GL_BLEND);
    glColor3f(1.0f, 1.0f, 0.0f);
    for (const Line &line : lines) {
        char text[64];
        snprintf(text, sizeof(text), "%s%s", line.label, line.value);
        Print(100, line.y, 0, text);
    }
    glColor3f(1.0f, 1.0f, 1.0f);
}

// The four sides of a highlight box, as separate lines.
static void Box(float x0, float y0, float x1, float y1) {
    glBegin(GL_LINES);
    glVertex2f(x0, y0);
    glVertex2f(x1, y0);
    glVertex2f(x1, y0);
    glVertex2f(x1, y1);
    glVertex2f(x1, y1);
    glVertex2f(x0, y1);
    glVertex2f(x0, y1);
    glVertex2f(x0, y0);
    glEnd();
}

void CHud::DrawEvent() {
    if (!MapMgr) return;
    Print(60, 20, 1, "EVENT");
    Print(55, 30, 1, "Type of event");
    Print(60, 35, 0, "None");
    Print(60, 38, 0, "Spawn");
    Print(60, 41, 0, "Teleport");
    float s = (float)MapMgr->eventSelection;
    Box(59, 32.5f + 3 * s, 69, 36 + 3 * s);
    if (MapMgr->eventStage != 1) return;
    const char *text = Typing ? Typing->text : "";
    if (MapMgr->eventSelection == EVENT_SPAWN) {
        Print(55, 46, 1, "Direction:");
        Print(60, 51, 0, "Left");
        Print(60, 54, 0, "Right");
        float f = (float)MapMgr->eventFacing;
        Box(59, 49 + 3 * f, 69, 52 + 3 * f);
        if (MapMgr->spawnStage == 1) {
            Print(55, 58, 1, "Spawn ID:");
            Print(60, 63, 0, text);
        }
    } else if (MapMgr->eventSelection == EVENT_TELEPORT) {
        Print(55, 46, 1, "Map Name:");
        Print(60, 51, 0, text);
    }
}

void CHud::DrawMenu() {
    glDisable(GL_TEXTURE_2D);
    glColor3f(1.0f, 1.0f, 1.0f);
    Print(50, 40, 1, "DEVELOPER MENU");
    Print(55, 48, 0, "1 - Map Editor");
    Print(55, 52, 0, "2 - Back to the Intro");
}

void CHud::ProcessInputs() {
    bool back = Input && Input->KeyDown((char)DIK_BACK);
    bool space = Input && Input->KeyDown((char)DIK_SPACE);
    if (Typing && !keyLatch) {
        if (back) Typing->HandleBackspace();
        if (space) Typing->HandleSpacebar();
    }
    keyLatch = back || space;
}
