// The hero's quad read back from a real context: mirroring, the wide quad's offset, the hurt tint.
#include "GLFixture.h"
#include "actors/Character.h"
#include "render/TextureMgr.h"

namespace {

const Rgb BLACK = {0, 0, 0}, WHITE = {255, 255, 255}, RED = {255, 0, 0}, GREEN = {0, 255, 0},
          BLUE = {0, 0, 255}, YELLOW = {255, 255, 0};

bool Same(Rgb want, Rgb got) { return Near(want, got); }

const int SLOT = 33;  // the slot the test's hero shows

class HeroDraw : public GLFixture {
  protected:
    void SetUp() override {
        GLFixture::SetUp();
        saved = TextureMgr;
        TextureMgr = &textures;
        // A 2x2 image, one colour per corner; the first row is the top of the image.
        const unsigned char texels[] = {
            255, 0, 0,   255, 0,   255, 0, 255,  // top: red, green
            0,   0, 255, 255, 255, 255, 0, 255,  // bottom: blue, yellow
        };
        glGenTextures(1, &corners);
        glBindTexture(GL_TEXTURE_2D, corners);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 2, 2, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels);
        white = SolidTexture(255, 255, 255);
        glBindTexture(GL_TEXTURE_2D, 0);
        stCharacter = {100.0f, 0.0f, 0.0f, 0.0f, SLOT, HERO_WALK, 1, false, false};
    }
    void TearDown() override {
        glDeleteTextures(1, &corners);
        glDeleteTextures(1, &white);
        TextureMgr = saved;
    }

    void Show(unsigned int texture) { textures.charTex[SLOT] = texture; }

    // Draw as the game screen does: inside a pushed matrix, over a cleared frame.
    void Draw() {
        glClear(GL_COLOR_BUFFER_BIT);
        glPushMatrix();
        hero.DrawCharacter();
        glPopMatrix();
    }

    CTextureMgr textures;
    CTextureMgr *saved = nullptr;
    CCharacterMgr hero;
    unsigned int corners = 0, white = 0;
};

}  // namespace

TEST_F(HeroDraw, FacingLeftMirrorsTheImage) {
    Show(corners);
    struct {
        int facing;
        Rgb topLeft, topRight, bottomLeft, bottomRight;
    } cases[] = {
        {1, RED, GREEN, BLUE, YELLOW},
        {0, GREEN, RED, YELLOW, BLUE},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.facing);
        stCharacter.facing = c.facing;
        Draw();
        EXPECT_PRED2(Same, c.topLeft, WorldPixel(-0.5f, 0.8f));
        EXPECT_PRED2(Same, c.topRight, WorldPixel(0.5f, 0.8f));
        EXPECT_PRED2(Same, c.bottomLeft, WorldPixel(-0.5f, -0.8f));
        EXPECT_PRED2(Same, c.bottomRight, WorldPixel(0.5f, -0.8f));
    }
}

TEST_F(HeroDraw, QuadWidthAndOffsetByStateAndFacing) {
    Show(white);
    struct {
        const char *name;
        int state, facing;
        float left, right;  // edges of the quad in world x, around a hero at 0
    } cases[] = {
        {"walk right", HERO_WALK, 1, -1.0f, 1.0f},
        {"walk left", HERO_WALK, 0, -1.0f, 1.0f},
        {"crouch", HERO_CROUCH, 1, -1.0f, 1.0f},
        {"turn", HERO_TURN, 1, -1.0f, 1.0f},
        {"stand up", HERO_STAND_UP, 1, -1.0f, 1.0f},
        {"still right", HERO_STILL, 1, -2.3f, 2.7f},
        {"still left", HERO_STILL, 0, -2.5f, 2.5f},
        {"attack right", HERO_ATTACK, 1, -2.3f, 2.7f},
        {"jump right", HERO_JUMP, 1, -2.3f, 2.7f},
        {"fall left", HERO_FALL, 0, -2.5f, 2.5f},
        {"forward jump right", HERO_JUMP_FORWARD, 1, -2.3f, 2.7f},
        {"stop right", HERO_STOP, 1, -2.3f, 2.7f},
        {"land right", HERO_LAND, 1, -2.3f, 2.7f},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        stCharacter.state = c.state;
        stCharacter.facing = c.facing;
        Draw();
        const float in = 0.08f;  // a little inside or outside each edge
        EXPECT_PRED2(Same, WHITE, WorldPixel(c.left + in, 0.0f));
        EXPECT_PRED2(Same, BLACK, WorldPixel(c.left - in, 0.0f));
        EXPECT_PRED2(Same, WHITE, WorldPixel(c.right - in, 0.0f));
        EXPECT_PRED2(Same, BLACK, WorldPixel(c.right + in, 0.0f));
        // 3.2 tall, centred on the hero.
        EXPECT_PRED2(Same, WHITE, WorldPixel(0.0f, 1.6f - in));
        EXPECT_PRED2(Same, BLACK, WorldPixel(0.0f, 1.6f + in));
        EXPECT_PRED2(Same, WHITE, WorldPixel(0.0f, -1.6f + in));
        EXPECT_PRED2(Same, BLACK, WorldPixel(0.0f, -1.6f - in));
    }
}

TEST_F(HeroDraw, DrawnAtItsPosition) {
    Show(white);
    stCharacter.posX = 4.0f;
    stCharacter.posY = -3.0f;
    Draw();
    EXPECT_PRED2(Same, WHITE, WorldPixel(4.9f, -3.0f));
    EXPECT_PRED2(Same, BLACK, WorldPixel(5.1f, -3.0f));
    EXPECT_PRED2(Same, BLACK, WorldPixel(0.0f, 0.0f));
}

TEST_F(HeroDraw, HurtIsPureRedAndLeavesWhite) {
    Show(white);
    glColor3f(0.0f, 0.0f, 1.0f);
    stCharacter.isHurt = true;
    Draw();
    EXPECT_PRED2(Same, RED, WorldPixel(0.0f, 0.0f));
    float colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_FLOAT_EQ(1.0f, colour[0]);
    EXPECT_FLOAT_EQ(1.0f, colour[1]);
    EXPECT_FLOAT_EQ(1.0f, colour[2]);

    // Unhurt, the colour current at the time tints the image.
    stCharacter.isHurt = false;
    glColor3f(0.0f, 0.0f, 1.0f);
    Draw();
    EXPECT_PRED2(Same, BLUE, WorldPixel(0.0f, 0.0f));
    glColor3f(1.0f, 1.0f, 1.0f);
    Draw();
    EXPECT_PRED2(Same, WHITE, WorldPixel(0.0f, 0.0f));
}

TEST_F(HeroDraw, TransparentTexelsShowWhatIsBehind) {
    unsigned int clear = SolidTexture(255, 255, 255, 0);
    Show(clear);
    glClearColor(0.0f, 1.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glPushMatrix();
    hero.DrawCharacter();
    glPopMatrix();
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    EXPECT_PRED2(Same, GREEN, WorldPixel(0.0f, 0.0f));
    // Texturing and blending are left off for whatever draws next.
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    glDeleteTextures(1, &clear);
}

TEST_F(HeroDraw, UnknownFacingDrawsNothing) {
    Show(white);
    stCharacter.facing = 2;
    Draw();
    EXPECT_EQ(0, CountOther(0, 0, WIDTH, HEIGHT, BLACK));
}
