// The text entry field and its key chart.
#include "input/Typing.h"

CTyping *Typing;

CTyping::CTyping() : active(false), text{}, maxLength(0), chartKey(0), chartChar{}, blinkOn(false), lastBlinkTime(0) {}
CTyping::~CTyping() {}
bool CTyping::CheckChart(int) { return true; }
int CTyping::FindTextLength() const { return 0; }
void CTyping::HandleBackspace() {}
void CTyping::HandleSpacebar() {}
void CTyping::ChangeNumber() {}
void CTyping::DrawBlinky(float, float) {}
void CTyping::Arm(int MaxLength) { text[0] = 0; maxLength = MaxLength; active = true; }
void CTyping::Disarm() { active = false; }
