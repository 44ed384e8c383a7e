// Particle emitters: the draw order of a particle's start, its course, and the guards on the store.
#include <gtest/gtest.h>
#include <stdlib.h>

#include "BossSupport.h"

namespace {

int Sign() { return (rand() % 2) ? 1 : -1; }

// What SetParticle must give for one particle, drawn again from the same seed in the stated order.
structParticle Expected(const CParticlesMgr &e) {
    structParticle p;
    int s0 = Sign(), s1 = Sign(), s2 = Sign();
    p.velX = (float)((rand() % e.ArcThrown) * s0);
    p.velY = (float)((rand() % e.ArcThrown) * s1);
    p.velZ = (float)(0 * s2);
    if (e.XPos == 9999.0f) {
        int s = Sign();
        p.posX = (float)((rand() % 20) * s);
    } else {
        p.posX = e.XPos;
    }
    p.posY = e.YPos;
    if (e.ZPos == 9999.0f) {
        int s = Sign();
        p.posZ = (float)((rand() % 20) * s) + 10.0f;
    } else {
        p.posZ = e.ZPos;
    }
    p.colorR = e.ColorR == 9999.0f ? (float)(rand() % 1000) : e.ColorR;
    p.colorG = e.ColorG == 9999.0f ? (float)(rand() % 1000) : e.ColorG;
    p.colorB = e.ColorB == 9999.0f ? (float)(rand() % 1000) : e.ColorB;
    p.fade = (float)((rand() % 40) / 1000.0);
    if (p.fade < 0.001f) p.fade = 0.001f;
    p.life = e.LifeSpan;
    return p;
}

struct StartCase {
    const char *name;
    float x, y, z, r, g, b;
    int arc;
};

// Sentinels on and off, and values next to the sentinel that must be taken as they are.
const StartCase START_CASES[] = {
    {"all random", 9999.0f, 3.0f, 9999.0f, 9999.0f, 9999.0f, 9999.0f, 8},
    {"all fixed", 4.0f, 5.0f, -2.0f, 100.0f, 200.0f, 300.0f, 3},
    {"near the sentinel", 9998.999f, 9999.0f, 9999.001f, 9999.5f, 9998.5f, 9999.0f, 5},
    {"beam", 38.0f, 12.0f, 0.0f, 9999.0f, 9999.0f, 9999.0f, 3},
};

}  // namespace

TEST(Particles, StartDrawsInTheFixedOrderAndKeepsExactSentinels) {
    for (const StartCase &c : START_CASES) {
        SCOPED_TRACE(c.name);
        static CParticlesMgr e;
        srand(77);
        e.InitParticles(c.x, c.y, c.z, 1, -2, 3, 0.75f, 0.5f, c.arc, 3, false, c.r, c.g, c.b);
        int after = rand();

        srand(77);
        for (int i = 0; i < 3; i++) {
            structParticle want = Expected(e);
            const structParticle &got = e.particles[i];
            EXPECT_EQ(want.posX, got.posX) << i;
            EXPECT_EQ(want.posY, got.posY) << i;
            EXPECT_EQ(want.posZ, got.posZ) << i;
            EXPECT_EQ(want.velX, got.velX) << i;
            EXPECT_EQ(want.velY, got.velY) << i;
            EXPECT_EQ(0.0f, got.velZ) << i;
            EXPECT_EQ(want.colorR, got.colorR) << i;
            EXPECT_EQ(want.colorG, got.colorG) << i;
            EXPECT_EQ(want.colorB, got.colorB) << i;
            EXPECT_EQ(want.fade, got.fade) << i;
            EXPECT_EQ(0.75f, got.life) << i;
            EXPECT_EQ(1.0f, got.gravX);
            EXPECT_EQ(-2.0f, got.gravY);
            EXPECT_EQ(3.0f, got.gravZ);
        }
        // No draw more, no draw less.
        EXPECT_EQ(after, rand());
        EXPECT_TRUE(e.isEmitting);
        EXPECT_FALSE(e.isDrawn);
    }
}

TEST(Particles, NearSentinelValuesAreUsedAsTheyAre) {
    static CParticlesMgr e;
    srand(5);
    e.InitParticles(9998.999f, 1, 9999.001f, 0, 0, 0, 1, 1, 1, 4, true, 9999.5f, 9998.5f, 0);
    for (int i = 0; i < 4; i++) {
        EXPECT_EQ(9998.999f, e.particles[i].posX);
        EXPECT_EQ(9999.001f, e.particles[i].posZ);
        EXPECT_EQ(9999.5f, e.particles[i].colorR);
        EXPECT_EQ(9998.5f, e.particles[i].colorG);
    }
}

TEST(Particles, RandomOriginsAndColoursStayInTheirRanges) {
    static CParticlesMgr e;
    srand(11);
    e.InitParticles(9999, 0, 9999, 0, 0, 0, 1, 0.5f, 8, MAX_PARTICLES, true, 9999, 9999, 9999);
    bool slowest = false;
    for (int i = 0; i < MAX_PARTICLES; i++) {
        const structParticle &p = e.particles[i];
        ASSERT_GE(p.posX, -19.0f);
        ASSERT_LE(p.posX, 19.0f);
        ASSERT_GE(p.posZ, -9.0f);
        ASSERT_LE(p.posZ, 29.0f);
        ASSERT_GE(p.colorR, 0.0f);
        ASSERT_LE(p.colorB, 999.0f);
        ASSERT_GE(p.velX, -7.0f);
        ASSERT_LE(p.velY, 7.0f);
        ASSERT_GE(p.fade, 0.001f);
        ASSERT_LE(p.fade, 0.039f + 1e-6f);
        if (p.fade == 0.001f) slowest = true;
    }
    EXPECT_TRUE(slowest);
}

// The first frame shows a particle at the origin; the move uses the speed from before the pull.
TEST(Particles, DrawShowsTheOriginThenAdvances) {
    static CParticlesMgr e;
    srand(3);
    e.InitParticles(10, 20, 0, 500, -1000, 0, 1, 0.5f, 8, 50, false, 0, 0, 1000);
    structParticle before[50];
    for (int i = 0; i < 50; i++) {
        before[i] = e.particles[i];
        ASSERT_EQ(10.0f, before[i].posX);
        ASSERT_EQ(20.0f, before[i].posY);
    }
    e.DrawParticles();
    for (int i = 0; i < 50; i++) {
        const structParticle &p = e.particles[i];
        EXPECT_FLOAT_EQ(10.0f + before[i].velX / 1000.0f, p.posX);
        EXPECT_FLOAT_EQ(20.0f + before[i].velY / 1000.0f, p.posY);
        EXPECT_FLOAT_EQ(before[i].velX + 0.5f, p.velX);
        EXPECT_FLOAT_EQ(before[i].velY - 1.0f, p.velY);
        EXPECT_FLOAT_EQ(1.0f - before[i].fade, p.life);
    }
    e.DrawParticles();
    for (int i = 0; i < 50; i++) {
        float v = before[i].velY;
        EXPECT_FLOAT_EQ(20.0f + v / 1000.0f + (v - 1.0f) / 1000.0f, e.particles[i].posY);
    }
}

TEST(Particles, ArcThrownOneStartsAtRest) {
    static CParticlesMgr e;
    srand(9);
    e.InitParticles(0, 0, 0, 0, 0, 0, 1, 0.5f, 1, 300, true, 0, 0, 0);
    for (int i = 0; i < 300; i++) {
        ASSERT_EQ(0.0f, e.particles[i].velX);
        ASSERT_EQ(0.0f, e.particles[i].velY);
    }
}

// Bad arguments must neither read past the store nor divide by zero.
TEST(Particles, BadCountsAndSpreadsAreClamped) {
    struct {
        int arc, count, wantArc, wantCount;
    } cases[] = {
        {0, 0, 1, 1},
        {-4, -10, 1, 1},
        {3, MAX_PARTICLES + 1, 3, MAX_PARTICLES},
        {2, 1 << 30, 2, MAX_PARTICLES},
    };
    for (auto &c : cases) {
        static CParticlesMgr e;
        e.InitParticles(0, 0, 0, 0, 0, 0, 0.01f, 0.5f, c.arc, c.count, true, 0, 0, 0);
        EXPECT_EQ(c.wantArc, e.ArcThrown);
        EXPECT_EQ(c.wantCount, e.MaxParticles);
        for (int f = 0; f < 3; f++) e.DrawParticles();  // respawns as they die
        e.SetParticle(-1);
        e.SetParticle(MAX_PARTICLES);
    }
}

TEST(Particles, SlowestParticleLivesAThousandFrames) {
    static CParticlesMgr e;
    e.InitParticles(0, 0, 0, 0, 0, 0, 1.0f, 0.5f, 1, 1, false, 0, 0, 0);
    e.particles[0].fade = 0.001f;
    e.isEmitting = false;
    int frames = 0;
    while (e.particles[0].life > 0 && frames < 2000) {
        e.DrawParticles();
        frames++;
    }
    EXPECT_NEAR(1000, frames, 1);
}

TEST(Particles, DeadParticlesRespawnOnlyWhileEmitting) {
    static CParticlesMgr e;
    srand(4);
    e.InitParticles(1, 2, 0, 0, -500, 0, 0.05f, 0.5f, 4, 20, true, 0, 0, 9999);
    for (int f = 0; f < 60; f++) e.DrawParticles();
    int alive = 0;
    for (int i = 0; i < 20; i++) alive += e.particles[i].life > 0;
    EXPECT_EQ(20, alive) << "an emitting store keeps every particle alive";

    e.isEmitting = false;
    for (int f = 0; f < 60; f++) e.DrawParticles();
    structParticle before[20];
    for (int i = 0; i < 20; i++) before[i] = e.particles[i];
    for (int f = 0; f < 10; f++) e.DrawParticles();
    for (int i = 0; i < 20; i++) {
        const structParticle &p = e.particles[i];
        EXPECT_LE(p.life, 0.0f) << "not restarted";
        // The last particles keep falling, faster and faster.
        EXPECT_LT(p.posY, before[i].posY);
        EXPECT_FLOAT_EQ(before[i].velY - 5.0f, p.velY);
    }
}

TEST(Particles, MovingTheOriginOnlyAffectsLaterStarts) {
    static CParticlesMgr e;
    srand(8);
    e.InitParticles(5, 12, 0, 0, 0, 0, 1, 0.5f, 1, 2, true, 0, 0, 0);
    e.ChangePosY(0.15f);
    e.ChangePosX(0.15f);
    EXPECT_FLOAT_EQ(11.85f, e.YPos);
    EXPECT_FLOAT_EQ(4.85f, e.XPos);
    EXPECT_EQ(12.0f, e.particles[0].posY);
    e.SetParticle(1);
    EXPECT_FLOAT_EQ(11.85f, e.particles[1].posY);
    EXPECT_FLOAT_EQ(4.85f, e.particles[1].posX);
}

TEST(Particles, ANewEmitterIsIdle) {
    CParticlesMgr *e = new CParticlesMgr;
    EXPECT_FALSE(e->isDrawn);
    EXPECT_FALSE(e->isEmitting);
    e->DrawParticles();  // nothing started: nothing to draw
    delete e;
}
