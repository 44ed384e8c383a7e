// The drawing of each screen, in world units under the camera; drawing order decides cover.
#include <GL/gl.h>

#include "actors/Boss.h"
#include "actors/Character.h"
#include "actors/ParticlesMgr.h"
#include "app/Main.h"
#include "input/Typing.h"
#include "render/FontsMgr.h"
#include "render/Quad.h"
#include "render/TextureMgr.h"
#include "world/MapMgr.h"

// The intro's animation; set at process start and never reset, so a restart resumes it.
float g_pushx = -20.5f;
float g_pushz = 20.0f;
float g_opacity = 1.0f;

namespace {

// Lower-left corners of the stage windows: a three-by-three ring, the centre left empty.
const float WINDOW_POS[STAGE_WINDOWS][2] = {
    {-10.0f, 4.0f}, {-2.5f, 4.0f},   {5.0f, 4.0f},   {-10.0f, -1.5f},
    {5.0f, -1.5f},  {-10.0f, -7.0f}, {-2.5f, -7.0f}, {5.0f, -7.0f},
};

// The background image stretched over the whole 100 by 25 grid.
void DrawBackdrop() {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, TextureMgr->GetBackTex(0));
    DrawImageQuad(0.0f, 0.0f, (float)MAP_COLUMNS, (float)MAP_ROWS);
    glDisable(GL_TEXTURE_2D);
}

}  // namespace

void CMain::RenderIntro() {
    if (!(g_opacity > 0.0f)) {
        // The scroll: the intro image slides up its plane, tilted back from the viewer.
        g_pushx += 0.01f;
        glPushMatrix();
        glTranslatef(0.0f, -2.0f, 0.0f);
        glRotatef(-60.0f, 1.0f, 0.0f, 0.0f);
        glTranslatef(0.0f, g_pushx, 0.0f);
        glEnable(GL_TEXTURE_2D);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glBindTexture(GL_TEXTURE_2D, TextureMgr->GetMiscTexture(5));
        DrawImageQuad(-7.0f, -12.24f, 6.23f, 12.24f);
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_BLEND);
        glPopMatrix();
        if (g_pushx > 30.0f) SetScreen(SCREEN_SELECT);
    }
    // The title recedes in both phases; it fades once it is far enough away.
    g_pushz -= 0.1f;
    if (g_opacity > 0.0f && g_pushz < -30.0f) g_opacity -= 0.005f;
    if (g_opacity > 0.0f) {
        glPushMatrix();
        glTranslatef(0.0f, 0.0f, g_pushz);
        glColor4f(1.0f, 1.0f, 1.0f, g_opacity);
        MapMgr->DrawTitle(-3.84f, -1.5f, 7);
        glPopMatrix();
    }
}

void CMain::RenderSelect() {
    glColor3f(0.25f, 0.3764f, 0.9725f);
    DrawImageQuad(-12.0f, -10.0f, 12.0f, 10.0f);
    glColor3f(1.0f, 1.0f, 1.0f);
    // A wall of small titles behind the windows.
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 4; ++c) MapMgr->DrawTitle(-11.0f + 6.0f * c, 5.5f - 3.0f * r, 6);
    for (int i = 0; i < STAGE_WINDOWS; ++i)
        MapMgr->DrawWindow(WINDOW_POS[i][0], WINDOW_POS[i][1], windowHighlight[i]);
}

void CMain::RenderMapName() {
    glColor3f(0.3f, 0.3f, 0.3f);
    DrawImageQuad(-1.2f, -1.0f, 2.2f, 1.0f);
    glColor3f(1.0f, 1.0f, 1.0f);
    // Raster positions are world positions, so the text sits on the box.
    glRasterPos2f(-0.5f, 0.5f);
    FontsMgr->PrintString(FontsMgr->GetlistBase(0), "Map Name");
    glRasterPos2f(-1.0f, 0.0f);
    FontsMgr->PrintString(FontsMgr->GetlistBase(0), Typing->text);
}

void CMain::RenderEditor() {
    DrawBackdrop();
    if (MapMgr->drawBackground) {
        glPushMatrix();
        glTranslatef(0.0f, 0.0f, -0.01f);
        MapMgr->DrawMap(GROUND_BACK);
        glPopMatrix();
    }
    if (MapMgr->drawForeground) {
        glPushMatrix();
        MapMgr->DrawMap(GROUND_FORE);
        glPopMatrix();
    }
    if (MapMgr->drawGrid) {
        glPushMatrix();
        MapMgr->DrawGrid();
        glPopMatrix();
    }
}

void CMain::RenderGame() {
    // The colour in force (the death tint) tints the backdrop and the first tile.
    DrawBackdrop();
    glPushMatrix();
    glTranslatef(0.0f, 0.0f, -0.01f);
    MapMgr->DrawMap(GROUND_BACK);
    glPopMatrix();

    glPushMatrix();
    CharacterMgr->DrawCharacter();
    glPopMatrix();
    glPushMatrix();
    BossMgr->DrawBoss();
    glPopMatrix();
    glPushMatrix();
    BossMgr->ProcessSpells();
    glPopMatrix();

    // The foreground covers hero, boss and spells; the particles cover everything.
    glPushMatrix();
    MapMgr->DrawMap(GROUND_FORE);
    glPopMatrix();
    for (int i = 0; i < SPELL_EMITTERS; ++i) {
        if (!ParticlesSpiters[i] || !ParticlesSpiters[i]->isDrawn) continue;
        glPushMatrix();
        ParticlesSpiters[i]->DrawParticles();
        glPopMatrix();
    }
}
