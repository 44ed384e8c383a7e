// The map editor: latched keys, painting under the cursor, erasing, the event dialog, spawn keys.
#include <stdio.h>

#include "tests/unit/EditorFixture.h"

using Editor = EditorFixture;

TEST_F(Editor, HeldKeyActsOnceAndBlocksOtherLatchedKeys) {
    Hold(DIK_F2);
    for (int i = 0; i < 5; i++) Frame();
    EXPECT_FALSE(MapMgr->drawGrid);
    Hold(DIK_F3);
    Frame();
    Frame();
    EXPECT_TRUE(MapMgr->drawForeground);
    Release(DIK_F2);
    Frame();  // F3 still held: still latched
    EXPECT_TRUE(MapMgr->drawForeground);
    Release(DIK_F3);
    Frame();
    Tap(DIK_F3);
    EXPECT_FALSE(MapMgr->drawForeground);
    EXPECT_FALSE(MapMgr->drawGrid);

    // F7 does nothing itself but holds the latch.
    Hold(DIK_F7);
    Frame();
    Hold(DIK_F4);
    Frame();
    EXPECT_TRUE(MapMgr->drawBackground);
}

TEST_F(Editor, KeysPressedInTheSameFrameAllAct) {
    Hold(DIK_F2);
    Hold(DIK_F3);
    Hold(DIK_F5);
    Hold(DIK_F6);
    Frame();
    EXPECT_FALSE(MapMgr->drawGrid);
    EXPECT_FALSE(MapMgr->drawForeground);
    EXPECT_TRUE(MapMgr->drawBackground);
    EXPECT_FALSE(MapMgr->drawCollision);
    EXPECT_FALSE(MapMgr->drawEvents);
}

TEST_F(Editor, TextureAndLayerKeys) {
    struct Case {
        const char *what;
        int keys[2];
        int texture, ground;
        float depth;
        int wantTexture, wantGround;
        float wantDepth;
    } cases[] = {
        {"[ at 0", {DIK_LBRACKET, 0}, 0, 0, -20, 0, 0, -20},
        {"[ from 4", {DIK_LBRACKET, 0}, 4, 0, -20, 3, 0, -20},
        {"] from 9", {DIK_RBRACKET, 0}, 9, 0, -20, 10, 0, -20},
        {"[ and ] together", {DIK_LBRACKET, DIK_RBRACKET}, 4, 0, -20, 3, 0, -20},
        {"~ to fore", {DIK_GRAVE, 0}, 2, 0, -35, 2, 1, -20},
        {"~ to back", {DIK_GRAVE, 0}, 2, 1, -7.5f, 2, 0, -20},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.what);
        ScriptClearKeys();
        Frame();
        MapMgr->currentTexture = k.texture;
        MapMgr->ground = k.ground;
        stCamera.z = k.depth;
        for (int key : k.keys)
            if (key) Hold(key);
        Frame();
        Frame();  // held: acts once
        EXPECT_EQ(k.wantTexture, MapMgr->currentTexture);
        EXPECT_EQ(k.wantGround, MapMgr->ground);
        EXPECT_FLOAT_EQ(k.wantDepth, stCamera.z);
    }
}

TEST_F(Editor, PaintingPicksTheCellUnderTheCursor) {
    struct Case {
        float x, y;        // HUD units, y downwards
        float camX, camY;  // camera
        int column, row;   // the cell that gets the tile; -1 = none
    } cases[] = {
        {75.6f, 41.8f, 0, 0, 1, 1},
        {63.6f, 50.8f, 0, 0, 0, 0},                 // half a cell left of the grid
        {57.6f, 50.8f, 0, 0, -1, -1},               // a cell and a half left: column -1
        {69.6f, 50.8f - 6 * 25.5f, 0, 0, -1, -1},   // row 25
        {66.6f + 6 * 100.5f, 47.8f, 0, 0, -1, -1},  // column 100
        {66.6f + 6 * 99.5f, 47.8f - 6 * 24, 0, 0, 99, 24},
        {69.6f, 47.8f, -10, -3, 10, 3},  // the camera shifts the picking
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(testing::Message() << k.x << "," << k.y);
        MapMgr->InitMap();
        stCamera.x = k.camX;
        stCamera.y = k.camY;
        MapMgr->currentTexture = 6;
        MapMgr->ChangeTex(k.x, k.y, true);
        int painted = 0;
        for (int c = 0; c < MAP_COLUMNS; c++)
            for (int r = 0; r < MAP_ROWS; r++)
                if (stMap[c][r].layerTexture[0] != -1 || stMap[c][r].layerTexture[1] != -1) {
                    painted++;
                    EXPECT_EQ(k.column, c);
                    EXPECT_EQ(k.row, r);
                    EXPECT_EQ(6, stMap[c][r].layerTexture[0]);
                }
        EXPECT_EQ(k.column < 0 ? 0 : 1, painted);
    }
}

TEST_F(Editor, MouseButtonsPaintTheCurrentLayerAndCollision) {
    MapMgr->ground = GROUND_FORE;
    MapMgr->currentTexture = 3;
    MapMgr->ChangeTex(75.6f, 41.8f, true);
    EXPECT_EQ(-1, stMap[1][1].layerTexture[0]);
    EXPECT_EQ(3, stMap[1][1].layerTexture[1]);

    MapMgr->ChangeTex(75.6f, 41.8f, false);
    EXPECT_EQ(1, stMap[1][1].collision);
    Hold(DIK_RSHIFT);  // the right Shift does not clear
    Input->Update();
    MapMgr->ChangeTex(75.6f, 41.8f, false);
    EXPECT_EQ(1, stMap[1][1].collision);
    Hold(DIK_LSHIFT);
    Input->Update();
    MapMgr->ChangeTex(75.6f, 41.8f, false);
    EXPECT_EQ(0, stMap[1][1].collision);
}

TEST_F(Editor, BackspaceErasesCurrentLayerAndEventOfEveryCellPassed) {
    for (int c = 2; c <= 4; c++) {
        structMap &cell = stMap[c][1];
        cell.layerTexture[0] = 5;
        cell.layerTexture[1] = 6;
        cell.collision = 1;
        cell.eventType = EVENT_TELEPORT;
        cell.spawnFacing = 1;
        cell.spawnId = 8;
        snprintf(cell.teleportMap, sizeof(cell.teleportMap), "Next.dat");
    }
    MapMgr->ground = GROUND_FORE;
    Hold(DIK_BACK);
    for (int c = 2; c <= 4; c++) {
        PointAtCell(c, 1);
        Frame();  // not latched: every frame while held
    }
    for (int c = 2; c <= 4; c++) {
        const structMap &cell = stMap[c][1];
        EXPECT_EQ(5, cell.layerTexture[0]);
        EXPECT_EQ(-1, cell.layerTexture[1]);
        EXPECT_EQ(0, cell.eventType);
        EXPECT_EQ(0, cell.spawnFacing);
        EXPECT_STREQ("", cell.teleportMap);
        EXPECT_EQ(8, cell.spawnId);
        EXPECT_EQ(1, cell.collision);
    }
    EXPECT_EQ(4, MapMgr->eventColumn);
}

TEST_F(Editor, TabAndBackspaceOffTheGridDoNothing) {
    static structMap before[MAP_COLUMNS][MAP_ROWS];
    stMap[0][0].layerTexture[0] = 2;
    stMap[0][0].eventType = EVENT_SPAWN;
    memcpy(before, stMap, sizeof(stMap));
    const float points[][2] = {{50.0f, 50.8f}, {63.6f, 80.0f}, {66.6f + 6 * 101, 47.8f}, {69.6f, -120.0f}};
    for (const auto &p : points) {
        Point(p[0], p[1]);
        Tap(DIK_TAB);
        EXPECT_EQ(SCREEN_EDITOR, Main.currentScreen);
        Hold(DIK_BACK);
        Frame();
        Release(DIK_BACK);
        Frame();
    }
    EXPECT_EQ(0, memcmp(before, stMap, sizeof(stMap)));
    EXPECT_EQ(0, MapMgr->eventColumn);
}

TEST_F(Editor, SpawnKeysMoveTheHeroEveryFrameWithOFirst) {
    stMap[3][2].eventType = EVENT_SPAWN;
    stMap[3][2].spawnId = 0;
    stMap[3][2].spawnFacing = 0;
    stMap[8][5].eventType = EVENT_SPAWN;
    stMap[8][5].spawnId = 1;
    stMap[8][5].spawnFacing = 1;
    Hold(DIK_O);
    Hold(DIK_P);
    Frame();
    EXPECT_FLOAT_EQ(3.5f, stCharacter.posX);
    EXPECT_EQ(0, stCharacter.facing);
    stCharacter.posX = 50;
    Frame();  // held: again, latch or not
    EXPECT_FLOAT_EQ(3.5f, stCharacter.posX);
    Release(DIK_O);
    Main.currentScreen = SCREEN_EVENT;  // the dialog screen too
    Frame();
    EXPECT_FLOAT_EQ(8.5f, stCharacter.posX);
    EXPECT_FLOAT_EQ(6.6f, stCharacter.posY);
    EXPECT_EQ(1, stCharacter.facing);
}

TEST_F(Editor, TypeChoiceWrapsAround) {
    PointAtCell(5, 5);
    Tap(DIK_TAB);
    ASSERT_EQ(SCREEN_EVENT, Main.currentScreen);
    const struct {
        int key, want;
    } steps[] = {{DIK_UP, 2}, {DIK_UP, 1}, {DIK_DOWN, 2}, {DIK_DOWN, 0}, {DIK_DOWN, 1}};
    for (const auto &s : steps) {
        Tap(s.key);
        EXPECT_EQ(s.want, MapMgr->eventSelection);
    }
    // Up and Down together: Up alone acts.
    Hold(DIK_UP);
    Hold(DIK_DOWN);
    Frame();
    EXPECT_EQ(0, MapMgr->eventSelection);
}

// Opens the dialog on a cell, then answers it key by key; text is what the field holds at each Return.
struct DialogRoad {
    const char *what;
    const char *keys;  // N none, U up, D down, R return, T<text>| sets the field's text
    int column, row;
    int wantType, wantFacing, wantId;
    const char *wantName;
    int wantScreen;
};

TEST_F(Editor, DialogRoads) {
    const DialogRoad roads[] = {
        {"None at once", "R", 5, 5, 0, 0, -1, "", SCREEN_EDITOR},
        {"spawn facing right, number 12", "DRDRT12|R", 5, 5, 1, 1, 12, "", SCREEN_EDITOR},
        {"spawn facing left, number -3", "DRRT-3x|R", 5, 5, 1, 0, -3, "", SCREEN_EDITOR},
        {"spawn, no digits", "DRRTabc|R", 5, 5, 1, 0, 0, "", SCREEN_EDITOR},
        {"spawn, waiting for the number", "DRR", 5, 5, 1, 0, -1, "", SCREEN_EVENT},
        {"teleport", "URTNext.dat|R", 0, 0, 2, 0, -1, "Next.dat", SCREEN_EDITOR},
        {"teleport up to the first blank", "URTNext.dat junk|R", 99, 24, 2, 0, -1, "Next.dat", SCREEN_EDITOR},
        {"teleport name cut to 15", "URTABCDEFGHIJKLMNOPQR|R", 3, 3, 2, 0, -1, "ABCDEFGHIJKLMNO",
         SCREEN_EDITOR},
        {"teleport, empty name keeps the dialog open",
         "UR"
         "T|R",
         5, 5, 0, 0, -1, "", SCREEN_EVENT},
        {"teleport, blank name keeps it open", "URT   |R", 5, 5, 0, 0, -1, "", SCREEN_EVENT},
        {"teleport after an empty try", "URT|RTA.dat|R", 5, 5, 2, 0, -1, "A.dat", SCREEN_EDITOR},
    };
    for (const DialogRoad &road : roads) {
        SCOPED_TRACE(road.what);
        MapMgr->InitMap();
        Main.currentScreen = SCREEN_EDITOR;
        ScriptClearKeys();
        Frame();
        PointAtCell(road.column, road.row);
        Tap(DIK_TAB);
        ASSERT_EQ(SCREEN_EVENT, Main.currentScreen);
        for (const char *k = road.keys; *k; k++) {
            if (*k == 'T') {
                const char *end = strchr(k, '|');
                snprintf(Typing->text, sizeof(Typing->text), "%.*s", (int)(end - k - 1), k + 1);
                k = end;
                continue;
            }
            Tap(*k == 'U' ? DIK_UP : *k == 'D' ? DIK_DOWN : DIK_RETURN);
        }
        const structMap &cell = stMap[road.column][road.row];
        EXPECT_EQ(road.wantType, cell.eventType);
        EXPECT_EQ(road.wantFacing, cell.spawnFacing);
        EXPECT_EQ(road.wantId, cell.spawnId);
        EXPECT_STREQ(road.wantName, cell.teleportMap);
        EXPECT_EQ(road.wantScreen, Main.currentScreen);
        EXPECT_EQ(-1, stMap[50][10].layerTexture[0]);
    }
}

TEST_F(Editor, DialogArmsTheFieldForEachValue) {
    PointAtCell(5, 5);
    Tap(DIK_TAB);
    snprintf(Typing->text, sizeof(Typing->text), "leftover");
    Tap(DIK_DOWN);
    Tap(DIK_RETURN);
    Tap(DIK_RETURN);  // facing chosen: the number comes next
    EXPECT_TRUE(Typing->active);
    EXPECT_EQ(3, Typing->maxLength);
    EXPECT_STREQ("", Typing->text);

    MapMgr->InitMap();
    Main.currentScreen = SCREEN_EDITOR;
    Tap(DIK_TAB);
    snprintf(Typing->text, sizeof(Typing->text), "leftover");
    Tap(DIK_UP);
    Tap(DIK_RETURN);
    EXPECT_EQ(15, Typing->maxLength);
    EXPECT_STREQ("", Typing->text);
}

TEST_F(Editor, OpeningOnAnExistingEventStartsAtItsValue) {
    structMap &spawn = stMap[4][2];
    spawn.eventType = EVENT_SPAWN;
    spawn.spawnFacing = 1;
    spawn.spawnId = 7;
    PointAtCell(4, 2);
    Typing->maxLength = 9;
    Tap(DIK_TAB);
    EXPECT_EQ(1, MapMgr->eventStage);
    EXPECT_EQ(1, MapMgr->spawnStage);
    EXPECT_EQ(1, MapMgr->eventFacing);
    EXPECT_STREQ("7", Typing->text);
    EXPECT_EQ(9, Typing->maxLength);  // the field itself is not re-armed
    Tap(DIK_DOWN);                    // moves the highlight only
    EXPECT_EQ(0, MapMgr->eventFacing);
    snprintf(Typing->text, sizeof(Typing->text), "42");
    Tap(DIK_RETURN);
    EXPECT_EQ(SCREEN_EDITOR, Main.currentScreen);
    EXPECT_EQ(42, spawn.spawnId);
    EXPECT_EQ(1, spawn.spawnFacing);

    structMap &teleport = stMap[6][0];
    teleport.eventType = EVENT_TELEPORT;
    snprintf(teleport.teleportMap, sizeof(teleport.teleportMap), "Cave.dat");
    PointAtCell(6, 0);
    Tap(DIK_TAB);
    EXPECT_EQ(2, MapMgr->eventSelection);
    EXPECT_STREQ("Cave.dat", Typing->text);
    Tap(DIK_RETURN);
    EXPECT_STREQ("Cave.dat", teleport.teleportMap);

    // A type read from a file: only Return acts, and the type stays.
    structMap &odd = stMap[7][0];
    odd.eventType = 7;
    PointAtCell(7, 0);
    Tap(DIK_TAB);
    Tap(DIK_UP);
    EXPECT_EQ(7, MapMgr->eventSelection);
    Tap(DIK_RETURN);
    EXPECT_EQ(7, odd.eventType);
    EXPECT_EQ(SCREEN_EDITOR, Main.currentScreen);
}

TEST_F(Editor, F9SavesAndF12ReloadsTheNamedMap) {
    char home[4096];
    ASSERT_NE(nullptr, getcwd(home, sizeof(home)));
    char dir[] = "/tmp/hoshimori-editor-XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(dir));
    ASSERT_EQ(0, chdir(dir));
    ASSERT_EQ(0, system("mkdir -p 'Game Data/Maps'"));
    snprintf(MapMgr->mapName, sizeof(MapMgr->mapName), "Edit.dat");
    stMap[2][3].layerTexture[0] = 4;
    Tap(DIK_F9);
    ASSERT_EQ(1, Script.boxCount);
    EXPECT_STREQ("Map saved", Script.boxes[0].text);
    stMap[2][3].layerTexture[0] = 9;
    Tap(DIK_F12);
    EXPECT_EQ(4, stMap[2][3].layerTexture[0]);
    EXPECT_EQ(1, Script.boxCount);
    ASSERT_EQ(0, chdir(home));
    ASSERT_EQ(0, system((std::string("rm -rf ") + dir).c_str()));
}
