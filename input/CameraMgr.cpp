// The camera.
#include "input/CameraMgr.h"

#include <GL/gl.h>

#include "actors/Character.h"
#include "app/Main.h"
#include "input/InputSystem.h"

structCamera stCamera;
CCameraMgr *CameraMgr;

// The game view stops here so it never shows past the map's edges.
const float CAMERA_X_NEAR = -11.0f;
const float CAMERA_X_FAR = -88.9f;
const float CAMERA_Y_LOW = -8.3f;
const float CAMERA_Y_HIGH = -16.5f;
const float CAMERA_PAN = 0.3f;  // editor panning per frame

CCameraMgr::CCameraMgr() {}
CCameraMgr::~CCameraMgr() {}

void CCameraMgr::InitCamera() {
    stCamera.x = 0.0f;
    stCamera.y = 0.0f;
    stCamera.z = -20.0f;
}

// The editor's W/A/S/D: every frame while held, no limits; W beats S and A beats D.
void CCameraMgr::ProcessInputs() {
    if (!Input) return;
    if (Input->KeyDown(DIK_W))
        stCamera.y -= CAMERA_PAN;
    else if (Input->KeyDown(DIK_S))
        stCamera.y += CAMERA_PAN;
    if (Input->KeyDown(DIK_A))
        stCamera.x += CAMERA_PAN;
    else if (Input->KeyDown(DIK_D))
        stCamera.x -= CAMERA_PAN;
}

void CCameraMgr::PlaceCamera() {
    if (Main.currentScreen == SCREEN_GAME) {
        stCamera.x = -stCharacter.posX;
        stCamera.y = -stCharacter.posY;
        if (stCamera.x >= CAMERA_X_NEAR)
            stCamera.x = CAMERA_X_NEAR;
        else if (stCamera.x <= CAMERA_X_FAR)
            stCamera.x = CAMERA_X_FAR;
        if (stCamera.y > CAMERA_Y_LOW)
            stCamera.y = CAMERA_Y_LOW;
        else if (stCamera.y < CAMERA_Y_HIGH)
            stCamera.y = CAMERA_Y_HIGH;
    }
    glTranslatef(stCamera.x, stCamera.y, stCamera.z);
}
