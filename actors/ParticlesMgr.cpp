// Particle emitters.
#include "actors/ParticlesMgr.h"

CParticlesMgr *ParticlesSpiters[SPELL_EMITTERS];
CParticlesMgr *ParticlesMgr;

CParticlesMgr::CParticlesMgr() : isDrawn(false), isEmitting(false) {}
CParticlesMgr::~CParticlesMgr() {}
void CParticlesMgr::InitParticles(float, float, float, float, float, float, float, float, int, int, bool, float, float, float) {}
void CParticlesMgr::SetParticle(int) {}
void CParticlesMgr::DrawParticles() {}
void CParticlesMgr::ChangePosX(float) {}
void CParticlesMgr::ChangePosY(float) {}
