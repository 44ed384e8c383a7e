// The damage test: contact, attack, spell zones, death and victory.
#include <gtest/gtest.h>

#include "BossSupport.h"

namespace {

struct HurtCase {
    const char *name;
    float heroX, heroY;
    int state;
    bool jumpAttacking;
    int spell;
    float bossX, bossY;
    float heroLoss;  // health lost this frame
    bool heroHurt;
    float bossLoss;
    bool bossHurt;  // with the boss's tint set beforehand
};

const int ST = HERO_STILL, AT = HERO_ATTACK, NO = SPELL_NONE, WF = SPELL_WATERFALL;
const int BH = SPELL_BEAMS_HORIZONTAL, BV = SPELL_BEAMS_VERTICAL;

const HurtCase CASES[] = {
    // Contact: the edges of the body's zone.
    {"contact right edge", 31.5f, 2.6f, ST, false, NO, 30, 2.6f, 0.1f, true, 0, false},
    {"contact left edge", 28.5f, 2.6f, ST, false, NO, 30, 2.6f, 0.1f, true, 0, false},
    {"just past the body", 31.6f, 2.6f, ST, false, NO, 30, 2.6f, 0, false, 0, false},
    {"three above: no contact", 30, 5.6f, ST, false, NO, 30, 2.6f, 0, false, 0, false},
    {"under three above", 30, 5.5f, ST, false, NO, 30, 2.6f, 0.1f, true, 0, false},
    // Attack: any facing, within 3.0 and under 4.0 in height; out of reach the tint stays.
    {"attack from 3.0 right", 33, 2.6f, AT, false, NO, 30, 2.6f, 0, false, 0.1f, true},
    {"attack from 3.0 left", 27, 2.6f, AT, false, NO, 30, 2.6f, 0, false, 0.1f, true},
    {"jump attack", 32, 6.5f, ST, true, NO, 30, 2.6f, 0, false, 0.1f, true},
    {"attack out of reach", 33.1f, 2.6f, AT, false, NO, 30, 2.6f, 0, false, 0, true},
    {"attack too high", 32, 6.6f, AT, false, NO, 30, 2.6f, 0, false, 0, true},
    {"in reach, not attacking", 32, 2.6f, ST, false, NO, 30, 2.6f, 0, false, 0, false},
    {"contact and attack", 31, 2.6f, AT, false, NO, 30, 2.6f, 0.1f, true, 0.1f, true},
    // Waterfall bands (boss far away at 49).
    {"waterfall 19.2", 19.2f, 2.6f, ST, false, WF, 49, 12, 0.3f, true, 0, true},
    {"waterfall 20.0", 20, 2.6f, ST, false, WF, 49, 12, 0, false, 0, true},
    {"waterfall left edge of map", 0.5f, 2.6f, ST, false, WF, 49, 12, 0.3f, true, 0, true},
    {"waterfall 22.8", 22.8f, 2.6f, ST, false, WF, 49, 12, 0.3f, true, 0, true},
    {"waterfall 25.3", 25.3f, 2.6f, ST, false, WF, 49, 12, 0, false, 0, true},
    {"waterfall 31.0", 31, 12, ST, false, WF, 49, 30, 0.3f, true, 0, true},
    {"waterfall 36.9", 36.9f, 2.6f, ST, false, WF, 49, 12, 0.3f, true, 0, true},
    {"waterfall 41.0", 41, 2.6f, ST, false, WF, 49, 12, 0.3f, true, 0, true},
    {"waterfall 46.5", 46.5f, 2.6f, ST, false, WF, 60, 12, 0.3f, true, 0, true},
    {"waterfall above 12", 19.2f, 12.1f, ST, false, WF, 49, 30, 0, false, 0, true},
    // Beams follow the boss.
    {"horizontal beam row", 5, 12.9f, ST, false, BH, 39, 12, 0.2f, true, 0, true},
    {"jumped over horizontal", 5, 13, ST, false, BH, 39, 12, 0, false, 0, true},
    {"horizontal in contact", 39.5f, 2.6f, ST, false, BH, 39, 2.6f, 0.3f, true, 0, false},
    {"vertical beam column", 24.1f, 2.6f, ST, false, BV, 25, 12, 0.2f, true, 0, true},
    {"beside vertical", 26, 2.6f, ST, false, BV, 25, 12, 0, false, 0, true},
    {"vertical can't be jumped", 25, 20, ST, false, BV, 25, 2.6f, 0.2f, true, 0, true},
};

}  // namespace

TEST(Damage, ZonesAsTabled) {
    EnsureActors();
    for (const HurtCase &c : CASES) {
        SCOPED_TRACE(c.name);
        stCharacter.health = 50;
        stCharacter.posX = c.heroX;
        stCharacter.posY = c.heroY;
        stCharacter.state = c.state;
        stCharacter.jumpAttacking = c.jumpAttacking;
        stCharacter.isHurt = true;  // last frame's tint must not linger
        stBoss.posX = c.bossX;
        stBoss.posY = c.bossY;
        stBoss.health = 100;
        stBoss.isHurt = true;
        stSpell.type = c.spell;
        CharacterMgr->isDead = false;
        CharacterMgr->hasWon = false;

        CharacterMgr->TestHurt();

        EXPECT_NEAR(50 - c.heroLoss, stCharacter.health, 1e-4);
        EXPECT_EQ(c.heroHurt, stCharacter.isHurt);
        EXPECT_NEAR(100 - c.bossLoss, stBoss.health, 1e-4);
        EXPECT_EQ(c.bossHurt, stBoss.isHurt);
        EXPECT_FALSE(CharacterMgr->isDead);
        EXPECT_FALSE(CharacterMgr->hasWon);
    }
    stSpell.type = SPELL_NONE;
}

TEST(Damage, DeathAndVictoryShowZero) {
    EnsureActors();
    struct {
        const char *name;
        float heroHealth, bossHealth;
        int state;
        bool dead, won;
    } cases[] = {
        {"hero at 1.05 in contact dies", 1.05f, 100, ST, true, false},
        {"hero at 1.15 in contact lives", 1.15f, 100, ST, false, false},
        {"boss at 1.05 under attack falls", 50, 1.05f, AT, false, true},
        {"boss already at 0.95 falls", 50, 0.95f, ST, false, true},
        {"both fall in one test", 1.05f, 1.05f, AT, true, true},
    };
    for (auto &c : cases) {
        SCOPED_TRACE(c.name);
        stCharacter.health = c.heroHealth;
        stCharacter.posX = 30.5f;
        stCharacter.posY = 2.6f;
        stCharacter.state = c.state;
        stCharacter.jumpAttacking = false;
        stBoss.posX = 30;
        stBoss.posY = 2.6f;
        stBoss.health = c.bossHealth;
        stSpell.type = SPELL_NONE;
        CharacterMgr->isDead = false;
        CharacterMgr->hasWon = false;

        CharacterMgr->TestHurt();

        EXPECT_EQ(c.dead, CharacterMgr->isDead);
        EXPECT_EQ(c.won, CharacterMgr->hasWon);
        if (c.dead) {
            EXPECT_EQ(0.0f, stCharacter.health);
        } else {
            EXPECT_GE(stCharacter.health, 1.0f);
        }
        if (c.won) {
            EXPECT_EQ(0.0f, stBoss.health);
        }
    }
}
