// The HUD's logic without GL: the health number's characters and the text-field keys.
#include <gtest/gtest.h>
#include <string.h>

#include "input/InputSystem.h"
#include "input/Typing.h"
#include "platform/script/Script.h"
#include "render/Hud.h"

TEST(HudHealth, ShowsTheFirstThreeCharactersOfTheIntegerPart) {
    struct Case {
        float health;
        const char *chars;
    } cases[] = {
        {100.0f, "100"},  {200.0f, "200"}, {7.9f, "7"},    {-3.5f, "-3"},
        {1234.0f, "123"}, {0.99f, "0"},    {-0.5f, "0"},   {-120.0f, "-12"},
        {99.999f, "99"},  {3e9f, "214"},   {-3e9f, "-21"}, {__builtin_nanf(""), "0"},
    };
    for (const Case &k : cases) {
        char out[4] = {'x', 'x', 'x', 'x'};
        int count = HealthChars(k.health, out);
        EXPECT_STREQ(k.chars, out) << k.health;
        EXPECT_EQ((int)strlen(k.chars), count) << k.health;
    }
}

TEST(HudKeys, BackspaceAndSpaceActOncePerPress) {
    ScriptReset();
    if (!Input) Input = new CInputSystem();
    if (!Typing) Typing = new CTyping();
    if (!Hud) Hud = new CHud();
    Input->Shutdown();
    ASSERT_TRUE(Input->Initialize(nullptr, nullptr, false, 3));
    Hud->keyLatch = false;
    strcpy(Typing->text, "abc");
    Typing->maxLength = 15;
    auto frame = [](bool back, bool space) {
        ScriptSetKey(DIK_BACK, back);
        ScriptSetKey(DIK_SPACE, space);
        Input->Update();
        Hud->ProcessInputs();
    };
    frame(true, false);
    frame(true, false);  // held: once
    EXPECT_STREQ("ab", Typing->text);
    frame(false, true);  // Backspace let go but Space comes in the same frame: latched
    EXPECT_STREQ("ab", Typing->text);
    frame(false, false);
    frame(false, true);
    EXPECT_STREQ("ab ", Typing->text);
    frame(false, false);
    frame(true, true);  // both in one frame: both act
    EXPECT_STREQ("ab ", Typing->text);
    EXPECT_TRUE(Hud->keyLatch);
}
