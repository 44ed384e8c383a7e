// Controls of the scripted platform: tests set the tick, keys, mouse and answers, and read what was shown.
#pragma once
#include "platform/InputDevice.h"
#include "platform/Platform.h"

const int SCRIPT_MAX_BOXES = 64;
const int SCRIPT_MAX_MESSAGES = 64;

struct ScriptBox {
    char text[256];
    char caption[64];
    unsigned int type;
};

// Steps of the window set-up that a test can make fail.
enum ScriptFail {
    SCRIPT_FAIL_NONE = 0,
    SCRIPT_FAIL_REGISTER,
    SCRIPT_FAIL_DISPLAY_MODE,
    SCRIPT_FAIL_WINDOW,
    SCRIPT_FAIL_DC,
    SCRIPT_FAIL_CHOOSE_FORMAT,
    SCRIPT_FAIL_SET_FORMAT,
    SCRIPT_FAIL_CONTEXT,
    SCRIPT_FAIL_MAKE_CURRENT,
    SCRIPT_FAIL_INPUT,   // the input library cannot be created
    SCRIPT_FAIL_SOUND,   // no audio device
    SCRIPT_FAIL_DEVICE,  // the input library opens no keyboard or mouse
};

struct ScriptState {
    unsigned int tick;        // what PlatGetTickCount returns
    unsigned int tickStep;    // added after every PlatGetTickCount call
    unsigned char keys[256];  // the keyboard as the next poll reads it
    PlatMouseState mouse;     // the mouse as the next poll reads it (movement cleared after the poll)
    bool keyboardAcquired;
    bool mouseAcquired;
    int keyboardPolls;
    int mousePolls;

    int answers[SCRIPT_MAX_BOXES];  // answers to the next message boxes; 0 = OK / Yes
    int answerCount;
    int answerNext;
    ScriptBox boxes[SCRIPT_MAX_BOXES];  // message boxes shown
    int boxCount;

    PlatMsg queue[SCRIPT_MAX_MESSAGES];  // pending window messages
    int queueHead;
    int queueCount;
    int quitRequests;

    int failStep;  // ScriptFail
    int swaps;
    bool windowExists;
    bool contextCurrent;
    bool cursorShown;
    int displayModeChanges;

    unsigned int slept;  // milliseconds passed to PlatSleep
    int inputObjects;    // input library objects created and not yet released
    int devicesOpen;     // keyboard and mouse devices created and not yet released
};

extern ScriptState Script;

void ScriptReset();  // everything back to zero, the cursor shown
void ScriptSetKey(int code, bool down);
void ScriptClearKeys();
void ScriptAnswer(int answer);  // queue an answer for the next message box
void ScriptPostMessage(unsigned int message, uintptr_t wParam, intptr_t lParam);
const ScriptBox *ScriptLastBox();  // null when none was shown
