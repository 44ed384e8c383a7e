// Whole fights through the real frame loop over the scripted platform: a win, a death, and Enter after each.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <string>

#include "BossSupport.h"
#include "app/Main.h"
#include "input/CameraMgr.h"
#include "input/KeyCodes.h"
#include "world/MapMgr.h"

namespace {

class BossFight : public ::testing::Test {
  protected:
    void SetUp() override {
        ScriptReset();
        ASSERT_NE(nullptr, getcwd(oldDir, sizeof(oldDir)));
        char pattern[] = "/tmp/hoshimori-fight-XXXXXX";
        ASSERT_NE(nullptr, mkdtemp(pattern));
        dir = pattern;
        ASSERT_EQ(0, chdir(dir.c_str()));
        ASSERT_EQ(0, system("mkdir -p 'Game Data/Maps'"));

        // A flat arena: solid bottom row, the hero's spawn on the left, facing the boss.
        MapMgr->InitMap();
        for (int column = 0; column < MAP_COLUMNS; column++) stMap[column][0].collision = 1;
        stMap[10][1].eventType = EVENT_SPAWN;
        stMap[10][1].spawnId = 0;
        stMap[10][1].spawnFacing = 1;
        strcpy(MapMgr->mapName, "Start.dat");
        MapMgr->SaveMap();

        Script.tick = 5000;
        Script.tickStep = 1;  // the pacing wait ends once 14 ms have passed
        Main.SetFullscreen(0);
        ASSERT_EQ(1, Main.CreateGLWindow("Hoshimori", 800, 600, 16, 0));
        Main.done = false;
        ASSERT_EQ(SCREEN_INTRO, Main.currentScreen);
        StartGame();
    }
    void TearDown() override {
        ScriptClearKeys();
        Main.KillGLWindow();
        ASSERT_EQ(0, chdir(oldDir));
        std::string command = "rm -rf '" + dir + "'";
        ASSERT_EQ(0, system(command.c_str()));
    }

    void Frame() { ASSERT_TRUE(Main.RunFrame()); }

    // One press of Enter as a player gives it: down for a few frames, then up.
    void PressEnter() {
        ScriptSetKey(DIK_RETURN, true);
        for (int i = 0; i < 3; i++) Frame();
        ScriptSetKey(DIK_RETURN, false);
        for (int i = 0; i < 3; i++) Frame();
    }

    // Intro, stage select, game, as a player goes.
    void StartGame() {
        PressEnter();
        ASSERT_EQ(SCREEN_SELECT, Main.currentScreen);
        PressEnter();
        ASSERT_EQ(SCREEN_GAME, Main.currentScreen);
    }

    // Walk toward x; true once within reach.
    bool WalkTo(float x, float reach) {
        float dx = x - stCharacter.posX;
        bool there = dx < reach && dx > -reach;
        ScriptSetKey(DIK_RIGHT, !there && dx > 0);
        ScriptSetKey(DIK_LEFT, !there && dx < 0);
        return there;
    }

    bool Over() { return CharacterMgr->isDead || CharacterMgr->hasWon; }

    // Enter after the ending: back to the intro, then a new game at full health.
    void ContinueToNewGame() {
        ScriptClearKeys();
        ScriptSetKey(DIK_RETURN, true);
        Frame();
        EXPECT_EQ(SCREEN_INTRO, Main.currentScreen);
        EXPECT_FALSE(CharacterMgr->isDead);
        EXPECT_FALSE(CharacterMgr->hasWon);
        EXPECT_EQ(1.0f, Main.fadeLevel);
        EXPECT_EQ(-20.0f, stCamera.z);
        ScriptSetKey(DIK_RETURN, false);
        for (int i = 0; i < 3; i++) Frame();
        StartGame();
        EXPECT_EQ(100.0f, stCharacter.health);
        EXPECT_EQ(200.0f, stBoss.health);
        EXPECT_EQ(BOSS_IDLE, stBoss.action);
        EXPECT_EQ(SPELL_NONE, stSpell.type);
        EXPECT_FLOAT_EQ(10.5f, stCharacter.posX);
    }

    char oldDir[4096];
    std::string dir;
};

}  // namespace

TEST_F(BossFight, WalkToTheBossAndAttackUntilItFalls) {
    srand(21);
    stBoss.health = 3.0f;  // a boss worn down already, so the fight stays short
    stCharacter.health = 1000.0f;
    int frames = 0;
    bool shift = false;
    while (!Over() && frames++ < 20000) {
        if (WalkTo(stBoss.posX - 2.5f, 0.5f)) {
            shift = !shift;  // each attack wants a fresh press
            ScriptSetKey(DIK_LSHIFT, shift);
        } else {
            ScriptSetKey(DIK_LSHIFT, false);
        }
        Frame();
    }
    ASSERT_TRUE(CharacterMgr->hasWon);
    EXPECT_FALSE(CharacterMgr->isDead);
    EXPECT_EQ(0.0f, stBoss.health) << "shown as 0, whatever the last hit left";

    // The view pulls back to the first depth not above -80 and stays; the fight is frozen.
    ScriptClearKeys();
    float heroX = stCharacter.posX, heroHealth = stCharacter.health;
    int pullFrames = 0;
    float z = stCamera.z;
    for (int i = 0; i < 700; i++) {
        Frame();
        if (stCamera.z != z) pullFrames++;
        z = stCamera.z;
    }
    EXPECT_EQ(601, pullFrames);
    EXPECT_LE(stCamera.z, -80.0f);
    EXPECT_GT(stCamera.z, -80.2f);
    EXPECT_EQ(heroX, stCharacter.posX);
    EXPECT_EQ(heroHealth, stCharacter.health);
    EXPECT_EQ(0.0f, stBoss.health);
    EXPECT_EQ(BOSS_IDLE, stBoss.action) << "a spell under way still ended, and no new action came";
    EXPECT_EQ(SPELL_NONE, stSpell.type);

    ContinueToNewGame();
}

TEST_F(BossFight, StandingInTheSpellsUntilDeath) {
    srand(5);
    int frames = 0;
    bool hurtBySpell = false;
    while (!Over() && frames++ < 20000) {
        // Into whatever runs: under the boss for the beams, into the first column for the waterfall.
        float target = stSpell.type == SPELL_WATERFALL ? 18.5f : stBoss.posX;
        if (stSpell.type == SPELL_NONE) target = 10.5f;
        WalkTo(target, 0.3f);
        float before = stCharacter.health;
        Frame();
        if (stSpell.type != SPELL_NONE && before - stCharacter.health > 0.15f) hurtBySpell = true;
    }
    ASSERT_TRUE(CharacterMgr->isDead);
    EXPECT_FALSE(CharacterMgr->hasWon);
    EXPECT_TRUE(hurtBySpell);
    EXPECT_EQ(0.0f, stCharacter.health);
    float bossHealth = stBoss.health;

    // The backdrop turns red in about 100 frames; nothing moves but the spells.
    ScriptClearKeys();
    int tintFrames = 0;
    while (Main.fadeLevel > 0.0f && tintFrames < 200) {
        Frame();
        tintFrames++;
    }
    EXPECT_NEAR(100, tintFrames, 1);
    for (int i = 0; i < 700; i++) Frame();
    EXPECT_LE(Main.fadeLevel, 0.0f);
    EXPECT_GT(Main.fadeLevel, -0.01f);
    EXPECT_EQ(0.0f, stCharacter.health);
    EXPECT_EQ(bossHealth, stBoss.health);
    EXPECT_EQ(SPELL_NONE, stSpell.type) << "the spell ran to its end";
    EXPECT_EQ(BOSS_IDLE, stBoss.action);

    ContinueToNewGame();
}
