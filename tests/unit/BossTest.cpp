// The boss: its rest, its choice, its swim and rise, and each spell's course back to rest.
#include <gtest/gtest.h>
#include <stdlib.h>

#include "BossSupport.h"
#include "app/Main.h"

namespace {

class Boss : public ::testing::Test {
  protected:
    void SetUp() override {
        EnsureActors();
        ResetEmitters();
        ScriptReset();
        SetClockMs(100000);
        BossMgr->InitBoss();
    }
    void TearDown() override { stSpell.type = SPELL_NONE; }

    // One game frame as the game screen runs it: the drawing with the spells, then the update.
    void Frame(unsigned int stepMs = 14) {
        Script.tick += stepMs;
        BossMgr->DrawBoss();
        BossMgr->ProcessSpells();
        for (int i = 0; i < SPELL_EMITTERS; i++)
            if (ParticlesSpiters[i]->isDrawn) ParticlesSpiters[i]->DrawParticles();
        BossMgr->ProcessAI();
        BossMgr->ProcessMovement();
        BossMgr->ProcessRandomness();
    }
    float Clock() { return ClockSeconds(); }
};

// A seed whose first draw gives the wanted value modulo n.
unsigned int SeedFor(int n, bool (*want)(int)) {
    for (unsigned int s = 1;; s++) {
        srand(s);
        if (want(rand() % n)) return s;
    }
}

}  // namespace

TEST_F(Boss, InitBossResetsBossAndSpell) {
    stBoss = {1, 2, 3, true, 1, 5, BOSS_BEAMS, PHASE_RISE, 3, true};
    stSpell = {SPELL_WATERFALL, 42};
    BossMgr->frameTime = 7;
    SetClockMs(123456);
    BossMgr->InitBoss();
    EXPECT_EQ(30.0f, stBoss.posX);
    EXPECT_EQ(2.6f, stBoss.posY);
    EXPECT_EQ(0.0f, stBoss.posZ);
    EXPECT_FALSE(stBoss.isMoving);
    EXPECT_EQ(0, stBoss.facing);
    EXPECT_EQ(200.0f, stBoss.health);
    EXPECT_EQ(BOSS_IDLE, stBoss.action);
    EXPECT_EQ(PHASE_REST, stBoss.phase);
    EXPECT_EQ(0, stBoss.frame);
    EXPECT_EQ(SPELL_NONE, stSpell.type);
    EXPECT_EQ(0.0f, stSpell.startTime);
    EXPECT_FLOAT_EQ(123.456f, BossMgr->restTime);
    EXPECT_EQ(0.0f, BossMgr->frameTime);
}

TEST_F(Boss, ChoosesAfterTwoSecondsOfRestThreeInTenForTheWaterfall) {
    int waterfalls = 0, beams = 0;
    for (unsigned int seed = 1; seed <= 30; seed++) {
        SetClockMs(10000);
        BossMgr->InitBoss();
        srand(seed);
        int expected = rand() % 10 < 3 ? BOSS_WATERFALL : BOSS_BEAMS;
        srand(seed);

        SetClockMs(12000);
        BossMgr->restTime = Clock() - 2.0f;  // exactly two seconds: not yet
        BossMgr->ProcessRandomness();
        ASSERT_EQ(BOSS_IDLE, stBoss.action);
        SetClockMs(12016);
        BossMgr->ProcessRandomness();
        ASSERT_EQ(expected, stBoss.action) << seed;
        (expected == BOSS_WATERFALL ? waterfalls : beams)++;

        // A busy boss draws nothing and keeps its action.
        srand(seed);
        int first = rand();
        srand(seed);
        BossMgr->ProcessRandomness();
        EXPECT_EQ(expected, stBoss.action);
        EXPECT_EQ(first, rand());
    }
    EXPECT_GT(waterfalls, 0);
    EXPECT_GT(beams, waterfalls);
}

TEST_F(Boss, WaterfallCycleFromRestBackToRest) {
    srand(SeedFor(10, [](int r) { return r < 3; }));
    float init = Clock();
    int frames = 0;
    bool sawSlot[2] = {false, false};
    while (stBoss.action == BOSS_IDLE && frames++ < 1000) Frame();
    EXPECT_GT(Clock() - init, 2.0f);
    ASSERT_EQ(BOSS_WATERFALL, stBoss.action);

    while (stSpell.type == SPELL_NONE && frames++ < 2000) {
        Frame();
        if (stSpell.type != SPELL_NONE) break;
        EXPECT_EQ(1, stBoss.facing);
        EXPECT_EQ(2.6f, stBoss.posY);
        sawSlot[stBoss.frame & 1] = true;
    }
    ASSERT_EQ(SPELL_WATERFALL, stSpell.type);
    EXPECT_TRUE(sawSlot[0] && sawSlot[1]) << "the swim alternates slots 0 and 1";
    EXPECT_NEAR(49.0f, stBoss.posX, 0.15f);
    float cast = stSpell.startTime;
    EXPECT_FLOAT_EQ(Clock(), cast);
    for (int i = 0; i < 6; i++) {
        CParticlesMgr *e = ParticlesSpiters[i];
        EXPECT_EQ(48.0f - 6 * i, e->XPos);
        EXPECT_EQ(10.0f, e->YPos);
        EXPECT_EQ(-500.0f, e->YGrav);
        EXPECT_EQ(500, e->MaxParticles);
        EXPECT_EQ(8, e->ArcThrown);
        EXPECT_EQ(9999.0f, e->ColorB);
        EXPECT_EQ(0.0f, e->ColorR);
        EXPECT_TRUE(e->isDrawn);
        EXPECT_TRUE(e->isEmitting);
    }
    EXPECT_FALSE(ParticlesSpiters[6]->isDrawn);

    float x = stBoss.posX;
    while (stSpell.type == SPELL_WATERFALL && frames++ < 3000) {
        float t = Clock() - cast;
        EXPECT_EQ(x, stBoss.posX) << "the boss waits at its casting place";
        EXPECT_EQ(0, stBoss.facing);
        EXPECT_EQ(PHASE_REST, stBoss.phase);
        EXPECT_EQ(BOSS_WATERFALL, stBoss.action);
        EXPECT_EQ(t <= 5.0f, ParticlesSpiters[0]->isEmitting) << t;
        EXPECT_EQ(t <= 5.0f, ParticlesSpiters[5]->isEmitting) << t;
        Frame();
    }
    float end = Clock() - cast;
    EXPECT_GT(end, 8.0f);
    EXPECT_LT(end, 8.0f + 0.015f);
    EXPECT_EQ(BOSS_IDLE, stBoss.action);
    EXPECT_FALSE(stBoss.isMoving);
    EXPECT_FLOAT_EQ(Clock(), BossMgr->restTime);
    EXPECT_TRUE(ParticlesSpiters[0]->isDrawn) << "the last drops still fall";

    // The next action comes no sooner than two seconds later.
    float rest = BossMgr->restTime;
    while (stBoss.action == BOSS_IDLE && frames++ < 4000) Frame();
    EXPECT_GT(Clock() - rest, 2.0f);
    EXPECT_LT(Clock() - rest, 2.0f + 0.015f);
}

TEST_F(Boss, HorizontalBeamsRiseCastSinkAndEnd) {
    srand(SeedFor(2, [](int r) { return r == 0; }));
    stBoss.action = BOSS_BEAMS;
    int frames = 0;
    while (stSpell.type == SPELL_NONE && frames++ < 2000) {
        if (stBoss.posX >= 38.85f && stBoss.posX <= 39.15f && stBoss.posY > 2.6f) {
            EXPECT_EQ(PHASE_RISE, stBoss.phase);
            EXPECT_EQ(3, stBoss.frame);
        }
        Frame();
    }
    ASSERT_EQ(SPELL_BEAMS_HORIZONTAL, stSpell.type);
    EXPECT_NEAR(39.0f, stBoss.posX, 0.15f);
    EXPECT_GE(stBoss.posY, 12.0f);
    CParticlesMgr *left = ParticlesSpiters[6], *right = ParticlesSpiters[7];
    EXPECT_FLOAT_EQ(stBoss.posX - 1, left->XPos);
    EXPECT_FLOAT_EQ(stBoss.posX + 1, right->XPos);
    EXPECT_EQ(stBoss.posY, left->YPos);
    EXPECT_EQ(-10000.0f, left->XGrav);
    EXPECT_EQ(10000.0f, right->XGrav);
    EXPECT_EQ(0.0f, right->YGrav);
    EXPECT_EQ(400, right->MaxParticles);
    EXPECT_EQ(3, right->ArcThrown);
    EXPECT_TRUE(right->SuddenDeath);
    EXPECT_EQ(9999.0f, right->ColorG);
    EXPECT_EQ(0.5f, right->LifeSpan);
    EXPECT_TRUE(left->isDrawn && right->isDrawn && left->isEmitting && right->isEmitting);
    EXPECT_FALSE(ParticlesSpiters[0]->isDrawn);

    float cast = stSpell.startTime, top = stBoss.posY, x = stBoss.posX;
    while (stSpell.type == SPELL_BEAMS_HORIZONTAL && frames++ < 3000) {
        float t = Clock() - cast;
        if (t <= 1.0f) {
            EXPECT_EQ(top, stBoss.posY) << "still at the top for the first second";
        }
        EXPECT_EQ(x, stBoss.posX);
        EXPECT_FLOAT_EQ(stBoss.posY, left->YPos) << "the beams sink with the boss";
        EXPECT_FLOAT_EQ(stBoss.posY, right->YPos);
        Frame();
    }
    float t = Clock() - cast;
    EXPECT_GT(t, 3.5f) << "ends no earlier than 3.5 s though the boss is down by about 1.9 s";
    EXPECT_LT(t, 3.5f + 0.015f);
    EXPECT_LE(stBoss.posY, 2.6f);
    EXPECT_GT(stBoss.posY, 2.6f - 0.15f);
    EXPECT_EQ(0, stBoss.facing);
    EXPECT_EQ(0, stBoss.frame);
    EXPECT_EQ(BOSS_IDLE, stBoss.action);
    EXPECT_FALSE(stBoss.isMoving);
    EXPECT_FALSE(left->isEmitting || right->isEmitting);
    EXPECT_TRUE(left->isDrawn);
}

// The sweep moves by frames, so with slow frames the 3.5 s mark passes during it.
TEST_F(Boss, VerticalBeamsSweepLeftThenSinkThenEnd) {
    for (unsigned int step : {14u, 40u}) {
        SCOPED_TRACE(step);
        SetUp();
        srand(SeedFor(2, [](int r) { return r == 1; }));
        stBoss.action = BOSS_BEAMS;
        int frames = 0;
        while (stSpell.type == SPELL_NONE && frames++ < 2000) Frame(step);
        ASSERT_EQ(SPELL_BEAMS_VERTICAL, stSpell.type);
        CParticlesMgr *low = ParticlesSpiters[6], *high = ParticlesSpiters[7];
        EXPECT_FLOAT_EQ(stBoss.posY - 1, low->YPos);
        EXPECT_FLOAT_EQ(stBoss.posY + 1, high->YPos);
        EXPECT_EQ(stBoss.posX, high->XPos);
        EXPECT_EQ(-10000.0f, low->YGrav);
        EXPECT_EQ(10000.0f, high->YGrav);
        EXPECT_EQ(0.0f, high->XGrav);

        float cast = stSpell.startTime, top = stBoss.posY;
        bool sank = false;
        float lastX = stBoss.posX;
        while (stSpell.type == SPELL_BEAMS_VERTICAL && frames++ < 5000) {
            float t = Clock() - cast;
            if (t <= 1.0f) {
                EXPECT_EQ(top, stBoss.posY);
            }
            EXPECT_LE(stBoss.posX, lastX) << "never swims back during the sweep";
            lastX = stBoss.posX;
            EXPECT_FLOAT_EQ(stBoss.posX, low->XPos) << "the beams sweep with the boss";
            if (stBoss.posY < top) {
                sank = true;
                EXPECT_LE(stBoss.posX, 19.0f) << "sinks only after the sweep";
                EXPECT_GT(t, 3.5f);
                EXPECT_FALSE(low->isEmitting || high->isEmitting);
            }
            Frame(step);
        }
        EXPECT_TRUE(sank);
        EXPECT_LE(stBoss.posX, 19.0f);
        EXPECT_GT(stBoss.posX, 19.0f - 0.15f);
        EXPECT_LE(stBoss.posY, 2.6f);
        EXPECT_GT(Clock() - cast, 3.5f);
        EXPECT_EQ(1, stBoss.facing);
        EXPECT_EQ(0, stBoss.frame);
        EXPECT_EQ(BOSS_IDLE, stBoss.action);
        EXPECT_FALSE(stBoss.isMoving);
        if (step == 40) {
            EXPECT_GT(Clock() - cast, 5.0f) << "the slow sweep outlasts 3.5 s";
        }
    }
}

TEST_F(Boss, BeamsFromTheWaterfallPlaceSwimLeftThenRise) {
    stBoss.posX = 49;
    stBoss.frame = 0;
    stBoss.action = BOSS_BEAMS;
    srand(1);
    bool sawSlot[2] = {false, false};
    int frames = 0;
    while (stBoss.posX > 39.15f && frames++ < 1000) {
        Frame();
        if (stBoss.posX > 39.15f) {
            EXPECT_EQ(0, stBoss.facing);
            EXPECT_EQ(PHASE_SWIM, stBoss.phase);
            ASSERT_TRUE(stBoss.frame == 0 || stBoss.frame == 1);
            sawSlot[stBoss.frame] = true;
        }
    }
    EXPECT_TRUE(sawSlot[0] && sawSlot[1]);
    Frame();
    EXPECT_EQ(PHASE_RISE, stBoss.phase);
    EXPECT_EQ(3, stBoss.frame);
    EXPECT_GT(stBoss.posY, 2.6f);
}

// A spell runs in the drawing: it ends even when the update is frozen by the fight's end.
TEST_F(Boss, SpellEndsWhileTheFightIsFrozen) {
    BossMgr->CastWaterfall();
    float cast = stSpell.startTime;
    for (int i = 0; i < 600 && stSpell.type != SPELL_NONE; i++) {
        Script.tick += 14;
        BossMgr->DrawBoss();
        BossMgr->ProcessSpells();
    }
    EXPECT_EQ(SPELL_NONE, stSpell.type);
    EXPECT_GT(Clock() - cast, 8.0f);
    EXPECT_EQ(BOSS_IDLE, stBoss.action);
}
