// Music and sound effects: the background music in stream slot 0, sample slots for effects.
#include "audio/Music.h"

CMusic *Music;

static const char *const BGM_FILE = ".//Game Data//Music//BGM//Christmas.mp3";

// A slot outside the five is no slot: nothing is read or written there.
static bool ValidSlot(int slot) { return slot >= 0 && slot < SOUND_SLOTS; }

CMusic::CMusic() : samples{}, streams{}, sfxVolume(0), bgmVolume(0) {}

// The library owns what is still open at exit and lets it go with the process.
CMusic::~CMusic() {}

// Runs at start and again on every restart; a library that cannot start leaves the game silent.
void CMusic::InitSound() {
    PlatSoundInit(44100, 32, 0);
    bgmVolume = 125;
    sfxVolume = 125;
    InitFiles();
}

void CMusic::InitFiles() { LoadBGM(0, BGM_FILE, true); }

void CMusic::LoadBGM(int slot, const char *fileName, bool loop) {
    if (!ValidSlot(slot)) return;
    // A restart opens the music again: stop and free the old stream so nothing piles up.
    if (streams[slot]) PlatStreamClose(streams[slot]);
    streams[slot] =
        PlatStreamOpen(fileName, PLAT_SOUND_2D | (loop ? PLAT_SOUND_LOOP_NORMAL : PLAT_SOUND_LOOP_OFF), 0, 0);
}

void CMusic::PlayBGM(int channel, int slot) {
    if (!ValidSlot(slot) || !streams[slot]) return;  // a missing music file plays nothing
    PlatStreamPlay(channel, streams[slot]);
    SetBGMVolume(channel, bgmVolume);
}

void CMusic::SetBGMVolume(int channel, int volume) {
    bgmVolume = volume;
    PlatSetVolume(channel, bgmVolume);
}

// Only the music's channel; before InitSound the library ignores it.
void CMusic::ShutdownSound() { PlatStopSound(0); }

void CMusic::LoadSFX(int slot, const char *fileName) {
    if (!ValidSlot(slot)) return;
    if (samples[slot]) PlatSampleFree(samples[slot]);
    samples[slot] = PlatSampleLoad(-1, fileName, PLAT_SOUND_STEREO | PLAT_SOUND_LOOP_OFF, 0, 0);
}

void CMusic::PlaySFX(int channel, int slot) {
    if (!ValidSlot(slot)) return;
    // The volume goes to the channel the sample got, so a failed play never turns another sound up or down.
    int played = PlatPlaySound(channel, samples[slot]);
    if (played >= 0) PlatSetVolume(played, sfxVolume);
}

// Takes effect with the next PlaySFX.
void CMusic::SetSFXVolume(int volume) { sfxVolume = volume; }

void CMusic::StopSound(int channel) { PlatStopSound(channel); }
