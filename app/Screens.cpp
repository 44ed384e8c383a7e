// The drawing of each screen.
#include "app/Main.h"

float g_pushx = -20.5f;
float g_pushz = 20.0f;
float g_opacity = 1.0f;

void CMain::RenderIntro() {}
void CMain::RenderSelect() {}
void CMain::RenderMapName() {}
void CMain::RenderEditor() {}
void CMain::RenderGame() {}
