// Drawing the grid's two layers, the grid lines, the stage windows and the title.
#include <GL/gl.h>

#include "actors/Character.h"
#include "app/Main.h"
#include "render/Quad.h"
#include "render/TextureMgr.h"
#include "world/MapMgr.h"

namespace {

void CellQuad(int column, int row) {
    DrawImageQuad((float)column, (float)row, (float)(column + 1), (float)(row + 1));
}

}  // namespace

void CMapMgr::DrawMap(int WhichGround) {
    if (WhichGround != GROUND_BACK && WhichGround != GROUND_FORE) return;
    bool editor = Main.currentScreen == SCREEN_EDITOR;
    // The tile one row under the hero's feet is lit yellow on every screen.
    int heroColumn = (int)stCharacter.posX;
    int heroRow = (int)(stCharacter.posY - 3.0f);

    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_TEXTURE_2D);
    for (int column = 0; column < MAP_COLUMNS; ++column) {
        for (int row = 0; row < MAP_ROWS; ++row) {
            const structMap &cell = stMap[column][row];
            bool solidMark = editor && cell.collision == 1 && drawCollision;
            int tile = cell.layerTexture[WhichGround];
            if (tile != -1) {
                if (solidMark) glColor3f(0.0f, 0.0f, 1.0f);
                if (column == heroColumn && row == heroRow) glColor3f(1.0f, 1.0f, 0.0f);
                glBindTexture(GL_TEXTURE_2D, TextureMgr->GetTexture(tile));
                CellQuad(column, row);
                glColor3f(1.0f, 1.0f, 1.0f);
            } else if (WhichGround == GROUND_FORE && solidMark) {
                // A solid cell without a foreground tile still shows as a blue square.
                glDisable(GL_TEXTURE_2D);
                glColor3f(0.0f, 0.0f, 1.0f);
                CellQuad(column, row);
                glColor3f(1.0f, 1.0f, 1.0f);
                glEnable(GL_TEXTURE_2D);
            }
            if (drawEvents && editor && cell.eventType != EVENT_NONE) {
                glBindTexture(GL_TEXTURE_2D, TextureMgr->GetMiscTexture(1));
                CellQuad(column, row);
            }
        }
    }
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
}

void CMapMgr::DrawGrid() {
    // Grey while the foreground is edited, the caller's colour (white) for the background.
    if (ground == GROUND_FORE) glColor3f(0.5f, 0.5f, 0.5f);
    glBegin(GL_LINES);
    for (int x = 0; x <= MAP_COLUMNS; ++x) {
        glVertex3f((float)x, (float)MAP_ROWS, 0.0f);
        glVertex3f((float)x, 0.0f, 0.0f);
    }
    for (int y = 0; y <= MAP_ROWS; ++y) {
        glVertex3f(0.0f, (float)y, 0.0f);
        glVertex3f((float)MAP_COLUMNS, (float)y, 0.0f);
    }
    glEnd();
    if (ground == GROUND_FORE) glColor3f(1.0f, 1.0f, 1.0f);
}

void CMapMgr::DrawWindow(float PosX, float PosY, bool isSelected) {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, TextureMgr->GetMiscTexture(isSelected ? 3 : 2));
    DrawImageQuad(PosX, PosY, PosX + 4.0f, PosY + 4.0f);
    // Every stage shows the same picture.
    glBindTexture(GL_TEXTURE_2D, TextureMgr->GetBossTex(3));
    DrawImageQuad(PosX + 0.5f, PosY + 0.5f, PosX + 3.5f, PosY + 3.5f);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
}

void CMapMgr::DrawTitle(float PosX, float PosY, int Size) {
    // The small title is the large one at half size; other sizes draw nothing visible.
    float width = 0.0f, height = 0.0f;
    if (Size == 6) {
        width = 3.84f;
        height = 1.5f;
    } else if (Size == 7) {
        width = 7.68f;
        height = 3.0f;
    }
    // No colour here: the caller's colour and alpha fade the intro's title.
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, TextureMgr->GetMiscTexture(4));
    DrawImageQuad(PosX, PosY, PosX + width, PosY + height);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
}
