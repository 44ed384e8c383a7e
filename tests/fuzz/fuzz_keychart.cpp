// Fuzz target for the key chart: any bytes as KeyLog.txt, every key code the field looks up,
// with and without shift, into a field of one of the lengths the game arms.
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include "input/InputSystem.h"
#include "input/KeyCodes.h"
#include "input/Typing.h"
#include "platform/script/Script.h"

// What the field links against besides the input system; the rest of the game stays out.
CGamepad Gamepad;
float ClockSeconds() { return (float)PlatGetTickCount() * 0.001f; }

static void Check(bool ok) {
    if (!ok) __builtin_trap();
}

static bool Terminated(const char *text) { return memchr(text, 0, TEXT_CAPACITY) != nullptr; }

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    // A scratch directory, so the game's own chart is never overwritten.
    char dir[] = "/tmp/hoshimori-fuzz-chart-XXXXXX";
    if (!mkdtemp(dir) || chdir(dir) != 0) return 0;
    mkdir("Game Data", 0755);
    mkdir("Game Data/Texts", 0755);
    ScriptReset();
    Input = new CInputSystem();
    Input->Initialize(nullptr, nullptr, false, 3);
    Input->AcquireAll();
    Typing = new CTyping();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FILE *file = fopen(".//Game Data//Texts//KeyLog.txt", "wb");
    if (!file) return 0;
    fwrite(data, 1, size, file);
    fclose(file);

    // The map-name and teleport fields (15), the spawn id (3), and a field up against the buffer's end.
    static const int lengths[] = {15, 3, TEXT_CAPACITY - 1};
    for (int shift = 0; shift < 2; shift++) {
        ScriptSetKey(DIK_LSHIFT, shift != 0);
        Input->Update();
        // Each lookup reads the file afresh, so one field length per input keeps the runs quick.
        {
            int maxLength = lengths[size % 3];
            Typing->Arm(maxLength);
            if (maxLength > 15) memset(Typing->text, 'x', (size_t)maxLength - 2);
            for (int code = 0; code <= 62; code++) {
                size_t before = strlen(Typing->text);
                Check(Typing->CheckChart(code));
                Check(Terminated(Typing->text));
                Check(Typing->chartChar[1] == 0);
                size_t after = strlen(Typing->text);
                // One character at most, and none into a full field.
                Check(after == before || after == before + 1);
                if ((int)before >= maxLength) Check(after == before);
                // A chart character is never a blank; an unshifted letter is lower case.
                if (after > before) {
                    char c = Typing->text[before];
                    Check(c != ' ' && c != '\t' && c != '\n' && c != '\r' && c != '\v' && c != '\f');
                    if (!shift) Check(!(c >= 'A' && c <= 'Z'));
                    if (shift) Check(!(c >= '0' && c <= '9'));
                }
                if ((int)after >= maxLength) {
                    Typing->HandleBackspace();
                    Check(Terminated(Typing->text));
                }
            }
        }
    }
    return 0;
}
