// The map editor's keys, painting and event dialog.
#include "world/MapMgr.h"

void CMapMgr::ProcessInputs() {}
void CMapMgr::ChangeTex(float, float, bool) {}
void CMapMgr::ChangeEvent() {}
void CMapMgr::DeleteEvent() {}
