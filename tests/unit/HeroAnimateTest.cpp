// The hero's animation step: slots per state, the shared tick, timed ends, motion, the jump attack.
#include "HeroFixture.h"
#include "app/Main.h"

namespace {

struct AnimCase {
    const char *name;
    int state, frame, facing;
    bool jumpAttacking, onFloor, tick;
    float x, y;
    int wantState, wantFrame, wantFacing;
    bool wantJumpAttacking, wantLatch;
    float wantX, wantY;
};

const bool T = true, F = false;

const AnimCase animCases[] = {
    // name                         state          frm fc  ja onF tick  x      y       ->  state      frm fc
    // ja latch  x      y
    {"forward rise right", HERO_JUMP_FORWARD, 32, 1, F, F, F, 30.0f, 5.0f, HERO_JUMP_FORWARD, 32, 1, F, F,
     30.15f, 5.15f},
    {"forward rise left", HERO_JUMP_FORWARD, 28, 0, F, F, F, 30.0f, 5.0f, HERO_JUMP_FORWARD, 32, 0, F, F,
     29.85f, 5.15f},
    {"forward rise jump attack", HERO_JUMP_FORWARD, 23, 1, T, F, T, 30.0f, 5.0f, HERO_JUMP_FORWARD, 24, 1, T,
     F, 30.15f, 5.15f},
    {"fall counts up", HERO_FALL, 29, 1, F, F, T, 30.0f, 5.0f, HERO_FALL, 30, 1, F, F, 30.0f, 4.85f},
    {"fall holds slot 31", HERO_FALL, 31, 1, F, F, T, 30.0f, 5.0f, HERO_FALL, 31, 1, F, F, 30.0f, 4.85f},
    {"fall between ticks", HERO_FALL, 29, 1, F, F, F, 30.0f, 5.0f, HERO_FALL, 29, 1, F, F, 30.0f, 4.85f},
    {"fall has no lower bound", HERO_FALL, 31, 1, F, F, F, 30.0f, -50.0f, HERO_FALL, 31, 1, F, F, 30.0f,
     -50.15f},
    {"fall lands", HERO_FALL, 30, 1, F, T, T, 30.0f, 5.0f, HERO_LAND, 47, 1, F, F, 30.0f, 5.0f},
    {"fall ends the jump attack", HERO_FALL, 27, 1, T, F, T, 30.0f, 5.0f, HERO_FALL, 27, 1, F, F, 30.0f,
     4.85f},
    {"landing keeps the jump attack", HERO_FALL, 24, 1, T, T, F, 30.0f, 5.0f, HERO_LAND, 47, 1, T, F, 30.0f,
     5.0f},
    {"rise", HERO_JUMP, 29, 1, F, F, T, 30.0f, 5.0f, HERO_JUMP, 28, 1, F, F, 30.0f, 5.15f},
    {"rise jump attack between ticks", HERO_JUMP, 25, 1, T, F, F, 30.0f, 5.0f, HERO_JUMP, 25, 1, T, F, 30.0f,
     5.15f},
    {"rise stops under the ceiling", HERO_JUMP, 28, 1, F, F, F, 30.0f, 23.4f, HERO_JUMP, 28, 1, F, F, 30.0f,
     23.4f},
    {"rise just below it", HERO_JUMP, 28, 1, F, F, F, 30.0f, 23.3f, HERO_JUMP, 28, 1, F, F, 30.0f, 23.45f},
    {"forward rise at the ceiling", HERO_JUMP_FORWARD, 32, 1, F, F, F, 30.0f, 23.4f, HERO_JUMP_FORWARD, 32, 1,
     F, F, 30.15f, 23.4f},
    {"stand up", HERO_STAND_UP, 10, 1, F, T, T, 30.0f, 5.0f, HERO_STAND_UP, 11, 1, F, F, 30.0f, 5.0f},
    {"stand up ends", HERO_STAND_UP, 11, 1, F, T, T, 30.0f, 5.0f, HERO_STILL, 0, 1, F, T, 30.0f, 5.0f},
    {"stand up between ticks", HERO_STAND_UP, 10, 1, F, T, F, 30.0f, 5.0f, HERO_STAND_UP, 10, 1, F, F, 30.0f,
     5.0f},
    {"still clears the jump attack", HERO_STILL, 25, 1, T, F, T, 30.0f, 5.0f, HERO_STILL, 0, 1, F, F, 30.0f,
     5.0f},
    {"attack", HERO_ATTACK, 1, 1, F, T, T, 30.0f, 5.0f, HERO_ATTACK, 2, 1, F, F, 30.0f, 5.0f},
    {"attack ends", HERO_ATTACK, 6, 1, F, T, T, 30.0f, 5.0f, HERO_STILL, 0, 1, F, T, 30.0f, 5.0f},
    {"attack between ticks", HERO_ATTACK, 3, 1, F, T, F, 30.0f, 5.0f, HERO_ATTACK, 3, 1, F, F, 30.0f, 5.0f},
    {"crouch", HERO_CROUCH, 7, 1, F, T, T, 30.0f, 5.0f, HERO_CROUCH, 8, 1, F, F, 30.0f, 5.0f},
    {"crouch holds slot 10", HERO_CROUCH, 10, 1, F, T, T, 30.0f, 5.0f, HERO_CROUCH, 10, 1, F, F, 30.0f, 5.0f},
    {"walk right", HERO_WALK, 34, 1, F, T, T, 30.0f, 5.0f, HERO_WALK, 35, 1, F, F, 30.15f, 5.0f},
    {"walk cycle wraps", HERO_WALK, 38, 0, F, T, T, 30.0f, 5.0f, HERO_WALK, 33, 0, F, F, 29.85f, 5.0f},
    {"walk between ticks", HERO_WALK, 36, 0, F, T, F, 30.0f, 5.0f, HERO_WALK, 36, 0, F, F, 29.85f, 5.0f},
    {"walk clears the jump attack", HERO_WALK, 33, 1, T, T, F, 30.0f, 5.0f, HERO_WALK, 33, 1, F, F, 30.15f,
     5.0f},
    {"walk off a ledge", HERO_WALK, 36, 1, T, F, T, 30.0f, 5.0f, HERO_FALL, 29, 1, T, F, 30.0f, 5.0f},
    {"walk refused at 19.1", HERO_WALK, 33, 0, F, T, F, 19.1f, 5.0f, HERO_WALK, 33, 0, F, F, 19.1f, 5.0f},
    {"walk refused at 52.9", HERO_WALK, 33, 1, F, T, F, 52.9f, 5.0f, HERO_WALK, 33, 1, F, F, 52.9f, 5.0f},
    {"stop", HERO_STOP, 43, 1, F, T, T, 30.0f, 5.0f, HERO_STOP, 44, 1, F, F, 30.0f, 5.0f},
    {"stop ends", HERO_STOP, 44, 1, F, T, T, 30.0f, 5.0f, HERO_STILL, 0, 1, F, T, 30.0f, 5.0f},
    {"turn drifts away from facing", HERO_TURN, 45, 1, F, T, T, 30.0f, 5.0f, HERO_TURN, 46, 1, F, F, 29.85f,
     5.0f},
    {"turn drifts right facing left", HERO_TURN, 45, 0, F, T, F, 30.0f, 5.0f, HERO_TURN, 45, 0, F, F, 30.15f,
     5.0f},
    {"turn completes to the left", HERO_TURN, 46, 1, F, T, T, 30.0f, 5.0f, HERO_STILL, 0, 0, F, T, 30.15f,
     5.0f},
    {"turn completes to the right", HERO_TURN, 46, 0, F, T, T, 30.0f, 5.0f, HERO_STILL, 0, 1, F, T, 29.85f,
     5.0f},
    {"turn drift refused at 19.1", HERO_TURN, 45, 1, F, T, F, 19.1f, 5.0f, HERO_TURN, 45, 1, F, F, 19.1f,
     5.0f},
    {"land", HERO_LAND, 47, 1, T, T, T, 30.0f, 5.0f, HERO_LAND, 48, 1, T, F, 30.0f, 5.0f},
    {"land ends", HERO_LAND, 49, 1, F, T, T, 30.0f, 5.0f, HERO_STILL, 0, 1, F, T, 30.0f, 5.0f},
    {"still over a gap stays", HERO_STILL, 0, 1, F, F, T, 30.0f, 5.0f, HERO_STILL, 0, 1, F, F, 30.0f, 5.0f},
    {"unknown state", 99, 12, 1, F, F, T, 30.0f, 5.0f, 99, 12, 1, F, F, 30.0f, 5.0f},
};

}  // namespace

TEST_F(HeroTest, AnimationStepPerState) {
    for (const AnimCase &c : animCases) {
        SCOPED_TRACE(c.name);
        Put(c.state, c.frame, c.facing, c.jumpAttacking);
        stCharacter.posX = c.x;
        stCharacter.posY = c.y;
        hero.onFloor = c.onFloor;
        hero.jumpLatch = false;
        float now = ClockSeconds();
        hero.frameTime = c.tick ? now - 0.2f : now;
        hero.AnimateCharacter();
        EXPECT_EQ(c.wantState, stCharacter.state);
        EXPECT_EQ(c.wantFrame, stCharacter.frame);
        EXPECT_EQ(c.wantFacing, stCharacter.facing);
        EXPECT_EQ(c.wantJumpAttacking, stCharacter.jumpAttacking);
        EXPECT_EQ(c.wantLatch, hero.jumpLatch);
        EXPECT_FLOAT_EQ(c.wantX, stCharacter.posX);
        EXPECT_FLOAT_EQ(c.wantY, stCharacter.posY);
    }
}

TEST_F(HeroTest, TickNeedsMoreThanATenthOfASecond) {
    SetClock(0);
    hero.frameTime = 0.0f;
    Put(HERO_ATTACK, 1);
    SetClock(100);
    hero.AnimateCharacter();
    EXPECT_EQ(1, stCharacter.frame);
    SetClock(101);
    hero.AnimateCharacter();
    EXPECT_EQ(2, stCharacter.frame);
    EXPECT_FLOAT_EQ(0.101f, hero.frameTime);
    // The next tick counts from the last one, not from the start of the state.
    SetClock(200);
    hero.AnimateCharacter();
    EXPECT_EQ(2, stCharacter.frame);
    SetClock(202);
    hero.AnimateCharacter();
    EXPECT_EQ(3, stCharacter.frame);
}

TEST_F(HeroTest, AttackAfterALongStillShowsSlotOneOnce) {
    Hold({DIK_LSHIFT});
    hero.ProcessInputs();
    Hold({});
    for (int i = 0; i < 100 && stCharacter.state == HERO_ATTACK; i++) Frame(14);
    ASSERT_EQ(HERO_STILL, stCharacter.state);
    for (int i = 0; i < 50; i++) Frame(14);  // standing leaves the animation clock alone
    Hold({DIK_RSHIFT});
    hero.ProcessInputs();
    ASSERT_EQ(1, stCharacter.frame);
    hero.AnimateCharacter();
    EXPECT_EQ(2, stCharacter.frame);
}

TEST_F(HeroTest, StopPlaysFromSlot39WhateverTheWalkShowed) {
    for (int slot = 33; slot <= 38; slot++) {
        SCOPED_TRACE(slot);
        Put(HERO_WALK, slot, 1);
        hero.jumpLatch = false;
        Hold({});
        hero.ProcessInputs();
        ASSERT_EQ(HERO_STOP, stCharacter.state);
        int seen[8], count = 0;
        seen[count++] = stCharacter.frame;
        while (stCharacter.state == HERO_STOP && count < 8) {
            Advance(101);
            hero.AnimateCharacter();
            seen[count++] = stCharacter.frame;
        }
        const int want[] = {39, 40, 41, 42, 43, 44, 0};
        ASSERT_EQ(7, count);
        for (int i = 0; i < 7; i++) EXPECT_EQ(want[i], seen[i]) << "step " << i;
        EXPECT_EQ(HERO_STILL, stCharacter.state);
        EXPECT_TRUE(hero.jumpLatch);
    }
}

TEST_F(HeroTest, WalkOffALedgeFallsWithoutMovingThatStep) {
    Floor(0, 20, 25);
    Put(HERO_WALK, 33, 1);
    stCharacter.posX = 25.9f;
    stCharacter.posY = 1.6f + 0.9f;
    hero.AnimateCharacter();  // this step still walks: the floor was under the last test
    hero.onFloor = hero.CheckFloorColl();
    ASSERT_FALSE(hero.onFloor);
    float x = stCharacter.posX, y = stCharacter.posY;
    hero.AnimateCharacter();
    EXPECT_EQ(HERO_FALL, stCharacter.state);
    EXPECT_EQ(29, stCharacter.frame);
    EXPECT_FLOAT_EQ(x, stCharacter.posX);
    EXPECT_FLOAT_EQ(y, stCharacter.posY);
    hero.AnimateCharacter();
    EXPECT_FLOAT_EQ(y - 0.15f, stCharacter.posY);
}

TEST_F(HeroTest, FallLandsOnTheFloorAndStandsStill) {
    Floor(2);
    Put(HERO_FALL, 29, 1);
    stCharacter.posX = 30.5f;
    stCharacter.posY = 8.0f;
    hero.onFloor = false;
    int frames = 0;
    while (stCharacter.state == HERO_FALL && frames < 200) {
        Frame(14);
        frames++;
    }
    ASSERT_EQ(HERO_LAND, stCharacter.state);
    // The feet stop inside the floor cell, no more than one step below its top.
    float feet = stCharacter.posY - 1.6f;
    EXPECT_LT(feet, 3.0f);
    EXPECT_GE(feet, 3.0f - 0.15f - 0.0001f);
    float y = stCharacter.posY;
    while (stCharacter.state == HERO_LAND && frames < 400) {
        Frame(14);
        frames++;
    }
    EXPECT_EQ(HERO_STILL, stCharacter.state);
    EXPECT_FLOAT_EQ(y, stCharacter.posY);
}

TEST_F(HeroTest, JumpAttackShowsSixSlotsThenEnds) {
    struct {
        const char *name;
        int state;
        int want[9];  // slot after each tick
    } cases[] = {
        {"from a rise", HERO_JUMP, {23, 24, 25, 26, 27, 27, 28, 28, 28}},
        {"from a fall", HERO_FALL, {23, 24, 25, 26, 27, 27, 28, 29, 30}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        hero.jumpLatch = false;
        hero.attackLatch = false;
        Put(c.state, c.state == HERO_JUMP ? 28 : 29, 1);
        stCharacter.posY = 10.0f;
        hero.onFloor = false;
        hero.jumpTime = ClockSeconds();
        Hold({DIK_SPACE, DIK_LSHIFT});
        hero.ProcessInputs();
        ASSERT_TRUE(stCharacter.jumpAttacking);
        ASSERT_EQ(22, stCharacter.frame);
        for (int i = 0; i < 9; i++) {
            Advance(101);
            hero.AnimateCharacter();
            EXPECT_EQ(c.want[i], stCharacter.frame) << "tick " << i;
            EXPECT_EQ(i < 5, stCharacter.jumpAttacking) << "tick " << i;
        }
    }
}

TEST_F(HeroTest, MidAirTurnHangsInTheAir) {
    Put(HERO_JUMP, 24, 1, true);
    stCharacter.posX = 30.0f;
    stCharacter.posY = 10.0f;
    hero.onFloor = false;
    hero.jumpLatch = false;
    hero.jumpTime = ClockSeconds();
    Hold({DIK_SPACE, DIK_LEFT});
    hero.ProcessInputs();
    ASSERT_EQ(HERO_TURN, stCharacter.state);
    Hold({});
    for (int i = 0; i < 100; i++) Frame(14);
    EXPECT_EQ(HERO_STILL, stCharacter.state);
    EXPECT_EQ(0, stCharacter.facing);
    EXPECT_FALSE(stCharacter.jumpAttacking);
    EXPECT_FALSE(hero.onFloor);
    EXPECT_FLOAT_EQ(10.0f, stCharacter.posY);

    // Walking on from there falls at once.
    Hold({DIK_LEFT});
    hero.ProcessInputs();
    ASSERT_EQ(HERO_WALK, stCharacter.state);
    hero.AnimateCharacter();
    EXPECT_EQ(HERO_FALL, stCharacter.state);
}

TEST_F(HeroTest, WalksAcrossTheFloorWithTheArrows) {
    Floor(0);
    stCharacter.posX = 30.5f;
    stCharacter.posY = 1.6f + 0.9f;
    stCharacter.facing = 1;
    Hold({DIK_RIGHT});
    for (int i = 0; i < 20; i++) Frame(14);
    EXPECT_EQ(HERO_WALK, stCharacter.state);
    EXPECT_NEAR(30.5f + 19 * 0.15f, stCharacter.posX, 0.001f);
    // The other arrow turns first, then walks back.
    Hold({DIK_LEFT});
    for (int i = 0; i < 60; i++) Frame(14);
    EXPECT_EQ(HERO_WALK, stCharacter.state);
    EXPECT_EQ(0, stCharacter.facing);
    EXPECT_LT(stCharacter.posX, 30.5f + 19 * 0.15f - 1.0f);
    Hold({});
    for (int i = 0; i < 100; i++) Frame(14);
    EXPECT_EQ(HERO_STILL, stCharacter.state);
    EXPECT_FLOAT_EQ(2.5f, stCharacter.posY);
}
