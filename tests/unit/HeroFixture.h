// A hero over an empty map, a scripted clock and a keyboard whose keys the test holds directly.
#pragma once
#include <gtest/gtest.h>
#include <string.h>

#include <initializer_list>

#include "actors/Character.h"
#include "input/InputSystem.h"
#include "platform/script/Script.h"
#include "world/Map.h"

class HeroTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ScriptReset();
        savedInput = Input;
        savedKeyboard = Keyboard;
        Input = &input;
        Keyboard = &keyboard;
        memset(stMap, 0, sizeof(stMap));
        hero.InitCharacter();
        hero.onFloor = true;
        Hold({});
        SetClock(100000);
    }
    void TearDown() override {
        Input = savedInput;
        Keyboard = savedKeyboard;
        memset(stMap, 0, sizeof(stMap));
    }

    // The clock as the game reads it, in milliseconds of the tick.
    void SetClock(unsigned int ms) { Script.tick = ms; }
    void Advance(unsigned int ms) { Script.tick += ms; }

    // Exactly these keys are down in the snapshot.
    void Hold(std::initializer_list<int> codes) {
        memset(keyboard.keyState, 0, sizeof(keyboard.keyState));
        for (int code : codes) keyboard.keyState[code & 0xFF] = 0x80;
    }

    // Put the hero in a state as the game would have left it.
    void Put(int state, int frame, int facing = 1, bool jumpAttacking = false) {
        stCharacter.state = state;
        stCharacter.frame = frame;
        stCharacter.facing = facing;
        stCharacter.jumpAttacking = jumpAttacking;
    }

    // A solid row of cells from column first to last.
    void Floor(int row, int first = 0, int last = MAP_COLUMNS - 1) {
        for (int c = first; c <= last; c++) stMap[c][row].collision = 1;
    }

    // One game frame in the main loop's order: animation, floor test, then the key pass.
    void Frame(unsigned int ms = 14) {
        hero.AnimateCharacter();
        hero.onFloor = hero.CheckFloorColl();
        Advance(ms);
        hero.ProcessInputs();
    }

    CInputSystem input{};
    CKeyboard keyboard{nullptr, nullptr};
    CCharacterMgr hero;
    CInputSystem *savedInput = nullptr;
    CKeyboard *savedKeyboard = nullptr;
};
