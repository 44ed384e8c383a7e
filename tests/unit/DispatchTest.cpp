// Input dispatch: screen keys, the key latch, the stage-select moves, quitting, the map name, the mouse.
#include "DispatchRig.h"
#include "world/Map.h"

using rig::Frame;
using rig::Key;
using rig::Tap;

TEST(Dispatch, HeldEnterLeavesTheIntroOnceAndDoesNotStartTheGame) {
    rig::Begin(SCREEN_INTRO);
    Key(DIK_RETURN, true);
    Frame();
    EXPECT_EQ(SCREEN_SELECT, Main.currentScreen);
    for (int i = 0; i < 5; i++) Frame();
    EXPECT_EQ(SCREEN_SELECT, Main.currentScreen) << "a held Enter must not go on to the game";
    Key(DIK_RETURN, false);
    Frame();
    Key(DIK_RETURN, true);
    Frame();
    EXPECT_EQ(SCREEN_GAME, Main.currentScreen) << "a fresh press does";
}

// Every window in every direction, the non-moves included.
TEST(Dispatch, SelectionMovesFollowTheWindowLayout) {
    struct Case {
        int key;
        int to[STAGE_WINDOWS];  // destination from windows 0..7
    };
    const Case cases[] = {
        {DIK_LEFT, {0, 0, 1, 3, 3, 5, 5, 6}},
        {DIK_RIGHT, {1, 2, 2, 4, 4, 6, 7, 7}},
        {DIK_UP, {0, 1, 2, 0, 2, 3, 1, 4}},
        {DIK_DOWN, {3, 6, 4, 5, 7, 5, 6, 7}},
    };
    for (const Case &c : cases) {
        for (int from = 0; from < STAGE_WINDOWS; from++) {
            rig::Begin(SCREEN_SELECT);
            Main.windowHighlight[0] = false;
            Main.selectedWindow = from;
            Main.windowHighlight[from] = true;
            Tap(c.key);
            EXPECT_EQ(c.to[from], Main.selectedWindow) << "key " << c.key << " from " << from;
            for (int w = 0; w < STAGE_WINDOWS; w++)
                EXPECT_EQ(w == c.to[from], Main.windowHighlight[w]) << "key " << c.key << " from " << from;
            EXPECT_EQ(SCREEN_SELECT, Main.currentScreen);
        }
    }
}

TEST(Dispatch, ArrowsMoveOncePerPressAndOpposingArrowsPreferLeftAndUp) {
    rig::Begin(SCREEN_SELECT);
    Key(DIK_RIGHT, true);
    for (int i = 0; i < 4; i++) Frame();
    EXPECT_EQ(1, Main.selectedWindow) << "a held arrow moves once";
    Key(DIK_RIGHT, false);
    Frame();

    Key(DIK_LEFT, true);
    Key(DIK_RIGHT, true);
    Frame();
    EXPECT_EQ(0, Main.selectedWindow) << "Left and Right together move left only";
    Key(DIK_LEFT, false);
    Key(DIK_RIGHT, false);
    Frame();

    Main.windowHighlight[0] = false;
    Main.selectedWindow = 3;
    Main.windowHighlight[3] = true;
    Key(DIK_UP, true);
    Key(DIK_DOWN, true);
    Frame();
    EXPECT_EQ(0, Main.selectedWindow) << "Up and Down together move up only";
}

TEST(Dispatch, ModifiersHeldBeforeEnter) {
    struct Case {
        int modifier;
        int screen;  // after Enter on the intro
    };
    const Case cases[] = {
        {DIK_LSHIFT, SCREEN_SELECT},                                // shift is not watched
        {DIK_RSHIFT, SCREEN_SELECT}, {DIK_LCONTROL, SCREEN_INTRO},  // control is, and blocks
        {DIK_F2, SCREEN_INTRO},      {DIK_A, SCREEN_INTRO},         // so does any other key already held
        {DIK_F5, SCREEN_SELECT},                                    // codes from 63 up are not watched
    };
    for (const Case &c : cases) {
        rig::Begin(SCREEN_INTRO);
        Key(c.modifier, true);
        Frame();
        Key(DIK_RETURN, true);
        Frame();
        EXPECT_EQ(c.screen, Main.currentScreen) << "modifier " << c.modifier;
    }
}

TEST(Dispatch, EscapeQuitsFromEveryScreenWhileAnotherKeyIsHeld) {
    const int screens[] = {SCREEN_NONE,  SCREEN_MENU,     SCREEN_GAME,   SCREEN_EDITOR,
                           SCREEN_EVENT, SCREEN_MAP_NAME, SCREEN_SELECT, SCREEN_INTRO};
    for (int screen : screens) {
        rig::Begin(screen);
        Key(DIK_LCONTROL, true);
        Frame();
        EXPECT_EQ(0, Script.quitRequests);
        Key(DIK_ESCAPE, true);
        Frame();
        EXPECT_EQ(1, Script.quitRequests) << "screen " << screen;
        ASSERT_GE(Script.queueCount, 1);
        const PlatMsg &msg = Script.queue[(Script.queueHead + Script.queueCount - 1) % SCRIPT_MAX_MESSAGES];
        EXPECT_EQ((unsigned)PLAT_WM_QUIT, msg.message);
        EXPECT_EQ(0u, msg.wParam) << "the game ends with exit code 0";
    }
}

TEST(Dispatch, DeveloperMenuOpensWithF1FromIntroAndSelectOnly) {
    struct Case {
        int from;
        int to;
    };
    const Case cases[] = {
        {SCREEN_INTRO, SCREEN_MENU},    {SCREEN_SELECT, SCREEN_MENU},       {SCREEN_GAME, SCREEN_GAME},
        {SCREEN_EDITOR, SCREEN_EDITOR}, {SCREEN_MAP_NAME, SCREEN_MAP_NAME}, {SCREEN_MENU, SCREEN_MENU},
    };
    for (const Case &c : cases) {
        rig::Begin(c.from);
        Key(DIK_F1, true);
        Frame();
        EXPECT_EQ(c.to, Main.currentScreen) << "from " << c.from;
    }

    // F1 has its own latch: it opens the menu even while another key is held, and only once.
    rig::Begin(SCREEN_INTRO);
    Key(DIK_A, true);
    Frame();
    Key(DIK_F1, true);
    Frame();
    EXPECT_EQ(SCREEN_MENU, Main.currentScreen);
    Main.currentScreen = SCREEN_INTRO;
    Frame();
    EXPECT_EQ(SCREEN_INTRO, Main.currentScreen) << "a held F1 does not open the menu again";
}

TEST(Dispatch, MenuChoices) {
    struct Case {
        int keys[2];
        int to;
    };
    const Case cases[] = {
        {{DIK_1, 0}, SCREEN_MAP_NAME},
        {{DIK_2, 0}, SCREEN_INTRO},
        {{DIK_1, DIK_2}, SCREEN_MAP_NAME},  // 1 wins
        {{DIK_RETURN, 0}, SCREEN_MENU},
    };
    for (const Case &c : cases) {
        rig::Begin(SCREEN_MENU);
        for (int k : c.keys)
            if (k) Key(k, true);
        Frame();
        EXPECT_EQ(c.to, Main.currentScreen) << "keys " << c.keys[0] << " " << c.keys[1];
    }

    // The F1 that opened the menu is still down: choices wait for it to be released.
    rig::Begin(SCREEN_INTRO);
    Key(DIK_F1, true);
    Frame();
    Key(DIK_1, true);
    Frame();
    EXPECT_EQ(SCREEN_MENU, Main.currentScreen);
    Key(DIK_F1, false);
    Key(DIK_1, false);
    Frame();
    Tap(DIK_1);
    EXPECT_EQ(SCREEN_MAP_NAME, Main.currentScreen);
}

TEST(Dispatch, ReturnOnTheMapNameScreenActsInTheFrameTheFieldTookAKey) {
    rig::ChartDir chart;
    chart.Standard();
    rig::Begin(SCREEN_MAP_NAME);
    Typing->Arm(15);
    Tap(DIK_L);
    Tap(DIK_V);
    // Q types (it is the lowest code down) and latches; Return acts all the same.
    Key(DIK_Q, true);
    Key(DIK_RETURN, true);
    Frame();
    EXPECT_STREQ("lvq", Typing->text);
    EXPECT_STREQ("lvq", MapMgr->mapName);
    EXPECT_EQ(SCREEN_EDITOR, Main.currentScreen);
}

TEST(Dispatch, MapNameCopyKeepsSeventeenCharacters) {
    struct Case {
        const char *text;
        const char *name;
    };
    const Case cases[] = {
        {"", ""},
        {"town", "town"},
        {"abcdefghijklmnopq", "abcdefghijklmnopq"},
        {"abcdefghijklmno                  x", "abcdefghijklmno  "},  // lengthened by Space
    };
    for (const Case &c : cases) {
        rig::Begin(SCREEN_MAP_NAME);
        Typing->Arm(15);
        snprintf(Typing->text, sizeof(Typing->text), "%s", c.text);
        memset(MapMgr->mapName, 'z', sizeof(MapMgr->mapName));
        int column = MapMgr->eventColumn;
        Key(DIK_RETURN, true);
        Frame();
        EXPECT_STREQ(c.name, MapMgr->mapName) << c.text;
        EXPECT_EQ(column, MapMgr->eventColumn) << "the copy stays inside mapName";
        EXPECT_EQ(SCREEN_EDITOR, Main.currentScreen);
    }
}

TEST(Dispatch, CursorFollowsTheMouseWithoutLimits) {
    rig::Begin(SCREEN_GAME);
    Script.mouse.lX = 50;
    Script.mouse.lY = 25;
    Frame();
    EXPECT_FLOAT_EQ(10.0f, Mouse->cursorX);
    EXPECT_FLOAT_EQ(-5.0f, Mouse->cursorY) << "moving down makes cursorY more negative";
    EXPECT_FLOAT_EQ(50.0f, Input->mouseDeltaX);
    EXPECT_FLOAT_EQ(25.0f, Input->mouseDeltaY);

    Script.mouse.lX = -5000;
    Script.mouse.lY = -5000;
    Frame();
    EXPECT_FLOAT_EQ(-990.0f, Mouse->cursorX) << "far left of the window";
    EXPECT_FLOAT_EQ(995.0f, Mouse->cursorY) << "far above the window";
    Script.mouse.lX = 20000;
    Script.mouse.lY = 20000;
    Frame();
    EXPECT_FLOAT_EQ(3010.0f, Mouse->cursorX);
    EXPECT_FLOAT_EQ(-3005.0f, Mouse->cursorY);
}

TEST(Dispatch, ClicksReachThePainterOnTheGameScreen) {
    rig::Begin(SCREEN_GAME);
    stCamera.x = 0;
    stCamera.y = 0;
    stCamera.z = -20;
    MapMgr->ground = GROUND_FORE;
    MapMgr->currentTexture = 7;
    stMap[1][1].layerTexture[GROUND_FORE] = -1;
    stMap[1][1].collision = 0;
    // HUD (75.6, 41.8) lies over cell (1, 1).
    Script.mouse.lX = 378;
    Script.mouse.lY = 209;
    Frame();
    EXPECT_EQ(-1, stMap[1][1].layerTexture[GROUND_FORE]) << "no button, no paint";

    Script.mouse.rgbButtons[0] = 0x80;
    Frame();
    EXPECT_EQ(7, stMap[1][1].layerTexture[GROUND_FORE]) << "left button paints the tile";
    EXPECT_EQ(0, stMap[1][1].collision);

    Script.mouse.rgbButtons[0] = 0;
    Script.mouse.rgbButtons[1] = 0x80;
    Frame();
    EXPECT_EQ(1, stMap[1][1].collision) << "right button marks the cell solid";
    stMap[1][1].layerTexture[GROUND_FORE] = -1;
    stMap[1][1].collision = 0;
}

TEST(Dispatch, ActiveFieldSwallowsLatchedKeysBelow63) {
    // Entering the intro disarms the field; were it still armed, Enter could never act there.
    rig::ChartDir chart;
    chart.Standard();
    rig::Begin(SCREEN_INTRO);
    Typing->Arm(15);
    Tap(DIK_RETURN);
    EXPECT_EQ(SCREEN_INTRO, Main.currentScreen);
    Typing->Disarm();
    Tap(DIK_RETURN);
    EXPECT_EQ(SCREEN_SELECT, Main.currentScreen);
}
