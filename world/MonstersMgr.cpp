// The monster list and the weapons manager.
#include "world/MonstersMgr.h"

structMonster stMonster[MONSTERS];
CMonstersMgr *MonstersMgr;
CWeaponsMgr *WeaponsMgr;

void CMonstersMgr::InitMonsters() {
    for (int i = 0; i < MONSTERS; i++) stMonster[i].health = 100;
}

void CMonstersMgr::DrawMonsters() {}
