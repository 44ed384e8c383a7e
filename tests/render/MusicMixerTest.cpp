// The music manager over the real SDL2_mixer layer, on SDL's dummy audio driver: looping, restart, failures.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include "audio/Music.h"
#include "platform/Sound.h"

// A mono 16-bit tone of the given length, written as a WAV file.
static bool WriteTone(const char *path, double seconds) {
    const int rate = 22050;
    int frames = (int)(rate * seconds);
    FILE *f = fopen(path, "wb");
    if (!f) return false;
    auto u32 = [f](unsigned int v) {
        unsigned char b[4] = {(unsigned char)v, (unsigned char)(v >> 8), (unsigned char)(v >> 16),
                              (unsigned char)(v >> 24)};
        fwrite(b, 1, 4, f);
    };
    auto u16 = [f](unsigned int v) {
        unsigned char b[2] = {(unsigned char)v, (unsigned char)(v >> 8)};
        fwrite(b, 1, 2, f);
    };
    fwrite("RIFF", 1, 4, f);
    u32(36 + frames * 2);
    fwrite("WAVEfmt ", 1, 8, f);
    u32(16);
    u16(1);
    u16(1);
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    fwrite("data", 1, 4, f);
    u32(frames * 2);
    for (int i = 0; i < frames; i++)
        u16((unsigned int)(short)(8000 * sin(i * 2 * M_PI * 440 / rate)) & 0xFFFF);
    return fclose(f) == 0;
}

static void WriteBytes(const char *path, const char *bytes) {
    FILE *f = fopen(path, "wb");
    ASSERT_NE(nullptr, f);
    fputs(bytes, f);
    fclose(f);
}

static bool CopyFile(const char *from, const char *to) {
    FILE *in = fopen(from, "rb");
    if (!in) return false;
    FILE *out = fopen(to, "wb");
    bool ok = out != nullptr;
    char buf[4096];
    size_t n;
    while (ok && (n = fread(buf, 1, sizeof(buf), in)) > 0) ok = fwrite(buf, 1, n, out) == n;
    fclose(in);
    if (out && fclose(out) != 0) ok = false;
    return ok;
}

class MusicMixerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        PlatSoundClose();
        const char *driver = getenv("SDL_AUDIODRIVER");
        snprintf(savedDriver, sizeof(savedDriver), "%s", driver ? driver : "");
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_NE(nullptr, getcwd(savedCwd, sizeof(savedCwd)));
        snprintf(dir, sizeof(dir), "/tmp/hoshimori-music-XXXXXX");
        ASSERT_NE(nullptr, mkdtemp(dir));
        snprintf(bgmDir, sizeof(bgmDir), "%s/Game Data/Music/BGM", dir);
        char path[600];
        snprintf(path, sizeof(path), "%s/Game Data", dir);
        mkdir(path, 0755);
        snprintf(path, sizeof(path), "%s/Game Data/Music", dir);
        mkdir(path, 0755);
        mkdir(bgmDir, 0755);
        snprintf(bgmFile, sizeof(bgmFile), "%s/Christmas.mp3", bgmDir);
        snprintf(tone, sizeof(tone), "%s/tests/render/MusicTone.mp3", savedCwd);
        ASSERT_EQ(0, chdir(dir));  // InitSound opens the music relative to the working directory
    }
    void TearDown() override {
        PlatSoundClose();
        if (savedDriver[0])
            setenv("SDL_AUDIODRIVER", savedDriver, 1);
        else
            unsetenv("SDL_AUDIODRIVER");
        EXPECT_EQ(0, chdir(savedCwd));
        char cmd[700];
        snprintf(cmd, sizeof(cmd), "rm -rf '%s'", dir);
        EXPECT_EQ(0, system(cmd));
    }
    // Polls the music's position until it wraps to the start or the time is up; the highest position seen.
    double WaitForWrap(PlatStream stream, bool *wrapped) {
        double last = -1, highest = -1;
        *wrapped = false;
        for (int i = 0; i < 1000 && !*wrapped; i++) {
            SDL_Delay(10);
            double pos = PlatStreamPosition(stream);
            if (pos > highest) highest = pos;
            if (last > 0.1 && pos < last - 0.1) *wrapped = true;
            last = pos;
        }
        return highest;
    }
    char savedDriver[64];
    char savedCwd[512];
    char dir[64];
    char bgmDir[256];
    char bgmFile[300];
    char tone[600];  // a 1.5 s MP3 tone that stands in for the game's music
    CMusic music;
};

TEST_F(MusicMixerTest, MusicPlaysAt125AndLoopsPastItsEnd) {
    ASSERT_TRUE(CopyFile(tone, bgmFile));
    music.InitSound();
    ASSERT_NE(nullptr, music.streams[0]);
    music.PlayBGM(-1, 0);
    EXPECT_EQ(1, Mix_PlayingMusic());
    EXPECT_EQ(63, Mix_VolumeMusic(-1));  // 125 of 255 on the mixer's 0..128

    bool wrapped;
    double highest = WaitForWrap(music.streams[0], &wrapped);
    EXPECT_TRUE(wrapped);
    EXPECT_GT(highest, 1.0);
    EXPECT_EQ(1, Mix_PlayingMusic());
}

TEST_F(MusicMixerTest, MusicWithoutLoopEndsAfterOnePass) {
    char path[300];
    snprintf(path, sizeof(path), "%s/once.wav", dir);
    ASSERT_TRUE(WriteTone(path, 0.2));
    music.InitSound();
    music.LoadBGM(1, path, false);
    music.PlayBGM(-1, 1);
    EXPECT_EQ(1, Mix_PlayingMusic());
    for (int i = 0; i < 500 && Mix_PlayingMusic(); i++) SDL_Delay(10);
    EXPECT_EQ(0, Mix_PlayingMusic());
}

// Every restart runs InitSound and PlayBGM again: one device, one stream, the music from its start.
TEST_F(MusicMixerTest, RestartPlaysTheMusicFromItsBeginningOnOneDevice) {
    ASSERT_TRUE(CopyFile(tone, bgmFile));
    music.InitSound();
    music.PlayBGM(-1, 0);
    for (int game = 0; game < 3; game++) {
        SCOPED_TRACE(game);
        double pos = 0;
        for (int i = 0; i < 500 && pos < 0.6; i++) {
            SDL_Delay(10);
            pos = PlatStreamPosition(music.streams[0]);
        }
        ASSERT_GE(pos, 0.6);

        music.InitSound();
        music.PlayBGM(-1, 0);
        ASSERT_NE(nullptr, music.streams[0]);
        EXPECT_LT(PlatStreamPosition(music.streams[0]), 0.3);
        EXPECT_EQ(1, Mix_PlayingMusic());
        EXPECT_EQ(63, Mix_VolumeMusic(-1));
        int frequency = 0, channels = 0;
        Uint16 format = 0;
        EXPECT_EQ(1, Mix_QuerySpec(&frequency, &format, &channels));  // opened once, not stacked
        EXPECT_EQ(44100, frequency);
        EXPECT_EQ(32, Mix_AllocateChannels(-1));
    }
    // Many more games in a row: the old streams are let go, so the music still opens and plays.
    for (int game = 0; game < 40; game++) {
        music.InitSound();
        music.PlayBGM(-1, 0);
    }
    ASSERT_NE(nullptr, music.streams[0]);
    EXPECT_EQ(1, Mix_PlayingMusic());
    EXPECT_EQ(1, Mix_QuerySpec(nullptr, nullptr, nullptr));
}

TEST_F(MusicMixerTest, MissingOrUndecodableMusicLeavesARunningSilentLayer) {
    for (bool garbage : {false, true}) {
        SCOPED_TRACE(garbage ? "undecodable file" : "missing file");
        if (garbage) WriteBytes(bgmFile, "this is not music\n");
        CMusic m;
        m.InitSound();
        EXPECT_EQ(nullptr, m.streams[0]);
        m.PlayBGM(-1, 0);
        m.ShutdownSound();
        EXPECT_EQ(0, Mix_PlayingMusic());
        EXPECT_EQ(1, Mix_QuerySpec(nullptr, nullptr, nullptr));
        // Samples still play.
        char path[300];
        snprintf(path, sizeof(path), "%s/hit.wav", dir);
        ASSERT_TRUE(WriteTone(path, 1.0));
        m.LoadSFX(0, path);
        ASSERT_NE(nullptr, m.samples[0]);
        m.PlaySFX(3, 0);
        EXPECT_EQ(1, Mix_Playing(3));
        m.StopSound(3);
    }
}

// No device: nothing opens, nothing plays, nothing is shown, and a later start with a device works.
TEST_F(MusicMixerTest, MissingDeviceLeavesASilentGameUntilADeviceIsThere) {
    ASSERT_TRUE(CopyFile(tone, bgmFile));
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    music.InitSound();
    EXPECT_EQ(nullptr, music.streams[0]);
    music.PlayBGM(-1, 0);
    music.LoadSFX(0, tone);
    music.PlaySFX(-1, 0);
    music.ShutdownSound();
    EXPECT_EQ(nullptr, music.samples[0]);
    EXPECT_EQ(0u, SDL_WasInit(SDL_INIT_AUDIO));

    setenv("SDL_AUDIODRIVER", "dummy", 1);
    music.InitSound();
    music.PlayBGM(-1, 0);
    ASSERT_NE(nullptr, music.streams[0]);
    EXPECT_EQ(1, Mix_PlayingMusic());
}

TEST_F(MusicMixerTest, ShutdownBeforeInitSoundTouchesNoDevice) {
    music.ShutdownSound();
    music.StopSound(-1);
    EXPECT_EQ(0u, SDL_WasInit(SDL_INIT_AUDIO));
    EXPECT_EQ(0, Mix_QuerySpec(nullptr, nullptr, nullptr));
}

TEST_F(MusicMixerTest, ShutdownStopsTheMusicOnly) {
    ASSERT_TRUE(CopyFile(tone, bgmFile));
    char hit[300];
    snprintf(hit, sizeof(hit), "%s/hit.wav", dir);
    ASSERT_TRUE(WriteTone(hit, 2.0));
    music.InitSound();
    music.PlayBGM(-1, 0);
    music.LoadSFX(0, hit);
    music.PlaySFX(2, 0);
    music.ShutdownSound();
    EXPECT_EQ(0, Mix_PlayingMusic());
    EXPECT_EQ(1, Mix_Playing(2));
}

// Channel 0 is the music; samples go on channels 1 and up, each with the volume stored when it starts.
TEST_F(MusicMixerTest, SamplesPlayOnTheirChannelsWithTheStoredVolume) {
    ASSERT_TRUE(CopyFile(tone, bgmFile));
    char hit[300];
    snprintf(hit, sizeof(hit), "%s/hit.wav", dir);
    ASSERT_TRUE(WriteTone(hit, 2.0));
    music.InitSound();
    music.PlayBGM(-1, 0);
    music.LoadSFX(1, hit);
    ASSERT_NE(nullptr, music.samples[1]);

    music.SetSFXVolume(255);
    EXPECT_EQ(63, Mix_VolumeMusic(-1));
    music.PlaySFX(-1, 1);
    int busy = -1;
    for (int ch = 0; ch < 32; ch++)
        if (Mix_Playing(ch)) busy = ch;
    EXPECT_GE(busy, 1);
    EXPECT_EQ(128, Mix_Volume(busy, -1));
    EXPECT_EQ(63, Mix_VolumeMusic(-1));  // the music keeps its own volume

    music.SetSFXVolume(0);
    EXPECT_EQ(128, Mix_Volume(busy, -1));  // stored only
    music.PlaySFX(5, 1);
    EXPECT_EQ(1, Mix_Playing(5));
    EXPECT_EQ(0, Mix_Volume(5, -1));

    music.StopSound(5);
    EXPECT_EQ(0, Mix_Playing(5));
    EXPECT_EQ(1, Mix_PlayingMusic());

    // Loading over the slot lets the old sample go: what it played stops.
    music.LoadSFX(1, hit);
    EXPECT_EQ(0, Mix_Playing(busy));
}
