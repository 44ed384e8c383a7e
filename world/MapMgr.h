// Map manager: the grid's file, spawn placement, drawing and the editor's state.
#pragma once
#include "world/Map.h"

const int MAP_NAME = 18;  // 17 characters and the terminator

class CMapMgr {
  public:
    CMapMgr();
    ~CMapMgr();

    // Grid and file.
    void InitMap();
    void SaveMap();
    void LoadMap(bool isEditor, const char *WhichMap);
    // At shut-down: unsaved editor changes go to Recovery.dat, with no message box.
    bool SaveRecovery();
    void CheckForSpawn(int WhichSpawn);

    // Drawing.
    void DrawMap(int WhichGround);
    void DrawGrid();
    void DrawWindow(float PosX, float PosY, bool isSelected);
    void DrawTitle(float PosX, float PosY, int Size);

    // Editor.
    void ProcessInputs();
    void ChangeTex(float PosX, float PosY, bool LeftButton);
    void ChangeEvent();
    void DeleteEvent();

    bool drawBackground;
    bool drawCollision;
    bool drawForeground;
    bool drawGrid;
    bool drawEvents;
    bool keyLatch;  // an editor key was down at the end of the last editor pass
    int ground;     // GROUND_BACK or GROUND_FORE
    int currentTexture;
    int eventSelection;
    int eventFacing;
    unsigned char eventStage;
    unsigned char spawnStage;
    char mapName[MAP_NAME];
    int eventColumn;
    int eventRow;
    bool unsaved = false;  // the grid changed in the editor since the last save, load or clear
};

extern CMapMgr *MapMgr;
