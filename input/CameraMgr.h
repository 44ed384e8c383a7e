// The camera: one translation of the world, applied at the start of every frame.
#pragma once

struct structCamera {
    float x;  // view centre at world x = -x
    float y;  // view centre at world y = -y
    float z;  // -20 by default
};

extern structCamera stCamera;

class CCameraMgr {
  public:
    CCameraMgr();
    ~CCameraMgr();
    void InitCamera();
    void ProcessInputs();
    void PlaceCamera();
};

extern CCameraMgr *CameraMgr;
