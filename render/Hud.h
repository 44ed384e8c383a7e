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

// The first three characters of a health value's integer part, as the panels show it.
// Writes them, zero-terminated, into out and returns how many there are (0 to 3).
int HealthChars(float health, char out[4]);

extern CHud *Hud;
