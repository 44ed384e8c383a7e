// The map file: what SaveMap writes, what LoadMap reads back, failures, and spawn placement.
#include "tests/unit/MapFixture.h"

namespace {

void ExpectCleared(const structMap &cell) {
    EXPECT_EQ(-1, cell.layerTexture[0]);
    EXPECT_EQ(-1, cell.layerTexture[1]);
    EXPECT_EQ(0, cell.collision);
    EXPECT_EQ(0, cell.eventType);
    EXPECT_EQ(0, cell.spawnFacing);
    EXPECT_EQ(-1, cell.spawnId);
    EXPECT_STREQ("", cell.teleportMap);
}

// Every cell gets values that no cleared grid or single test cell has.
void FillMarked() {
    for (int c = 0; c < MAP_COLUMNS; c++)
        for (int r = 0; r < MAP_ROWS; r++) {
            structMap &cell = stMap[c][r];
            cell.layerTexture[0] = 90;
            cell.layerTexture[1] = 91;
            cell.collision = 1;
            cell.eventType = 0;
            cell.spawnFacing = 1;
            cell.spawnId = 44;
            snprintf(cell.teleportMap, sizeof(cell.teleportMap), "old");
        }
}

}  // namespace

using MapFile = MapFixture;

TEST_F(MapFile, ClearedGridSavesAsRepeatedEmptyCellsAndLoadsBack) {
    SetName("Clear.dat");
    MapMgr->SaveMap();
    EXPECT_EQ(Repeat("-1 -1 0 0 ", MAP_COLUMNS * MAP_ROWS), ReadMap("Clear.dat"));
    ASSERT_EQ(1, Script.boxCount);
    EXPECT_STREQ("Map saved", Script.boxes[0].text);
    EXPECT_STREQ("Success", Script.boxes[0].caption);
    EXPECT_EQ((unsigned)PLAT_MB_OK, Script.boxes[0].type);

    FillMarked();
    MapMgr->LoadMap(true, nullptr);
    EXPECT_EQ(1, Script.boxCount);  // nothing shown on success
    // The reader only sets what the file holds: spawn values and names stay as they were.
    for (int c = 0; c < MAP_COLUMNS; c++)
        for (int r = 0; r < MAP_ROWS; r++) {
            EXPECT_EQ(-1, stMap[c][r].layerTexture[0]);
            EXPECT_EQ(-1, stMap[c][r].layerTexture[1]);
            EXPECT_EQ(0, stMap[c][r].collision);
            EXPECT_EQ(0, stMap[c][r].eventType);
        }
    EXPECT_EQ(44, stMap[99][24].spawnId);
}

TEST_F(MapFile, InitMapClearsGridAndEditorStateButNotTheLatch) {
    FillMarked();
    MapMgr->drawGrid = false;
    MapMgr->ground = 1;
    MapMgr->currentTexture = 7;
    MapMgr->eventStage = 1;
    MapMgr->keyLatch = true;
    SetName("x");
    MapMgr->InitMap();
    ExpectCleared(stMap[0][0]);
    ExpectCleared(stMap[99][24]);
    EXPECT_TRUE(MapMgr->drawGrid);
    EXPECT_EQ(0, MapMgr->ground);
    EXPECT_EQ(0, MapMgr->currentTexture);
    EXPECT_EQ(0, MapMgr->eventStage);
    EXPECT_STREQ("", MapMgr->mapName);
    EXPECT_TRUE(MapMgr->keyLatch);
}

TEST_F(MapFile, EventCellsWriteTheirValuesAndReadBack) {
    // Collision comes before the event type in the file; only spawns and teleports carry more.
    struct Case {
        int back, fore, collision, type, facing, id;
        const char *name;
        const char *text;
    } cases[] = {
        {3, -1, 1, 1, 1, 0, "", "3 -1 1 1 1 0 "},
        {5, -1, 0, 2, 0, -1, "Start.dat", "5 -1 0 2 Start.dat "},
        {-1, 4, 1, 0, 1, 6, "ignored", "-1 4 1 0 "},
        {2, 2, 0, 7, 1, 3, "ignored", "2 2 0 7 "},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.text);
        MapMgr->InitMap();
        structMap &cell = stMap[0][0];
        cell.layerTexture[0] = k.back;
        cell.layerTexture[1] = k.fore;
        cell.collision = (unsigned char)k.collision;
        cell.eventType = k.type;
        cell.spawnFacing = k.facing;
        cell.spawnId = k.id;
        snprintf(cell.teleportMap, sizeof(cell.teleportMap), "%s", k.name);
        SetName("Cells.dat");
        MapMgr->SaveMap();
        std::string expected = std::string(k.text) + Repeat("-1 -1 0 0 ", MAP_COLUMNS * MAP_ROWS - 1);
        ASSERT_EQ(expected, ReadMap("Cells.dat"));

        structMap saved = cell;
        MapMgr->InitMap();
        SetName("Cells.dat");
        MapMgr->LoadMap(true, nullptr);
        EXPECT_EQ(saved.layerTexture[0], cell.layerTexture[0]);
        EXPECT_EQ(saved.layerTexture[1], cell.layerTexture[1]);
        EXPECT_EQ(saved.collision, cell.collision);
        EXPECT_EQ(saved.eventType, cell.eventType);
        if (k.type == EVENT_SPAWN) {
            EXPECT_EQ(k.facing, cell.spawnFacing);
            EXPECT_EQ(k.id, cell.spawnId);
        }
        if (k.type == EVENT_TELEPORT) {
            EXPECT_STREQ(k.name, cell.teleportMap);
        }
        ExpectCleared(stMap[0][1]);
    }
}

TEST_F(MapFile, ReadsTokensTheWayFormattedInputDoes) {
    // One or two cells of text; the rest of the file is missing, so the rest of the grid stays cleared.
    struct Case {
        const char *text;
        int back, fore, collision, type, facing, id;
        const char *name;
        int nextBack, nextFore, nextCollision;
    } cases[] = {
        {"010 0x1F 0 0 ", 8, 31, 0, 0, 0, -1, "", -1, -1, 0},   // octal and hex
        {"+4 -0x2 257 0 ", 4, -2, 1, 0, 0, -1, "", -1, -1, 0},  // sign; flag keeps low 8 bits
        {"1\n2\r\n\t1     1\n\n0   5  9 9 0 0", 1, 2, 1, 1, 0, 5, "", 9, 9, 0},  // any white space
        {"1 1 0 7 4 5 1 0 ", 1, 1, 0, 7, 0, -1, "", 4, 5, 1},  // unknown type carries nothing
        {"1 1 0 2 ABCDEFGHIJKLMNOPQRSTUVWXYZ 3 3 1 0 ", 1, 1, 0, 2, 0, -1, "ABCDEFGHIJKLMNO", 3, 3, 1},
        {"1 1 0 2 Fifteen_chars_ok 6 6 0 0 ", 1, 1, 0, 2, 0, -1, "Fifteen_chars_o", 6, 6, 0},
        {"1 1 0 1 1", 1, 1, 0, 1, 1, -1, "", -1, -1, 0},  // cut inside a spawn
        {"7 x 1 0 ", 7, -1, 0, 0, 0, -1, "", -1, -1, 0},  // stops at a non-number
        {"", -1, -1, 0, 0, 0, -1, "", -1, -1, 0},         // empty file
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.text);
        MapMgr->InitMap();
        WriteMap("Read.dat", k.text);
        SetName("Read.dat");
        MapMgr->LoadMap(true, nullptr);
        const structMap &cell = stMap[0][0];
        EXPECT_EQ(k.back, cell.layerTexture[0]);
        EXPECT_EQ(k.fore, cell.layerTexture[1]);
        EXPECT_EQ(k.collision, cell.collision);
        EXPECT_EQ(k.type, cell.eventType);
        EXPECT_EQ(k.facing, cell.spawnFacing);
        EXPECT_EQ(k.id, cell.spawnId);
        EXPECT_STREQ(k.name, cell.teleportMap);
        EXPECT_EQ(k.nextBack, stMap[0][1].layerTexture[0]);
        EXPECT_EQ(k.nextFore, stMap[0][1].layerTexture[1]);
        EXPECT_EQ(k.nextCollision, stMap[0][1].collision);
        ExpectCleared(stMap[99][24]);
    }
    EXPECT_EQ(0, Script.boxCount);
}

TEST_F(MapFile, SpacingDoesNotMatterToTheReader) {
    // A varied grid saved, its blanks turned into line breaks and runs of blanks, loads the same.
    for (int c = 0; c < MAP_COLUMNS; c++)
        for (int r = 0; r < MAP_ROWS; r++) {
            structMap &cell = stMap[c][r];
            cell.layerTexture[0] = (c + r) % 11 - 1;
            cell.layerTexture[1] = (c * 3 + r) % 7 - 1;
            cell.collision = (c + 2 * r) % 3 == 0;
            cell.eventType = (c * r) % 5 == 1 ? 1 : (c * r) % 7 == 2 ? 2 : 0;
            cell.spawnFacing = cell.eventType == 1 ? c % 2 : 0;
            cell.spawnId = cell.eventType == 1 ? c : -1;
            snprintf(cell.teleportMap, sizeof(cell.teleportMap), "%s", cell.eventType == 2 ? "Next.dat" : "");
        }
    static structMap original[MAP_COLUMNS][MAP_ROWS];
    memcpy(original, stMap, sizeof(stMap));
    SetName("Varied.dat");
    MapMgr->SaveMap();
    std::string text = ReadMap("Varied.dat"), spaced;
    int blanks = 0;
    for (char ch : text) {
        if (ch != ' ') {
            spaced += ch;
            continue;
        }
        const char *gaps[] = {"\n", "   ", "\r\n", "\t \n  "};
        spaced += gaps[blanks++ % 4];
    }
    WriteMap("Varied.dat", spaced);
    MapMgr->InitMap();
    SetName("Varied.dat");
    MapMgr->LoadMap(true, nullptr);
    EXPECT_EQ(0, memcmp(original, stMap, sizeof(stMap)));
}

TEST_F(MapFile, FileCutInsideColumn40LeavesTheRestAsItWas) {
    // Columns 0..39 and rows 0..11 of column 40 are whole; row 12 stops after its foreground tile.
    std::string text;
    for (int c = 0; c < 40; c++) text += Repeat("2 3 1 0 ", MAP_ROWS);
    text += Repeat("2 3 1 0 ", 12) + "2 3";
    WriteMap("Cut.dat", text);
    FillMarked();
    SetName("Cut.dat");
    MapMgr->LoadMap(true, nullptr);
    EXPECT_EQ(0, Script.boxCount);
    EXPECT_EQ(2, stMap[39][24].layerTexture[0]);
    EXPECT_EQ(2, stMap[40][11].layerTexture[0]);
    EXPECT_EQ(3, stMap[40][12].layerTexture[1]);
    EXPECT_EQ(1, stMap[40][12].collision);  // the first missing value: kept
    EXPECT_EQ(90, stMap[40][13].layerTexture[0]);
    EXPECT_EQ(91, stMap[99][24].layerTexture[1]);
    EXPECT_STREQ("old", stMap[41][0].teleportMap);
}

TEST_F(MapFile, MissingFileKeepsGridAndStillTakesTheName) {
    FillMarked();
    MapMgr->LoadMap(false, "Start.dat");
    EXPECT_STREQ("Start.dat", MapMgr->mapName);
    ASSERT_EQ(1, Script.boxCount);
    EXPECT_STREQ("Unable to load map", Script.boxes[0].text);
    EXPECT_STREQ("Error!", Script.boxes[0].caption);
    EXPECT_EQ(90, stMap[0][0].layerTexture[0]);

    // A name longer than the field is cut to 17 characters, never copied past it.
    MapMgr->LoadMap(false, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_STREQ("ABCDEFGHIJKLMNOPQ", MapMgr->mapName);
}

TEST_F(MapFile, NamesThatAreNoMapFileAreRefused) {
    // Empty: the path would be the maps directory. A separator: a file outside it.
    const char *names[] = {"", "../Escape.dat", "sub/dir.dat"};
    for (const char *name : names) {
        SCOPED_TRACE(name);
        ScriptReset();
        SetName(name);
        MapMgr->SaveMap();
        ASSERT_EQ(1, Script.boxCount);
        EXPECT_STREQ("Map could not be saved!", Script.boxes[0].text);
        EXPECT_STREQ("Error!", Script.boxes[0].caption);
        MapMgr->LoadMap(true, nullptr);
        ASSERT_EQ(2, Script.boxCount);
        EXPECT_STREQ("Unable to load map", Script.boxes[1].text);
    }
    EXPECT_EQ(0, system("test -z \"$(ls -A 'Game Data/Maps')\" && test ! -e 'Game Data/Escape.dat'"));
}

TEST_F(MapFile, FailedSaveKeepsThePreviousFileByteForByte) {
    struct Case {
        const char *what;
        MapWriteFault fault;
    } cases[] = {
        {"create", {true, -1, false}},     {"first byte", {false, 0, false}},
        {"midway", {false, 12345, false}}, {"last byte", {false, 10 * MAP_COLUMNS * MAP_ROWS - 1, false}},
        {"rename", {false, -1, true}},
    };
    const std::string previous = "1 2 0 0 \nnot even a whole map";
    for (const Case &k : cases) {
        SCOPED_TRACE(k.what);
        ScriptReset();
        WriteMap("Keep.dat", previous);
        SetName("Keep.dat");
        mapWriteFault = k.fault;
        MapMgr->SaveMap();
        mapWriteFault = {false, -1, false};
        EXPECT_EQ(previous, ReadMap("Keep.dat"));
        ASSERT_EQ(1, Script.boxCount);
        EXPECT_STREQ("Map could not be saved!", Script.boxes[0].text);
        EXPECT_STREQ("Error!", Script.boxes[0].caption);
        // No half-written file is left beside it.
        EXPECT_EQ(0, system("test \"$(ls -A 'Game Data/Maps')\" = Keep.dat"));
    }
    // Exactly enough room is not a failure.
    ScriptReset();
    mapWriteFault = {false, 10 * MAP_COLUMNS * MAP_ROWS, false};
    MapMgr->SaveMap();
    EXPECT_STREQ("Map saved", ScriptLastBox()->text);
    EXPECT_EQ(Repeat("-1 -1 0 0 ", MAP_COLUMNS * MAP_ROWS), ReadMap("Keep.dat"));
}

TEST_F(MapFile, SpawnSearchPlacesHeroOnTheLastMatch) {
    auto spawn = [](int c, int r, int id, int facing) {
        stMap[c][r].eventType = EVENT_SPAWN;
        stMap[c][r].spawnId = id;
        stMap[c][r].spawnFacing = facing;
    };
    spawn(10, 2, 0, 0);
    spawn(60, 5, 0, 1);
    spawn(7, 3, 1, 0);
    stMap[80][0].eventType = EVENT_TELEPORT;  // a teleport with a matching id is no spawn
    stMap[80][0].spawnId = 1;
    stCharacter = structCharacter();
    stCharacter.health = 55;
    stCharacter.state = 33;

    MapMgr->CheckForSpawn(0);
    EXPECT_FLOAT_EQ(60.5f, stCharacter.posX);
    EXPECT_FLOAT_EQ(6.6f, stCharacter.posY);
    EXPECT_EQ(1, stCharacter.facing);

    MapMgr->CheckForSpawn(1);
    EXPECT_FLOAT_EQ(7.5f, stCharacter.posX);
    EXPECT_FLOAT_EQ(4.6f, stCharacter.posY);
    EXPECT_EQ(0, stCharacter.facing);
    EXPECT_FLOAT_EQ(55.0f, stCharacter.health);
    EXPECT_EQ(33, stCharacter.state);

    MapMgr->CheckForSpawn(5);  // absent: the hero stays where it is
    EXPECT_FLOAT_EQ(7.5f, stCharacter.posX);
    EXPECT_FLOAT_EQ(4.6f, stCharacter.posY);
    EXPECT_EQ(0, stCharacter.facing);
}

TEST(MapCellLookup, AnswersOnlyInsideTheGrid) {
    struct Case {
        int column, row;
        bool inside;
    } cases[] = {{0, 0, true},    {99, 24, true}, {-1, 0, false}, {0, -1, false},
                 {100, 0, false}, {0, 25, false}, {99, 0, true},  {0, 24, true}};
    for (const Case &k : cases) {
        structMap *cell = MapCell(k.column, k.row);
        EXPECT_EQ(k.inside, cell != nullptr) << k.column << "," << k.row;
        if (cell) {
            EXPECT_EQ(&stMap[k.column][k.row], cell);
        }
    }
}
