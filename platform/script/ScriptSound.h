// Controls of the scripted sound library: tests make it fail and read back every call the game made.
#pragma once
#include "platform/Sound.h"

const int SCRIPT_SOUND_HANDLES = 8;  // streams, and samples, that can be open at once
const int SCRIPT_SOUND_CALLS = 64;   // volumes and stops recorded; later ones are only counted

struct ScriptVolume {
    int channel;
    int volume;
};

struct ScriptSoundState {
    // Set by the test.
    bool failInit;  // no audio device (so does Script.failStep == SCRIPT_FAIL_SOUND)
    bool failOpen;  // every stream and sample file is missing

    // Recorded.
    bool initialised;
    int initCalls;
    int initRate, initChannels;
    unsigned int initFlags;

    int openCalls;  // stream opens asked, failed ones included
    char openedFile[256];
    unsigned int openedMode;
    int openedOffset, openedLength;
    int streamsOpen;  // open now
    int closeCalls;
    int badCloses;  // closes of a handle that is not open

    int streamPlays;
    int playChannel;
    PlatStream playedStream;
    PlatStream playing;  // the stream on the music channel, null when stopped

    ScriptVolume volumes[SCRIPT_SOUND_CALLS];  // in call order
    int volumeCount;

    int sampleLoads;
    char loadedSample[256];
    unsigned int sampleMode;
    int samplesLoaded;  // loaded now
    int sampleFrees;
    int soundPlays;
    int soundChannel;
    PlatSample playedSample;

    int stops[SCRIPT_SOUND_CALLS];  // channels, in call order
    int stopCount;
};

extern ScriptSoundState ScriptSound;

void ScriptSoundReset();                 // no library, nothing open, nothing recorded
const ScriptVolume *ScriptLastVolume();  // null when none was sent
