// mapgen: builds a map file from a map layout (tools/maps/NAME.txt) through the game's own SaveMap.
//
// Usage: mapgen LAYOUT [GAME_DIR [MAP_NAME]]
//   Writes GAME_DIR/Game Data/Maps/MAP_NAME (defaults: the working directory, "Start.dat").
//
// Layout, the one tools/gen_map.py reads: every line before the line "grid" is a comment; then
// exactly 25 lines of 100 characters, the top row (24) first; then one event per line:
//   spawn COLUMN ROW FACING ID     (FACING 0 left, 1 right)
//   teleport COLUMN ROW NAME       (one name of at most 15 characters)
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
    char symbol;
    int back, fore, solid;
};

static const Tile tiles[] = {
    {'.', -1, -1, 0},  // empty
    {'=', 0, -1, 1},   // solid ground
    {'+', 0, -1, 0},   // scenery
    {'F', -1, 0, 0},   // foreground, drawn over the hero
    {'X', 0, 0, 1},    // solid ground with a foreground tile
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

    char line[512];
    int number = 0;
    int gridLine = -1;  // -1 before "grid", then 0..25
    while (fgets(line, sizeof(line), in)) {
        number++;
        if (!strchr(line, '\n') && !feof(in)) return Fail(layout, number, "line too long");
        line[strcspn(line, "\r\n")] = '\0';
        if (gridLine < 0) {
            if (strcmp(line, "grid") == 0) gridLine = 0;
            continue;
        }
        if (gridLine < MAP_ROWS) {
            if (strlen(line) != (size_t)MAP_COLUMNS)
                return Fail(layout, number, "a grid line must have 100 cells");
            int row = MAP_ROWS - 1 - gridLine;
            for (int column = 0; column < MAP_COLUMNS; column++) {
                const Tile *tile = nullptr;
                for (const Tile &t : tiles)
                    if (t.symbol == line[column]) tile = &t;
                if (!tile) return Fail(layout, number, "unknown map character");
                structMap *cell = MapCell(column, row);
                cell->layerTexture[GROUND_BACK] = tile->back;
                cell->layerTexture[GROUND_FORE] = tile->fore;
                cell->collision = (unsigned char)tile->solid;
            }
            gridLine++;
            continue;
        }
        char word[16], text[64], extra[2];
        int column, row, a, b;
        if (sscanf(line, "%15s", word) != 1) continue;  // blank line
        if (strcmp(word, "spawn") == 0) {
            if (sscanf(line, "spawn %d %d %d %d %1s", &column, &row, &a, &b, extra) != 4)
                return Fail(layout, number, "expected: spawn COLUMN ROW FACING ID");
            structMap *cell = MapCell(column, row);
            if (!cell) return Fail(layout, number, "spawn outside the grid");
            cell->eventType = EVENT_SPAWN;
            cell->spawnFacing = a;
            cell->spawnId = b;
        } else if (strcmp(word, "teleport") == 0) {
            // A name with blanks or over 15 characters would not survive a reload.
            if (sscanf(line, "teleport %d %d %63s %1s", &column, &row, text, extra) != 3 ||
                strlen(text) >= (size_t)TELEPORT_NAME)
                return Fail(layout, number, "teleport needs one map name of at most 15 characters");
            structMap *cell = MapCell(column, row);
            if (!cell) return Fail(layout, number, "teleport outside the grid");
            cell->eventType = EVENT_TELEPORT;
            snprintf(cell->teleportMap, sizeof(cell->teleportMap), "%s", text);
        } else {
            return Fail(layout, number, "unknown event line");
        }
    }
    fclose(in);
    if (gridLine < MAP_ROWS) return Fail(layout, number, "the grid must be 25 lines of 100 characters");

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
