// The music manager over the scripted sound library: what reaches the library, and a silent game on failure.
#include <gtest/gtest.h>
#include <string.h>

#include "audio/Music.h"
#include "platform/script/Script.h"
#include "platform/script/ScriptSound.h"

static const char *const BGM = ".//Game Data//Music//BGM//Christmas.mp3";

class MusicTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ScriptReset();
        ScriptSoundReset();
    }
    // The game's start: InitSound in InitGL, then the music started with the intro.
    void StartGame() {
        music.InitSound();
        music.PlayBGM(-1, 0);
    }
    CMusic music;
};

TEST_F(MusicTest, ConstructionTouchesNoLibrary) {
    for (int i = 0; i < SOUND_SLOTS; i++) {
        EXPECT_EQ(nullptr, music.samples[i]);
        EXPECT_EQ(nullptr, music.streams[i]);
    }
    EXPECT_EQ(0, ScriptSound.initCalls);
}

TEST_F(MusicTest, StartOpensTheLoopingMusicAndPlaysItAt125) {
    StartGame();
    EXPECT_EQ(1, ScriptSound.initCalls);
    EXPECT_EQ(44100, ScriptSound.initRate);
    EXPECT_EQ(32, ScriptSound.initChannels);
    EXPECT_EQ(0u, ScriptSound.initFlags);
    EXPECT_STREQ(BGM, ScriptSound.openedFile);
    EXPECT_EQ(0x2002u, ScriptSound.openedMode);
    EXPECT_EQ(0, ScriptSound.openedOffset);
    EXPECT_EQ(0, ScriptSound.openedLength);
    ASSERT_NE(nullptr, music.streams[0]);
    EXPECT_EQ(music.streams[0], ScriptSound.playing);
    EXPECT_EQ(-1, ScriptSound.playChannel);
    ASSERT_EQ(1, ScriptSound.volumeCount);
    EXPECT_EQ(-1, ScriptSound.volumes[0].channel);
    EXPECT_EQ(125, ScriptSound.volumes[0].volume);
    EXPECT_EQ(125, music.bgmVolume);
    EXPECT_EQ(125, music.sfxVolume);
}

TEST_F(MusicTest, LoadBGMWithoutLoopUsesItsOwnSlot) {
    music.InitSound();
    PlatStream bgm = music.streams[0];
    music.LoadBGM(2, "x.mp3", false);
    EXPECT_EQ(0x2001u, ScriptSound.openedMode);
    EXPECT_NE(nullptr, music.streams[2]);
    EXPECT_EQ(bgm, music.streams[0]);
    EXPECT_EQ(2, ScriptSound.streamsOpen);
}

TEST_F(MusicTest, PlayBGMOnAnEmptySlotDoesNothing) {
    music.InitSound();
    for (int slot : {1, 4}) music.PlayBGM(-1, slot);
    EXPECT_EQ(0, ScriptSound.streamPlays);
    EXPECT_EQ(0, ScriptSound.volumeCount);
    EXPECT_EQ(nullptr, ScriptSound.playing);
}

TEST_F(MusicTest, SetBGMVolumeStoresAndSends) {
    StartGame();
    music.SetBGMVolume(0, 200);
    EXPECT_EQ(200, music.bgmVolume);
    const ScriptVolume *v = ScriptLastVolume();
    ASSERT_NE(nullptr, v);
    EXPECT_EQ(0, v->channel);
    EXPECT_EQ(200, v->volume);
    // The next play of the music keeps the volume last set.
    music.PlayBGM(0, 0);
    EXPECT_EQ(200, ScriptLastVolume()->volume);
}

TEST_F(MusicTest, SetSFXVolumeOnlyStoresAndTheNextPlaySFXAppliesIt) {
    music.InitSound();
    music.LoadSFX(1, "hit.wav");
    ASSERT_NE(nullptr, music.samples[1]);
    EXPECT_STREQ("hit.wav", ScriptSound.loadedSample);
    EXPECT_EQ(0x41u, ScriptSound.sampleMode);

    int before = ScriptSound.volumeCount;
    music.SetSFXVolume(40);
    EXPECT_EQ(40, music.sfxVolume);
    EXPECT_EQ(before, ScriptSound.volumeCount);

    music.PlaySFX(3, 1);
    EXPECT_EQ(3, ScriptSound.soundChannel);
    EXPECT_EQ(music.samples[1], ScriptSound.playedSample);
    ASSERT_EQ(before + 1, ScriptSound.volumeCount);
    EXPECT_EQ(3, ScriptLastVolume()->channel);
    EXPECT_EQ(40, ScriptLastVolume()->volume);
}

TEST_F(MusicTest, PlaySFXOnAnyChannelSetsTheVolumeWhereItPlays) {
    StartGame();
    music.LoadSFX(0, "hit.wav");
    music.PlaySFX(-1, 0);
    EXPECT_EQ(1, ScriptLastVolume()->channel);  // the channel the sample got, not "any"
    EXPECT_EQ(125, ScriptLastVolume()->volume);
}

// An empty sample slot, a failed play or a slot outside the five: the music's volume stays as it was.
TEST_F(MusicTest, PlaySFXThatCannotPlaySendsNoVolume) {
    StartGame();
    music.LoadSFX(2, "hit.wav");
    int before = ScriptSound.volumeCount;
    music.PlaySFX(-1, 1);  // empty slot
    music.PlaySFX(0, 2);   // channel 0 is the music's
    music.PlaySFX(-1, 5);
    music.PlaySFX(-1, -1);
    EXPECT_EQ(before, ScriptSound.volumeCount);
    EXPECT_EQ(music.streams[0], ScriptSound.playing);
}

TEST_F(MusicTest, SlotsOutsideTheFiveAreIgnored) {
    music.InitSound();
    int opens = ScriptSound.openCalls;
    music.LoadBGM(5, "x.mp3", true);
    music.LoadBGM(-1, "x.mp3", true);
    music.LoadSFX(SOUND_SLOTS, "x.wav");
    music.PlayBGM(-1, 7);
    EXPECT_EQ(opens, ScriptSound.openCalls);
    EXPECT_EQ(0, ScriptSound.sampleLoads);
    EXPECT_EQ(0, ScriptSound.streamPlays);
}

TEST_F(MusicTest, LoadSFXAgainFreesThePreviousSample) {
    music.InitSound();
    for (int i = 0; i < 20; i++) music.LoadSFX(0, "hit.wav");
    EXPECT_EQ(1, ScriptSound.samplesLoaded);
    EXPECT_NE(nullptr, music.samples[0]);
}

TEST_F(MusicTest, StopSoundAndShutdownStopTheirChannel) {
    StartGame();
    music.StopSound(4);
    music.ShutdownSound();
    ASSERT_EQ(2, ScriptSound.stopCount);
    EXPECT_EQ(4, ScriptSound.stops[0]);
    EXPECT_EQ(0, ScriptSound.stops[1]);
    EXPECT_EQ(nullptr, ScriptSound.playing);  // channel 0 is the music
    EXPECT_EQ(1, ScriptSound.initCalls);      // shut-down does not start or close the library
}

TEST_F(MusicTest, ShutdownBeforeInitSoundDoesNothing) {
    music.ShutdownSound();
    EXPECT_FALSE(ScriptSound.initialised);
    EXPECT_EQ(0, ScriptSound.initCalls);
    EXPECT_EQ(0, ScriptSound.openCalls);
    EXPECT_EQ(nullptr, music.streams[0]);
}

// No device, a failing init, a missing or undecodable file: slot 0 stays empty and the game goes on silently.
TEST_F(MusicTest, FailuresLeaveASilentGame) {
    struct Case {
        const char *name;
        bool failInit;
        bool noDevice;
        bool failOpen;
    } cases[] = {
        {"failing init", true, false, false},
        {"no audio device", false, true, false},
        {"missing music file", false, false, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ScriptReset();
        ScriptSoundReset();
        CMusic m;
        ScriptSound.failInit = c.failInit;
        Script.failStep = c.noDevice ? SCRIPT_FAIL_SOUND : SCRIPT_FAIL_NONE;
        ScriptSound.failOpen = c.failOpen;
        m.InitSound();
        m.PlayBGM(-1, 0);
        m.ShutdownSound();
        EXPECT_EQ(nullptr, m.streams[0]);
        EXPECT_EQ(nullptr, ScriptSound.playing);
        EXPECT_EQ(0, ScriptSound.streamPlays);
        EXPECT_EQ(0, ScriptSound.volumeCount);
        EXPECT_EQ(0, Script.boxCount);  // no message
        EXPECT_EQ(125, m.bgmVolume);
    }
}

// A restart runs InitSound and PlayBGM again: the old stream is stopped and freed, the new one plays.
TEST_F(MusicTest, RestartFreesThePreviousStreamAndPlaysTheNewOne) {
    StartGame();
    for (int game = 0; game < 10; game++) {
        StartGame();
        EXPECT_EQ(1, ScriptSound.streamsOpen);
        EXPECT_EQ(music.streams[0], ScriptSound.playing);
        EXPECT_EQ(music.streams[0], ScriptSound.playedStream);
    }
    EXPECT_EQ(11, ScriptSound.openCalls);
    EXPECT_EQ(10, ScriptSound.closeCalls);
    EXPECT_EQ(0, ScriptSound.badCloses);
    EXPECT_EQ(11, ScriptSound.streamPlays);
    EXPECT_EQ(125, ScriptLastVolume()->volume);
}

// A restart whose file has gone missing: the old music is not left playing, and nothing is freed twice.
TEST_F(MusicTest, RestartWithAMissingFileStopsTheOldMusic) {
    StartGame();
    ScriptSound.failOpen = true;
    StartGame();
    StartGame();
    EXPECT_EQ(nullptr, music.streams[0]);
    EXPECT_EQ(nullptr, ScriptSound.playing);
    EXPECT_EQ(0, ScriptSound.streamsOpen);
    EXPECT_EQ(0, ScriptSound.badCloses);
    EXPECT_EQ(1, ScriptSound.streamPlays);
}
