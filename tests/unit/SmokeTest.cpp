// The object graph links and the scripted platform answers.
#include <gtest/gtest.h>

#include "app/Main.h"
#include "platform/script/Script.h"

TEST(Script, MessageBoxRecordsAndAnswers) {
    ScriptReset();
    ScriptAnswer(PLAT_IDNO);
    EXPECT_EQ(PLAT_IDNO, PlatMessageBox("q", "c", PLAT_MB_YESNO));
    EXPECT_EQ(PLAT_IDOK, PlatMessageBox("t", "c", PLAT_MB_OK));
    ASSERT_EQ(2, Script.boxCount);
    EXPECT_STREQ("t", ScriptLastBox()->text);
}
