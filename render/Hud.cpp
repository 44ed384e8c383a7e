// The heads-up display.
#include "render/Hud.h"

CHud *Hud;

CHud::CHud() : keyLatch(false) {}
CHud::~CHud() {}
void CHud::SetOrtho() {}
void CHud::DrawHud() {}
void CHud::DrawHealth() {}
void CHud::DrawDebugger() {}
void CHud::DrawInfo() {}
void CHud::DrawEvent() {}
void CHud::DrawMenu() {}
void CHud::ProcessInputs() {}
