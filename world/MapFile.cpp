// The map grid, its file and spawn placement.
#include "world/MapMgr.h"

structMap stMap[MAP_COLUMNS][MAP_ROWS];
CMapMgr *MapMgr;

structMap *MapCell(int column, int row) {
    if (column < 0 || column >= MAP_COLUMNS || row < 0 || row >= MAP_ROWS) return nullptr;
    return &stMap[column][row];
}

CMapMgr::CMapMgr() {}
CMapMgr::~CMapMgr() {}
void CMapMgr::InitMap() {}
void CMapMgr::SaveMap() {}
void CMapMgr::LoadMap(bool, const char *) {}
void CMapMgr::CheckForSpawn(int) {}
