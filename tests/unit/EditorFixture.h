// An editor test's world: scripted keyboard and mouse, a cleared grid, the camera at rest.
#pragma once
#include <gtest/gtest.h>
#include <string.h>

#include "actors/Character.h"
#include "app/Main.h"
#include "input/CameraMgr.h"
#include "input/InputSystem.h"
#include "input/Typing.h"
#include "platform/script/Script.h"
#include "world/MapMgr.h"

class EditorFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ScriptReset();
        if (!Input) Input = new CInputSystem();
        if (!Typing) Typing = new CTyping();
        if (!MapMgr) MapMgr = new CMapMgr();
        Input->Shutdown();
        ASSERT_TRUE(Input->Initialize(nullptr, nullptr, false, 3));
        ASSERT_TRUE(Keyboard && Mouse);
        MapMgr->InitMap();
        MapMgr->keyLatch = false;
        memset(Typing->text, 0, sizeof(Typing->text));
        Typing->active = false;
        Typing->maxLength = 0;
        stCamera.x = 0;
        stCamera.y = 0;
        stCamera.z = -20;
        Main.currentScreen = SCREEN_EDITOR;
    }

    // One editor frame: poll the keys set so far, then the editor's pass.
    void Frame() {
        Input->Update();
        MapMgr->ProcessInputs();
    }
    void Hold(int code) { ScriptSetKey(code, true); }
    void Release(int code) { ScriptSetKey(code, false); }
    // Down for one frame, up for the next.
    void Tap(int code) {
        Hold(code);
        Frame();
        Release(code);
        Frame();
    }
    // The cursor at a HUD point (y downwards).
    void Point(float x, float y) {
        Mouse->cursorX = x;
        Mouse->cursorY = -y;
    }
    // The cursor on the middle of a cell, with the camera at rest.
    void PointAtCell(int column, int row) {
        Point(66.6f + 6.0f * (column + 0.5f), 50.8f - 6.0f * (row + 0.5f));
    }
};
