// The sound library: one looping music stream and short samples on numbered channels.
#pragma once

typedef void *PlatStream;
typedef void *PlatSample;

enum {
    PLAT_SOUND_LOOP_OFF = 0x0001,
    PLAT_SOUND_LOOP_NORMAL = 0x0002,
    PLAT_SOUND_2D = 0x2000,
    PLAT_SOUND_STEREO = 0x0040,
};

bool PlatSoundInit(int mixRate, int maxChannels, unsigned int flags);
PlatStream PlatStreamOpen(const char *fileName, unsigned int mode, int offset, int length);
int PlatStreamPlay(int channel, PlatStream stream);  // channel -1: any free channel
void PlatStreamClose(PlatStream stream);
bool PlatSetVolume(int channel, int volume);  // 0..255
PlatSample PlatSampleLoad(int index, const char *fileName, unsigned int mode, int offset, int length);
int PlatPlaySound(int channel, PlatSample sample);
bool PlatStopSound(int channel);
