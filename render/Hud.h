// The heads-up display: health panels, ending messages, editor overlays.
#pragma once

class CHud {
  public:
    CHud();
    ~CHud();

    void SetOrtho();
    void DrawHud();
    void DrawHealth();
    void DrawDebugger();
    void DrawInfo();   // editor key legend
    void DrawEvent();  // event dialog
    void DrawMenu();   // the developer menu's two choices
    void ProcessInputs();

    bool keyLatch;  // Space or Backspace down at the end of the last ProcessInputs
};

extern CHud *Hud;
