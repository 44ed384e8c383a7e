// Shared set-up for the boss, spell, particle and damage tests.
#pragma once
#include "actors/Boss.h"
#include "actors/Character.h"
#include "actors/ParticlesMgr.h"
#include "platform/script/Script.h"

// The application object normally makes these; tests that run before it does make their own.
inline void EnsureActors() {
    for (int i = 0; i < SPELL_EMITTERS; i++)
        if (!ParticlesSpiters[i]) ParticlesSpiters[i] = new CParticlesMgr;
    if (!BossMgr) BossMgr = new CBossMgr;
    if (!CharacterMgr) CharacterMgr = new CCharacterMgr;
}

// A fresh emitter state for every test, which the application never gives.
inline void ResetEmitters() {
    for (int i = 0; i < SPELL_EMITTERS; i++) {
        ParticlesSpiters[i]->isDrawn = false;
        ParticlesSpiters[i]->isEmitting = false;
    }
}

// The clock stands still unless the test moves it.
inline void SetClockMs(unsigned int ms) {
    Script.tick = ms;
    Script.tickStep = 0;
}
