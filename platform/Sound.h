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

// Channels: 0 is the music stream; 1 up to maxChannels - 1 play samples. A play asked on channel -1
// takes any free channel (a stream always takes 0); a volume or stop request for -1 then goes to the
// channel that the latest such play took. Every call before a successful PlatSoundInit does nothing.
bool PlatSoundInit(int mixRate, int maxChannels, unsigned int flags);
PlatStream PlatStreamOpen(const char *fileName, unsigned int mode, int offset, int length);
int PlatStreamPlay(int channel, PlatStream stream);  // channel -1: any free channel
void PlatStreamClose(PlatStream stream);
bool PlatSetVolume(int channel, int volume);  // 0..255
PlatSample PlatSampleLoad(int index, const char *fileName, unsigned int mode, int offset, int length);
int PlatPlaySound(int channel, PlatSample sample);
bool PlatStopSound(int channel);
void PlatSampleFree(PlatSample sample);      // stops it wherever it plays
double PlatStreamPosition(PlatStream stream);  // seconds into the stream, -1 when unknown
void PlatSoundClose();                         // back to before PlatSoundInit; handles become invalid
