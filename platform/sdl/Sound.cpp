// The sound library on SDL2_mixer: the music stream on channel 0, samples on mixer channels 1 and up.
#include "platform/Sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

// The mixer's channel 0 is kept out of "any free channel" so that the numbers the game uses and the
// mixer's agree: channel 0 means the music, never a sample.
const int MUSIC_CHANNEL = 0;
const int MAX_STREAMS = 16;  // open music streams; the game keeps one
const int MAX_SAMPLES = 16;

struct SdlStream {
    Mix_Music *music;  // null: the record is free
    bool loop;
};

struct SdlSample {
    Mix_Chunk *chunk;  // null: the record is free
};

static bool audioUp;              // our reference on SDL's audio subsystem is held
static bool mixerOpen;            // Mix_OpenAudio succeeded; opened once, however many restarts
static int channelCount;          // mixer channels allocated, the music's included
static int lastFreeChannel = -1;  // where the latest play on channel -1 went
static SdlStream *playingStream;
static SdlStream streams[MAX_STREAMS];
static SdlSample samples[MAX_SAMPLES];

// 0..255 to the mixer's 0..128, rounded.
static int MixerVolume(int volume) {
    if (volume < 0) volume = 0;
    if (volume > 255) volume = 255;
    return (volume * MIX_MAX_VOLUME + 127) / 255;
}

static SdlStream *FindStream(PlatStream stream) {
    for (int i = 0; i < MAX_STREAMS; i++)
        if (stream == &streams[i] && streams[i].music) return &streams[i];
    return nullptr;
}

static SdlSample *FindSample(PlatSample sample) {
    for (int i = 0; i < MAX_SAMPLES; i++)
        if (sample == &samples[i] && samples[i].chunk) return &samples[i];
    return nullptr;
}

// -1 names the channel of the latest play on any free channel; anything else outside the mixer is no channel.
static int ResolveChannel(int channel) {
    if (channel == -1) return lastFreeChannel;
    if (channel < 0 || channel >= channelCount) return -1;
    return channel;
}

bool PlatSoundInit(int mixRate, int maxChannels, unsigned int) {
    if (mixerOpen) return true;  // a restart reuses the open device instead of stacking a second one
    if (maxChannels < 2) maxChannels = 2;  // the music and at least one sample channel
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    audioUp = true;
    Mix_Init(MIX_INIT_MP3);
    if (Mix_OpenAudio(mixRate, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
        // No device: the game goes on silently and a later set-up may try again.
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        audioUp = false;
        return false;
    }
    mixerOpen = true;
    channelCount = Mix_AllocateChannels(maxChannels);
    Mix_ReserveChannels(1);
    lastFreeChannel = -1;
    return true;
}

PlatStream PlatStreamOpen(const char *fileName, unsigned int mode, int, int) {
    if (!mixerOpen || !fileName) return nullptr;
    SdlStream *slot = nullptr;
    for (int i = 0; i < MAX_STREAMS && !slot; i++)
        if (!streams[i].music) slot = &streams[i];
    if (!slot) return nullptr;
    Mix_Music *music = Mix_LoadMUS(fileName);  // null for a missing or undecodable file
    if (!music) return nullptr;
    slot->music = music;
    slot->loop = (mode & PLAT_SOUND_LOOP_NORMAL) != 0;
    return slot;
}

int PlatStreamPlay(int, PlatStream stream) {
    SdlStream *s = FindStream(stream);
    if (!mixerOpen || !s) return -1;
    // The mixer has one music stream: whatever channel was asked, it plays on channel 0, from its start.
    if (Mix_PlayMusic(s->music, s->loop ? -1 : 1) != 0) return -1;
    playingStream = s;
    lastFreeChannel = MUSIC_CHANNEL;
    return MUSIC_CHANNEL;
}

void PlatStreamClose(PlatStream stream) {
    SdlStream *s = FindStream(stream);
    if (!s) return;
    if (playingStream == s) {
        Mix_HaltMusic();
        playingStream = nullptr;
    }
    Mix_FreeMusic(s->music);
    s->music = nullptr;
}

bool PlatSetVolume(int channel, int volume) {
    if (!mixerOpen) return false;
    channel = ResolveChannel(channel);
    if (channel < 0) return false;
    if (channel == MUSIC_CHANNEL)
        Mix_VolumeMusic(MixerVolume(volume));
    else
        Mix_Volume(channel, MixerVolume(volume));
    return true;
}

PlatSample PlatSampleLoad(int, const char *fileName, unsigned int, int, int) {
    if (!mixerOpen || !fileName) return nullptr;
    SdlSample *slot = nullptr;
    for (int i = 0; i < MAX_SAMPLES && !slot; i++)
        if (!samples[i].chunk) slot = &samples[i];
    if (!slot) return nullptr;
    slot->chunk = Mix_LoadWAV(fileName);
    return slot->chunk ? slot : nullptr;
}

int PlatPlaySound(int channel, PlatSample sample) {
    SdlSample *s = FindSample(sample);
    if (!mixerOpen || !s) return -1;
    if (channel != -1 && (channel <= MUSIC_CHANNEL || channel >= channelCount)) return -1;
    int played = Mix_PlayChannel(channel, s->chunk, 0);
    if (played < 0) return -1;
    if (channel == -1) lastFreeChannel = played;
    return played;
}

bool PlatStopSound(int channel) {
    if (!mixerOpen) return false;
    channel = ResolveChannel(channel);
    if (channel < 0) return false;
    if (channel == MUSIC_CHANNEL)
        Mix_HaltMusic();
    else
        Mix_HaltChannel(channel);
    return true;
}

void PlatSampleFree(PlatSample sample) {
    SdlSample *s = FindSample(sample);
    if (!s) return;
    Mix_FreeChunk(s->chunk);  // halts the channels that play it
    s->chunk = nullptr;
}

double PlatStreamPosition(PlatStream stream) {
    SdlStream *s = FindStream(stream);
    if (!mixerOpen || !s) return -1.0;
    return Mix_GetMusicPosition(s->music);
}

void PlatSoundClose() {
    if (mixerOpen) {
        Mix_HaltMusic();
        Mix_HaltChannel(-1);
        for (int i = 0; i < MAX_STREAMS; i++) PlatStreamClose(&streams[i]);
        for (int i = 0; i < MAX_SAMPLES; i++) PlatSampleFree(&samples[i]);
        Mix_CloseAudio();
        Mix_Quit();
        mixerOpen = false;
    }
    if (audioUp) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        audioUp = false;
    }
    playingStream = nullptr;
    channelCount = 0;
    lastFreeChannel = -1;
}
