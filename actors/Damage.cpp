// Damage, death and victory: one test per game frame settles all of it.
#include <math.h>

#include "actors/Boss.h"
#include "actors/Character.h"

static const float CONTACT_REACH = 1.5f, CONTACT_HEIGHT = 3.0f, CONTACT_DAMAGE = 0.1f;
static const float ATTACK_REACH = 3.0f, ATTACK_HEIGHT = 4.0f, ATTACK_DAMAGE = 0.1f;
static const float WATERFALL_TOP = 12.0f, WATERFALL_DAMAGE = 0.3f;
static const float BEAM_HALF_WIDTH = 1.0f, BEAM_DAMAGE = 0.2f;
static const float ALIVE = 1.0f;  // below this a fighter falls

// One band per column (x = 18, 24, ... 48); the first reaches the map's left edge.
struct WaterfallBand {
    float from, to;
};
static const WaterfallBand WATERFALL_BANDS[] = {
    {-INFINITY, 19.5f}, {22.8f, 25.2f}, {28.3f, 31.0f}, {35.1f, 36.9f}, {41.0f, 43.0f}, {46.5f, 49.5f},
};

static bool InWaterfall(float x, float y) {
    if (y > WATERFALL_TOP) return false;
    for (const WaterfallBand &band : WATERFALL_BANDS)
        if (x >= band.from && x <= band.to) return true;
    return false;
}

void CCharacterMgr::TestHurt() {
    structCharacter &hero = stCharacter;
    float dy = fabsf(hero.posY - stBoss.posY);

    // The boss's body; no contact clears the hero's tint for this frame.
    if (hero.posX + CONTACT_REACH >= stBoss.posX && hero.posX <= stBoss.posX + CONTACT_REACH &&
        dy < CONTACT_HEIGHT) {
        hero.health -= CONTACT_DAMAGE;
        hero.isHurt = true;
    } else {
        hero.isHurt = false;
    }

    // The hero's reach, whichever way it faces; out of reach the boss keeps its tint.
    if (hero.posX + ATTACK_REACH >= stBoss.posX && hero.posX <= stBoss.posX + ATTACK_REACH &&
        dy < ATTACK_HEIGHT) {
        if (hero.state == HERO_ATTACK || hero.jumpAttacking) {
            stBoss.health -= ATTACK_DAMAGE;
            stBoss.isHurt = true;
        } else {
            stBoss.isHurt = false;
        }
    }

    // A spell hurts for its whole course, not only while its particles show.
    switch (stSpell.type) {
        case SPELL_WATERFALL:
            if (InWaterfall(hero.posX, hero.posY)) {
                hero.isHurt = true;
                hero.health -= WATERFALL_DAMAGE;
            }
            break;
        case SPELL_BEAMS_HORIZONTAL:
            if (dy < BEAM_HALF_WIDTH) {
                hero.isHurt = true;
                hero.health -= BEAM_DAMAGE;
            }
            break;
        case SPELL_BEAMS_VERTICAL:
            if (fabsf(hero.posX - stBoss.posX) < BEAM_HALF_WIDTH) {
                hero.isHurt = true;
                hero.health -= BEAM_DAMAGE;
            }
            break;
        default:
            break;
    }

    if (hero.health < ALIVE) {
        isDead = true;
        hero.health = 0;
    }
    if (stBoss.health < ALIVE) {
        hasWon = true;
        stBoss.health = 0;
    }
}
