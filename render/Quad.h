// One whole image on one quad, upright: t = 0 on the upper edge, as every image of the game is drawn.
#pragma once
#include <GL/gl.h>

inline void DrawImageQuad(float x0, float y0, float x1, float y1) {
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(x0, y0, 0.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(x1, y0, 0.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(x1, y1, 0.0f);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(x0, y1, 0.0f);
    glEnd();
}
