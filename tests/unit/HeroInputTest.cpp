// The hero's key pass: which held keys start or break into which state, the latches, the bounds.
#include "HeroFixture.h"

namespace {

const int SPACE = DIK_SPACE, LSHIFT = DIK_LSHIFT, RSHIFT = DIK_RSHIFT, DOWN = DIK_DOWN, LEFT = DIK_LEFT,
          RIGHT = DIK_RIGHT;

struct KeyCase {
    const char *name;
    int state, frame, facing;
    bool jumpAttacking;
    std::initializer_list<int> keys;
    int wantState, wantFrame, wantFacing;
    bool wantJumpAttacking;
    float wantDx;
};

const KeyCase keyCases[] = {
    // Jump.
    {"still jumps", HERO_STILL, 0, 1, false, {SPACE}, HERO_JUMP, 28, 1, false, 0},
    {"jump with left goes forward",
     HERO_STILL,
     0,
     1,
     false,
     {SPACE, LEFT},
     HERO_JUMP_FORWARD,
     32,
     0,
     false,
     0},
    {"jump with right goes forward",
     HERO_STILL,
     0,
     0,
     false,
     {SPACE, RIGHT},
     HERO_JUMP_FORWARD,
     32,
     1,
     false,
     0},
    {"jump breaks an attack", HERO_ATTACK, 4, 1, false, {SPACE}, HERO_JUMP, 28, 1, false, 0},
    {"jump breaks a landing", HERO_LAND, 48, 1, false, {SPACE}, HERO_JUMP, 28, 1, false, 0},
    {"no jump while the jump attack lasts", HERO_LAND, 48, 1, true, {SPACE}, HERO_LAND, 48, 1, true, 0},
    {"rise turns forward with an arrow",
     HERO_JUMP,
     28,
     1,
     false,
     {SPACE, LEFT},
     HERO_JUMP_FORWARD,
     32,
     0,
     false,
     0},
    {"rise without arrows goes straight",
     HERO_JUMP_FORWARD,
     32,
     0,
     false,
     {SPACE},
     HERO_JUMP,
     28,
     0,
     false,
     0},
    {"releasing space falls", HERO_JUMP, 28, 1, false, {}, HERO_FALL, 29, 1, false, 0},
    {"falling keeps the jump attack slot", HERO_JUMP_FORWARD, 24, 1, true, {}, HERO_FALL, 24, 1, true, 0},
    {"space while falling does nothing", HERO_FALL, 30, 1, false, {SPACE}, HERO_FALL, 30, 1, false, 0},
    // Attack.
    {"shift attacks", HERO_STILL, 0, 1, false, {LSHIFT}, HERO_ATTACK, 1, 1, false, 0},
    {"right shift attacks", HERO_WALK, 35, 1, false, {RSHIFT}, HERO_ATTACK, 1, 1, false, 0},
    {"an attack is not restarted", HERO_ATTACK, 3, 1, false, {LSHIFT}, HERO_ATTACK, 3, 1, false, 0},
    {"attack in the air", HERO_FALL, 30, 1, false, {LSHIFT}, HERO_FALL, 22, 1, true, 0},
    {"jump attack is not restarted", HERO_FALL, 25, 1, true, {LSHIFT}, HERO_FALL, 25, 1, true, 0},
    {"attack skips the arrows", HERO_STILL, 0, 1, false, {LSHIFT, LEFT}, HERO_ATTACK, 1, 1, false, 0},
    {"attack skips the crouch", HERO_STILL, 0, 1, false, {LSHIFT, DOWN}, HERO_ATTACK, 1, 1, false, 0},
    // Crouch.
    {"down crouches", HERO_STILL, 0, 1, false, {DOWN}, HERO_CROUCH, 7, 1, false, 0},
    {"down crouches a walk", HERO_WALK, 36, 1, false, {DOWN}, HERO_CROUCH, 7, 1, false, 0},
    {"down crouches a stop", HERO_STOP, 41, 1, false, {DOWN}, HERO_CROUCH, 7, 1, false, 0},
    {"down leaves an attack", HERO_ATTACK, 2, 1, false, {DOWN}, HERO_ATTACK, 2, 1, false, 0},
    {"down leaves a landing", HERO_LAND, 47, 1, false, {DOWN}, HERO_LAND, 47, 1, false, 0},
    {"crouch ignores the arrows", HERO_CROUCH, 9, 1, false, {DOWN, LEFT}, HERO_CROUCH, 9, 1, false, 0},
    {"down blocks the fall steer", HERO_FALL, 30, 1, false, {DOWN, LEFT}, HERO_FALL, 30, 1, false, 0},
    {"releasing down stands up", HERO_CROUCH, 10, 1, false, {}, HERO_STAND_UP, 10, 1, false, 0},
    // Arrows.
    {"left walks when facing left", HERO_STILL, 0, 0, false, {LEFT}, HERO_WALK, 33, 0, false, 0},
    {"right walks when facing right", HERO_STILL, 0, 1, false, {RIGHT}, HERO_WALK, 33, 1, false, 0},
    {"a walk keeps its slot", HERO_WALK, 36, 0, false, {LEFT}, HERO_WALK, 36, 0, false, 0},
    {"left turns a hero facing right", HERO_STILL, 0, 1, false, {LEFT}, HERO_TURN, 45, 1, false, 0},
    {"right turns a hero facing left", HERO_STILL, 0, 0, false, {RIGHT}, HERO_TURN, 45, 0, false, 0},
    {"opposite arrow turns a walk", HERO_WALK, 37, 1, false, {LEFT}, HERO_TURN, 45, 1, false, 0},
    {"a turn is not restarted", HERO_TURN, 46, 1, false, {LEFT}, HERO_TURN, 46, 1, false, 0},
    {"arrow walks out of a crouch", HERO_CROUCH, 10, 0, false, {LEFT}, HERO_WALK, 33, 0, false, 0},
    {"attack ignores the arrows", HERO_ATTACK, 2, 1, false, {LEFT}, HERO_ATTACK, 2, 1, false, 0},
    {"fall steers and faces at once", HERO_FALL, 30, 1, false, {LEFT}, HERO_FALL, 30, 0, false, -0.15f},
    {"fall steers right", HERO_FALL, 30, 0, false, {RIGHT}, HERO_FALL, 30, 1, false, 0.15f},
    {"mid-air jump attack turns", HERO_JUMP, 23, 1, true, {SPACE, LEFT}, HERO_TURN, 45, 1, true, 0},
    {"mid-air jump attack walks", HERO_JUMP, 23, 1, true, {SPACE, RIGHT}, HERO_WALK, 33, 1, true, 0},
    // Neither arrow, or both.
    {"release stops a walk", HERO_WALK, 34, 1, false, {}, HERO_STOP, 39, 1, false, 0},
    {"both arrows stop a walk", HERO_WALK, 38, 0, false, {LEFT, RIGHT}, HERO_STOP, 39, 0, false, 0},
    {"both arrows do not turn", HERO_STILL, 0, 1, false, {LEFT, RIGHT}, HERO_STILL, 0, 1, false, 0},
    {"both arrows do not steer", HERO_FALL, 30, 1, false, {LEFT, RIGHT}, HERO_FALL, 30, 1, false, 0},
};

}  // namespace

TEST_F(HeroTest, KeysChangeStates) {
    for (const KeyCase &c : keyCases) {
        SCOPED_TRACE(c.name);
        hero.InitCharacter();
        hero.jumpLatch = false;
        hero.attackLatch = false;
        hero.jumpTime = 99.9f;  // a rise in progress began 0.1 s ago
        stCharacter.posX = 30.0f;
        Put(c.state, c.frame, c.facing, c.jumpAttacking);
        Hold(c.keys);
        hero.ProcessInputs();
        EXPECT_EQ(c.wantState, stCharacter.state);
        EXPECT_EQ(c.wantFrame, stCharacter.frame);
        EXPECT_EQ(c.wantFacing, stCharacter.facing);
        EXPECT_EQ(c.wantJumpAttacking, stCharacter.jumpAttacking);
        EXPECT_FLOAT_EQ(30.0f + c.wantDx, stCharacter.posX);
        EXPECT_FLOAT_EQ(0.0f, stCharacter.posY);  // the key pass never moves vertically
    }
}

TEST_F(HeroTest, JumpNeedsSpaceReleasedAfterInit) {
    // Space held from the menus: no jump until it is let go.
    Hold({SPACE});
    hero.ProcessInputs();
    EXPECT_EQ(HERO_STILL, stCharacter.state);
    EXPECT_TRUE(hero.jumpLatch);
    Hold({});
    hero.ProcessInputs();
    EXPECT_FALSE(hero.jumpLatch);
    Hold({SPACE});
    hero.ProcessInputs();
    EXPECT_EQ(HERO_JUMP, stCharacter.state);
    EXPECT_FALSE(hero.jumpLatch);  // only the animations set it again
}

TEST_F(HeroTest, AttackNeedsAFreshShiftPress) {
    Floor(0);
    stCharacter.posY = 1.6f + 0.9f;
    Hold({LSHIFT});
    hero.ProcessInputs();
    ASSERT_EQ(HERO_ATTACK, stCharacter.state);
    EXPECT_TRUE(hero.attackLatch);
    // Keep Shift held through the whole attack and past it: one attack only.
    for (int i = 0; i < 60; i++) Frame(14);
    EXPECT_EQ(HERO_STILL, stCharacter.state);
    // Switching to the other Shift key without a release still counts as held.
    Hold({RSHIFT});
    Frame(14);
    EXPECT_EQ(HERO_STILL, stCharacter.state);
    Hold({});
    Frame(14);
    EXPECT_FALSE(hero.attackLatch);
    Hold({RSHIFT});
    Frame(14);
    EXPECT_EQ(HERO_ATTACK, stCharacter.state);
    EXPECT_EQ(1, stCharacter.frame);
}

TEST_F(HeroTest, RiseLastsHalfASecondAtMost) {
    SetClock(0);
    hero.jumpLatch = false;
    Hold({SPACE});
    hero.ProcessInputs();
    ASSERT_EQ(HERO_JUMP, stCharacter.state);
    // Exactly 0.5 s after the start is not yet past the limit.
    SetClock(500);
    hero.ProcessInputs();
    EXPECT_EQ(HERO_JUMP, stCharacter.state);
    SetClock(501);
    hero.ProcessInputs();
    EXPECT_EQ(HERO_FALL, stCharacter.state);
    EXPECT_EQ(29, stCharacter.frame);
    // Space still held while falling starts no new rise.
    SetClock(700);
    hero.ProcessInputs();
    EXPECT_EQ(HERO_FALL, stCharacter.state);
}

TEST_F(HeroTest, RiseTimeoutKeepsJumpAttackSlot) {
    SetClock(0);
    hero.jumpLatch = false;
    Hold({SPACE});
    hero.ProcessInputs();
    stCharacter.jumpAttacking = true;
    stCharacter.frame = 25;
    SetClock(600);
    hero.ProcessInputs();
    EXPECT_EQ(HERO_FALL, stCharacter.state);
    EXPECT_EQ(25, stCharacter.frame);
}

TEST_F(HeroTest, StepsAreRefusedAtTheBounds) {
    struct {
        const char *name;
        int state, facing;
        float x, y;
        std::initializer_list<int> keys;
        float wantX, wantY;
    } cases[] = {
        {"left step refused at 19.1", HERO_FALL, 0, 19.1f, 10.0f, {LEFT}, 19.1f, 10.0f},
        {"left step taken at 19.2", HERO_FALL, 0, 19.2f, 10.0f, {LEFT}, 19.05f, 10.0f},
        {"right step refused at 52.9", HERO_FALL, 1, 52.9f, 10.0f, {RIGHT}, 52.9f, 10.0f},
        {"right step taken at 52.8", HERO_FALL, 1, 52.8f, 10.0f, {RIGHT}, 52.95f, 10.0f},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Put(c.state, 30, c.facing);
        stCharacter.posX = c.x;
        stCharacter.posY = c.y;
        Hold(c.keys);
        hero.ProcessInputs();
        EXPECT_FLOAT_EQ(c.wantX, stCharacter.posX);
        EXPECT_FLOAT_EQ(c.wantY, stCharacter.posY);
    }
}

TEST_F(HeroTest, BouncesWhileSpaceStaysHeld) {
    Floor(0);
    stCharacter.posX = 30.5f;
    stCharacter.posY = 1.6f + 0.9f;
    hero.jumpLatch = false;
    Hold({SPACE});
    int jumps = 0;
    int last = stCharacter.state;
    float highest = 0.0f;
    for (int i = 0; i < 400; i++) {
        Frame(14);
        // The landing and the next jump come in the same frame: Space was never released.
        if (stCharacter.state == HERO_JUMP && last != HERO_JUMP) {
            jumps++;
            EXPECT_TRUE(hero.onFloor);
            EXPECT_LT(stCharacter.posY, 2.6f);
        }
        if (stCharacter.posY > highest) highest = stCharacter.posY;
        last = stCharacter.state;
    }
    EXPECT_GE(jumps, 3);
    EXPECT_FALSE(hero.jumpLatch);
    // A rise of at most 0.5 s at 14 ms a frame climbs at most 36 steps.
    EXPECT_LE(highest, 2.5f + 36 * 0.15f + 0.001f);
    EXPECT_GT(highest, 2.5f + 30 * 0.15f);
}

TEST_F(HeroTest, FloorTestSamplesTheFeet) {
    Floor(0, 20, 20);
    Floor(5, 99, 99);
    stMap[0][0].collision = 1;
    stMap[21][3].collision = 2;  // only 1 counts as solid
    struct {
        const char *name;
        float x, y;
        bool want;
    } cases[] = {
        {"feet in a solid cell", 20.5f, 1.6f + 0.5f, true},
        {"feet just above it", 20.5f, 1.6f + 1.05f, false},
        {"feet at -0.5 sample row 0", 20.5f, 1.6f - 0.5f, true},
        {"feet at -1 are off the grid", 20.5f, 0.6f - 0.01f, false},
        {"far below the grid", 20.5f, -500.0f, false},
        {"x between -1 and 0 samples column 0", -0.5f, 1.6f + 0.5f, true},
        {"left of the grid", -1.5f, 1.6f + 0.5f, false},
        {"last column", 99.9f, 1.6f + 5.5f, true},
        {"right of the grid", 100.1f, 1.6f + 5.5f, false},
        {"above the grid", 20.5f, 1.6f + 25.2f, false},
        {"collision value 2 is not solid", 21.5f, 1.6f + 3.5f, false},
        {"empty cell", 30.5f, 1.6f + 0.5f, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        stCharacter.posX = c.x;
        stCharacter.posY = c.y;
        EXPECT_EQ(c.want, hero.CheckFloorColl());
    }
}

TEST_F(HeroTest, InitRestoresTheStartRecord) {
    stCharacter = {3.0f, 40.0f, 7.0f, 1.0f, 27, HERO_FALL, 0, true, true};
    hero.isDead = hero.hasWon = true;
    hero.frameTime = 55.0f;
    hero.jumpLatch = false;
    hero.InitCharacter();
    EXPECT_FLOAT_EQ(100.0f, stCharacter.health);
    EXPECT_FLOAT_EQ(20.0f, stCharacter.posX);
    EXPECT_FLOAT_EQ(0.0f, stCharacter.posY);
    EXPECT_FLOAT_EQ(0.0f, stCharacter.posZ);
    EXPECT_EQ(0, stCharacter.frame);
    EXPECT_EQ(HERO_STILL, stCharacter.state);
    EXPECT_EQ(1, stCharacter.facing);
    EXPECT_FALSE(stCharacter.jumpAttacking);
    EXPECT_FALSE(stCharacter.isHurt);
    EXPECT_FALSE(hero.isDead);
    EXPECT_FALSE(hero.hasWon);
    EXPECT_FLOAT_EQ(0.0f, hero.frameTime);
    EXPECT_TRUE(hero.jumpLatch);
    EXPECT_FALSE(CCharacterMgr().attackLatch);
}
