// The application object: screen changes, the frame loop, pacing, restart, window set-up.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <string>

#include "actors/Character.h"
#include "actors/ParticlesMgr.h"
#include "app/Main.h"
#include "input/CameraMgr.h"
#include "input/InputSystem.h"
#include "input/Typing.h"
#include "platform/script/Script.h"
#include "world/MapMgr.h"

namespace {

class MainLoop : public ::testing::Test {
  protected:
    void SetUp() override {
        Input->Shutdown();
        ScriptReset();
        Script.tickStep = 1;               // the clock moves, so the frame pacing ends
        Main.currentScreen = SCREEN_MENU;  // draws nothing of its own
        Main.active = 1;
        Main.fullscreen = 1;
        Main.fadeLevel = 1.0f;
        Main.done = false;
        Main.exitCode = 0;
        CharacterMgr->isDead = false;
        CharacterMgr->hasWon = false;
        Typing->Disarm();
    }
    void TearDown() override {
        Input->Shutdown();
        ScriptReset();
        CharacterMgr->isDead = false;
        CharacterMgr->hasWon = false;
    }
    void StartInput() { ASSERT_TRUE(Input->Initialize(nullptr, nullptr, false, 3)); }
};

// Screens whose entry does nothing leave an armed text field alone; the map-name screen arms it
// afresh; the intro disarms it and keeps its text.
TEST_F(MainLoop, ScreenEntryActionsForTheTextField) {
    struct Case {
        int screen;
        bool active;
        const char *text;
    } cases[] = {
        {SCREEN_MENU, true, "xy"},   {SCREEN_EDITOR, true, "xy"}, {SCREEN_EVENT, true, "xy"},
        {SCREEN_SELECT, true, "xy"}, {SCREEN_MAP_NAME, true, ""}, {SCREEN_INTRO, false, "xy"},
    };
    for (const Case &c : cases) {
        Typing->Arm(5);
        strcpy(Typing->text, "xy");
        Main.SetScreen(c.screen);
        EXPECT_EQ(c.screen, Main.currentScreen);
        EXPECT_EQ(c.active, Typing->active) << c.screen;
        EXPECT_STREQ(c.text, Typing->text) << c.screen;
        if (c.screen == SCREEN_MAP_NAME)
            EXPECT_EQ(15, Typing->maxLength);
        else
            EXPECT_EQ(5, Typing->maxLength) << c.screen;
    }
}

// Entering play loads Start.dat from disk and puts the hero on spawn 0, every time.
TEST_F(MainLoop, EnteringTheGameReloadsStartAndSpawns) {
    char oldDir[4096];
    ASSERT_NE(nullptr, getcwd(oldDir, sizeof(oldDir)));
    char pattern[] = "/tmp/hoshimori-main-XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(pattern));
    ASSERT_EQ(0, chdir(pattern));
    ASSERT_EQ(0, system("mkdir -p 'Game Data/Maps'"));

    MapMgr->InitMap();
    stMap[7][3].eventType = EVENT_SPAWN;
    stMap[7][3].spawnId = 0;
    stMap[7][3].spawnFacing = 1;
    stMap[40][9].eventType = EVENT_SPAWN;
    stMap[40][9].spawnId = 1;
    strcpy(MapMgr->mapName, "Start.dat");
    MapMgr->SaveMap();
    MapMgr->InitMap();
    strcpy(MapMgr->mapName, "Other.dat");

    for (int entry = 0; entry < 2; entry++) {
        stCharacter.posX = stCharacter.posY = 0;
        stCharacter.facing = 0;
        Main.SetScreen(SCREEN_GAME);
        EXPECT_EQ(SCREEN_GAME, Main.currentScreen);
        EXPECT_STREQ("Start.dat", MapMgr->mapName);
        EXPECT_FLOAT_EQ(7.5f, stCharacter.posX) << entry;
        EXPECT_FLOAT_EQ(4.6f, stCharacter.posY) << entry;
        EXPECT_EQ(1, stCharacter.facing);
        stMap[7][3].eventType = EVENT_NONE;  // changed in memory only
    }

    ASSERT_EQ(0, chdir(oldDir));
    ASSERT_EQ(0, system((std::string("rm -rf '") + pattern + "'").c_str()));
    MapMgr->InitMap();
}

TEST_F(MainLoop, AnIterationThatTakesAMessageNeitherRendersNorPolls) {
    StartInput();
    Script.tick = 1000;
    Main.frameStart = 7;
    int polls = Script.keyboardPolls;
    ScriptPostMessage(PLAT_WM_KEYDOWN, 'A', 0);
    ScriptPostMessage(PLAT_WM_KEYUP, 'B', 0);
    Main.SetKeys('B', 1);

    EXPECT_TRUE(Main.RunFrame());
    EXPECT_EQ(1, Main.GetKeys('A'));
    EXPECT_TRUE(Main.RunFrame());
    EXPECT_EQ(0, Main.GetKeys('B'));
    EXPECT_EQ(7u, Main.frameStart);
    EXPECT_EQ(0, Script.swaps);
    EXPECT_EQ(polls, Script.keyboardPolls);

    EXPECT_TRUE(Main.RunFrame());  // queue empty: a frame
    EXPECT_NE(7u, Main.frameStart);
    EXPECT_EQ(1, Script.swaps);
    EXPECT_EQ(polls + 1, Script.keyboardPolls);
    Main.SetKeys('A', 0);
}

TEST_F(MainLoop, QuitMessageEndsTheLoopWithItsCode) {
    ScriptPostMessage(PLAT_WM_QUIT, 3, 0);
    ScriptPostMessage(PLAT_WM_KEYDOWN, 'C', 0);
    EXPECT_EQ(3, Main.RunLoop());
    EXPECT_EQ(0, Main.GetKeys('C'));  // nothing after the quit is handled
    EXPECT_FALSE(Main.RunFrame());
}

TEST_F(MainLoop, ClosingTheWindowQuitsWithZero) {
    ScriptPostMessage(PLAT_WM_CLOSE, 0, 0);
    EXPECT_EQ(0, Main.RunLoop());
    EXPECT_EQ(1, Script.quitRequests);
}

// Only minimising stops the frames; the devices follow the window either way.
TEST_F(MainLoop, ActivationFollowsTheMinimisedFlag) {
    StartInput();
    ScriptSetKey(DIK_SPACE, true);
    Input->Update();
    WndProc(nullptr, PLAT_WM_ACTIVATE, (uintptr_t)1 << 16, 0);
    EXPECT_EQ(0, Main.GetActive());
    EXPECT_FALSE(Script.keyboardAcquired);
    EXPECT_FALSE(Input->KeyDown(DIK_SPACE));

    // Minimised: no frame, no pacing, but still the swap and the poll.
    Main.frameStart = 11;
    EXPECT_TRUE(Main.RunFrame());
    EXPECT_EQ(11u, Main.frameStart);
    EXPECT_EQ(1, Script.swaps);
    EXPECT_TRUE(Input->KeyDown(DIK_SPACE));

    WndProc(nullptr, PLAT_WM_ACTIVATE, 1, 0);
    EXPECT_EQ(1, Main.GetActive());
    WndProc(nullptr, PLAT_WM_ACTIVATE, 0, 0);  // focus lost, not minimised
    EXPECT_EQ(1, Main.GetActive());
    EXPECT_TRUE(Script.keyboardAcquired);
    EXPECT_EQ(0, WndProc(nullptr, PLAT_WM_SYSCOMMAND, PLAT_SC_SCREENSAVE, 0));
}

// Every frame lasts at least 14 ms, mostly asleep, also across the wrap of the tick.
TEST_F(MainLoop, PacingAcrossTheTickWrap) {
    const unsigned int starts[] = {1000u, 0xFFFFFFF0u, 0xFFFFFFF9u, 0xFFFFFFFFu, 0u};
    for (unsigned int start : starts) {
        Script.tick = start;
        Script.tickStep = 1;
        Script.slept = 0;
        EXPECT_EQ(1, Main.Render());
        EXPECT_EQ(start, Main.frameStart);
        unsigned int elapsed = Script.tick - Main.frameStart;
        EXPECT_GE(elapsed, 14u) << start;
        EXPECT_LT(elapsed, 40u) << start;
        EXPECT_GE(Script.slept, 8u) << start;
    }
}

TEST_F(MainLoop, EscapeEndsTheLoopWithoutShowingTheFrame) {
    StartInput();
    ScriptSetKey(DIK_ESCAPE, true);
    CharacterMgr->isDead = true;  // the dispatch is off, the loop's own check still works
    EXPECT_TRUE(Main.RunFrame());
    EXPECT_EQ(1, Script.swaps);
    EXPECT_FALSE(Main.RunFrame());
    EXPECT_EQ(1, Script.swaps);
    EXPECT_EQ(0, Main.exitCode);
}

// Enter after the ending: everything set up afresh; the highlight, the intro values, the text,
// the emitters and the window keys stay as they were.
TEST_F(MainLoop, RestartResetsTheGameAndKeepsTheRest) {
    StartInput();
    Main.currentScreen = SCREEN_GAME;
    CharacterMgr->isDead = true;
    Main.fadeLevel = 0.4f;
    for (int i = 0; i < STAGE_WINDOWS; i++) Main.windowHighlight[i] = i == 3;
    Main.selectedWindow = 3;
    float pushx = g_pushx, pushz = g_pushz, opacity = g_opacity;
    Typing->Arm(15);
    strcpy(Typing->text, "abc");
    stCamera.z = -50.0f;
    CParticlesMgr *emitters[STAGE_WINDOWS];
    for (int i = 0; i < STAGE_WINDOWS; i++) emitters[i] = ParticlesSpiters[i];
    ParticlesSpiters[2]->XPos = 42.5f;
    Main.SetKeys(0x41, 1);
    ScriptSetKey(DIK_RETURN, true);

    EXPECT_TRUE(Main.RunFrame());

    EXPECT_EQ(SCREEN_INTRO, Main.currentScreen);
    EXPECT_EQ(1.0f, Main.fadeLevel);
    EXPECT_FALSE(CharacterMgr->isDead);
    EXPECT_FALSE(CharacterMgr->hasWon);
    EXPECT_EQ(-20.0f, stCamera.z);
    EXPECT_EQ(3, Main.selectedWindow);
    EXPECT_TRUE(Main.windowHighlight[3]);
    EXPECT_FALSE(Main.windowHighlight[0]);
    EXPECT_EQ(pushx, g_pushx);
    EXPECT_EQ(pushz, g_pushz);
    EXPECT_EQ(opacity, g_opacity);
    EXPECT_STREQ("abc", Typing->text);
    EXPECT_FALSE(Typing->active);  // the intro must hear Enter again
    for (int i = 0; i < STAGE_WINDOWS; i++) EXPECT_EQ(emitters[i], ParticlesSpiters[i]);
    EXPECT_EQ(42.5f, ParticlesSpiters[2]->XPos);
    EXPECT_EQ(1, Main.GetKeys(0x41));
    // New devices in place of the old ones, not beside them.
    EXPECT_NE(nullptr, Keyboard);
    EXPECT_EQ(1, Script.inputObjects);
    EXPECT_EQ(2, Script.devicesOpen);
    Main.SetKeys(0x41, 0);
}

// The game frame while dead: the tint fades; after a win the view pulls back and stops.
TEST_F(MainLoop, DeathTintAndVictoryPullBack) {
    Main.currentScreen = SCREEN_GAME;
    CharacterMgr->isDead = true;
    Script.tickStep = 1;
    for (int i = 0; i < 50; i++) Main.Render();
    EXPECT_NEAR(0.5f, Main.fadeLevel, 1e-4);
    for (int i = 0; i < 60; i++) Main.Render();
    EXPECT_LE(Main.fadeLevel, 0.0f);
    EXPECT_GT(Main.fadeLevel, -0.011f);

    CharacterMgr->isDead = false;
    CharacterMgr->hasWon = true;
    stCamera.z = -20.0f;
    int frames = 0;
    float last = stCamera.z;
    for (int i = 0; i < 700; i++) {
        // Only the pull-back moves z here; the camera follows the hero in x and y.
        Main.Render();
        if (stCamera.z != last) frames++;
        last = stCamera.z;
    }
    EXPECT_EQ(601, frames);
    EXPECT_LE(stCamera.z, -80.0f);
    EXPECT_GT(stCamera.z, -80.2f);
    CameraMgr->InitCamera();
}

// Window set-up failures: each shows its own message, and the program ends with code 0.
TEST_F(MainLoop, EveryWindowSetUpFailureHasItsMessage) {
    struct Case {
        int step;
        const char *message;
    } cases[] = {
        {SCRIPT_FAIL_REGISTER, "Failed To Register The Window Class."},
        {SCRIPT_FAIL_WINDOW, "Window Creation Error."},
        {SCRIPT_FAIL_DC, "Can't Create A GL Device Context."},
        {SCRIPT_FAIL_CHOOSE_FORMAT, "Can't Find A Suitable PixelFormat."},
        {SCRIPT_FAIL_SET_FORMAT, "Can't Set The PixelFormat."},
        {SCRIPT_FAIL_CONTEXT, "Can't Create A GL Rendering Context."},
        {SCRIPT_FAIL_MAKE_CURRENT, "Can't Activate The GL Rendering Context."},
    };
    for (const Case &c : cases) {
        ScriptReset();
        Script.tickStep = 1;
        Main.fullscreen = 1;
        Script.failStep = c.step;
        ScriptAnswer(PLAT_IDNO);  // windowed
        EXPECT_EQ(0, WinMain()) << c.message;
        ASSERT_EQ(2, Script.boxCount) << c.message;
        EXPECT_STREQ("Would You Like To Run In Fullscreen Mode?", Script.boxes[0].text);
        EXPECT_STREQ("Start FullScreen?", Script.boxes[0].caption);
        EXPECT_EQ((unsigned)(PLAT_MB_YESNO | PLAT_MB_ICONQUESTION), Script.boxes[0].type);
        EXPECT_STREQ(c.message, Script.boxes[1].text);
        EXPECT_STREQ("ERROR", Script.boxes[1].caption);
        EXPECT_EQ((unsigned)(PLAT_MB_OK | PLAT_MB_ICONEXCLAMATION), Script.boxes[1].type);
        EXPECT_FALSE(Script.windowExists) << c.message;
        EXPECT_FALSE(Script.contextCurrent) << c.message;
        EXPECT_EQ(nullptr, Main.hWnd);
        EXPECT_EQ(nullptr, Main.hRC);
        EXPECT_EQ(0, Script.swaps);
    }
}

TEST_F(MainLoop, RefusedFullScreenAsksAndNoCloses) {
    Script.failStep = SCRIPT_FAIL_DISPLAY_MODE;
    ScriptAnswer(PLAT_IDYES);
    ScriptAnswer(PLAT_IDNO);
    EXPECT_EQ(0, WinMain());
    ASSERT_EQ(3, Script.boxCount);
    EXPECT_STREQ(
        "The Requested Fullscreen Mode Is Not Supported By\nYour Video Card. Use Windowed Mode Instead?",
        Script.boxes[1].text);
    EXPECT_STREQ("OpenGL", Script.boxes[1].caption);
    EXPECT_EQ((unsigned)(PLAT_MB_YESNO | PLAT_MB_ICONEXCLAMATION), Script.boxes[1].type);
    EXPECT_STREQ("Program Will Now Close.", Script.boxes[2].text);
    EXPECT_STREQ("ERROR", Script.boxes[2].caption);
    EXPECT_EQ((unsigned)(PLAT_MB_OK | PLAT_MB_ICONSTOP), Script.boxes[2].type);
    EXPECT_FALSE(Script.windowExists);
    EXPECT_TRUE(Script.cursorShown);
}

TEST_F(MainLoop, RefusedFullScreenYesRunsInAWindow) {
    Script.failStep = SCRIPT_FAIL_DISPLAY_MODE;
    ScriptAnswer(PLAT_IDYES);
    ScriptAnswer(PLAT_IDYES);
    ScriptPostMessage(PLAT_WM_QUIT, 0, 0);
    EXPECT_EQ(0, WinMain());
    EXPECT_EQ(2, Script.boxCount);
    EXPECT_EQ(0, Main.fullscreen);
    EXPECT_EQ(SCREEN_INTRO, Main.currentScreen);
    EXPECT_FALSE(Script.windowExists);  // shut down again
    EXPECT_TRUE(Script.cursorShown);
}

TEST_F(MainLoop, FullScreenRunHidesThePointerAndShutsDownCleanly) {
    ScriptAnswer(PLAT_IDYES);
    ScriptPostMessage(PLAT_WM_SIZE, 0, 0);  // ignored-size message first, then quit
    ScriptPostMessage(PLAT_WM_QUIT, 0, 0);
    EXPECT_EQ(0, WinMain());
    EXPECT_EQ(1, Script.boxCount);
    EXPECT_EQ(1, Main.fullscreen);
    EXPECT_EQ(1, Script.displayModeChanges);
    EXPECT_TRUE(Script.cursorShown);
    EXPECT_FALSE(Script.windowExists);
    EXPECT_FALSE(Script.contextCurrent);
    EXPECT_EQ(nullptr, Keyboard);  // input shut down with the window
    EXPECT_EQ(0, Script.devicesOpen);
    EXPECT_EQ(0, Script.inputObjects);
}

}  // namespace
