// The hero's quad: one textured image of its current slot, mirrored when it faces left.
#include <GL/gl.h>

#include "actors/Character.h"
#include "render/TextureMgr.h"

namespace {

const float HERO_HALF_WIDTH = 1.0f;
const float HERO_HALF_HEIGHT = 1.6f;
const float WIDE_HALF_EXTRA = 1.5f;  // added on each side for the wide images
const float WIDE_OFFSET = 0.2f;      // shift of the wide quad, facing right only

// States whose images are drawn on the wide quad.
bool IsWide(int state) {
    switch (state) {
        case HERO_JUMP_FORWARD:
        case HERO_FALL:
        case HERO_JUMP:
        case HERO_STILL:
        case HERO_ATTACK:
        case HERO_STOP:
        case HERO_LAND:
            return true;
        default:
            return false;
    }
}

}  // namespace

void CCharacterMgr::DrawCharacter() {
    const structCharacter &hero = stCharacter;
    float w = IsWide(hero.state) ? WIDE_HALF_EXTRA : 0.0f;
    float d = IsWide(hero.state) ? WIDE_OFFSET : 0.0f;
    float left = -HERO_HALF_WIDTH - w;
    float right = HERO_HALF_WIDTH + w;

    glTranslatef(hero.posX, hero.posY, hero.posZ);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glBindTexture(GL_TEXTURE_2D, TextureMgr ? TextureMgr->GetCharTex(hero.frame) : 0);

    glBegin(GL_QUADS);
    if (hero.isHurt) glColor3f(1.0f, 0.0f, 0.0f);
    // The images face right; facing left swaps the horizontal texture coordinate.
    if (hero.facing == 1) {
        glTexCoord2f(0.0f, 1.0f);
        glVertex3f(left + d, -HERO_HALF_HEIGHT, 0.0f);
        glTexCoord2f(1.0f, 1.0f);
        glVertex3f(right + d, -HERO_HALF_HEIGHT, 0.0f);
        glTexCoord2f(1.0f, 0.0f);
        glVertex3f(right + d, HERO_HALF_HEIGHT, 0.0f);
        glTexCoord2f(0.0f, 0.0f);
        glVertex3f(left + d, HERO_HALF_HEIGHT, 0.0f);
    } else if (hero.facing == 0) {
        glTexCoord2f(1.0f, 1.0f);
        glVertex3f(left, -HERO_HALF_HEIGHT, 0.0f);
        glTexCoord2f(0.0f, 1.0f);
        glVertex3f(right, -HERO_HALF_HEIGHT, 0.0f);
        glTexCoord2f(0.0f, 0.0f);
        glVertex3f(right, HERO_HALF_HEIGHT, 0.0f);
        glTexCoord2f(1.0f, 0.0f);
        glVertex3f(left, HERO_HALF_HEIGHT, 0.0f);
    }
    if (hero.isHurt) glColor3f(1.0f, 1.0f, 1.0f);
    glEnd();

    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
}
