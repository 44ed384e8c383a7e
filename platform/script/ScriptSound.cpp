// Scripted sound library: no device; every call is recorded, and init or the file opens can be made to fail.
#include "platform/script/ScriptSound.h"

#include <stdio.h>
#include <string.h>

#include "platform/Sound.h"
#include "platform/script/Script.h"

ScriptSoundState ScriptSound;

// Handles point into these; a flag says which are open.
static char streamPool[SCRIPT_SOUND_HANDLES];
static bool streamUsed[SCRIPT_SOUND_HANDLES];
static char samplePool[SCRIPT_SOUND_HANDLES];
static bool sampleUsed[SCRIPT_SOUND_HANDLES];

static int HandleIndex(const void *handle, const char *pool, const bool *used) {
    for (int i = 0; i < SCRIPT_SOUND_HANDLES; i++)
        if (handle == &pool[i] && used[i]) return i;
    return -1;
}

static void *TakeHandle(char *pool, bool *used) {
    for (int i = 0; i < SCRIPT_SOUND_HANDLES; i++)
        if (!used[i]) {
            used[i] = true;
            return &pool[i];
        }
    return nullptr;
}

void ScriptSoundReset() {
    memset(&ScriptSound, 0, sizeof(ScriptSound));
    memset(streamUsed, 0, sizeof(streamUsed));
    memset(sampleUsed, 0, sizeof(sampleUsed));
}

const ScriptVolume *ScriptLastVolume() {
    int n = ScriptSound.volumeCount < SCRIPT_SOUND_CALLS ? ScriptSound.volumeCount : SCRIPT_SOUND_CALLS;
    return n ? &ScriptSound.volumes[n - 1] : nullptr;
}

bool PlatSoundInit(int mixRate, int maxChannels, unsigned int flags) {
    ScriptSound.initCalls++;
    ScriptSound.initRate = mixRate;
    ScriptSound.initChannels = maxChannels;
    ScriptSound.initFlags = flags;
    if (ScriptSound.initialised) return true;  // like the mixer: opened once, kept on restart
    if (ScriptSound.failInit || Script.failStep == SCRIPT_FAIL_SOUND) return false;
    ScriptSound.initialised = true;
    return true;
}

PlatStream PlatStreamOpen(const char *fileName, unsigned int mode, int offset, int length) {
    ScriptSound.openCalls++;
    snprintf(ScriptSound.openedFile, sizeof(ScriptSound.openedFile), "%s", fileName ? fileName : "");
    ScriptSound.openedMode = mode;
    ScriptSound.openedOffset = offset;
    ScriptSound.openedLength = length;
    // Like the mixer: nothing opens without a device.
    if (!ScriptSound.initialised || ScriptSound.failOpen) return nullptr;
    void *handle = TakeHandle(streamPool, streamUsed);
    if (handle) ScriptSound.streamsOpen++;
    return handle;
}

int PlatStreamPlay(int channel, PlatStream stream) {
    ScriptSound.streamPlays++;
    ScriptSound.playChannel = channel;
    ScriptSound.playedStream = stream;
    if (!ScriptSound.initialised || HandleIndex(stream, streamPool, streamUsed) < 0) return -1;
    ScriptSound.playing = stream;
    return 0;
}

void PlatStreamClose(PlatStream stream) {
    ScriptSound.closeCalls++;
    int i = HandleIndex(stream, streamPool, streamUsed);
    if (i < 0) {
        ScriptSound.badCloses++;
        return;
    }
    streamUsed[i] = false;
    ScriptSound.streamsOpen--;
    if (ScriptSound.playing == stream) ScriptSound.playing = nullptr;
}

bool PlatSetVolume(int channel, int volume) {
    if (ScriptSound.volumeCount < SCRIPT_SOUND_CALLS) {
        ScriptSound.volumes[ScriptSound.volumeCount].channel = channel;
        ScriptSound.volumes[ScriptSound.volumeCount].volume = volume;
    }
    ScriptSound.volumeCount++;
    return ScriptSound.initialised;
}

PlatSample PlatSampleLoad(int, const char *fileName, unsigned int mode, int, int) {
    ScriptSound.sampleLoads++;
    snprintf(ScriptSound.loadedSample, sizeof(ScriptSound.loadedSample), "%s", fileName ? fileName : "");
    ScriptSound.sampleMode = mode;
    if (!ScriptSound.initialised || ScriptSound.failOpen) return nullptr;
    void *handle = TakeHandle(samplePool, sampleUsed);
    if (handle) ScriptSound.samplesLoaded++;
    return handle;
}

// Channel 0 is the music's; -1 takes channel 1, the first sample channel.
int PlatPlaySound(int channel, PlatSample sample) {
    ScriptSound.soundPlays++;
    ScriptSound.soundChannel = channel;
    ScriptSound.playedSample = sample;
    if (!ScriptSound.initialised || HandleIndex(sample, samplePool, sampleUsed) < 0) return -1;
    if (channel == -1) return 1;
    return channel > 0 && channel < ScriptSound.initChannels ? channel : -1;
}

bool PlatStopSound(int channel) {
    if (ScriptSound.stopCount < SCRIPT_SOUND_CALLS) ScriptSound.stops[ScriptSound.stopCount] = channel;
    ScriptSound.stopCount++;
    if (!ScriptSound.initialised) return false;
    if (channel == 0) ScriptSound.playing = nullptr;
    return true;
}

void PlatSampleFree(PlatSample sample) {
    int i = HandleIndex(sample, samplePool, sampleUsed);
    if (i < 0) return;
    sampleUsed[i] = false;
    ScriptSound.samplesLoaded--;
    ScriptSound.sampleFrees++;
}

double PlatStreamPosition(PlatStream stream) {
    return HandleIndex(stream, streamPool, streamUsed) >= 0 ? 0.0 : -1.0;
}

void PlatSoundClose() {
    memset(streamUsed, 0, sizeof(streamUsed));
    memset(sampleUsed, 0, sizeof(sampleUsed));
    ScriptSound.streamsOpen = 0;
    ScriptSound.samplesLoaded = 0;
    ScriptSound.playing = nullptr;
    ScriptSound.initialised = false;
}
