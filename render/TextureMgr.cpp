// The texture catalogue.
#include "render/TextureMgr.h"

CTextureMgr *TextureMgr;

CTextureMgr::CTextureMgr() {}
CTextureMgr::~CTextureMgr() {}
void CTextureMgr::InitTextures() {}
void CTextureMgr::ReleaseTextures() {}
unsigned int CTextureMgr::GetTexture(int) const { return 0; }
unsigned int CTextureMgr::GetBackTex(int) const { return 0; }
unsigned int CTextureMgr::GetCharTex(int) const { return 0; }
unsigned int CTextureMgr::GetSpellTex(int) const { return 0; }
unsigned int CTextureMgr::GetMiscTexture(int) const { return 0; }
unsigned int CTextureMgr::GetBossTex(int) const { return 0; }
