// Particle emitters: the squares of the boss's spells.
#include "actors/ParticlesMgr.h"

#include <GL/gl.h>
#include <stdlib.h>

#include "render/TextureMgr.h"

CParticlesMgr *ParticlesSpiters[SPELL_EMITTERS];
CParticlesMgr *ParticlesMgr;

// The settings start harmless so that drawing an emitter nobody started shows nothing.
CParticlesMgr::CParticlesMgr()
    : isDrawn(false),
      isEmitting(false),
      XGrav(0),
      YGrav(0),
      ZGrav(0),
      XPos(0),
      YPos(0),
      ZPos(0),
      ColorR(0),
      ColorG(0),
      ColorB(0),
      LifeSpan(0),
      ParticleSize(0),
      MaxParticles(0),
      SuddenDeath(false),
      ArcThrown(1) {}

CParticlesMgr::~CParticlesMgr() {}

// -1 or +1.
static int RandomSign() { return (rand() % 2) ? 1 : -1; }

void CParticlesMgr::InitParticles(float XPos, float YPos, float ZPos, float XGrav, float YGrav, float ZGrav,
                                  float LifeSpan, float ParticleSize, int ArcThrown, int MaxParticles,
                                  bool SuddenDeath, float ColorR, float ColorG, float ColorB) {
    this->XPos = XPos;
    this->YPos = YPos;
    this->ZPos = ZPos;
    this->XGrav = XGrav;
    this->YGrav = YGrav;
    this->ZGrav = ZGrav;
    this->LifeSpan = LifeSpan;
    this->ParticleSize = ParticleSize;
    // A bad count must never reach past the store, nor a bad spread divide by zero.
    this->ArcThrown = ArcThrown < 1 ? 1 : ArcThrown;
    this->MaxParticles = MaxParticles < 1 ? 1 : (MaxParticles > MAX_PARTICLES ? MAX_PARTICLES : MaxParticles);
    this->SuddenDeath = SuddenDeath;
    this->ColorR = ColorR;
    this->ColorG = ColorG;
    this->ColorB = ColorB;

    for (int i = 0; i < this->MaxParticles; i++) SetParticle(i);
    isEmitting = true;
}

// The draws come in a fixed order, so a seeded run always throws the same spell.
void CParticlesMgr::SetParticle(int Number) {
    if (Number < 0 || Number >= MAX_PARTICLES) return;
    structParticle &p = particles[Number];
    int spread = ArcThrown < 1 ? 1 : ArcThrown;

    int s0 = RandomSign();
    int s1 = RandomSign();
    int s2 = RandomSign();
    p.velX = (float)((rand() % spread) * s0);
    p.velY = (float)((rand() % spread) * s1);
    p.velZ = (float)(0 * s2);

    p.gravX = XGrav;
    p.gravY = YGrav;
    p.gravZ = ZGrav;

    if (XPos == PARTICLE_RANDOM) {
        int s = RandomSign();
        p.posX = (float)((rand() % 20) * s);
    } else {
        p.posX = XPos;
    }
    p.posY = YPos;
    if (ZPos == PARTICLE_RANDOM) {
        int s = RandomSign();
        p.posZ = (float)((rand() % 20) * s) + 10.0f;
    } else {
        p.posZ = ZPos;
    }

    p.colorR = ColorR == PARTICLE_RANDOM ? (float)(rand() % 1000) : ColorR;
    p.colorG = ColorG == PARTICLE_RANDOM ? (float)(rand() % 1000) : ColorG;
    p.colorB = ColorB == PARTICLE_RANDOM ? (float)(rand() % 1000) : ColorB;

    // Never zero, or the particle would live for ever.
    p.fade = (float)((rand() % 40) / 1000.0);
    if (p.fade < 0.001f) p.fade = 0.001f;
    p.life = LifeSpan;
}

// Drawn where it stands, then moved: a restarted particle shows at the origin first.
void CParticlesMgr::DrawParticles() {
    int count = MaxParticles < 0 ? 0 : (MaxParticles > MAX_PARTICLES ? MAX_PARTICLES : MaxParticles);
    unsigned int texture = TextureMgr ? TextureMgr->GetMiscTexture(0) : 0;
    float half = ParticleSize * 0.5f;

    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);

    for (int i = 0; i < count; i++) {
        structParticle &p = particles[i];
        glColor4f(p.colorR / 1000.0f, p.colorG / 1000.0f, p.colorB / 1000.0f, SuddenDeath ? 1.0f : p.life);
        glBindTexture(GL_TEXTURE_2D, texture);
        glBegin(GL_QUADS);
        glTexCoord2f(0, 1);
        glVertex3f(p.posX - half, p.posY - half, p.posZ);
        glTexCoord2f(1, 1);
        glVertex3f(p.posX + half, p.posY - half, p.posZ);
        glTexCoord2f(1, 0);
        glVertex3f(p.posX + half, p.posY + half, p.posZ);
        glTexCoord2f(0, 0);
        glVertex3f(p.posX - half, p.posY + half, p.posZ);
        glEnd();

        // The position takes the speed from before this frame's pull.
        p.posX += p.velX / 1000.0f;
        p.posY += p.velY / 1000.0f;
        p.posZ += p.velZ / 1000.0f;
        p.velX += p.gravX / 1000.0f;
        p.velY += p.gravY / 1000.0f;
        p.velZ += p.gravZ / 1000.0f;
        p.life -= p.fade;

        if (p.life <= 0.0f && isEmitting) SetParticle(i);
    }

    glColor4f(1, 1, 1, 1);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
}

// Only particles started afterwards take the new origin.
void CParticlesMgr::ChangePosX(float MoveBy) { XPos -= MoveBy; }
void CParticlesMgr::ChangePosY(float MoveBy) { YPos -= MoveBy; }
