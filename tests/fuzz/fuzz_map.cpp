// Fuzz target for the map reader: any bytes as a map file, read by LoadMap.
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include "actors/Character.h"
#include "platform/script/Script.h"
#include "world/MapMgr.h"

// The hero record that spawn placement writes; the fuzzer links no actor code.
structCharacter stCharacter;

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    // Work in a scratch directory so the game's own maps are never touched.
    char dir[] = "/tmp/hoshimori-fuzz-XXXXXX";
    if (!mkdtemp(dir) || chdir(dir) != 0) return 0;
    mkdir("Game Data", 0755);
    mkdir("Game Data/Maps", 0755);
    MapMgr = new CMapMgr();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FILE *file = fopen(".//Game Data//Maps//Fuzz.dat", "wb");
    if (!file) return 0;
    fwrite(data, 1, size, file);
    fclose(file);

    ScriptReset();
    MapMgr->InitMap();
    MapMgr->LoadMap(false, "Fuzz.dat");
    // Every name must still be terminated inside its field, and the spawn search stays on the grid.
    for (int c = 0; c < MAP_COLUMNS; c++)
        for (int r = 0; r < MAP_ROWS; r++)
            if (!memchr(stMap[c][r].teleportMap, 0, TELEPORT_NAME)) __builtin_trap();
    MapMgr->CheckForSpawn(0);
    return 0;
}
