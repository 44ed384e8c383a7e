// Shared set-up for the input tests: devices over the scripted platform, frames, a key chart.
#pragma once
#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/Main.h"
#include "input/CameraMgr.h"
#include "input/InputSystem.h"
#include "input/Typing.h"
#include "platform/script/Script.h"
#include "world/MapMgr.h"

namespace rig {

// Fresh keyboard and mouse, clear latches, an unarmed field, window 0 highlighted.
inline void Begin(int screen) {
    ScriptReset();
    if (!Input) Input = new CInputSystem();
    if (!Typing) Typing = new CTyping();
    if (!MapMgr) MapMgr = new CMapMgr();
    if (!CameraMgr) CameraMgr = new CCameraMgr();
    Input->Shutdown();
    ASSERT_TRUE(Input->Initialize(nullptr, nullptr, false, 3));
    ASSERT_TRUE(Keyboard && Mouse);
    Input->keyHeld = false;
    Input->menuHeld = false;
    Typing->Disarm();
    memset(Typing->text, 0, sizeof(Typing->text));
    Typing->maxLength = 0;
    Main.currentScreen = screen;
    Main.selectedWindow = 0;
    for (int i = 0; i < STAGE_WINDOWS; i++) Main.windowHighlight[i] = i == 0;
}

// One poll of the scripted keyboard and mouse.
inline void Poll() { Input->Update(); }

inline void Key(int code, bool down) { ScriptSetKey(code, down); }

// One frame of the dispatch, as the main loop runs it after its poll.
inline void Frame() {
    Poll();
    Input->ProcessInput();
}

// Presses a key for one frame and releases it for one.
inline void Tap(int code) {
    Key(code, true);
    Frame();
    Key(code, false);
    Frame();
}

// A temporary working directory holding "Game Data/Texts/KeyLog.txt"; back home on destruction.
class ChartDir {
  public:
    ChartDir() {
        if (!getcwd(home, sizeof(home))) ADD_FAILURE() << "no working directory";
        snprintf(dir, sizeof(dir), "/tmp/hoshimori-chart-XXXXXX");
        if (!mkdtemp(dir) || chdir(dir) != 0) ADD_FAILURE() << "no temporary directory";
        mkdir("Game Data", 0755);
        mkdir("Game Data/Texts", 0755);
    }
    ~ChartDir() {
        unlink("Game Data/Texts/KeyLog.txt");
        rmdir("Game Data/Texts");
        rmdir("Game Data");
        if (chdir(home) != 0) ADD_FAILURE() << "cannot return to " << home;
        rmdir(dir);
    }
    // Writes the chart byte for byte.
    void Raw(const char *content) {
        FILE *f = fopen("Game Data/Texts/KeyLog.txt", "w");
        fputs(content, f);
        fclose(f);
    }
    // Writes records "code char", each padded to 8 bytes with its line break.
    void Records(const char *const *records, int count) {
        FILE *f = fopen("Game Data/Texts/KeyLog.txt", "w");
        for (int i = 0; i < count; i++) fprintf(f, "%-7s\n", records[i]);
        fclose(f);
    }
    // Letters, digits, minus, comma, period and slash on their usual key codes.
    void Standard() {
        static const char *const records[] = {
            "2 1",  "3 2",  "4 3",  "5 4",  "6 5",  "7 6",  "8 7",  "9 8",  "10 9", "11 0",
            "12 -", "16 Q", "17 W", "18 E", "19 R", "20 T", "21 Y", "22 U", "23 I", "24 O",
            "25 P", "30 A", "31 S", "32 D", "33 F", "34 G", "35 H", "36 J", "37 K", "38 L",
            "44 Z", "45 X", "46 C", "47 V", "48 B", "49 N", "50 M", "51 ,", "52 .", "53 /",
        };
        Records(records, (int)(sizeof(records) / sizeof(records[0])));
    }

  private:
    char home[1024];
    char dir[64];
};

}  // namespace rig
