// Music and sound effects over the sound library.
#pragma once
#include "platform/Sound.h"

const int SOUND_SLOTS = 5;

class CMusic {
  public:
    CMusic();
    ~CMusic();

    void InitSound();
    void InitFiles();
    void LoadBGM(int slot, const char *fileName, bool loop);
    void PlayBGM(int channel, int slot);
    void SetBGMVolume(int channel, int volume);
    void ShutdownSound();
    void LoadSFX(int slot, const char *fileName);
    void PlaySFX(int channel, int slot);
    void SetSFXVolume(int volume);
    void StopSound(int channel);

    PlatSample samples[SOUND_SLOTS];
    PlatStream streams[SOUND_SLOTS];
    int sfxVolume;  // 0..255
    int bgmVolume;  // 0..255
};

extern CMusic *Music;
