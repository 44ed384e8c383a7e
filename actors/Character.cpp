// The hero: keys, floor test and animation.
#include "actors/Character.h"

structCharacter stCharacter;
CCharacterMgr *CharacterMgr;

CCharacterMgr::CCharacterMgr() : attackLatch(false) {}
CCharacterMgr::~CCharacterMgr() {}
void CCharacterMgr::InitCharacter() {}
void CCharacterMgr::ProcessInputs() {}
bool CCharacterMgr::CheckFloorColl() { return false; }
void CCharacterMgr::AnimateCharacter() {}
void CCharacterMgr::JumpAttack() {}
void CCharacterMgr::DrawCharacter() {}
