// Texture catalogue: every image of the game in one table of 95 GL texture names.
#pragma once
#include "platform/Png.h"

const int TILE_TEX = 10, BACK_TEX = 5, CHAR_TEX = 50, SPELL_TEX = 10, MISC_TEX = 10, BOSS_TEX = 10;
const int TEXTURE_SLOTS = TILE_TEX + BACK_TEX + CHAR_TEX + SPELL_TEX + MISC_TEX + BOSS_TEX;  // 95

class CTextureMgr {
  public:
    CTextureMgr();
    ~CTextureMgr();

    void InitTextures();
    void ReleaseTextures();  // deletes the names of an earlier run

    // Table lookups from the group's first slot; outside the table they give 0.
    unsigned int GetTexture(int TextureID) const;
    unsigned int GetBackTex(int TextureID) const;
    unsigned int GetCharTex(int TextureID) const;
    unsigned int GetSpellTex(int TextureID) const;
    unsigned int GetMiscTexture(int TextureID) const;
    unsigned int GetBossTex(int TextureID) const;

    // The name stored at a table slot; null (or 0) outside 0..TEXTURE_SLOTS-1.
    unsigned int *Slot(int slot);
    unsigned int SlotName(int slot) const;

    pngInfo info;
    // The six groups lie one after another: one table of TEXTURE_SLOTS.
    unsigned int tileTex[TILE_TEX];
    unsigned int backTex[BACK_TEX];
    unsigned int charTex[CHAR_TEX];
    unsigned int spellTex[SPELL_TEX];
    unsigned int miscTex[MISC_TEX];
    unsigned int bossTex[BOSS_TEX];
};

extern CTextureMgr *TextureMgr;
