// The boss, a great carp, and its spells.
#pragma once

enum BossAction { BOSS_IDLE = 0, BOSS_WATERFALL = 101, BOSS_BEAMS = 102 };
enum BossPhase { PHASE_REST = 0, PHASE_SWIM = 1, PHASE_RISE = 2 };
enum SpellType {
    SPELL_NONE = -1,
    SPELL_WATERFALL = 0,
    SPELL_BEAMS_HORIZONTAL = 102,
    SPELL_BEAMS_VERTICAL = 103,
};

struct structBoss {
    float posX, posY, posZ;
    bool isMoving;
    int facing;  // 0 left, 1 right
    float health;
    int action;  // BossAction
    int phase;   // BossPhase
    int frame;   // boss texture slot
    bool isHurt;
};

struct structSpell {
    int type;  // SpellType
    float startTime;
};

extern structBoss stBoss;
extern structSpell stSpell;

class CBossMgr {
  public:
    CBossMgr();
    ~CBossMgr();

    void InitBoss();
    void ProcessRandomness();
    void ProcessAI();
    void ProcessMovement();
    void DrawBoss();
    void ProcessSpells();
    void CastBeams();
    void CastWaterfall();

    float restTime;
    float frameTime;
};

extern CBossMgr *BossMgr;
