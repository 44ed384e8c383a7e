// The boss and its spells.
#include "actors/Boss.h"

structBoss stBoss;
structSpell stSpell;
CBossMgr *BossMgr;

CBossMgr::CBossMgr() {}
CBossMgr::~CBossMgr() {}
void CBossMgr::InitBoss() {}
void CBossMgr::ProcessRandomness() {}
void CBossMgr::ProcessAI() {}
void CBossMgr::ProcessMovement() {}
void CBossMgr::DrawBoss() {}
void CBossMgr::ProcessSpells() {}
void CBossMgr::CastBeams() {}
void CBossMgr::CastWaterfall() {}
