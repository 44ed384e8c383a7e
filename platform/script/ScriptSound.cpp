// Scripted sound library: no device; records nothing beyond what the tests ask.
#include "platform/Sound.h"
#include "platform/script/Script.h"

bool PlatSoundInit(int, int, unsigned int) { return Script.failStep != SCRIPT_FAIL_SOUND; }
PlatStream PlatStreamOpen(const char *, unsigned int, int, int) { return nullptr; }
int PlatStreamPlay(int, PlatStream) { return -1; }
void PlatStreamClose(PlatStream) {}
bool PlatSetVolume(int, int) { return true; }
PlatSample PlatSampleLoad(int, const char *, unsigned int, int, int) { return nullptr; }
int PlatPlaySound(int, PlatSample) { return -1; }
bool PlatStopSound(int) { return true; }
