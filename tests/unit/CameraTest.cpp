// The camera: following the hero within the map's limits, and the editor's panning.
#include "DispatchRig.h"
#include "actors/Character.h"

TEST(Camera, InitPutsItAtTheNormalDepth) {
    stCamera = {4, 5, -70};
    CCameraMgr camera;
    camera.InitCamera();
    EXPECT_FLOAT_EQ(0.0f, stCamera.x);
    EXPECT_FLOAT_EQ(0.0f, stCamera.y);
    EXPECT_FLOAT_EQ(-20.0f, stCamera.z);
}

TEST(Camera, GameScreenFollowsTheHeroWithinTheLimits) {
    struct Case {
        float posX, posY;
        float x, y;
    };
    const Case cases[] = {
        {5, 12, -11, -12},        {11, 12, -11, -12},        {11.5f, 12, -11.5f, -12}, {50, 12, -50, -12},
        {88.9f, 12, -88.9f, -12}, {95, 12, -88.9f, -12},     {-3, 12, -11, -12},       {50, 0, -50, -8.3f},
        {50, 8.3f, -50, -8.3f},   {50, 16.5f, -50, -16.5f},  {50, 20, -50, -16.5f},    {50, 30, -50, -16.5f},
        {0, 0, -11, -8.3f},       {100, 25, -88.9f, -16.5f},
    };
    CCameraMgr camera;
    for (const Case &c : cases) {
        Main.currentScreen = SCREEN_GAME;
        stCharacter.posX = c.posX;
        stCharacter.posY = c.posY;
        stCamera = {0, 0, -33};
        camera.PlaceCamera();
        EXPECT_FLOAT_EQ(c.x, stCamera.x) << "hero at " << c.posX << ", " << c.posY;
        EXPECT_FLOAT_EQ(c.y, stCamera.y) << "hero at " << c.posX << ", " << c.posY;
        EXPECT_FLOAT_EQ(-33.0f, stCamera.z) << "the depth is not the follower's";
    }
}

TEST(Camera, OtherScreensKeepTheirCamera) {
    const int screens[] = {SCREEN_NONE,     SCREEN_MENU,   SCREEN_EDITOR, SCREEN_EVENT,
                           SCREEN_MAP_NAME, SCREEN_SELECT, SCREEN_INTRO};
    CCameraMgr camera;
    for (int screen : screens) {
        Main.currentScreen = screen;
        stCharacter.posX = 95;
        stCharacter.posY = 0;
        stCamera = {3.5f, -240.0f, -20};
        camera.PlaceCamera();
        EXPECT_FLOAT_EQ(3.5f, stCamera.x) << "screen " << screen;
        EXPECT_FLOAT_EQ(-240.0f, stCamera.y) << "screen " << screen;
    }
}

TEST(Camera, EditorKeysPanWithoutLimits) {
    struct Case {
        int keys[2];
        float dx, dy;  // per frame
    };
    const Case cases[] = {
        {{DIK_W, 0}, 0, -0.3f},         {{DIK_S, 0}, 0, 0.3f},      {{DIK_A, 0}, 0.3f, 0},
        {{DIK_D, 0}, -0.3f, 0},         {{DIK_W, DIK_S}, 0, -0.3f}, {{DIK_A, DIK_D}, 0.3f, 0},
        {{DIK_W, DIK_D}, -0.3f, -0.3f}, {{DIK_UP, 0}, 0, 0},
    };
    for (const Case &c : cases) {
        rig::Begin(SCREEN_EDITOR);
        for (int k : c.keys)
            if (k) rig::Key(k, true);
        stCamera = {0, 0, -20};
        const int frames = 1000;
        for (int i = 0; i < frames; i++) {
            rig::Poll();
            CameraMgr->ProcessInputs();
        }
        EXPECT_NEAR(c.dx * frames, stCamera.x, 0.05f) << "keys " << c.keys[0] << " " << c.keys[1];
        EXPECT_NEAR(c.dy * frames, stCamera.y, 0.05f) << "keys " << c.keys[0] << " " << c.keys[1];
        EXPECT_FLOAT_EQ(-20.0f, stCamera.z);
    }
}
