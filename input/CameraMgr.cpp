// The camera.
#include "input/CameraMgr.h"

structCamera stCamera;
CCameraMgr *CameraMgr;

CCameraMgr::CCameraMgr() {}
CCameraMgr::~CCameraMgr() {}
void CCameraMgr::InitCamera() {}
void CCameraMgr::ProcessInputs() {}
void CCameraMgr::PlaceCamera() {}
