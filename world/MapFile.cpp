// The map grid, its file and spawn placement.
#include <stdio.h>
#include <string.h>

#include "actors/Character.h"
#include "platform/Platform.h"
#include "world/MapFileHook.h"
#include "world/MapMgr.h"

structMap stMap[MAP_COLUMNS][MAP_ROWS];
CMapMgr *MapMgr;
MapWriteFault mapWriteFault = {false, -1, false};

static const char MAP_DIR[] = ".//Game Data//Maps//";
static const int MAP_PATH = 64;  // the prefix, a 17-character name and the temporary suffix fit

structMap *MapCell(int column, int row) {
    if (column < 0 || column >= MAP_COLUMNS || row < 0 || row >= MAP_ROWS) return nullptr;
    return &stMap[column][row];
}

CMapMgr::CMapMgr()
    : drawBackground(true),
      drawCollision(true),
      drawForeground(true),
      drawGrid(true),
      drawEvents(true),
      keyLatch(false),
      ground(GROUND_BACK),
      currentTexture(0),
      eventSelection(0),
      eventFacing(0),
      eventStage(0),
      spawnStage(0),
      mapName{},
      eventColumn(0),
      eventRow(0) {}

CMapMgr::~CMapMgr() {}

void CMapMgr::InitMap() {
    for (int column = 0; column < MAP_COLUMNS; column++) {
        for (int row = 0; row < MAP_ROWS; row++) {
            structMap &cell = stMap[column][row];
            cell.layerTexture[GROUND_BACK] = -1;
            cell.layerTexture[GROUND_FORE] = -1;
            cell.collision = 0;
            cell.eventType = EVENT_NONE;
            cell.spawnFacing = 0;
            cell.spawnId = -1;
            cell.teleportMap[0] = '\0';
        }
    }
    unsaved = false;
    drawBackground = true;
    drawCollision = true;
    drawForeground = true;
    drawGrid = true;
    drawEvents = true;
    ground = GROUND_BACK;
    currentTexture = 0;
    eventSelection = 0;
    eventFacing = 0;
    eventStage = 0;
    spawnStage = 0;
    mapName[0] = '\0';
    eventColumn = 0;
    eventRow = 0;
}

// Builds the file's path from mapName. A name that is empty or holds a path separator
// would name the maps directory or a file outside it, so it names no map at all.
static bool MapPath(const char *name, char *path, int size) {
    int length = (int)strnlen(name, MAP_NAME - 1);
    if (length == 0) return false;
    for (int i = 0; i < length; i++) {
        if (name[i] == '/' || name[i] == '\\') return false;
    }
    return snprintf(path, size, "%s%.*s", MAP_DIR, length, name) < size;
}

// One write through the fault hook; false when not every byte went out.
static bool MapWrite(FILE *file, const char *data, size_t length, long &written) {
    if (mapWriteFault.failAfterBytes >= 0 && written + (long)length > mapWriteFault.failAfterBytes) {
        long room = mapWriteFault.failAfterBytes - written;
        if (room > 0) fwrite(data, 1, (size_t)room, file);
        written += room > 0 ? room : 0;
        return false;
    }
    size_t done = fwrite(data, 1, length, file);
    written += (long)done;
    return done == length;
}

// The grid as one line of values, each followed by a blank, column by column.
static bool WriteCells(FILE *file) {
    long written = 0;
    char token[64];
    for (int column = 0; column < MAP_COLUMNS; column++) {
        for (int row = 0; row < MAP_ROWS; row++) {
            const structMap &cell = stMap[column][row];
            int length = snprintf(token, sizeof(token), "%i %i %i %i ", cell.layerTexture[0],
                                  cell.layerTexture[1], (int)cell.collision, cell.eventType);
            if (cell.eventType == EVENT_SPAWN) {
                length += snprintf(token + length, sizeof(token) - length, "%i %i ", cell.spawnFacing,
                                   cell.spawnId);
            } else if (cell.eventType == EVENT_TELEPORT) {
                length += snprintf(token + length, sizeof(token) - length, "%.*s ", TELEPORT_NAME - 1,
                                   cell.teleportMap);
            }
            if (!MapWrite(file, token, (size_t)length, written)) return false;
        }
    }
    return true;
}

// Written beside the old map and renamed over it only once complete: a failed save
// leaves the previous file as it was.
static bool SafeSave(const char *name) {
    char path[MAP_PATH];
    char temporary[MAP_PATH + 8];
    bool saved = false;
    if (MapPath(name, path, sizeof(path))) {
        snprintf(temporary, sizeof(temporary), "%s.saving", path);
        FILE *file = mapWriteFault.failOpen ? nullptr : fopen(temporary, "w");
        if (file) {
            bool ok = WriteCells(file);
            ok = fflush(file) == 0 && ok;
            ok = !ferror(file) && ok;
            ok = fclose(file) == 0 && ok;
            if (ok && !mapWriteFault.failRename && rename(temporary, path) == 0) saved = true;
            if (!saved) remove(temporary);
        }
    }
    return saved;
}

void CMapMgr::SaveMap() {
    bool saved = SafeSave(mapName);
    if (saved) unsaved = false;
    if (saved)
        PlatMessageBox("Map saved", "Success", PLAT_MB_OK);
    else
        PlatMessageBox("Map could not be saved!", "Error!", PLAT_MB_OK);
}

// "%i" into an int; the field keeps its value when nothing could be read.
static void ReadInt(FILE *file, int &field) {
    int value;
    if (fscanf(file, "%i", &value) == 1) field = value;
}

void CMapMgr::LoadMap(bool isEditor, const char *WhichMap) {
    if (!isEditor) snprintf(mapName, sizeof(mapName), "%s", WhichMap ? WhichMap : "");

    char path[MAP_PATH];
    FILE *file = MapPath(mapName, path, sizeof(path)) ? fopen(path, "r") : nullptr;
    if (!file) {
        PlatMessageBox("Unable to load map", "Error!", PLAT_MB_OK);
        return;
    }
    for (int column = 0; column < MAP_COLUMNS; column++) {
        for (int row = 0; row < MAP_ROWS; row++) {
            structMap &cell = stMap[column][row];
            ReadInt(file, cell.layerTexture[0]);
            ReadInt(file, cell.layerTexture[1]);
            int collision = cell.collision;
            ReadInt(file, collision);
            cell.collision = (unsigned char)collision;  // the flag keeps the low 8 bits
            ReadInt(file, cell.eventType);
            if (cell.eventType == EVENT_SPAWN) {
                ReadInt(file, cell.spawnFacing);
                ReadInt(file, cell.spawnId);
            } else if (cell.eventType == EVENT_TELEPORT) {
                // The whole token is taken so later cells stay aligned; the field keeps what fits.
                char name[TELEPORT_NAME];
                if (fscanf(file, "%15s", name) == 1) {
                    snprintf(cell.teleportMap, sizeof(cell.teleportMap), "%s", name);
                    int rest = fscanf(file, "%*[^ \t\n\v\f\r]");
                    (void)rest;
                }
            }
        }
    }
    fclose(file);
    unsaved = false;
}

bool CMapMgr::SaveRecovery() {
    if (!unsaved) return false;
    bool saved = SafeSave("Recovery.dat");
    if (saved) unsaved = false;
    return saved;
}

void CMapMgr::CheckForSpawn(int WhichSpawn) {
    // No early exit: the last match in visiting order wins.
    for (int column = 0; column < MAP_COLUMNS; column++) {
        for (int row = 0; row < MAP_ROWS; row++) {
            const structMap &cell = stMap[column][row];
            if (cell.eventType == EVENT_SPAWN && cell.spawnId == WhichSpawn) {
                stCharacter.posX = column + 0.5f;
                stCharacter.posY = row + 1.6f;
                stCharacter.facing = cell.spawnFacing;
            }
        }
    }
}
