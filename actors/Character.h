// The hero's record and its manager.
#pragma once

enum HeroState {
    HERO_STILL = 0,
    HERO_ATTACK = 1,
    HERO_CROUCH = 7,
    HERO_WALK = 33,
    HERO_STOP = 39,
    HERO_TURN = 45,
    HERO_LAND = 47,
    HERO_STAND_UP = -2,
    HERO_JUMP = -3,
    HERO_FALL = -4,
    HERO_JUMP_FORWARD = -5,
};

struct structCharacter {
    float health;
    float posX, posY, posZ;  // centre of the quad; feet at posY - 1.6
    int frame;               // character texture slot
    int state;               // HeroState
    int facing;              // 0 left, 1 right
    bool jumpAttacking;
    bool isHurt;
};

extern structCharacter stCharacter;

class CCharacterMgr {
  public:
    CCharacterMgr();
    ~CCharacterMgr();

    void InitCharacter();
    void ProcessInputs();
    bool CheckFloorColl();
    void AnimateCharacter();
    void JumpAttack();
    void DrawCharacter();
    void TestHurt();

    bool onFloor;
    bool isDead;
    bool hasWon;
    float frameTime;
    float jumpTime;
    bool attackLatch;
    bool jumpLatch;
};

extern CCharacterMgr *CharacterMgr;
