// Without a GL context (as before the window exists or after it is gone) the catalogue and the
// fonts make nothing and break nothing.
#include <gtest/gtest.h>

#include "render/FontsMgr.h"
#include "render/TextureMgr.h"

TEST(TextureNoContext, EverySlotStaysEmptyAndReleaseIsHarmless) {
    CTextureMgr mgr;
    for (int i = -1; i <= TEXTURE_SLOTS; ++i) EXPECT_EQ(0u, mgr.GetTexture(i)) << i;
    mgr.InitTextures();  // the real Game Data, but no context to hold textures
    for (int i = 0; i < TEXTURE_SLOTS; ++i) EXPECT_EQ(0u, mgr.GetTexture(i)) << i;
    mgr.ReleaseTextures();
    mgr.ReleaseTextures();
    pngInfo info = {1, 2, 3, 4};
    EXPECT_EQ(0u, pngBind(".//Game Data//back.png", PNG_NOMIPMAP, PNG_ALPHA, &info, 0x2901, 0x2600, 0x2600));
    EXPECT_EQ(1u, info.Width);
}

TEST(TextureNoContext, FontsGiveBaseZeroAndCleanUpTwiceIsHarmless) {
    CFontsMgr fonts;
    fonts.InitFonts();
    for (int i = 0; i < FONT_COUNT; ++i) EXPECT_EQ(0u, fonts.GetlistBase(i));
    fonts.PrintString(0, "Map Name");
    fonts.CleanUp();
    fonts.CleanUp();
}
