// Drawing the grid, the stage windows and the title.
#include "world/MapMgr.h"

void CMapMgr::DrawMap(int) {}
void CMapMgr::DrawGrid() {}
void CMapMgr::DrawWindow(float, float, bool) {}
void CMapMgr::DrawTitle(float, float, int) {}
