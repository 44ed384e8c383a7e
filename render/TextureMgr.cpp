// The texture catalogue: every image of the game, loaded once per set-up into 95 slots.
#include "render/TextureMgr.h"

#include <GL/gl.h>
#include <string.h>

CTextureMgr *TextureMgr;

namespace {

struct TextureFile {
    int slot;  // in the 95-slot table
    const char *path;
    int wrap;
};

// Every image, in load order. The order only decides which image info describes at the end.
const TextureFile TEXTURE_FILES[] = {
    // The tile image
    {0, ".//Game Data//Images//Attacking.png", GL_CLAMP},
    // Hero frames, by character slot
    {15, ".//Game Data//Char//Still.png", GL_CLAMP},
    {16, ".//Game Data//Char//Attacking//Attack1.png", GL_CLAMP},
    {17, ".//Game Data//Char//Attacking//Attack2.png", GL_CLAMP},
    {18, ".//Game Data//Char//Attacking//Attack3.png", GL_CLAMP},
    {19, ".//Game Data//Char//Attacking//Attack4.png", GL_CLAMP},
    {20, ".//Game Data//Char//Attacking//Attack5.png", GL_CLAMP},
    {21, ".//Game Data//Char//Attacking//Attack6.png", GL_CLAMP},
    {22, ".//Game Data//Char//Crouching//Crouch1.png", GL_CLAMP},
    {23, ".//Game Data//Char//Crouching//Crouch2.png", GL_CLAMP},
    {24, ".//Game Data//Char//Crouching//Crouch3.png", GL_CLAMP},
    {25, ".//Game Data//Char//Crouching//Crouch4.png", GL_CLAMP},
    {26, ".//Game Data//Char//Crouching//Crouch5.png", GL_CLAMP},
    {27, ".//Game Data//Char//Hurt//Hurt1.png", GL_CLAMP},
    {28, ".//Game Data//Char//Hurt//Hurt2.png", GL_CLAMP},
    {29, ".//Game Data//Char//HurtFall//HurtFall1.png", GL_CLAMP},
    {30, ".//Game Data//Char//HurtFall//HurtFall2.png", GL_CLAMP},
    {31, ".//Game Data//Char//HurtFall//HurtFall3.png", GL_CLAMP},
    {32, ".//Game Data//Char//HurtFall//HurtFall4.png", GL_CLAMP},
    {33, ".//Game Data//Char//HurtFall//HurtFall5.png", GL_CLAMP},
    {34, ".//Game Data//Char//HurtFall//HurtFall6.png", GL_CLAMP},
    {35, ".//Game Data//Char//HurtFall//HurtFall7.png", GL_CLAMP},
    {36, ".//Game Data//Char//HurtFall//HurtFall8.png", GL_CLAMP},
    {37, ".//Game Data//Char//Jump Attack//JumpAttack1.png", GL_CLAMP},
    {38, ".//Game Data//Char//Jump Attack//JumpAttack2.png", GL_CLAMP},
    {39, ".//Game Data//Char//Jump Attack//JumpAttack3.png", GL_CLAMP},
    {40, ".//Game Data//Char//Jump Attack//JumpAttack4.png", GL_CLAMP},
    {41, ".//Game Data//Char//Jump Attack//JumpAttack5.png", GL_CLAMP},
    {42, ".//Game Data//Char//Jump Attack//JumpAttack6.png", GL_CLAMP},
    {43, ".//Game Data//Char//Jumping//Jump1.png", GL_CLAMP},
    {44, ".//Game Data//Char//Jumping//Jump2.png", GL_CLAMP},
    {45, ".//Game Data//Char//Jumping//Jump3.png", GL_CLAMP},
    {46, ".//Game Data//Char//Jumping//Jump4.png", GL_CLAMP},
    {47, ".//Game Data//Char//Jumping//Jump5.png", GL_CLAMP},
    {48, ".//Game Data//Char//Walking//Walk1.png", GL_CLAMP},
    {49, ".//Game Data//Char//Walking//Walk2.png", GL_CLAMP},
    {50, ".//Game Data//Char//Walking//Walk3.png", GL_CLAMP},
    {51, ".//Game Data//Char//Walking//Walk4.png", GL_CLAMP},
    {52, ".//Game Data//Char//Walking//Walk5.png", GL_CLAMP},
    {53, ".//Game Data//Char//Walking//Walk6.png", GL_CLAMP},
    {54, ".//Game Data//Char//Stop//Stop1.png", GL_CLAMP},
    {55, ".//Game Data//Char//Stop//Stop2.png", GL_CLAMP},
    {56, ".//Game Data//Char//Stop//Stop3.png", GL_CLAMP},
    {57, ".//Game Data//Char//Stop//Stop4.png", GL_CLAMP},
    {58, ".//Game Data//Char//Stop//Stop5.png", GL_CLAMP},
    {59, ".//Game Data//Char//Stop//Stop6.png", GL_CLAMP},
    {60, ".//Game Data//Char//Turn//Turn1.png", GL_CLAMP},
    {61, ".//Game Data//Char//Turn//Turn2.png", GL_CLAMP},
    {62, ".//Game Data//Char//Land//Land1.png", GL_CLAMP},
    {63, ".//Game Data//Char//Land//Land2.png", GL_CLAMP},
    {64, ".//Game Data//Char//Land//Land3.png", GL_CLAMP},
    // Miscellaneous
    {75, ".//Game Data//Images//Misc//Particle.png", GL_CLAMP},
    {76, ".//Game Data//Images//Misc//event.png", GL_CLAMP},
    {77, ".//Game Data//Images//Misc//Window.png", GL_REPEAT},
    {78, ".//Game Data//Images//Misc//Window2.png", GL_REPEAT},
    {79, ".//Game Data//Images//Misc//Title.png", GL_REPEAT},
    {80, ".//Game Data//Intro.png", GL_REPEAT},
    {81, ".//Game Data//HPPP.png", GL_REPEAT},
    // The backdrop
    {10, ".//Game Data//back.png", GL_REPEAT},
    // Boss frames
    {85, ".//Game Data//boss//Carp_left.png", GL_REPEAT},
    {86, ".//Game Data//boss//Carp_left_2.png", GL_REPEAT},
    {87, ".//Game Data//boss//Carp_up.png", GL_REPEAT},
    {88, ".//Game Data//boss//Carp_down.png", GL_REPEAT},
    // The spell image, loaded last
    {65, ".//Game Data//images//attacks//waterfall.png", GL_REPEAT},
};
const int TEXTURE_FILE_COUNT = sizeof TEXTURE_FILES / sizeof TEXTURE_FILES[0];

// First table slot of each group.
const int TILE_FIRST = 0;
const int BACK_FIRST = TILE_FIRST + TILE_TEX;
const int CHAR_FIRST = BACK_FIRST + BACK_TEX;
const int SPELL_FIRST = CHAR_FIRST + CHAR_TEX;
const int MISC_FIRST = SPELL_FIRST + SPELL_TEX;
const int BOSS_FIRST = MISC_FIRST + MISC_TEX;

}  // namespace

CTextureMgr::CTextureMgr() {
    memset(&info, 0, sizeof info);
    for (int i = 0; i < TEXTURE_SLOTS; ++i) *Slot(i) = 0;
}

CTextureMgr::~CTextureMgr() {}

unsigned int *CTextureMgr::Slot(int slot) {
    if (slot < 0 || slot >= TEXTURE_SLOTS) return nullptr;
    if (slot < BACK_FIRST) return &tileTex[slot - TILE_FIRST];
    if (slot < CHAR_FIRST) return &backTex[slot - BACK_FIRST];
    if (slot < SPELL_FIRST) return &charTex[slot - CHAR_FIRST];
    if (slot < MISC_FIRST) return &spellTex[slot - SPELL_FIRST];
    if (slot < BOSS_FIRST) return &miscTex[slot - MISC_FIRST];
    return &bossTex[slot - BOSS_FIRST];
}

unsigned int CTextureMgr::SlotName(int slot) const {
    unsigned int *name = const_cast<CTextureMgr *>(this)->Slot(slot);
    return name ? *name : 0;
}

void CTextureMgr::InitTextures() {
    // A restart loads everything anew; the old objects would only pile up.
    ReleaseTextures();
    for (int i = 0; i < TEXTURE_FILE_COUNT; ++i) {
        const TextureFile &file = TEXTURE_FILES[i];
        *Slot(file.slot) =
            pngBind(file.path, PNG_NOMIPMAP, PNG_ALPHA, &info, file.wrap, GL_NEAREST, GL_NEAREST);
    }
}

void CTextureMgr::ReleaseTextures() {
    for (int i = 0; i < TEXTURE_SLOTS; ++i) {
        unsigned int *name = Slot(i);
        if (*name != 0) glDeleteTextures(1, name);
        *name = 0;
    }
}

// Groups lie one after another, so an index past its own group reads the next groups' slots.
unsigned int CTextureMgr::GetTexture(int TextureID) const { return SlotName(TILE_FIRST + TextureID); }
unsigned int CTextureMgr::GetBackTex(int TextureID) const { return SlotName(BACK_FIRST + TextureID); }
unsigned int CTextureMgr::GetCharTex(int TextureID) const { return SlotName(CHAR_FIRST + TextureID); }
unsigned int CTextureMgr::GetSpellTex(int TextureID) const { return SlotName(SPELL_FIRST + TextureID); }
unsigned int CTextureMgr::GetMiscTexture(int TextureID) const { return SlotName(MISC_FIRST + TextureID); }
unsigned int CTextureMgr::GetBossTex(int TextureID) const { return SlotName(BOSS_FIRST + TextureID); }
