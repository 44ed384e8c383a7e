// The monster list: five records that take no part in play.
#pragma once

const int MONSTERS = 5;

struct structMonster {
    int health;
    float posX, posY;
};

extern structMonster stMonster[MONSTERS];

class CMonstersMgr {
  public:
    void InitMonsters();
    void DrawMonsters();
};

extern CMonstersMgr *MonstersMgr;

// Weapons: created and set up with the others, no behaviour.
class CWeaponsMgr {
  public:
    void InitWeapons() {}
};

extern CWeaponsMgr *WeaponsMgr;
