// mapgen: builds a map file from a text layout through the game's own SaveMap.
//
// Usage: mapgen LAYOUT [GAME_DIR [MAP_NAME]]
//   Writes GAME_DIR/Game Data/Maps/MAP_NAME (defaults: the working directory, "Start.dat").
//
// Layout (blank lines and lines starting with # are ignored):
//   tile C BACK FORE SOLID     the grid character C paints these tile indices (-1 = none), SOLID 0 or 1
//   spawn COLUMN ROW ID FACING a spawn point (FACING 0 left, 1 right)
//   teleport COLUMN ROW NAME   a teleport naming another map file
//   grid                       followed by up to 25 lines of up to 100 characters; the last line is
//                              row 0, the floor. '.' and characters without a tile line leave a cell empty
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include "actors/Character.h"
#include "platform/script/Script.h"
#include "world/MapMgr.h"

// Spawn placement writes the hero; the tool has no hero of its own.
structCharacter stCharacter;

struct Tile {
    bool used;
    int back, fore, solid;
};

static int Fail(const char *layout, int line, const char *why) {
    fprintf(stderr, "mapgen: %s:%d: %s\n", layout, line, why);
    return 1;
}

int main(int argc, char **argv) {
    if (argc < 2 || argc > 4) {
        fprintf(stderr, "usage: mapgen LAYOUT [GAME_DIR [MAP_NAME]]\n");
        return 2;
    }
    const char *layout = argv[1];
    const char *gameDir = argc > 2 ? argv[2] : ".";
    const char *name = argc > 3 ? argv[3] : "Start.dat";
    if (strlen(name) >= (size_t)MAP_NAME) {
        fprintf(stderr, "mapgen: map name longer than %d characters\n", MAP_NAME - 1);
        return 2;
    }

    FILE *in = fopen(layout, "r");
    if (!in) {
        perror(layout);
        return 1;
    }
    ScriptReset();
    MapMgr = new CMapMgr();
    MapMgr->InitMap();

    static Tile tiles[256];
    static char grid[MAP_ROWS][MAP_COLUMNS + 1];
    char line[512];
    int number = 0, gridRow = -1;  // -1: not in the grid yet
    while (fgets(line, sizeof(line), in)) {
        number++;
        if (!strchr(line, '\n') && !feof(in)) return Fail(layout, number, "line too long");
        line[strcspn(line, "\r\n")] = '\0';
        if (gridRow >= 0) {
            if (gridRow >= MAP_ROWS) {
                if (line[0]) return Fail(layout, number, "more than 25 grid rows");
                continue;
            }
            if (strlen(line) > (size_t)MAP_COLUMNS)
                return Fail(layout, number, "grid row longer than 100 cells");
            snprintf(grid[gridRow++], sizeof(grid[0]), "%s", line);
            continue;
        }
        if (line[0] == '\0' || line[0] == '#') continue;
        char word[16], text[64];
        int a, b, c, d;
        if (sscanf(line, "%15s", word) != 1) continue;
        if (strcmp(word, "tile") == 0) {
            char ch;
            if (sscanf(line, "tile %c %d %d %d", &ch, &a, &b, &c) != 4 || (c != 0 && c != 1))
                return Fail(layout, number, "expected: tile C BACK FORE SOLID");
            tiles[(unsigned char)ch] = {true, a, b, c};
        } else if (strcmp(word, "spawn") == 0) {
            if (sscanf(line, "spawn %d %d %d %d", &a, &b, &c, &d) != 4 || (d != 0 && d != 1))
                return Fail(layout, number, "expected: spawn COLUMN ROW ID FACING");
            structMap *cell = MapCell(a, b);
            if (!cell) return Fail(layout, number, "spawn outside the grid");
            cell->eventType = EVENT_SPAWN;
            cell->spawnId = c;
            cell->spawnFacing = d;
        } else if (strcmp(word, "teleport") == 0) {
            if (sscanf(line, "teleport %d %d %63s", &a, &b, text) != 3)
                return Fail(layout, number, "expected: teleport COLUMN ROW NAME");
            if (strlen(text) >= (size_t)TELEPORT_NAME) return Fail(layout, number, "teleport name too long");
            structMap *cell = MapCell(a, b);
            if (!cell) return Fail(layout, number, "teleport outside the grid");
            cell->eventType = EVENT_TELEPORT;
            snprintf(cell->teleportMap, sizeof(cell->teleportMap), "%s", text);
        } else if (strcmp(word, "grid") == 0) {
            gridRow = 0;
        } else {
            return Fail(layout, number, "unknown line");
        }
    }
    fclose(in);

    // The grid's lines stand on the floor: the last one given is row 0.
    // Spawns and teleports were placed already; tiles only set layers and collision.
    int rows = gridRow < 0 ? 0 : gridRow;
    while (rows > 0 && grid[rows - 1][0] == '\0') rows--;  // trailing blank lines
    for (int i = 0; i < rows; i++) {
        int row = rows - 1 - i;
        for (int column = 0; grid[i][column]; column++) {
            const Tile &t = tiles[(unsigned char)grid[i][column]];
            if (!t.used) continue;
            structMap *cell = MapCell(column, row);
            cell->layerTexture[GROUND_BACK] = t.back;
            cell->layerTexture[GROUND_FORE] = t.fore;
            cell->collision = (unsigned char)t.solid;
        }
    }

    if (chdir(gameDir) != 0) {
        perror(gameDir);
        return 1;
    }
    mkdir("Game Data", 0755);
    mkdir("Game Data/Maps", 0755);
    snprintf(MapMgr->mapName, sizeof(MapMgr->mapName), "%s", name);
    MapMgr->SaveMap();
    const ScriptBox *box = ScriptLastBox();
    if (!box || strcmp(box->text, "Map saved") != 0) {
        fprintf(stderr, "mapgen: %s\n", box ? box->text : "nothing saved");
        return 1;
    }
    printf("mapgen: wrote %s/Game Data/Maps/%s\n", gameDir, name);
    return 0;
}
