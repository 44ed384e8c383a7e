// Particle emitters: fixed stores of additive squares thrown from an origin.
#pragma once

const int MAX_PARTICLES = 10000;
const int SPELL_EMITTERS = 8;  // 0..5 the waterfall, 6 and 7 the beams
const float PARTICLE_RANDOM = 9999.0f;  // origin or colour drawn at random

struct structParticle {
    float posX, posY, posZ;
    float velX, velY, velZ;     // thousandths per frame
    float gravX, gravY, gravZ;  // thousandths per frame per frame
    float colorR, colorG, colorB;  // thousandths
    float fade;
    float life;
};

class CParticlesMgr {
  public:
    CParticlesMgr();
    ~CParticlesMgr();

    void InitParticles(float XPos, float YPos, float ZPos, float XGrav, float YGrav, float ZGrav,
                       float LifeSpan, float ParticleSize, int ArcThrown, int MaxParticles,
                       bool SuddenDeath, float ColorR, float ColorG, float ColorB);
    void SetParticle(int Number);
    void DrawParticles();
    void ChangePosX(float MoveBy);
    void ChangePosY(float MoveBy);

    bool isDrawn;
    bool isEmitting;
    structParticle particles[MAX_PARTICLES];
    float XGrav, YGrav, ZGrav;
    float XPos, YPos, ZPos;
    float ColorR, ColorG, ColorB;
    float LifeSpan;
    float ParticleSize;
    int MaxParticles;
    bool SuddenDeath;
    int ArcThrown;
};

extern CParticlesMgr *ParticlesSpiters[SPELL_EMITTERS];
extern CParticlesMgr *ParticlesMgr;
