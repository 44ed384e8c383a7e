// The text field: typing through the dispatch, the shift rules, Backspace and Space, the key chart.
#include <stdlib.h>

#include "DispatchRig.h"

using rig::Frame;
using rig::Key;
using rig::Tap;

namespace {

// A typing screen: the field armed, a standard chart in a temporary folder.
class TypingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        chart.Standard();
        rig::Begin(SCREEN_EVENT);
        Typing->Arm(15);
    }
    rig::ChartDir chart;
};

}  // namespace

TEST_F(TypingTest, SixteenLettersIntoFifteenKeepFifteen) {
    const int keys[] = {DIK_Q, DIK_W, DIK_E, DIK_R, DIK_T, DIK_Y, DIK_U, DIK_I,
                        DIK_O, DIK_P, DIK_A, DIK_S, DIK_D, DIK_F, DIK_G, DIK_H};
    for (int k : keys) Tap(k);
    EXPECT_STREQ("qwertyuiopasdfg", Typing->text);
    EXPECT_EQ(15, Typing->FindTextLength());
}

TEST_F(TypingTest, AHeldKeyTypesOnceAndOnlyTheLowestOfSeveral) {
    Key(DIK_K, true);
    for (int i = 0; i < 5; i++) Frame();
    Key(DIK_K, false);
    Frame();
    Key(DIK_M, true);
    Key(DIK_E, true);  // 18, below M's 50
    Frame();
    EXPECT_STREQ("ke", Typing->text);
}

TEST_F(TypingTest, ShiftRules) {
    enum { NONE, LEFT, RIGHT };
    struct Case {
        int key;
        int shift;
        const char *typed;
    };
    const Case cases[] = {
        {DIK_A, NONE, "a"},      {DIK_A, LEFT, "A"},     {DIK_A, RIGHT, "A"},    {DIK_Z, LEFT, "Z"},
        {DIK_M, LEFT, "M"},      {DIK_M, RIGHT, "M"},    {DIK_2, NONE, "2"},     {DIK_2, LEFT, "@"},
        {DIK_0, RIGHT, ")"},     {DIK_9, LEFT, "("},     {DIK_SLASH, NONE, "/"}, {DIK_SLASH, LEFT, "?"},
        {DIK_SLASH, RIGHT, "?"}, {DIK_MINUS, NONE, "-"}, {DIK_MINUS, LEFT, "_"}, {DIK_PERIOD, LEFT, "."},
        {DIK_COMMA, NONE, ","},
    };
    for (const Case &c : cases) {
        rig::Begin(SCREEN_EVENT);
        Typing->Arm(15);
        if (c.shift == LEFT) Key(DIK_LSHIFT, true);
        if (c.shift == RIGHT) Key(DIK_RSHIFT, true);
        Frame();  // shift goes down first, as a typist presses it
        Tap(c.key);
        EXPECT_STREQ(c.typed, Typing->text) << "key " << c.key << " shift " << c.shift;
    }
}

TEST_F(TypingTest, ShiftedDigitsGiveTheSymbolsAboveThem) {
    const char *digits = "0123456789";
    const char *symbols = ")!@#$%^&*(";
    for (int i = 0; i < 10; i++) {
        Typing->chartChar[0] = digits[i];
        Typing->ChangeNumber();
        EXPECT_EQ(symbols[i], Typing->chartChar[0]);
    }
    Typing->chartChar[0] = 'x';
    Typing->ChangeNumber();
    EXPECT_EQ('x', Typing->chartChar[0]) << "only digits change";
}

TEST_F(TypingTest, BackspaceAndSpace) {
    Tap(DIK_BACK);
    EXPECT_STREQ("", Typing->text) << "Backspace on an empty field";

    snprintf(Typing->text, sizeof(Typing->text), "abcdefghijklmno");
    Tap(DIK_SPACE);
    EXPECT_STREQ("abcdefghijklmno ", Typing->text) << "Space ignores the limit";
    Tap(DIK_K);
    EXPECT_STREQ("abcdefghijklmno ", Typing->text) << "the overfull field takes no letter";
    Tap(DIK_BACK);
    EXPECT_STREQ("abcdefghijklmn", Typing->text) << "one Backspace cuts to 14";
    Tap(DIK_K);
    EXPECT_STREQ("abcdefghijklmnk", Typing->text);
}

TEST_F(TypingTest, SpaceStopsAtTheEndOfTheBuffer) {
    for (int i = 0; i < 60; i++) Tap(DIK_SPACE);
    EXPECT_EQ((size_t)TEXT_CAPACITY - 1, strlen(Typing->text));
    EXPECT_EQ(0, Typing->text[TEXT_CAPACITY - 1]);
    Tap(DIK_BACK);
    EXPECT_EQ(14u, strlen(Typing->text));
}

TEST_F(TypingTest, SpawnFieldTakesThreeCharactersOfAnyKind) {
    Typing->Arm(3);
    const int keys[] = {DIK_1, DIK_2, DIK_A, DIK_3};
    for (int k : keys) Tap(k);
    EXPECT_STREQ("12a", Typing->text);
    EXPECT_EQ(12, atoi(Typing->text));
}

// Charts that are missing, short, or broken append nothing and never stop the game.
TEST(TypingChart, RecordsByKeyCode) {
    struct Case {
        const char *chart;
        int key;
        const char *typed;
    };
    const Case cases[] = {
        {nullptr, DIK_A, ""},                                      // no chart at all
        {"", DIK_A, ""},                                           // empty
        {"16 Q   \n30 A   \n", DIK_A, "a"},                        // record 1
        {"16 Q   \n30 A   \n", DIK_L, ""},                         // past the end
        {"16 Q   \n30 A", DIK_A, "a"},                             // last line without its break
        {"38 L   \n30 X   \n30 A   \n", DIK_A, "x"},               // the first match wins
        {"  30 A \n", DIK_A, "a"},                                 // leading blanks
        {"0x1E A \n", DIK_A, "a"},                                 // %i reads hex
        {"036 A  \n", DIK_A, "a"},                                 // and octal: 036 is 30
        {"30 AB  \n", DIK_A, "a"},                                 // one character kept
        {"30     \n31 B   \n", DIK_A, ""},                         // no character: absent
        {"30     \n30 C   \n", DIK_A, "c"},                        // so a later record counts
        {"junk!! \n30 D   \n", DIK_A, "d"},                        // unparsable record skipped
        {"30 AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA\n", DIK_A, "a"},  // overlong field
    };
    for (const Case &c : cases) {
        rig::ChartDir dir;
        if (c.chart) dir.Raw(c.chart);
        rig::Begin(SCREEN_EVENT);
        Typing->Arm(15);
        EXPECT_TRUE(Typing->CheckChart(c.key));
        EXPECT_STREQ(c.typed, Typing->text) << (c.chart ? c.chart : "(no chart)");
    }
}

TEST(TypingChart, BrokenRecordDoesNotReuseThePreviousLookup) {
    rig::ChartDir dir;
    dir.Raw("?? ??  \n30 A   \n");
    rig::Begin(SCREEN_EVENT);
    Typing->Arm(15);
    Typing->CheckChart(DIK_A);
    Typing->CheckChart(DIK_A);
    EXPECT_STREQ("aa", Typing->text);
}

TEST(TypingChart, ChangesTakeEffectAtTheNextKey) {
    rig::ChartDir dir;
    dir.Raw("30 A   \n");
    rig::Begin(SCREEN_EVENT);
    Typing->Arm(15);
    Typing->CheckChart(DIK_A);
    dir.Raw("30 B   \n");
    Typing->CheckChart(DIK_A);
    EXPECT_STREQ("ab", Typing->text);
}

TEST(TypingChart, OnlySixtyThreeRecordsAreRead) {
    rig::ChartDir dir;
    char chart[8 * 64 + 1] = "";
    for (int k = 0; k < 63; k++) strcat(chart, "99 Q   \n");
    strcat(chart, "30 A   \n");  // record 63
    dir.Raw(chart);
    rig::Begin(SCREEN_EVENT);
    Typing->Arm(15);
    Typing->CheckChart(DIK_A);
    EXPECT_STREQ("", Typing->text);
}
