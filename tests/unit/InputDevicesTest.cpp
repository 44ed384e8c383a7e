// The keyboard and mouse devices over the scripted platform.
#include <gtest/gtest.h>

#include "app/Main.h"
#include "input/InputSystem.h"
#include "platform/script/Script.h"

namespace {

class InputDevices : public ::testing::Test {
  protected:
    void SetUp() override {
        Input->Shutdown();
        ScriptReset();
    }
    void TearDown() override {
        Input->Shutdown();
        ScriptReset();
    }
    void Start() { ASSERT_TRUE(Input->Initialize(nullptr, nullptr, false, 3)); }
};

TEST_F(InputDevices, WithoutKeyboardEveryKeyIsNeitherDownNorUp) {
    ScriptSetKey(DIK_SPACE, true);
    Input->Update();
    for (int code = 0; code < 256; code++) {
        EXPECT_FALSE(Input->KeyDown((char)code)) << code;
        EXPECT_FALSE(Input->KeyUp((char)code)) << code;
    }
    EXPECT_FALSE(Input->ButtonDown(0));
    EXPECT_FALSE(Input->ButtonUp(0));
    float dx = 7, dy = 8;
    Input->GetMouseMovement(dx, dy);
    EXPECT_EQ(7, dx);
    EXPECT_EQ(8, dy);
    EXPECT_EQ(0, Input->GetMouseWheelMovement());
}

TEST_F(InputDevices, NoInputLibraryLeavesTheGameWithoutDevices) {
    Script.failStep = SCRIPT_FAIL_INPUT;
    EXPECT_FALSE(Input->Initialize(nullptr, nullptr, false, 3));
    EXPECT_EQ(nullptr, Keyboard);
    EXPECT_EQ(nullptr, Mouse);
    EXPECT_TRUE(Input->Update());
    EXPECT_FALSE(Input->KeyUp(DIK_RETURN));
}

TEST_F(InputDevices, DevicesThatCouldNotBeOpenedAreNeverPolled) {
    Script.failStep = SCRIPT_FAIL_DEVICE;
    Start();
    ASSERT_NE(nullptr, Keyboard);
    ASSERT_NE(nullptr, Mouse);
    ScriptSetKey(DIK_RETURN, true);
    Script.mouse.lX = 9;
    EXPECT_FALSE(Keyboard->Update());
    EXPECT_FALSE(Mouse->Update());
    Input->AcquireAll();
    Input->UnacquireAll();
    EXPECT_FALSE(Input->KeyDown(DIK_RETURN));
    float dx = 0, dy = 0;
    Input->GetMouseMovement(dx, dy);
    EXPECT_EQ(0, dx);
    EXPECT_EQ(0, Script.keyboardPolls + Script.mousePolls);
}

TEST_F(InputDevices, HighCodesPassedAsNegativeChar) {
    Start();
    const unsigned char arrows[] = {DIK_UP, DIK_LEFT, DIK_RIGHT, DIK_DOWN};
    for (unsigned char code : arrows) {
        ScriptClearKeys();
        ScriptSetKey(code, true);
        Input->Update();
        char asChar = (char)code;
        ASSERT_LT(asChar, 0);
        EXPECT_TRUE(Input->KeyDown(asChar)) << (int)code;
        EXPECT_FALSE(Input->KeyUp(asChar)) << (int)code;
        // The low seven bits name another key, which stays up.
        EXPECT_FALSE(Input->KeyDown((char)(code & 0x7F))) << (int)code;
    }
}

TEST_F(InputDevices, AcquireAndReleaseClearTheKeyboardUntilTheNextPoll) {
    Start();
    ScriptSetKey(DIK_LSHIFT, true);
    Script.mouse.rgbButtons[0] = 0x80;
    Input->Update();
    ASSERT_TRUE(Input->KeyDown(DIK_LSHIFT));

    Input->AcquireAll();  // window activated
    EXPECT_FALSE(Input->KeyDown(DIK_LSHIFT));
    EXPECT_TRUE(Input->ButtonDown(0));  // the mouse keeps its record
    Input->Update();
    EXPECT_TRUE(Input->KeyDown(DIK_LSHIFT));

    Input->UnacquireAll();  // minimised
    EXPECT_FALSE(Input->KeyDown(DIK_LSHIFT));
    EXPECT_TRUE(Input->KeyUp(DIK_LSHIFT));
    // The next poll finds the device released, takes it back and reads it.
    Input->Update();
    EXPECT_TRUE(Input->KeyDown(DIK_LSHIFT));
    EXPECT_TRUE(Script.keyboardAcquired);
}

TEST_F(InputDevices, MouseRecordOfOnePoll) {
    Start();
    Script.mouse.lX = 5;
    Script.mouse.lY = -3;
    Script.mouse.lZ = 240;
    Script.mouse.rgbButtons[1] = 0x80;
    Input->Update();
    float dx = 0, dy = 0;
    Input->GetMouseMovement(dx, dy);
    EXPECT_EQ(5, dx);
    EXPECT_EQ(-3, dy);
    EXPECT_EQ(240, Input->GetMouseWheelMovement());
    EXPECT_TRUE(Input->ButtonUp(0));
    EXPECT_TRUE(Input->ButtonDown(1));
    EXPECT_FALSE(Input->ButtonDown(7));
    EXPECT_FALSE(Input->ButtonUp(-1));
    Input->Update();  // no movement since
    Input->GetMouseMovement(dx, dy);
    EXPECT_EQ(0, dx);
    EXPECT_EQ(0, Input->GetMouseWheelMovement());
}

TEST_F(InputDevices, RepeatedInitializeReplacesAndReleasesEverything) {
    Start();
    Mouse->cursorX = 50;
    Mouse->cursorY = -40;
    Start();
    EXPECT_EQ(0, Mouse->cursorX);
    EXPECT_EQ(0, Mouse->cursorY);
    EXPECT_EQ(0.2f, Mouse->sensitivity);
    EXPECT_EQ(1, Script.inputObjects);
    EXPECT_EQ(2, Script.devicesOpen);
    Input->Shutdown();
    EXPECT_EQ(nullptr, Keyboard);
    EXPECT_EQ(nullptr, Mouse);
    EXPECT_EQ(0, Script.inputObjects);
    EXPECT_EQ(0, Script.devicesOpen);
    EXPECT_TRUE(Input->Shutdown());  // again, with nothing left
}

TEST_F(InputDevices, FlagsChooseTheDevices) {
    ASSERT_TRUE(Input->Initialize(nullptr, nullptr, false, 1));
    EXPECT_NE(nullptr, Keyboard);
    EXPECT_EQ(nullptr, Mouse);
    Input->Shutdown();
    ASSERT_TRUE(Input->Initialize(nullptr, nullptr, true, 2));
    EXPECT_EQ(nullptr, Keyboard);
    EXPECT_NE(nullptr, Mouse);
}

TEST_F(InputDevices, GamepadFindsNoControllerAndSaysSoOnce) {
    CGamepad pad;
    pad.Initialize();
    ASSERT_EQ(1, Script.boxCount);
    EXPECT_STREQ("No Gamepad were detected.", Script.boxes[0].text);
    EXPECT_STREQ("Warning", Script.boxes[0].caption);
    EXPECT_EQ(nullptr, pad.device);
    EXPECT_EQ(0, pad.UpdateInputState(nullptr));
    EXPECT_FALSE(pad.Acquire());
    PlatInputRelease(pad.directInput);

    Script.failStep = SCRIPT_FAIL_INPUT;
    CGamepad lonely;
    lonely.Initialize();
    EXPECT_STREQ("Couldn't accept DirectInput!", ScriptLastBox()->text);
    EXPECT_STREQ("Error", ScriptLastBox()->caption);
}

}  // namespace
