// The texture catalogue and pngBind against a real context: slots, files, formats, restarts.
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include "GLFixture.h"
#include "PngWriter.h"
#include "render/FontsMgr.h"
#include "render/TextureMgr.h"

namespace {

struct Expected {
    int slot;
    const char *path;
    int wrap;
};

// Written out independently of the catalogue: the files the game ships, by table slot.
const Expected FILES[] = {
    {0, "Images/Attacking.png", GL_CLAMP},
    {10, "back.png", GL_REPEAT},
    {65, "images/attacks/waterfall.png", GL_REPEAT},
    {75, "Images/Misc/Particle.png", GL_CLAMP},
    {76, "Images/Misc/event.png", GL_CLAMP},
    {77, "Images/Misc/Window.png", GL_REPEAT},
    {78, "Images/Misc/Window2.png", GL_REPEAT},
    {79, "Images/Misc/Title.png", GL_REPEAT},
    {80, "Intro.png", GL_REPEAT},
    {81, "HPPP.png", GL_REPEAT},
    {85, "boss/Carp_left.png", GL_REPEAT},
    {86, "boss/Carp_left_2.png", GL_REPEAT},
    {87, "boss/Carp_up.png", GL_REPEAT},
    {88, "boss/Carp_down.png", GL_REPEAT},
};

struct Animation {
    int first;
    const char *folder;
    const char *stem;
    int count;
};
const Animation HERO[] = {
    {1, "Attacking", "Attack", 6},
    {7, "Crouching", "Crouch", 5},
    {12, "Hurt", "Hurt", 2},
    {14, "HurtFall", "HurtFall", 8},
    {22, "Jump Attack", "JumpAttack", 6},
    {28, "Jumping", "Jump", 5},
    {33, "Walking", "Walk", 6},
    {39, "Stop", "Stop", 6},
    {45, "Turn", "Turn", 2},
    {47, "Land", "Land", 3},
};

void MakeDirs(const char *path) {
    char buffer[PATH_MAX];
    snprintf(buffer, sizeof buffer, "%s", path);
    for (char *p = buffer + 1; *p; ++p) {
        if (*p != '/') continue;
        *p = 0;
        mkdir(buffer, 0755);
        *p = '/';
    }
}

// A temp folder holding "Game Data" with a distinct image at every catalogue path.
struct DataDir {
    char root[64];
    char saved[PATH_MAX];
    int files = 0;

    DataDir() {
        snprintf(root, sizeof root, "/tmp/hoshimori_tex_XXXXXX");
        if (!mkdtemp(root)) root[0] = 0;
        if (!getcwd(saved, sizeof saved)) saved[0] = 0;
        for (const Expected &e : FILES) Write(e.path);
        Write("Char/Still.png");
        for (const Animation &a : HERO)
            for (int n = 1; n <= a.count; ++n) {
                char path[128];
                snprintf(path, sizeof path, "Char/%s/%s%d.png", a.folder, a.stem, n);
                Write(path);
            }
    }
    ~DataDir() {
        char command[128];
        snprintf(command, sizeof command, "rm -rf '%s'", root);
        if (root[0]) (void)!system(command);
    }
    void Write(const char *relative) {
        char path[PATH_MAX];
        snprintf(path, sizeof path, "%s/Game Data/%s", root, relative);
        MakeDirs(path);
        ++files;
        WriteSolidPng(path, (unsigned char)(files * 3), 100, 200);
    }
    void Remove(const char *relative) {
        char path[PATH_MAX];
        snprintf(path, sizeof path, "%s/Game Data/%s", root, relative);
        unlink(path);
    }
    // Runs the catalogue with this folder as the working directory.
    void Load(CTextureMgr &mgr) {
        ASSERT_EQ(0, chdir(root));
        mgr.InitTextures();
        ASSERT_EQ(0, chdir(saved));
    }
};

unsigned int SlotOf(const CTextureMgr &mgr, int slot) { return mgr.GetTexture(slot); }

bool IsListed(int slot) {
    if (slot >= 15 && slot <= 64) return true;
    for (const Expected &e : FILES)
        if (e.slot == slot) return true;
    return false;
}

// GL hands out fresh names after deletions, so the counts look far past the first few.
const GLuint SCAN_NAMES = 200000;

int LiveTextures() {
    int n = 0;
    for (GLuint name = 1; name < SCAN_NAMES; ++name) n += glIsTexture(name) ? 1 : 0;
    return n;
}

int LiveLists() {
    int n = 0;
    for (GLuint name = 1; name < SCAN_NAMES; ++name) n += glIsList(name) ? 1 : 0;
    return n;
}

}  // namespace

class TextureCatalogue : public GLFixture {};

TEST_F(TextureCatalogue, EveryListedFileFillsItsSlotWithItsWrapModeAndNearestFilters) {
    DataDir data;
    ASSERT_EQ(64, data.files);
    CTextureMgr mgr;
    data.Load(mgr);
    for (int slot = 0; slot < TEXTURE_SLOTS; ++slot) {
        unsigned int name = SlotOf(mgr, slot);
        if (!IsListed(slot)) {
            EXPECT_EQ(0u, name) << "slot " << slot << " is never loaded";
            continue;
        }
        ASSERT_NE(0u, name) << "slot " << slot;
        ASSERT_TRUE(glIsTexture(name));
        int wrap = (slot >= 15 && slot <= 64) ? GL_CLAMP : 0;
        for (const Expected &e : FILES)
            if (e.slot == slot) wrap = e.wrap;
        GLint s = 0, t = 0, minF = 0, magF = 0;
        glBindTexture(GL_TEXTURE_2D, name);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &s);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &t);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minF);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &magF);
        EXPECT_EQ(wrap, s) << "slot " << slot;
        EXPECT_EQ(wrap, t) << "slot " << slot;
        EXPECT_EQ(GL_NEAREST, minF);
        EXPECT_EQ(GL_NEAREST, magF);
    }
    // Every file got its own texture object.
    for (int a = 0; a < TEXTURE_SLOTS; ++a)
        for (int b = a + 1; b < TEXTURE_SLOTS; ++b)
            if (SlotOf(mgr, a)) {
                EXPECT_NE(SlotOf(mgr, a), SlotOf(mgr, b)) << a << " " << b;
            }
    // The spell image is loaded last, so info describes it.
    EXPECT_EQ(2u, mgr.info.Width);
    mgr.ReleaseTextures();
}

TEST_F(TextureCatalogue, GroupsLieOneAfterAnotherAndOutsideTheTableIsZero) {
    DataDir data;
    CTextureMgr mgr;
    data.Load(mgr);
    ASSERT_NE(0u, mgr.GetTexture(0));
    EXPECT_EQ(mgr.GetBackTex(0), mgr.GetTexture(10));
    EXPECT_EQ(mgr.GetCharTex(0), mgr.GetTexture(15));
    EXPECT_EQ(mgr.GetMiscTexture(1), mgr.GetTexture(76));
    EXPECT_EQ(mgr.GetSpellTex(0), mgr.GetTexture(65));
    EXPECT_EQ(mgr.GetBossTex(3), mgr.GetTexture(88));
    EXPECT_EQ(mgr.GetBossTex(3), mgr.GetMiscTexture(13));
    EXPECT_EQ(mgr.GetCharTex(49), mgr.GetTexture(64));
    EXPECT_NE(0u, mgr.GetTexture(10));
    const int outside[] = {-1, 95, 96, 1000, INT_MIN, INT_MAX};
    for (int id : outside) EXPECT_EQ(0u, mgr.GetTexture(id)) << id;
    EXPECT_EQ(0u, mgr.GetBackTex(-11));
    EXPECT_EQ(0u, mgr.GetBackTex(85));
    EXPECT_EQ(0u, mgr.GetCharTex(80));
    EXPECT_EQ(0u, mgr.GetSpellTex(30));
    EXPECT_EQ(0u, mgr.GetMiscTexture(20));
    EXPECT_EQ(0u, mgr.GetBossTex(10));
    EXPECT_EQ(0u, mgr.GetBossTex(INT_MAX));
    mgr.ReleaseTextures();
}

TEST_F(TextureCatalogue, AMissingOrBrokenFileLeavesOnlyItsSlotEmpty) {
    struct Case {
        const char *file;
        int slot;
        bool broken;  // present but not a PNG
    } cases[] = {
        {"HPPP.png", 81, false},
        {"Char/Jump Attack/JumpAttack3.png", 15 + 24, false},
        {"images/attacks/waterfall.png", 65, true},
    };
    for (const Case &c : cases) {
        DataDir data;
        data.Remove(c.file);
        if (c.broken) {
            char path[PATH_MAX];
            snprintf(path, sizeof path, "%s/Game Data/%s", data.root, c.file);
            FILE *f = fopen(path, "wb");
            ASSERT_TRUE(f);
            fputs("\x89PNG\r\n\x1a\nnot really", f);
            fclose(f);
        }
        CTextureMgr mgr;
        data.Load(mgr);
        for (int slot = 0; slot < TEXTURE_SLOTS; ++slot) {
            bool wanted = slot != c.slot && IsListed(slot);
            EXPECT_EQ(wanted, SlotOf(mgr, slot) != 0) << c.file << " slot " << slot;
        }
        mgr.ReleaseTextures();
    }
}

TEST_F(TextureCatalogue, RestartsLeaveTheLiveTexturesAndListsWhereTheyWere) {
    DataDir data;
    CTextureMgr textures;
    CFontsMgr fonts;
    data.Load(textures);
    fonts.InitFonts();
    int texturesBefore = LiveTextures();
    int listsBefore = LiveLists();
    EXPECT_GE(texturesBefore, 64);
    EXPECT_GE(listsBefore, 3 * FONT_GLYPHS);
    for (int i = 0; i < 10; ++i) {
        textures.ReleaseTextures();
        data.Load(textures);
        fonts.CleanUp();
        fonts.InitFonts();
    }
    EXPECT_EQ(texturesBefore, LiveTextures());
    EXPECT_EQ(listsBefore, LiveLists());
    // Running the set-up again without the explicit release must not pile up either.
    data.Load(textures);
    fonts.InitFonts();
    EXPECT_EQ(texturesBefore, LiveTextures());
    EXPECT_EQ(listsBefore, LiveLists());
    textures.ReleaseTextures();
    fonts.CleanUp();
    EXPECT_EQ(texturesBefore - 64, LiveTextures());
    EXPECT_EQ(listsBefore - 3 * FONT_GLYPHS, LiveLists());
}

// pngBind on its own: every colour type ends up as the RGBA the file means.
class PngLoad : public GLFixture {
  protected:
    char path[64];
    void SetUp() override {
        GLFixture::SetUp();
        snprintf(path, sizeof path, "/tmp/hoshimori_png_%d.png", (int)getpid());
    }
    void TearDown() override { unlink(path); }

    // Loads path and reads back its 2x1 texels (left, right).
    void LoadTexels(unsigned char out[8], pngInfo *info) {
        unsigned int name = pngBind(path, PNG_NOMIPMAP, PNG_ALPHA, info, GL_REPEAT, GL_NEAREST, GL_NEAREST);
        ASSERT_NE(0u, name);
        glBindTexture(GL_TEXTURE_2D, name);
        GLint w = 0, h = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
        ASSERT_EQ(2, w);
        ASSERT_EQ(1, h);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, out);
        glDeleteTextures(1, &name);
    }
};

TEST_F(PngLoad, EveryColourTypeBecomesRgba) {
    pngInfo info;
    unsigned char t[8];

    {  // palette with per-entry alpha
        png_color palette[2] = {{255, 0, 0}, {0, 0, 255}};
        unsigned char alpha[2] = {255, 64};
        unsigned char row[1] = {0x40};  // 2-bit indices: 1, 0
        const unsigned char *rows[1] = {row};
        ASSERT_TRUE(WritePng(path, 2, 1, PNG_COLOR_TYPE_PALETTE, 2, rows, palette, 2, alpha, 2));
        LoadTexels(t, &info);
        const unsigned char want[8] = {0, 0, 255, 64, 255, 0, 0, 255};
        EXPECT_EQ(0, memcmp(want, t, 8));
        EXPECT_NE(0u, info.Alpha);
    }
    {                                   // 1-bit gray without alpha
        unsigned char row[1] = {0x80};  // white, black
        const unsigned char *rows[1] = {row};
        ASSERT_TRUE(WritePng(path, 2, 1, PNG_COLOR_TYPE_GRAY, 1, rows));
        LoadTexels(t, &info);
        const unsigned char want[8] = {255, 255, 255, 255, 0, 0, 0, 255};
        EXPECT_EQ(0, memcmp(want, t, 8));
        EXPECT_EQ(0u, info.Alpha);
        EXPECT_EQ(1u, info.Depth);
    }
    {  // 16-bit gray with alpha
        unsigned char row[8] = {0x80, 0x00, 0xFF, 0xFF, 0x00, 0x10, 0x00, 0x00};
        const unsigned char *rows[1] = {row};
        ASSERT_TRUE(WritePng(path, 2, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 16, rows));
        LoadTexels(t, &info);
        const unsigned char want[8] = {128, 128, 128, 255, 0, 0, 0, 0};
        EXPECT_EQ(0, memcmp(want, t, 8));
        EXPECT_EQ(16u, info.Depth);
    }
    {  // RGB with a tRNS colour key: the keyed colour turns transparent
        unsigned char row[6] = {10, 20, 30, 0, 255, 0};
        const unsigned char *rows[1] = {row};
        png_color_16 key = {};
        key.green = 255;
        ASSERT_TRUE(WritePng(path, 2, 1, PNG_COLOR_TYPE_RGB, 8, rows, nullptr, 0, nullptr, 1, &key));
        LoadTexels(t, &info);
        const unsigned char want[8] = {10, 20, 30, 255, 0, 255, 0, 0};
        EXPECT_EQ(0, memcmp(want, t, 8));
        EXPECT_EQ(2u, info.Width);
        EXPECT_EQ(1u, info.Height);
    }
}

TEST_F(PngLoad, BadFilesGiveZeroAndCreateNothing) {
    int before = LiveTextures();
    pngInfo info = {7, 7, 7, 7};
    EXPECT_EQ(0u, pngBind("/nonexistent/none.png", 0, PNG_ALPHA, &info, GL_CLAMP, GL_NEAREST, GL_NEAREST));
    EXPECT_EQ(0u, pngBind(nullptr, 0, PNG_ALPHA, &info, GL_CLAMP, GL_NEAREST, GL_NEAREST));

    // A real image cut short at several points, an empty file and plain text.
    unsigned char row[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    const unsigned char *rows[1] = {row};
    ASSERT_TRUE(WritePng(path, 2, 1, PNG_COLOR_TYPE_RGBA, 8, rows));
    FILE *f = fopen(path, "rb");
    ASSERT_TRUE(f);
    unsigned char whole[512];
    size_t size = fread(whole, 1, sizeof whole, f);
    fclose(f);
    ASSERT_GT(size, 40u);
    size_t cuts[] = {0, 5, 8, 20, 33, 40, size - 13};
    for (size_t cut : cuts) {
        f = fopen(path, "wb");
        fwrite(whole, 1, cut, f);
        fclose(f);
        EXPECT_EQ(0u, pngBind(path, 0, PNG_ALPHA, &info, GL_CLAMP, GL_NEAREST, GL_NEAREST)) << cut;
    }
    // A corrupted data chunk fails its checksum.
    memcpy(whole + size - 20, "garbage!", 8);
    f = fopen(path, "wb");
    fwrite(whole, 1, size, f);
    fclose(f);
    EXPECT_EQ(0u, pngBind(path, 0, PNG_ALPHA, &info, GL_CLAMP, GL_NEAREST, GL_NEAREST));
    f = fopen(path, "wb");
    fputs("hello, not an image", f);
    fclose(f);
    EXPECT_EQ(0u, pngBind(path, 0, PNG_ALPHA, &info, GL_CLAMP, GL_NEAREST, GL_NEAREST));

    EXPECT_EQ(before, LiveTextures());
    EXPECT_EQ(7u, info.Width) << "a failed load leaves the record alone";
}

TEST_F(PngLoad, TopRowOfTheFileIsTheUpperEdgeOfAQuad) {
    // Two rows: red above, blue below.
    unsigned char top[8] = {255, 0, 0, 255, 255, 0, 0, 255};
    unsigned char bottom[8] = {0, 0, 255, 255, 0, 0, 255, 255};
    const unsigned char *rows[2] = {top, bottom};
    ASSERT_TRUE(WritePng(path, 2, 2, PNG_COLOR_TYPE_RGBA, 8, rows));
    pngInfo info;
    unsigned int name = pngBind(path, 0, PNG_ALPHA, &info, GL_CLAMP, GL_NEAREST, GL_NEAREST);
    ASSERT_NE(0u, name);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, name);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 1);
    glVertex3f(-2, -2, 0);
    glTexCoord2f(1, 1);
    glVertex3f(2, -2, 0);
    glTexCoord2f(1, 0);
    glVertex3f(2, 2, 0);
    glTexCoord2f(0, 0);
    glVertex3f(-2, 2, 0);
    glEnd();
    glDisable(GL_TEXTURE_2D);
    EXPECT_TRUE(Near({255, 0, 0}, WorldPixel(0, 1)));
    EXPECT_TRUE(Near({0, 0, 255}, WorldPixel(0, -1)));
    glDeleteTextures(1, &name);
}
