// The screens and the map drawing, read back from a real frame buffer.
#include <string.h>

#include "GLFixture.h"
#include "actors/Boss.h"
#include "actors/Character.h"
#include "actors/ParticlesMgr.h"
#include "input/Typing.h"
#include "render/FontsMgr.h"
#include "render/TextureMgr.h"
#include "world/MapMgr.h"

namespace {

const Rgb RED = {255, 0, 0}, GREEN = {0, 255, 0}, BLUE = {0, 0, 255}, YELLOW = {255, 255, 0};
const Rgb PURPLE = {128, 0, 128}, ORANGE = {255, 128, 0}, CYAN = {0, 255, 255};
const Rgb WHITE = {255, 255, 255}, MAGENTA = {255, 0, 255}, BLACK = {0, 0, 0};
const Rgb SELECT_BLUE = {64, 96, 248}, NAME_GREY = {77, 77, 77};

}  // namespace

// Every image a known colour, an empty grid, the hero and the boss out of the way.
class Screens : public GLFixture {
  protected:
    void SetUp() override {
        GLFixture::SetUp();
        TextureMgr->ReleaseTextures();
        TextureMgr->tileTex[0] = SolidTexture(255, 128, 0);    // orange
        TextureMgr->tileTex[1] = SolidTexture(0, 255, 255);    // cyan
        TextureMgr->tileTex[2] = SolidTexture(255, 255, 255);  // white
        TextureMgr->backTex[0] = SolidTexture(128, 0, 128);    // purple backdrop
        TextureMgr->charTex[0] = SolidTexture(255, 0, 255);    // magenta hero
        TextureMgr->miscTex[1] = SolidTexture(255, 0, 255);    // event marker
        TextureMgr->miscTex[2] = SolidTexture(0, 255, 0);      // window frame
        TextureMgr->miscTex[3] = SolidTexture(255, 0, 0);      // highlighted frame
        TextureMgr->miscTex[4] = SolidTexture(255, 255, 0);    // title
        TextureMgr->miscTex[5] = SolidTexture(0, 255, 0);      // intro image
        TextureMgr->bossTex[3] = SolidTexture(0, 0, 255);      // stage picture
        MapMgr->InitMap();
        MapMgr->ground = GROUND_BACK;
        stCharacter = structCharacter();
        stCharacter.posX = 60.0f;
        stCharacter.posY = 20.0f;
        stCharacter.facing = 1;
        stBoss = structBoss();
        stBoss.posX = 90.0f;
        stBoss.posY = 20.0f;
        stSpell.type = SPELL_NONE;
        for (int i = 0; i < SPELL_EMITTERS; ++i) ParticlesSpiters[i]->isDrawn = false;
    }
    void TearDown() override {
        TextureMgr->ReleaseTextures();
        Main.currentScreen = SCREEN_NONE;
    }
    void FillLayer(int layer, int texture) {
        for (int c = 0; c < MAP_COLUMNS; ++c)
            for (int r = 0; r < MAP_ROWS; ++r) stMap[c][r].layerTexture[layer] = texture;
    }
};

TEST_F(Screens, StageSelectHighlightsWindowZeroAndLeavesTheCentreEmpty) {
    for (int i = 0; i < STAGE_WINDOWS; ++i) Main.windowHighlight[i] = i == 0;
    Main.RenderSelect();
    const float pos[STAGE_WINDOWS][2] = {{-10, 4},   {-2.5f, 4}, {5, 4},      {-10, -1.5f},
                                         {5, -1.5f}, {-10, -7},  {-2.5f, -7}, {5, -7}};
    for (int i = 0; i < STAGE_WINDOWS; ++i) {
        Rgb frame = WorldPixel(pos[i][0] + 0.2f, pos[i][1] + 0.2f);
        EXPECT_TRUE(Near(i == 0 ? RED : GREEN, frame)) << "window " << i << " frame " << frame;
        Rgb picture = WorldPixel(pos[i][0] + 2.0f, pos[i][1] + 2.0f);
        EXPECT_TRUE(Near(BLUE, picture)) << "window " << i << " picture " << picture;
    }
    EXPECT_TRUE(Near(SELECT_BLUE, WorldPixel(-0.5f, 0.5f))) << WorldPixel(-0.5f, 0.5f);
    // The wall of titles shows between the windows, the blue panel at its edge.
    EXPECT_TRUE(Near(YELLOW, WorldPixel(-4.5f, 0.0f))) << WorldPixel(-4.5f, 0.0f);
    EXPECT_TRUE(Near(SELECT_BLUE, WorldPixel(-5.5f, 7.5f))) << WorldPixel(-5.5f, 7.5f);

    // Moving the highlight moves the red frame.
    for (int i = 0; i < STAGE_WINDOWS; ++i) Main.windowHighlight[i] = i == 7;
    ResetView(-20.0f);
    Main.RenderSelect();
    EXPECT_TRUE(Near(GREEN, WorldPixel(-9.8f, 4.2f)));
    EXPECT_TRUE(Near(RED, WorldPixel(5.2f, -6.8f)));
    for (int i = 0; i < STAGE_WINDOWS; ++i) Main.windowHighlight[i] = i == 0;
}

TEST_F(Screens, MapNameShowsTheLabelAndTheTypedTextOnAGreyBox) {
    FontsMgr->InitFonts();
    ASSERT_NE(0u, FontsMgr->GetlistBase(0));
    int lx, ly, tx, ty;
    Project(-0.5f, 0.5f, 0, &lx, &ly);
    Project(-1.0f, 0.0f, 0, &tx, &ty);

    struct Case {
        const char *typed;
        bool textPixels;
    } cases[] = {{"", false}, {"a", true}, {"Level2", true}};
    for (const Case &c : cases) {
        ResetView(-20.0f);
        strcpy(Typing->text, c.typed);
        Main.RenderMapName();
        EXPECT_TRUE(Near(NAME_GREY, WorldPixel(2.0f, -0.9f))) << WorldPixel(2.0f, -0.9f);
        int label = CountOther(lx, ly - 4, lx + 90, ly + 14, NAME_GREY);
        EXPECT_GT(label, 30) << "\"Map Name\" drawn";
        int typed = CountOther(tx, ty - 4, tx + 60, ty + 12, NAME_GREY);
        EXPECT_EQ(c.textPixels, typed > 5) << "typed \"" << c.typed << "\": " << typed;
    }
    // The label is white on grey and nothing else: the glyphs are 1-bit bitmaps.
    ResetView(-20.0f);
    strcpy(Typing->text, "");
    Main.RenderMapName();
    int area = 90 * 18;
    int white = area - CountOther(lx, ly - 4, lx + 90, ly + 14, WHITE);
    int grey = area - CountOther(lx, ly - 4, lx + 90, ly + 14, NAME_GREY);
    EXPECT_GT(white, 30);
    EXPECT_EQ(area, white + grey);
    FontsMgr->CleanUp();
}

TEST_F(Screens, EditorDrawsOnlyTheLayersThatAreSwitchedOn) {
    Main.currentScreen = SCREEN_EDITOR;
    FillLayer(GROUND_BACK, 0);
    FillLayer(GROUND_FORE, -1);
    stMap[2][2].layerTexture[GROUND_FORE] = 1;
    struct Case {
        bool back, fore, grid;
        Rgb at22, at52;
    } cases[] = {
        {false, false, false, PURPLE, PURPLE}, {true, false, false, ORANGE, ORANGE},
        {false, true, false, CYAN, PURPLE},    {true, true, false, CYAN, ORANGE},
        {false, false, true, PURPLE, PURPLE},
    };
    for (const Case &c : cases) {
        ResetView(-20.0f);
        MapMgr->drawBackground = c.back;
        MapMgr->drawForeground = c.fore;
        MapMgr->drawGrid = c.grid;
        Main.RenderEditor();
        EXPECT_TRUE(Near(c.at22, WorldPixel(2.5f, 2.5f)))
            << c.back << c.fore << c.grid << WorldPixel(2.5f, 2.5f);
        EXPECT_TRUE(Near(c.at52, WorldPixel(5.5f, 2.5f))) << c.back << c.fore << c.grid;
        // Outside the map the clear colour stays.
        EXPECT_TRUE(Near(BLACK, WorldPixel(-1.0f, -1.0f)));
        // Grid lines only when asked for.
        int x0, y0, x1, y1;
        Project(1.2f, 1.2f, 0, &x0, &y0);
        Project(3.8f, 3.8f, 0, &x1, &y1);
        int otherThanBackdrop = CountOther(x0, y0, x1, y1, PURPLE);
        if (!c.back && !c.fore) {
            EXPECT_EQ(c.grid, otherThanBackdrop > 0) << otherThanBackdrop;
        }
    }
}

TEST_F(Screens, TheTileUnderTheHeroIsYellowOnEveryScreenAndLayer) {
    stCharacter.posX = 7.5f;
    stCharacter.posY = 4.6f;  // cell (7, 1)
    const int screens[] = {SCREEN_GAME, SCREEN_EDITOR};
    for (int screen : screens)
        for (int layer = 0; layer < 2; ++layer) {
            ResetView(-20.0f, -7.0f, -2.0f);
            Main.currentScreen = screen;
            FillLayer(layer, 2);
            FillLayer(1 - layer, -1);
            stMap[8][1].collision = 1;
            MapMgr->drawCollision = true;
            stMap[7][1].collision = 1;  // yellow wins over the blue of a solid cell
            MapMgr->DrawMap(layer);
            Rgb hero = WorldPixel(7.5f, 1.5f);
            EXPECT_TRUE(Near(YELLOW, hero)) << screen << "/" << layer << " " << hero;
            EXPECT_TRUE(Near(WHITE, WorldPixel(7.5f, 2.5f))) << screen << "/" << layer;
            EXPECT_TRUE(Near(WHITE, WorldPixel(6.5f, 1.5f))) << screen << "/" << layer;
            // Solid cells are blue in the editor only.
            EXPECT_TRUE(Near(screen == SCREEN_EDITOR ? BLUE : WHITE, WorldPixel(8.5f, 1.5f)))
                << screen << "/" << layer << " " << WorldPixel(8.5f, 1.5f);
        }
    // The row is truncated toward zero: 2.5 - 3 lights row 0, 1.0 - 3 no row at all.
    const float heights[] = {2.5f, 1.0f};
    for (float y : heights) {
        stCharacter.posY = y;
        ResetView(-20.0f, -7.0f, -2.0f);
        MapMgr->DrawMap(GROUND_FORE);
        EXPECT_TRUE(Near(y == 2.5f ? YELLOW : WHITE, WorldPixel(7.5f, 0.5f))) << y;
    }
}

TEST_F(Screens, CollisionAndEventMarksAppearOnTheEditorScreenOnly) {
    // A solid cell without tiles and an event cell over a background tile.
    stMap[3][3].collision = 1;
    stMap[5][3].layerTexture[GROUND_BACK] = 0;
    stMap[5][3].eventType = EVENT_SPAWN;
    MapMgr->drawCollision = true;
    MapMgr->drawEvents = true;
    struct Case {
        int screen;
        int layer;
        Rgb solid, event;
    } cases[] = {
        {SCREEN_EDITOR, GROUND_FORE, BLUE, MAGENTA},
        {SCREEN_EDITOR, GROUND_BACK, BLACK, MAGENTA},  // only the foreground pass marks empty cells
        {SCREEN_GAME, GROUND_FORE, BLACK, BLACK},
        {SCREEN_GAME, GROUND_BACK, BLACK, ORANGE},
    };
    for (const Case &c : cases) {
        ResetView(-20.0f, -4.0f, -3.0f);
        Main.currentScreen = c.screen;
        MapMgr->DrawMap(c.layer);
        EXPECT_TRUE(Near(c.solid, WorldPixel(3.5f, 3.5f)))
            << c.screen << "/" << c.layer << " " << WorldPixel(3.5f, 3.5f);
        EXPECT_TRUE(Near(c.event, WorldPixel(5.5f, 3.5f)))
            << c.screen << "/" << c.layer << " " << WorldPixel(5.5f, 3.5f);
    }
    // Switched off, the editor shows neither.
    MapMgr->drawCollision = false;
    MapMgr->drawEvents = false;
    ResetView(-20.0f, -4.0f, -3.0f);
    Main.currentScreen = SCREEN_EDITOR;
    MapMgr->DrawMap(GROUND_FORE);
    EXPECT_TRUE(Near(BLACK, WorldPixel(3.5f, 3.5f)));
    EXPECT_TRUE(Near(BLACK, WorldPixel(5.5f, 3.5f)));
}

TEST_F(Screens, GameForegroundCoversTheHeroAndTheBackground) {
    Main.currentScreen = SCREEN_GAME;
    stCharacter.posX = 10.5f;
    stCharacter.posY = 5.5f;  // quad from (9.5, 3.9) to (11.5, 7.1)
    stCharacter.frame = 0;
    stMap[10][5].layerTexture[GROUND_BACK] = 0;
    stMap[10][5].layerTexture[GROUND_FORE] = 1;
    stMap[10][4].layerTexture[GROUND_BACK] = 0;
    stMap[14][5].layerTexture[GROUND_BACK] = 0;
    stMap[16][5].layerTexture[GROUND_FORE] = 1;
    ResetView(-20.0f, -10.0f, -5.0f);
    Main.RenderGame();
    EXPECT_TRUE(Near(CYAN, WorldPixel(10.5f, 5.5f))) << "foreground over hero and background";
    EXPECT_TRUE(Near(MAGENTA, WorldPixel(10.5f, 4.5f)))
        << "hero over the background tile " << WorldPixel(10.5f, 4.5f);
    EXPECT_TRUE(Near(ORANGE, WorldPixel(14.5f, 5.5f))) << "background tile over the backdrop";
    EXPECT_TRUE(Near(CYAN, WorldPixel(16.5f, 5.5f)));
    EXPECT_TRUE(Near(PURPLE, WorldPixel(18.5f, 5.5f))) << "backdrop";
}

TEST_F(Screens, IntroTitlePhaseThenScrollThenStageSelect) {
    float savedX = g_pushx, savedZ = g_pushz, savedO = g_opacity;
    // The first frame: the title fills the view, nothing of the intro image.
    g_pushx = -20.5f;
    g_pushz = 20.0f;
    g_opacity = 1.0f;
    Main.currentScreen = SCREEN_INTRO;
    Main.RenderIntro();
    EXPECT_FLOAT_EQ(19.9f, g_pushz);
    EXPECT_FLOAT_EQ(1.0f, g_opacity);
    EXPECT_FLOAT_EQ(-20.5f, g_pushx);
    EXPECT_TRUE(Near(YELLOW, Pixel(400, 300))) << Pixel(400, 300);

    // The scroll phase shows the tilted intro image and no title.
    g_pushx = 0.0f;
    g_opacity = 0.0f;
    ResetView(-20.0f);
    Main.RenderIntro();
    EXPECT_FLOAT_EQ(0.01f, g_pushx);
    EXPECT_EQ(SCREEN_INTRO, Main.currentScreen);
    EXPECT_GT(WIDTH * HEIGHT - CountOther(0, 0, WIDTH, HEIGHT, GREEN), 10000) << "intro image";
    EXPECT_EQ(0, WIDTH * HEIGHT - CountOther(0, 0, WIDTH, HEIGHT, YELLOW)) << "no title";

    // Left alone from the start, the intro hands over to the stage select after ~5750 frames.
    g_pushx = -20.5f;
    g_pushz = 20.0f;
    g_opacity = 1.0f;
    Main.currentScreen = SCREEN_INTRO;
    glViewport(0, 0, 1, 1);  // the count needs no pixels
    int frames = 0;
    while (Main.currentScreen == SCREEN_INTRO && frames < 8000) {
        Main.RenderIntro();
        ++frames;
    }
    EXPECT_EQ(SCREEN_SELECT, Main.currentScreen);
    EXPECT_GE(frames, 5700);
    EXPECT_LE(frames, 5800);
    // Once run to its end, a later visit switches in its first frame.
    Main.currentScreen = SCREEN_INTRO;
    Main.RenderIntro();
    EXPECT_EQ(SCREEN_SELECT, Main.currentScreen);

    g_pushx = savedX;
    g_pushz = savedZ;
    g_opacity = savedO;
}
