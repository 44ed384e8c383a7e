// Music and sound effects.
#include "audio/Music.h"

CMusic *Music;

CMusic::CMusic() : samples{}, streams{}, sfxVolume(0), bgmVolume(0) {}
CMusic::~CMusic() {}
void CMusic::InitSound() {}
void CMusic::InitFiles() {}
void CMusic::LoadBGM(int, const char *, bool) {}
void CMusic::PlayBGM(int, int) {}
void CMusic::SetBGMVolume(int, int) {}
void CMusic::ShutdownSound() {}
void CMusic::LoadSFX(int, const char *) {}
void CMusic::PlaySFX(int, int) {}
void CMusic::SetSFXVolume(int) {}
void CMusic::StopSound(int) {}
