// The map editor's keys, painting and event dialog.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "app/Main.h"
#include "input/CameraMgr.h"
#include "input/InputSystem.h"
#include "input/Typing.h"
#include "world/MapMgr.h"

// The editor camera sees one cell as 6 HUD units, the screen's centre at HUD (66.6, 50.8).
static const float CELL_HUD = 6.0f;
static const float CENTRE_X = 66.6f;
static const float CENTRE_Y = 50.8f;

// Keys that hold the editor's latch while any of them is down.
static const unsigned char latchKeys[] = {DIK_F2,   DIK_F3,  DIK_F4,    DIK_F5,       DIK_F6,       DIK_F7,
                                          DIK_F9,   DIK_F12, DIK_GRAVE, DIK_LBRACKET, DIK_RBRACKET, DIK_TAB,
                                          DIK_BACK, DIK_UP,  DIK_DOWN,  DIK_RETURN};

static bool Down(unsigned char key) { return Input && Input->KeyDown((char)key); }

// Arms the text field for a new value of at most MaxLength characters.
static void ArmField(int MaxLength) {
    if (!Typing) return;
    memset(Typing->text, 0, sizeof(Typing->text));
    Typing->maxLength = MaxLength;
    Typing->active = true;
}

// The cell under the mouse cursor (cursorY is the negated HUD y), or null off the grid.
static structMap *CellUnderCursor(int &column, int &row) {
    if (!Mouse) return nullptr;
    column = (int)((Mouse->cursorX - CENTRE_X) / CELL_HUD - stCamera.x);
    row = (int)((CENTRE_Y + Mouse->cursorY) / CELL_HUD - stCamera.y);
    return MapCell(column, row);
}

void CMapMgr::ChangeTex(float PosX, float PosY, bool LeftButton) {
    int column = (int)((PosX - CENTRE_X) / CELL_HUD - stCamera.x);
    int row = (int)((CENTRE_Y - PosY) / CELL_HUD - stCamera.y);
    structMap *cell = MapCell(column, row);
    if (!cell) return;
    if (LeftButton) {
        if (ground == GROUND_BACK || ground == GROUND_FORE) {
            if (cell->layerTexture[ground] != currentTexture) unsaved = true;
            cell->layerTexture[ground] = currentTexture;
        }
    } else {
        // Only the left Shift clears; the right one does not count.
        unsigned char collision = Down(DIK_LSHIFT) ? 0 : 1;
        if (cell->collision != collision) unsaved = true;
        cell->collision = collision;
    }
}

void CMapMgr::ChangeEvent() {
    int column, row;
    structMap *cell = CellUnderCursor(column, row);
    if (!cell) return;  // off the grid there is no cell to edit
    eventColumn = column;
    eventRow = row;
    eventSelection = cell->eventType;
    eventFacing = cell->spawnFacing;
    // An existing event opens at its values: the number of a spawn, the name of a teleport.
    unsigned char stage = cell->eventType == EVENT_NONE ? 0 : 1;
    eventStage = stage;
    spawnStage = stage;
    if (Typing) {
        if (cell->teleportMap[0])
            snprintf(Typing->text, sizeof(Typing->text), "%.*s", TELEPORT_NAME - 1, cell->teleportMap);
        else if (cell->spawnId != -1)
            snprintf(Typing->text, sizeof(Typing->text), "%d", cell->spawnId);
    }
    Main.SetScreen(SCREEN_EVENT);
}

void CMapMgr::DeleteEvent() {
    int column, row;
    structMap *cell = CellUnderCursor(column, row);
    if (!cell) return;
    eventColumn = column;
    eventRow = row;
    unsaved = true;
    cell->eventType = EVENT_NONE;
    cell->spawnFacing = 0;
    cell->teleportMap[0] = '\0';
    if (ground == GROUND_BACK || ground == GROUND_FORE) cell->layerTexture[ground] = -1;
}

// Up, Down and Return of the event dialog.
static void DialogKeys(CMapMgr &map) {
    bool latched = map.keyLatch;
    bool spawnState = map.eventStage == 1 && map.eventSelection == EVENT_SPAWN;
    bool up = Down(DIK_UP);
    if (!latched && (up || Down(DIK_DOWN))) {
        if (spawnState) {
            map.eventFacing = 1 - map.eventFacing;
        } else if (map.eventStage == 0) {
            int step = up ? -1 : 1;
            map.eventSelection = (map.eventSelection + step + 3) % 3;
        }
    }
    if (latched || !Down(DIK_RETURN)) return;

    structMap *cell = MapCell(map.eventColumn, map.eventRow);
    if (cell) map.unsaved = true;  // every Return below may write the cell
    if (map.eventStage == 0) {
        if (map.eventSelection == EVENT_NONE) {
            if (cell) cell->eventType = EVENT_NONE;
            Main.SetScreen(SCREEN_EDITOR);
        } else if (map.eventSelection == EVENT_SPAWN || map.eventSelection == EVENT_TELEPORT) {
            map.eventStage = 1;
            if (map.eventSelection == EVENT_TELEPORT) ArmField(TELEPORT_NAME - 1);
        }
        return;
    }

    if (map.eventSelection == EVENT_TELEPORT) {
        // The map file separates values by blanks, so the name ends at the first one;
        // an empty name cannot be stored and keeps the dialog open.
        const char *text = Typing ? Typing->text : "";
        int length = (int)strcspn(text, " \t\r\n");
        if (length > TELEPORT_NAME - 1) length = TELEPORT_NAME - 1;
        if (length == 0) return;
        if (cell) {
            cell->eventType = EVENT_TELEPORT;
            snprintf(cell->teleportMap, sizeof(cell->teleportMap), "%.*s", length, text);
        }
        Main.SetScreen(SCREEN_EDITOR);
        return;
    }

    if (cell) cell->eventType = map.eventSelection;
    if (map.eventSelection == EVENT_SPAWN) {
        if (map.spawnStage == 0) {
            ArmField(3);
            if (cell) cell->spawnFacing = map.eventFacing;
            map.spawnStage = 1;
            return;
        }
        if (cell) cell->spawnId = Typing ? atoi(Typing->text) : 0;
    }
    Main.SetScreen(SCREEN_EDITOR);
}

void CMapMgr::ProcessInputs() {
    // The spawn keys act every frame they are held, on both screens.
    if (Down(DIK_O))
        CheckForSpawn(0);
    else if (Down(DIK_P))
        CheckForSpawn(1);

    if (Main.currentScreen == SCREEN_EVENT) {
        DialogKeys(*this);
    } else {
        bool act = !keyLatch;
        if (act && Down(DIK_F2)) drawGrid = !drawGrid;
        if (act && Down(DIK_F3)) drawForeground = !drawForeground;
        if (act && Down(DIK_F4)) drawBackground = !drawBackground;
        if (act && Down(DIK_F5)) drawCollision = !drawCollision;
        if (act && Down(DIK_F6)) drawEvents = !drawEvents;
        if (act && Down(DIK_F9)) SaveMap();
        if (act && Down(DIK_F12)) LoadMap(true, nullptr);
        if (act && Down(DIK_GRAVE)) ground = 1 - ground;
        if (act && Down(DIK_TAB)) ChangeEvent();
        if (Down(DIK_BACK)) DeleteEvent();
        if (act && Down(DIK_GRAVE)) stCamera.z = -20.0f;
        if (act && Down(DIK_LBRACKET) && currentTexture > 0) currentTexture--;
        if (act && Down(DIK_RBRACKET) && !Down(DIK_LBRACKET)) currentTexture++;
    }

    bool held = false;
    for (unsigned char key : latchKeys) held = held || Down(key);
    keyLatch = held;
}
