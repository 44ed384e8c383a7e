// The boss: a great carp that rests, swims to a casting place and casts.
#include "actors/Boss.h"

#include <GL/gl.h>
#include <stdlib.h>

#include "app/Main.h"
#include "render/TextureMgr.h"

// Both survive a restart's InitBoss only through what it sets below.
structBoss stBoss;
structSpell stSpell;
CBossMgr *BossMgr;

static const float BOSS_STEP = 0.15f;     // swim and rise, per frame
static const float BOSS_REST = 2.0f;      // seconds idle between spells
static const float BEAMS_PLACE = 39.0f;   // where the beams are cast from
static const float BEAMS_HEIGHT = 12.0f;  // the top of the rise
static const float WATERFALL_PLACE = 49.0f;
static const float PLACE_WINDOW = 0.15f;  // twice this is wider than a step, so a swim always stops
static const float SWIM_TICK = 0.1f;      // seconds per swim-animation slot

CBossMgr::CBossMgr() {}
CBossMgr::~CBossMgr() {}

void CBossMgr::InitBoss() {
    stBoss.posX = 30.0f;
    stBoss.posY = 2.6f;
    stBoss.posZ = 0.0f;
    stBoss.isMoving = false;
    stBoss.facing = 0;
    stBoss.health = 200.0f;
    stBoss.action = BOSS_IDLE;
    stBoss.phase = PHASE_REST;
    stBoss.frame = 0;
    // isHurt is left as the last fight set it: only the hero's reach changes it.

    restTime = ClockSeconds();
    frameTime = 0.0f;

    stSpell.type = SPELL_NONE;
    stSpell.startTime = 0.0f;
}

// Three chances in ten for the waterfall, once the boss has rested.
void CBossMgr::ProcessRandomness() {
    if (stBoss.action != BOSS_IDLE) return;
    if (ClockSeconds() - restTime > BOSS_REST) {
        int r = rand() % 10;
        stBoss.action = r < 3 ? BOSS_WATERFALL : BOSS_BEAMS;
    }
}

static bool BeamsRunning() {
    return stSpell.type == SPELL_BEAMS_HORIZONTAL || stSpell.type == SPELL_BEAMS_VERTICAL;
}

// Repeated every frame until the spell's end hands the boss back to rest.
void CBossMgr::ProcessAI() {
    switch (stBoss.action) {
        case BOSS_BEAMS:
            stBoss.isMoving = true;
            stBoss.phase = PHASE_SWIM;
            if (stBoss.posX < BEAMS_PLACE - PLACE_WINDOW) {
                // The vertical beams carry the boss left; it must not swim back against them.
                if (stSpell.type != SPELL_BEAMS_VERTICAL) {
                    stBoss.facing = 1;
                    stBoss.posX += BOSS_STEP;
                }
            } else if (stBoss.posX > BEAMS_PLACE + PLACE_WINDOW) {
                stBoss.facing = 0;
                stBoss.posX -= BOSS_STEP;
            } else {
                stBoss.phase = PHASE_RISE;
            }
            if (stBoss.phase == PHASE_RISE && !BeamsRunning()) {
                if (stBoss.posY < BEAMS_HEIGHT)
                    stBoss.posY += BOSS_STEP;
                else
                    CastBeams();
            }
            break;
        case BOSS_WATERFALL:
            stBoss.isMoving = true;
            stBoss.phase = PHASE_SWIM;
            if (stBoss.posX < WATERFALL_PLACE - PLACE_WINDOW) {
                stBoss.facing = 1;
                stBoss.posX += BOSS_STEP;
            } else if (stBoss.posX > WATERFALL_PLACE + PLACE_WINDOW) {
                stBoss.facing = 0;
                stBoss.posX -= BOSS_STEP;
            } else {
                stBoss.frame = 0;
                stBoss.phase = PHASE_REST;
                stBoss.facing = 0;
                if (stSpell.type != SPELL_WATERFALL) CastWaterfall();
            }
            break;
        default:
            break;
    }
}

// Swimming flicks between the two side slots; rising shows the belly.
void CBossMgr::ProcessMovement() {
    if (!stBoss.isMoving) return;
    if (stBoss.phase == PHASE_RISE) {
        stBoss.frame = 3;
        return;
    }
    float now = ClockSeconds();
    if (now - frameTime > SWIM_TICK) {
        frameTime = now;
        if (stBoss.phase == PHASE_SWIM) stBoss.frame = 1 - stBoss.frame;
    }
}

void CBossMgr::DrawBoss() {
    glTranslatef(stBoss.posX, stBoss.posY, stBoss.posZ);
    if (stBoss.isHurt)
        glColor3f(1, 0, 0);
    else
        glColor3f(1, 1, 1);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);

    int slot = BeamsRunning() ? 3 : stBoss.frame;
    glBindTexture(GL_TEXTURE_2D, TextureMgr ? TextureMgr->GetBossTex(slot) : 0);

    // The images face left; facing right mirrors them.
    float u0 = stBoss.facing == 1 ? 1.0f : 0.0f;
    float u1 = 1.0f - u0;
    glBegin(GL_QUADS);
    glTexCoord2f(u0, 1);
    glVertex3f(-1.0f, -1.5f, 0);
    glTexCoord2f(u1, 1);
    glVertex3f(1.0f, -1.5f, 0);
    glTexCoord2f(u1, 0);
    glVertex3f(1.0f, 1.5f, 0);
    glTexCoord2f(u0, 0);
    glVertex3f(-1.0f, 1.5f, 0);
    glEnd();

    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
}
