// The HUD pass in a real GL context: where its text and quads land, and the matrices it leaves.
#include <math.h>

#include "actors/Boss.h"
#include "actors/Character.h"
#include "input/InputSystem.h"
#include "input/Typing.h"
#include "render/FontsMgr.h"
#include "render/Hud.h"
#include "tests/render/GLFixture.h"
#include "world/MapMgr.h"

namespace {

// What one HUD pass drew, from GL feedback: glyph origins and quad corners in HUD units.
struct Drawn {
    float glyphs[2048][2];
    int glyphCount;
    float area;  // HUD square units covered by polygons (panels, cursor), however split
    float lines[64][4];
    int lineCount;
};

bool Same(float a, float b) { return fabsf(a - b) < 0.2f; }

class HudPass : public GLFixture {
  protected:
    void SetUp() override {
        GLFixture::SetUp();
        if (!FontsMgr) FontsMgr = new CFontsMgr();
        if (!FontsMgr->GetlistBase(0)) FontsMgr->InitFonts();
        if (!Hud) Hud = new CHud();
        if (!MapMgr) MapMgr = new CMapMgr();
        if (!CharacterMgr) CharacterMgr = new CCharacterMgr();
        if (!Typing) Typing = new CTyping();
        if (!Input) Input = new CInputSystem();
        if (!Mouse) Mouse = new CMouse(nullptr, nullptr, false);
        ASSERT_NE(0u, FontsMgr->GetlistBase(0));
        MapMgr->InitMap();
        CharacterMgr->isDead = false;
        CharacterMgr->hasWon = false;
        stCharacter.health = 100;
        stBoss.health = 200;
        Main.width = WIDTH;
        Main.height = HEIGHT;
    }

    // Runs DrawHud on a screen in feedback mode.
    void Pass(int screen, Drawn &out) {
        static float buffer[200000];
        Main.currentScreen = screen;
        glFeedbackBuffer(sizeof(buffer) / sizeof(buffer[0]), GL_2D, buffer);
        glRenderMode(GL_FEEDBACK);
        Hud->DrawHud();
        int n = glRenderMode(GL_RENDER);
        ASSERT_GE(n, 0) << "feedback buffer overflow";
        out.glyphCount = out.lineCount = 0;
        out.area = 0;
        auto hudX = [](float x) { return x * 133.0f / WIDTH; };
        auto hudY = [](float y) { return (HEIGHT - y) * 100.0f / HEIGHT; };
        for (int i = 0; i < n;) {
            int token = (int)buffer[i++];
            if (token == GL_BITMAP_TOKEN || token == GL_DRAW_PIXEL_TOKEN || token == GL_COPY_PIXEL_TOKEN) {
                if (token == GL_BITMAP_TOKEN && out.glyphCount < 2048) {
                    out.glyphs[out.glyphCount][0] = hudX(buffer[i]);
                    out.glyphs[out.glyphCount][1] = hudY(buffer[i + 1]);
                    out.glyphCount++;
                }
                i += 2;
            } else if (token == GL_POINT_TOKEN) {
                i += 2;
            } else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
                if (out.lineCount < 64) {
                    float *l = out.lines[out.lineCount++];
                    l[0] = hudX(buffer[i]);
                    l[1] = hudY(buffer[i + 1]);
                    l[2] = hudX(buffer[i + 2]);
                    l[3] = hudY(buffer[i + 3]);
                }
                i += 4;
            } else if (token == GL_POLYGON_TOKEN) {
                int count = (int)buffer[i++];
                float twice = 0;
                for (int v = 0; v < count; v++) {
                    int w = (v + 1) % count;
                    twice += hudX(buffer[i + 2 * v]) * hudY(buffer[i + 2 * w + 1]) -
                             hudX(buffer[i + 2 * w]) * hudY(buffer[i + 2 * v + 1]);
                }
                out.area += fabsf(twice) / 2;
                i += 2 * count;
            } else if (token == GL_PASS_THROUGH_TOKEN) {
                i += 1;
            } else {
                FAIL() << "unknown feedback token " << token;
            }
        }
    }

    static bool GlyphAt(const Drawn &d, float x, float y) {
        for (int i = 0; i < d.glyphCount; i++)
            if (Same(d.glyphs[i][0], x) && Same(d.glyphs[i][1], y)) return true;
        return false;
    }
    static int GlyphsOnRow(const Drawn &d, float y, float x0, float x1) {
        int n = 0;
        for (int i = 0; i < d.glyphCount; i++)
            if (Same(d.glyphs[i][1], y) && d.glyphs[i][0] > x0 - 0.1f && d.glyphs[i][0] < x1) n++;
        return n;
    }
    static bool LineBetween(const Drawn &d, float x0, float y0, float x1, float y1) {
        for (int i = 0; i < d.lineCount; i++) {
            const float *l = d.lines[i];
            if ((Same(l[0], x0) && Same(l[1], y0) && Same(l[2], x1) && Same(l[3], y1)) ||
                (Same(l[0], x1) && Same(l[1], y1) && Same(l[2], x0) && Same(l[3], y0)))
                return true;
        }
        return false;
    }

    Drawn d;
};

}  // namespace

TEST_F(HudPass, HealthNumbersOneCharacterPerFixedPlace) {
    struct Case {
        float hero, boss;
        int heroChars, bossChars;
    } cases[] = {{100, 200, 3, 3}, {7.9f, 200, 1, 3}, {-3.5f, 5, 2, 1}, {1234, 42, 3, 2}};
    const float heroX[3] = {10, 12.9f, 15.8f}, bossX[3] = {121, 123.9f, 126.8f};
    for (const Case &k : cases) {
        SCOPED_TRACE(k.hero);
        stCharacter.health = k.hero;
        stBoss.health = k.boss;
        Pass(SCREEN_GAME, d);
        for (int i = 0; i < 3; i++) {
            EXPECT_EQ(i < k.heroChars, GlyphAt(d, heroX[i], 12)) << "hero place " << i;
            EXPECT_EQ(i < k.bossChars, GlyphAt(d, bossX[i], 12)) << "boss place " << i;
        }
        EXPECT_EQ(k.heroChars + k.bossChars, d.glyphCount);
        EXPECT_NEAR(800, d.area, 2);  // the two 20 by 20 panels
    }
}

TEST_F(HudPass, EndingMessagesReplaceOrKeepThePanels) {
    struct Case {
        bool dead, won;
        bool deadText, wonText;
        int panels;
    } cases[] = {{true, false, true, false, 2}, {false, true, false, true, 0}, {true, true, true, true, 0}};
    for (const Case &k : cases) {
        SCOPED_TRACE(testing::Message() << k.dead << k.won);
        CharacterMgr->isDead = k.dead;
        CharacterMgr->hasWon = k.won;
        Pass(SCREEN_GAME, d);
        EXPECT_EQ(k.deadText, GlyphAt(d, 60, 40));
        EXPECT_EQ(k.wonText, GlyphAt(d, 40, 40));
        EXPECT_TRUE(GlyphAt(d, 50, 50));  // the prompt under either message
        EXPECT_NEAR(400 * k.panels, d.area, 2);
        EXPECT_EQ(k.panels > 0, GlyphAt(d, 10, 12));
    }
    // Not on the game screen: no messages, no panels.
    Pass(SCREEN_SELECT, d);
    EXPECT_EQ(0, d.glyphCount);
    EXPECT_EQ(0, d.area);
}

TEST_F(HudPass, LeavesThePerspectiveAndAnIdentityModelView) {
    GLfloat expected[16], projection[16], model[16];
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0f, (GLfloat)WIDTH / (GLfloat)HEIGHT, 0.1f, 100.0f);
    glGetFloatv(GL_PROJECTION_MATRIX, expected);
    glMatrixMode(GL_MODELVIEW);
    const int screens[] = {SCREEN_GAME, SCREEN_EDITOR, SCREEN_EVENT, SCREEN_MENU, SCREEN_INTRO};
    for (int screen : screens) {
        SCOPED_TRACE(screen);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-5, 5, -5, 5, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glTranslatef(3, 4, -20);
        Main.currentScreen = screen;
        Hud->DrawHud();
        glGetFloatv(GL_PROJECTION_MATRIX, projection);
        glGetFloatv(GL_MODELVIEW_MATRIX, model);
        for (int i = 0; i < 16; i++) {
            EXPECT_FLOAT_EQ(expected[i], projection[i]) << i;
            EXPECT_FLOAT_EQ(i % 5 == 0 ? 1.0f : 0.0f, model[i]) << i;
        }
        GLint mode;
        glGetIntegerv(GL_MATRIX_MODE, &mode);
        EXPECT_EQ(GL_MODELVIEW, mode);
    }
}

TEST_F(HudPass, EditorShowsItsLegendAndTheCursor) {
    Mouse->cursorX = 30;
    Mouse->cursorY = -40;
    Pass(SCREEN_EDITOR, d);
    const float rows[] = {2, 6, 8, 10, 12, 14, 16, 18, 20};
    for (float y : rows) EXPECT_TRUE(GlyphAt(d, 100, y)) << y;
    EXPECT_EQ(0, GlyphsOnRow(d, 4, 0, 133));
    EXPECT_NEAR(34 * 22 + 1.6f * 1.6f + 1, d.area, 0.5f);  // legend backing, cursor rim and square
    // The values follow the switches: "false" is one character longer than "true".
    int before = GlyphsOnRow(d, 6, 100, 133);
    MapMgr->drawGrid = false;
    Pass(SCREEN_EDITOR, d);
    EXPECT_EQ(before + 1, GlyphsOnRow(d, 6, 100, 133));
    EXPECT_EQ((int)strlen("~ -             Ground: back"), GlyphsOnRow(d, 2, 100, 133));
}

TEST_F(HudPass, EventDialogFollowsItsState) {
    struct Case {
        int selection, facing, stage, spawnStage;
        float extraLabelY;  // "Direction:" or "Map Name:" at x 55; 0 = none
        bool spawnId;
    } cases[] = {{0, 0, 0, 0, 0, false}, {2, 0, 0, 0, 0, false},  {1, 1, 1, 0, 46, false},
                 {1, 0, 1, 1, 46, true}, {2, 0, 1, 1, 46, false}, {7, 0, 1, 1, 0, false}};
    strcpy(Typing->text, "Cave.dat");
    for (const Case &k : cases) {
        SCOPED_TRACE(testing::Message() << k.selection << "/" << k.stage << "/" << k.spawnStage);
        MapMgr->eventSelection = k.selection;
        MapMgr->eventFacing = k.facing;
        MapMgr->eventStage = (unsigned char)k.stage;
        MapMgr->spawnStage = (unsigned char)k.spawnStage;
        Pass(SCREEN_EVENT, d);
        EXPECT_TRUE(GlyphAt(d, 60, 20));
        EXPECT_TRUE(GlyphAt(d, 55, 30));
        EXPECT_TRUE(GlyphAt(d, 60, 35) && GlyphAt(d, 60, 38) && GlyphAt(d, 60, 41));
        float s = (float)k.selection;
        EXPECT_TRUE(LineBetween(d, 59, 32.5f + 3 * s, 69, 32.5f + 3 * s));
        EXPECT_TRUE(LineBetween(d, 69, 32.5f + 3 * s, 69, 36 + 3 * s));
        EXPECT_EQ(k.extraLabelY > 0, GlyphAt(d, 55, 46));
        bool spawn = k.stage == 1 && k.selection == 1;
        EXPECT_EQ(spawn, GlyphAt(d, 60, 54));
        if (spawn) {
            EXPECT_TRUE(LineBetween(d, 59, 49 + 3.0f * k.facing, 69, 49 + 3.0f * k.facing));
        }
        EXPECT_EQ(k.spawnId, GlyphAt(d, 55, 58));
        EXPECT_EQ(k.spawnId, GlyphAt(d, 60, 63));
        bool teleport = k.stage == 1 && k.selection == 2;
        if (teleport) {
            EXPECT_EQ(8, GlyphsOnRow(d, 51, 60, 133));  // the field's text
        }
        EXPECT_NEAR(1.6f * 1.6f + 1, d.area, 0.1f);               // the cursor
    }
}

TEST_F(HudPass, MenuShowsItsTwoChoices) {
    Pass(SCREEN_MENU, d);
    EXPECT_TRUE(GlyphAt(d, 50, 40));
    EXPECT_EQ((int)strlen("1 - Map Editor"), GlyphsOnRow(d, 48, 55, 133));
    EXPECT_EQ((int)strlen("2 - Back to the Intro"), GlyphsOnRow(d, 52, 55, 133));
}

TEST_F(HudPass, CursorIsAWhiteSquareWithADarkRim) {
    Mouse->cursorX = 66.5f;
    Mouse->cursorY = -50;
    Main.currentScreen = SCREEN_EDITOR;
    Hud->DrawHud();
    int x = (int)(67.0f / 133 * WIDTH), y = (int)(HEIGHT - 49.5f / 100 * HEIGHT);
    EXPECT_TRUE(Near({255, 255, 255}, Pixel(x, y))) << Pixel(x, y);
    int rx = (int)(66.3f / 133 * WIDTH);
    EXPECT_TRUE(Near({0, 0, 0}, Pixel(rx, y))) << Pixel(rx, y);
}
