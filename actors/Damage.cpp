// Damage, death and victory.
#include "actors/Character.h"

void CCharacterMgr::TestHurt() {}
