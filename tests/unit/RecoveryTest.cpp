// Unsaved editor work: the flag set by real changes, cleared by save, load and clear, and the
// quiet recovery save it guards.
#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>

#include "input/CameraMgr.h"
#include "platform/script/Script.h"
#include "world/MapMgr.h"

namespace {

const char RECOVERY[] = "Game Data/Maps/Recovery.dat";

class Recovery : public ::testing::Test {
  protected:
    void SetUp() override {
        ScriptReset();
        ASSERT_NE(nullptr, getcwd(oldDir, sizeof(oldDir)));
        char pattern[] = "/tmp/hoshimori-recovery-XXXXXX";
        ASSERT_NE(nullptr, mkdtemp(pattern));
        dir = pattern;
        ASSERT_EQ(0, chdir(dir.c_str()));
        ASSERT_EQ(0, system("mkdir -p 'Game Data/Maps'"));
        stCamera.x = stCamera.y = 0.0f;
        MapMgr->InitMap();
        snprintf(MapMgr->mapName, sizeof(MapMgr->mapName), "Mine.dat");
    }
    void TearDown() override {
        ASSERT_EQ(0, chdir(oldDir));
        ASSERT_EQ(0, system(("rm -rf '" + dir + "'").c_str()));
    }
    // A left click on cell (2, 2) of the editor grid, painting the current texture.
    void Paint(int texture) {
        MapMgr->currentTexture = texture;
        MapMgr->ChangeTex(66.6f + 6 * 2 + 3, 50.8f - 6 * 2 - 3, true);
    }
    bool RecoveryExists() { return access(RECOVERY, F_OK) == 0; }

    char oldDir[4096];
    std::string dir;
};

TEST_F(Recovery, NothingWrittenWithoutChanges) {
    EXPECT_FALSE(MapMgr->unsaved);
    Paint(-1);  // the cell already holds no texture: no change
    EXPECT_FALSE(MapMgr->unsaved);
    EXPECT_FALSE(MapMgr->SaveRecovery());
    EXPECT_FALSE(RecoveryExists());
}

TEST_F(Recovery, PaintedCellIsRecoveredQuietly) {
    Paint(7);
    ASSERT_TRUE(MapMgr->unsaved);
    ASSERT_EQ(7, stMap[2][2].layerTexture[GROUND_BACK]);
    EXPECT_TRUE(MapMgr->SaveRecovery());
    EXPECT_EQ(0, Script.boxCount) << "no message box at shut-down";
    EXPECT_FALSE(MapMgr->unsaved);
    ASSERT_TRUE(RecoveryExists());
    EXPECT_STREQ("Mine.dat", MapMgr->mapName) << "the map keeps its own name";

    // The file is a normal map: loading it brings the painted cell back.
    MapMgr->InitMap();
    MapMgr->LoadMap(false, "Recovery.dat");
    EXPECT_EQ(7, stMap[2][2].layerTexture[GROUND_BACK]);
    EXPECT_EQ(-1, stMap[3][2].layerTexture[GROUND_BACK]);
}

TEST_F(Recovery, SaveLoadAndClearEachCountAsNoUnsavedWork) {
    struct Case {
        const char *what;
        void (*clean)();
    } cases[] = {
        {"SaveMap", [] { MapMgr->SaveMap(); }},
        {"LoadMap", [] { MapMgr->LoadMap(false, "Mine.dat"); }},
        {"InitMap", [] { MapMgr->InitMap(); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Paint(stMap[2][2].layerTexture[GROUND_BACK] + 2);
        ASSERT_TRUE(MapMgr->unsaved);
        c.clean();
        EXPECT_FALSE(MapMgr->unsaved);
        EXPECT_FALSE(MapMgr->SaveRecovery());
        EXPECT_FALSE(RecoveryExists());
    }
    // A failed load keeps the work as unsaved.
    Paint(stMap[2][2].layerTexture[GROUND_BACK] + 2);
    MapMgr->LoadMap(false, "Missing.dat");
    EXPECT_TRUE(MapMgr->unsaved);
}

TEST_F(Recovery, CollisionMarksOnlyWhenTheFlagChanges) {
    MapMgr->ChangeTex(66.6f + 6 * 2 + 3, 50.8f - 6 * 2 - 3, false);  // right button: solid
    EXPECT_TRUE(MapMgr->unsaved);
    MapMgr->SaveMap();
    MapMgr->ChangeTex(66.6f + 6 * 2 + 3, 50.8f - 6 * 2 - 3, false);  // solid already
    EXPECT_FALSE(MapMgr->unsaved);
}

}  // namespace
