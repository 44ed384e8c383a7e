// The hero: keys, floor test and animation.
#include "actors/Character.h"

#include "app/Main.h"
#include "input/InputSystem.h"
#include "world/Map.h"

structCharacter stCharacter;
CCharacterMgr *CharacterMgr;

namespace {

const float HERO_STEP = 0.15f;        // world units per frame, every direction
const float HERO_LEFT_BOUND = 19.0f;  // the hero never walks past these
const float HERO_RIGHT_BOUND = 53.0f;
const float HERO_CEILING = 23.5f;
const float HERO_FEET = 1.6f;       // feet line below the quad's centre
const float JUMP_RISE_TIME = 0.5f;  // longest rise of one jump, seconds
const float FRAME_INTERVAL = 0.1f;  // one animation tick, seconds

bool KeyHeld(int code) { return Input && Input->KeyDown((char)code); }

// A step that would cross a bound is refused whole: the hero is never clamped.
void StepLeft() {
    if (stCharacter.posX - HERO_STEP > HERO_LEFT_BOUND) stCharacter.posX -= HERO_STEP;
}
void StepRight() {
    if (stCharacter.posX + HERO_STEP < HERO_RIGHT_BOUND) stCharacter.posX += HERO_STEP;
}
void StepUp() {
    if (stCharacter.posY + HERO_STEP < HERO_CEILING) stCharacter.posY += HERO_STEP;
}
void StepForward() {
    if (stCharacter.facing == 0)
        StepLeft();
    else
        StepRight();
}

bool IsAirborne(int state) { return state == HERO_JUMP || state == HERO_FALL || state == HERO_JUMP_FORWARD; }

bool IsRising(int state) { return state == HERO_JUMP || state == HERO_JUMP_FORWARD; }

// True once per animation interval; every state and the jump attack share the one clock.
bool AnimationTick(float &frameTime) {
    float now = ClockSeconds();
    if (now - frameTime > FRAME_INTERVAL) {
        frameTime = now;
        return true;
    }
    return false;
}

}  // namespace

CCharacterMgr::CCharacterMgr() : attackLatch(false) {}
CCharacterMgr::~CCharacterMgr() {}

void CCharacterMgr::InitCharacter() {
    stCharacter.health = 100.0f;
    stCharacter.posX = 20.0f;
    stCharacter.posY = 0.0f;
    stCharacter.posZ = 0.0f;
    stCharacter.frame = 0;
    stCharacter.state = HERO_STILL;
    stCharacter.facing = 1;
    stCharacter.jumpAttacking = false;
    stCharacter.isHurt = false;
    isDead = false;
    hasWon = false;
    frameTime = 0.0f;
    // A Space still held from the menus must be released before the first jump.
    jumpLatch = true;
}

void CCharacterMgr::ProcessInputs() {
    float now = ClockSeconds();
    bool space = KeyHeld(DIK_SPACE);
    bool shift = KeyHeld(DIK_LSHIFT) || KeyHeld(DIK_RSHIFT);
    bool left = KeyHeld(DIK_LEFT);
    bool right = KeyHeld(DIK_RIGHT);
    structCharacter &hero = stCharacter;

    // Jump: rises while Space stays held, for at most the rise time.
    if (space && !jumpLatch) {
        if (!IsRising(hero.state)) jumpTime = now;
        if (now - jumpTime > JUMP_RISE_TIME) {
            hero.state = HERO_FALL;
            if (!hero.jumpAttacking) hero.frame = 29;
        }
        if (!hero.jumpAttacking && hero.state != HERO_FALL) {
            if (left || right) {
                hero.facing = left ? 0 : 1;
                hero.state = HERO_JUMP_FORWARD;
                hero.frame = 32;
            } else {
                hero.state = HERO_JUMP;
                hero.frame = 28;
            }
        }
    } else if (IsRising(hero.state)) {
        hero.state = HERO_FALL;
        if (!hero.jumpAttacking) hero.frame = 29;
    }

    if (shift && !attackLatch) {
        if (IsAirborne(hero.state)) {
            if (!hero.jumpAttacking) {
                hero.jumpAttacking = true;
                hero.frame = 22;
            }
        } else if (hero.state != HERO_ATTACK) {
            hero.state = HERO_ATTACK;
            hero.frame = 1;
        }
    } else if (KeyHeld(DIK_DOWN)) {
        // While crouching the arrows do nothing, whatever the state.
        if (hero.state == HERO_STILL || hero.state == HERO_WALK || hero.state == HERO_STOP) {
            hero.state = HERO_CROUCH;
            hero.frame = 7;
        }
    } else if (left != right) {
        int toward = left ? 0 : 1;
        if (hero.state == HERO_FALL) {
            // Steering in the air turns the hero at once, with no turn animation.
            hero.facing = toward;
            if (left)
                StepLeft();
            else
                StepRight();
        } else if (hero.state == HERO_ATTACK || hero.state == HERO_JUMP_FORWARD) {
            // An attack plays out; a forward jump keeps its own facing.
        } else if (hero.facing != toward) {
            if (hero.state != HERO_TURN) {
                hero.state = HERO_TURN;
                hero.frame = 45;
            }
        } else if (hero.state != HERO_WALK) {
            hero.facing = toward;
            hero.state = HERO_WALK;
            hero.frame = 33;
        }
    } else {
        // Neither arrow, or both: a crouch rises, a walk comes to a stop.
        if (hero.state == HERO_CROUCH) {
            hero.state = HERO_STAND_UP;
            hero.frame = 10;
        } else if (hero.state == HERO_WALK) {
            hero.state = HERO_STOP;
            hero.frame = 39;
        }
    }

    if (!space) jumpLatch = false;
    attackLatch = shift;
}

bool CCharacterMgr::CheckFloorColl() {
    float x = stCharacter.posX;
    float feet = stCharacter.posY - HERO_FEET;
    // Truncation toward zero puts (-1, 0) in the first cell; anything further out, or not a
    // number, is off the grid and has no floor (and would not convert to an int safely).
    if (!(x > -1.0f && x < (float)MAP_COLUMNS) || !(feet > -1.0f && feet < (float)MAP_ROWS)) return false;
    const structMap *cell = MapCell((int)x, (int)feet);
    return cell && cell->collision == 1;
}

void CCharacterMgr::AnimateCharacter() {
    structCharacter &hero = stCharacter;
    // Back to standing; the next jump needs a fresh press of Space.
    auto toStill = [&]() {
        hero.state = HERO_STILL;
        hero.frame = 0;
        jumpLatch = true;
    };

    switch (hero.state) {
        case HERO_JUMP_FORWARD:
            if (hero.jumpAttacking)
                JumpAttack();
            else
                hero.frame = 32;
            StepUp();
            StepForward();
            break;
        case HERO_FALL:
            if (hero.jumpAttacking)
                JumpAttack();
            else if (AnimationTick(frameTime) && hero.frame < 31)
                hero.frame++;
            if (onFloor) {
                hero.state = HERO_LAND;
                hero.frame = 47;
            } else {
                hero.posY -= HERO_STEP;
            }
            break;
        case HERO_JUMP:
            if (hero.jumpAttacking)
                JumpAttack();
            else
                hero.frame = 28;
            StepUp();
            break;
        case HERO_STAND_UP:
            if (AnimationTick(frameTime)) {
                if (hero.frame < 11)
                    hero.frame++;
                else
                    toStill();
            }
            break;
        case HERO_STILL:
            hero.frame = 0;
            hero.jumpAttacking = false;
            break;
        case HERO_ATTACK:
            if (AnimationTick(frameTime)) {
                if (hero.frame < 6)
                    hero.frame++;
                else
                    toStill();
            }
            break;
        case HERO_CROUCH:
            if (AnimationTick(frameTime) && hero.frame < 10) hero.frame++;
            break;
        case HERO_WALK:
            // Walking off a ledge: the fall begins, and this step moves nothing.
            if (!onFloor) {
                hero.state = HERO_FALL;
                hero.frame = 29;
                break;
            }
            hero.jumpAttacking = false;
            if (AnimationTick(frameTime)) {
                if (hero.frame < 38)
                    hero.frame++;
                else
                    hero.frame = 33;
            }
            StepForward();
            break;
        case HERO_STOP:
            if (AnimationTick(frameTime)) {
                if (hero.frame < 44)
                    hero.frame++;
                else
                    toStill();
            }
            break;
        case HERO_TURN:
            if (AnimationTick(frameTime)) {
                if (hero.frame < 46) {
                    hero.frame++;
                } else {
                    toStill();
                    hero.facing = 1 - hero.facing;
                }
            }
            // The turn drifts away from the facing; read after the flip, so the completing
            // step moves back toward the side the hero turned away from.
            if (hero.facing == 0)
                StepRight();
            else
                StepLeft();
            break;
        case HERO_LAND:
            if (AnimationTick(frameTime)) {
                if (hero.frame < 49)
                    hero.frame++;
                else
                    toStill();
            }
            break;
        default:
            break;
    }
}

void CCharacterMgr::JumpAttack() {
    if (!AnimationTick(frameTime)) return;
    if (stCharacter.frame < 27)
        stCharacter.frame++;
    else
        stCharacter.jumpAttacking = false;
}
