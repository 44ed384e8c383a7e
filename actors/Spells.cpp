// The boss's three spells: casting, their course and their end.
#include <stdlib.h>

#include "actors/Boss.h"
#include "actors/ParticlesMgr.h"
#include "app/Main.h"

static const int WATERFALL_COLUMNS = 6;  // emitters 0..5
static const int BEAM_LOW = 6;           // left or lower beam
static const int BEAM_HIGH = 7;          // right or upper beam
static const float FLOOR_Y = 2.6f;       // the boss's resting height
static const float SWEEP_END_X = 19.0f;  // how far left the vertical beams carry the boss
static const float SPELL_STEP = 0.15f;

// Emitters are made by the application object; a missing one is simply skipped.
static CParticlesMgr *Emitter(int i) { return ParticlesSpiters[i]; }

static void StopEmitting(int from, int to) {
    for (int i = from; i <= to; i++)
        if (Emitter(i)) Emitter(i)->isEmitting = false;
}

void CBossMgr::CastBeams() {
    stSpell.startTime = ClockSeconds();
    float gx, gy, ox, oy;
    if (rand() % 2 == 0) {
        stSpell.type = SPELL_BEAMS_HORIZONTAL;
        gx = 10000;
        gy = 0;
        ox = 1;
        oy = 0;
    } else {
        stSpell.type = SPELL_BEAMS_VERTICAL;
        gx = 0;
        gy = 10000;
        ox = 0;
        oy = 1;
    }
    // Many-coloured and opaque; thrown hard outward from either side of the boss.
    if (CParticlesMgr *low = Emitter(BEAM_LOW)) {
        low->InitParticles(stBoss.posX - ox, stBoss.posY - oy, 0, -gx, -gy, 0, 0.5f, 0.5f, 3, 400, true,
                           PARTICLE_RANDOM, PARTICLE_RANDOM, PARTICLE_RANDOM);
        low->isDrawn = true;
    }
    if (CParticlesMgr *high = Emitter(BEAM_HIGH)) {
        high->InitParticles(stBoss.posX + ox, stBoss.posY + oy, 0, gx, gy, 0, 0.5f, 0.5f, 3, 400, true,
                            PARTICLE_RANDOM, PARTICLE_RANDOM, PARTICLE_RANDOM);
        high->isDrawn = true;
    }
}

void CBossMgr::CastWaterfall() {
    stSpell.type = SPELL_WATERFALL;
    stSpell.startTime = ClockSeconds();
    for (int i = 0; i < WATERFALL_COLUMNS; i++) {
        CParticlesMgr *column = Emitter(i);
        if (!column) continue;
        column->InitParticles(48.0f - 6.0f * i, 10.0f, 0, 0, -500, 0, 1.0f, 0.5f, 8, 500, true, 0, 0,
                              PARTICLE_RANDOM);
        column->isDrawn = true;
    }
}

// Back to rest: the next action comes no sooner than two seconds from now.
static void EndSpell(CBossMgr *boss) {
    stSpell.type = SPELL_NONE;
    stBoss.isMoving = false;
    stBoss.action = BOSS_IDLE;
    boss->restTime = ClockSeconds();
}

// Runs in the drawing, so a spell finishes its course even after the fight is over.
void CBossMgr::ProcessSpells() {
    float t = ClockSeconds() - stSpell.startTime;
    switch (stSpell.type) {
        case SPELL_WATERFALL:
            if (t > 5.0f) StopEmitting(0, SPELL_EMITTERS - 1);
            if (t > 8.0f) EndSpell(this);
            break;
        case SPELL_BEAMS_HORIZONTAL:
            if (t <= 1.0f) break;
            if (stBoss.posY > FLOOR_Y) {
                // The beams sink with the boss.
                stBoss.posY -= SPELL_STEP;
                if (Emitter(BEAM_LOW)) Emitter(BEAM_LOW)->ChangePosY(SPELL_STEP);
                if (Emitter(BEAM_HIGH)) Emitter(BEAM_HIGH)->ChangePosY(SPELL_STEP);
            } else if (t > 3.5f) {
                StopEmitting(BEAM_LOW, BEAM_HIGH);
                EndSpell(this);
                stBoss.facing = 0;
                stBoss.frame = 0;
            }
            break;
        case SPELL_BEAMS_VERTICAL:
            if (t <= 1.0f) break;
            if (stBoss.posX > SWEEP_END_X) {
                // The beams sweep left with the boss.
                stBoss.posX -= SPELL_STEP;
                stBoss.frame = 3;
                if (Emitter(BEAM_LOW)) Emitter(BEAM_LOW)->ChangePosX(SPELL_STEP);
                if (Emitter(BEAM_HIGH)) Emitter(BEAM_HIGH)->ChangePosX(SPELL_STEP);
            } else if (t > 3.5f) {
                if (stBoss.posY > FLOOR_Y) {
                    stBoss.posY -= SPELL_STEP;
                    StopEmitting(BEAM_LOW, BEAM_HIGH);
                } else {
                    EndSpell(this);
                    stBoss.facing = 1;
                    stBoss.frame = 0;
                }
            }
            break;
        default:
            break;
    }
}
