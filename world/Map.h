// The map grid: 100 columns by 25 rows of cells, stMap[column][row].
#pragma once

const int MAP_COLUMNS = 100;
const int MAP_ROWS = 25;
const int TELEPORT_NAME = 16;  // 15 characters and the terminator

enum EventType { EVENT_NONE = 0, EVENT_SPAWN = 1, EVENT_TELEPORT = 2 };
enum { GROUND_BACK = 0, GROUND_FORE = 1 };

struct structMap {
    int layerTexture[2];  // by layer; -1 = no tile
    int eventType;        // EventType, or any value read from a file
    unsigned char collision;  // 1 = solid
    int spawnFacing;      // 0 left, 1 right
    int spawnId;          // -1 = none
    char teleportMap[TELEPORT_NAME];
};

extern structMap stMap[MAP_COLUMNS][MAP_ROWS];

// The cell at (column, row), or null outside the grid.
structMap *MapCell(int column, int row);
