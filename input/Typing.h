// The one-line text entry field and its key chart.
#pragma once

const int TEXT_CAPACITY = 50;  // 49 characters and the terminator

class CTyping {
  public:
    CTyping();
    ~CTyping();

    bool CheckChart(int KeyValue);  // always true
    int FindTextLength() const;     // at most maxLength
    void HandleBackspace();
    void HandleSpacebar();
    void ChangeNumber();
    void DrawBlinky(float BlinkyX, float BlinkyY);
    void Arm(int MaxLength);  // empty text, active
    void Disarm();

    bool active;
    char text[TEXT_CAPACITY];
    int maxLength;
    int chartKey;
    char chartChar[2];
    bool blinkOn;
    float lastBlinkTime;
};

extern CTyping *Typing;
