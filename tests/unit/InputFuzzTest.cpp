// Random keys and mouse through the real frame loop on every screen, with the game's invariants
// checked after each frame. HOSHIMORI_FUZZ_SEED replays a run; a failure prints its seed.
#include <gtest/gtest.h>
#include <math.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <string>

#include "actors/Boss.h"
#include "actors/Character.h"
#include "app/Main.h"
#include "input/CameraMgr.h"
#include "input/InputSystem.h"
#include "input/KeyCodes.h"
#include "input/Typing.h"
#include "platform/script/Script.h"
#include "world/MapMgr.h"

namespace {

enum Place {
    P_INTRO,
    P_SELECT,
    P_MENU,
    P_MAP_NAME,
    P_EDITOR,
    P_EVENT,
    P_GAME,
    P_DEATH,
    P_VICTORY,
    P_RESTART,
    PLACES
};
const char *const PLACE_NAMES[PLACES] = {"intro", "select", "menu",  "map-name", "editor",
                                         "event", "game",   "death", "victory",  "restart"};
const int TOTAL_FRAMES = 100000;

struct Rng {
    uint32_t s;
    uint32_t Next() {
        s ^= s << 13;
        s ^= s >> 17;
        s ^= s << 5;
        return s;
    }
    int Below(int n) { return (int)(Next() % (uint32_t)n); }
    bool Chance(int percent) { return Below(100) < percent; }
};

// Keys that matter on each screen; the road onward is pressed more often than the rest.
const unsigned char INTRO_KEYS[] = {DIK_RETURN, DIK_F1, DIK_SPACE, DIK_A};
const unsigned char SELECT_KEYS[] = {DIK_LEFT, DIK_RIGHT, DIK_UP, DIK_DOWN, DIK_RETURN, DIK_F1};
const unsigned char MENU_KEYS[] = {DIK_1, DIK_2, DIK_3, DIK_RETURN};
const unsigned char NAME_KEYS[] = {DIK_S, DIK_T,     DIK_A,     DIK_R,      DIK_PERIOD, DIK_D,    DIK_1,
                                   DIK_2, DIK_MINUS, DIK_SLASH, DIK_LSHIFT, DIK_SPACE,  DIK_BACK, DIK_RETURN};
const unsigned char EDITOR_KEYS[] = {DIK_F2,     DIK_F3,    DIK_F4,       DIK_F5,       DIK_F6,   DIK_F9,
                                     DIK_F12,    DIK_GRAVE, DIK_LBRACKET, DIK_RBRACKET, DIK_TAB,  DIK_BACK,
                                     DIK_O,      DIK_P,     DIK_UP,       DIK_DOWN,     DIK_LEFT, DIK_RIGHT,
                                     DIK_LSHIFT, DIK_W,     DIK_S,        DIK_A,        DIK_D};
const unsigned char EVENT_KEYS[] = {DIK_UP, DIK_DOWN,  DIK_RETURN, DIK_1, DIK_2,
                                    DIK_M,  DIK_SPACE, DIK_BACK,   DIK_O, DIK_P};
const unsigned char GAME_KEYS[] = {DIK_LEFT, DIK_RIGHT, DIK_SPACE, DIK_LSHIFT, DIK_DOWN, DIK_UP, DIK_RETURN};

class InputFuzz : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(nullptr, getcwd(oldDir, sizeof(oldDir)));
        char pattern[] = "/tmp/hoshimori-inputfuzz-XXXXXX";
        ASSERT_NE(nullptr, mkdtemp(pattern));
        dir = pattern;
        // A copy of the game's data, so saves in the editor never touch the real maps.
        std::string copy = "cp -r '" + std::string(oldDir) + "/Game Data' '" + dir + "/'";
        ASSERT_EQ(0, system(copy.c_str()));
        ASSERT_EQ(0, chdir(dir.c_str()));
    }
    void TearDown() override {
        ScriptClearKeys();
        Main.KillGLWindow();
        ASSERT_EQ(0, chdir(oldDir));
        std::string command = "rm -rf '" + dir + "'";
        ASSERT_EQ(0, system(command.c_str()));
    }

    bool Start() {
        Script.queueCount = 0;  // the quit request of the last run is spent
        Script.tickStep = 1;
        Main.SetFullscreen(0);
        if (Main.CreateGLWindow("Hoshimori", 800, 600, 16, 0) != 1) return false;
        Main.done = false;
        return Main.currentScreen == SCREEN_INTRO;
    }

    char oldDir[4096];
    std::string dir;
};

bool Finite(float v) { return isfinite(v) != 0; }

// Empty when every invariant holds, else what broke.
std::string Broken() {
    if (Main.currentScreen < SCREEN_MENU || Main.currentScreen > SCREEN_INTRO)
        return "currentScreen out of range";
    int lit = 0;
    for (int i = 0; i < STAGE_WINDOWS; i++) lit += Main.windowHighlight[i] ? 1 : 0;
    if (lit != 1) return "not exactly one window highlighted";
    if (Main.selectedWindow < 0 || Main.selectedWindow >= STAGE_WINDOWS ||
        !Main.windowHighlight[Main.selectedWindow])
        return "the highlight is not at the selected window";
    if (!memchr(Typing->text, 0, TEXT_CAPACITY)) return "text field not terminated";
    if (!memchr(MapMgr->mapName, 0, MAP_NAME)) return "mapName not terminated";
    const float values[] = {stCharacter.health, stCharacter.posX, stCharacter.posY, stCharacter.posZ,
                            stBoss.health,      stBoss.posX,      stBoss.posY,      stBoss.posZ,
                            stCamera.x,         stCamera.y,       stCamera.z};
    for (float v : values)
        if (!Finite(v)) return "a hero, boss or camera value is not finite";
    return "";
}

Place Where() {
    switch (Main.currentScreen) {
        case SCREEN_SELECT:
            return P_SELECT;
        case SCREEN_MENU:
            return P_MENU;
        case SCREEN_MAP_NAME:
            return P_MAP_NAME;
        case SCREEN_EDITOR:
            return P_EDITOR;
        case SCREEN_EVENT:
            return P_EVENT;
        case SCREEN_GAME:
            if (CharacterMgr->isDead) return P_DEATH;
            if (CharacterMgr->hasWon) return P_VICTORY;
            return P_GAME;
        default:
            return P_INTRO;
    }
}

template <size_t N>
void Toggle(Rng &rng, const unsigned char (&keys)[N], int percent) {
    if (rng.Chance(percent)) {
        int code = keys[rng.Below((int)N)];
        ScriptSetKey(code, !(Script.keys[code] & 0x80));
    }
}

}  // namespace

TEST_F(InputFuzz, RandomInputOnEveryScreenKeepsTheGameWhole) {
    const char *env = getenv("HOSHIMORI_FUZZ_SEED");
    uint32_t seed = env ? (uint32_t)strtoul(env, nullptr, 10) : 20261211u;
    if (!seed) seed = 1;
    Rng rng{seed};
    srand(seed);
    SCOPED_TRACE("HOSHIMORI_FUZZ_SEED=" + std::to_string(seed));
    ScriptReset();
    Script.tick = 5000;
    ASSERT_TRUE(Start());

    int frames[PLACES] = {};
    int runs = 1;
    int since = 0;  // frames on the current screen
    Place last = P_INTRO;
    bool wantEditor = true;
    for (int frame = 0; frame < TOTAL_FRAMES; frame++) {
        Place at = Where();
        since = at == last ? since + 1 : 0;
        bool leaveEditor = false;
        // Now and then any key at all, Escape aside; then the keys of the screen.
        if (rng.Chance(3)) {
            int code = 2 + rng.Below(254);
            ScriptSetKey(code, !(Script.keys[code] & 0x80));
        }
        if (rng.Chance(5)) {
            Script.mouse.lX += rng.Below(41) - 20;
            Script.mouse.lY += rng.Below(41) - 20;
            Script.mouse.lZ += rng.Below(3) - 1;
            Script.mouse.rgbButtons[rng.Below(2)] ^= 0x80;
        }
        switch (at) {
            case P_INTRO:
                Toggle(rng, INTRO_KEYS, 20);
                break;
            case P_SELECT:
                Toggle(rng, SELECT_KEYS, 20);
                break;
            case P_MENU:
                Toggle(rng, MENU_KEYS, 20);
                break;
            case P_MAP_NAME:
                Toggle(rng, NAME_KEYS, 40);
                break;
            case P_EDITOR:
                Toggle(rng, EDITOR_KEYS, 40);
                leaveEditor = since > 1500;  // the editor's only way out is Escape
                break;
            case P_EVENT:
                Toggle(rng, EVENT_KEYS, 30);
                leaveEditor = since > 800;
                break;
            case P_GAME:
                Toggle(rng, GAME_KEYS, 30);
                // Endings on purpose: a nearly spent hero or boss.
                if (since > 400 && rng.Chance(1))
                    (rng.Chance(50) ? stCharacter.health : stBoss.health) = 0.5f;
                break;
            case P_DEATH:
            case P_VICTORY:
                Toggle(rng, GAME_KEYS, 5);
                break;
            default:
                break;
        }
        // Keys are let go again soon, as a player's are.
        for (int code = 2; code < 256; code++)
            if ((Script.keys[code] & 0x80) && rng.Chance(15)) ScriptSetKey(code, false);
        // Steer onward after a while: every other visit to the intro heads for the editor.
        if (at == P_INTRO && since == 0) wantEditor = !wantEditor;
        if (since > 150 && at != P_EDITOR && at != P_GAME) {
            int onward = DIK_RETURN;
            if ((at == P_INTRO || at == P_SELECT) && wantEditor) onward = DIK_F1;
            if (at == P_MENU) onward = DIK_1;
            if (since % 20 == 0) ScriptClearKeys();  // the latches want a frame with no key down
            if (since % 20 == 2) ScriptSetKey(onward, true);
        }
        if (at == P_EDITOR && since > 200 && since % 300 == 0) {
            ScriptClearKeys();
            ScriptSetKey(DIK_TAB, true);
        }
        ScriptSetKey(DIK_ESCAPE, leaveEditor);

        bool wasOver = CharacterMgr->isDead || CharacterMgr->hasWon;
        frames[at]++;
        last = at;
        if (!Main.RunFrame()) {
            // Escape ended the run: a fresh start, as a player would.
            Main.KillGLWindow();
            ScriptClearKeys();
            ASSERT_TRUE(Start()) << "restart after Escape, frame " << frame;
            runs++;
            continue;
        }
        if (wasOver && Main.currentScreen == SCREEN_INTRO) frames[P_RESTART]++;
        std::string broken = Broken();
        ASSERT_EQ("", broken) << "frame " << frame << " on the " << PLACE_NAMES[at] << " screen";
    }

    std::string report;
    for (int p = 0; p < PLACES; p++)
        report += std::string(PLACE_NAMES[p]) + " " + std::to_string(frames[p]) + "  ";
    printf("input fuzz, seed %u: %d frames, %d runs: %s\n", seed, TOTAL_FRAMES, runs, report.c_str());
    for (int p = 0; p < PLACES; p++)
        EXPECT_GT(frames[p], 0) << PLACE_NAMES[p] << " never reached; " << report;
}
