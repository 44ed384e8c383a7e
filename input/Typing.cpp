// The text entry field and its key chart.
#include "input/Typing.h"

#include <GL/gl.h>
#include <stdio.h>
#include <string.h>

#include "app/Main.h"
#include "input/InputSystem.h"

CTyping *Typing;

static const char *const KEY_CHART = ".//Game Data//Texts//KeyLog.txt";
const int CHART_RECORDS = 63;      // records 0..62, one per key code the field looks up
const int CHART_RECORD_BYTES = 8;  // every record, its line break included

CTyping::CTyping()
    : active(false), text{}, maxLength(0), chartKey(0), chartChar{}, blinkOn(false), lastBlinkTime(0) {}

CTyping::~CTyping() { memset(text, 0, sizeof(text)); }

static bool ShiftDown() { return Input && (Input->KeyDown(DIK_LSHIFT) || Input->KeyDown(DIK_RSHIFT)); }

// Appends one character, never past the last byte before the terminator.
static void AppendChar(char *text, char c) {
    size_t n = strlen(text);
    if (n >= (size_t)TEXT_CAPACITY - 1) return;
    text[n] = c;
    text[n + 1] = 0;
}

// Reads record k into key and character; false when the record is missing or does not parse.
// Only the record's own 8 bytes are looked at, so a record without a character can never
// borrow the next record's key code as its character.
static bool ReadRecord(FILE *chart, int k, int &key, char &character) {
    char record[CHART_RECORD_BYTES + 1];
    if (fseek(chart, (long)CHART_RECORD_BYTES * k, SEEK_SET) != 0) return false;
    size_t got = fread(record, 1, CHART_RECORD_BYTES, chart);
    record[got] = 0;
    int used = 0;
    if (sscanf(record, "%i%n", &key, &used) != 1) return false;
    char word[CHART_RECORD_BYTES + 1];
    if (sscanf(record + used, "%8s", word) != 1) return false;
    character = word[0];  // a longer character field keeps its first character
    return true;
}

bool CTyping::CheckChart(int KeyValue) {
    // No chart, no characters: the game goes on without them.
    FILE *chart = fopen(KEY_CHART, "r");
    if (!chart) return true;

    for (int k = 0; k < CHART_RECORDS; k++) {
        int key = 0;
        char character = 0;
        if (!ReadRecord(chart, k, key, character)) continue;
        chartKey = key;
        if (chartKey != KeyValue) continue;
        chartChar[0] = character;
        chartChar[1] = 0;

        if (FindTextLength() != maxLength) {
            bool shift = ShiftDown();
            char c = chartChar[0];
            if (c >= 'A' && c <= 'Z' && !shift) {
                chartChar[0] = (char)(c + 32);
            } else if (c >= '0' && c <= '9' && shift) {
                ChangeNumber();
            } else if (shift) {
                if (KeyValue == DIK_SLASH)
                    chartChar[0] = '?';
                else if (KeyValue == DIK_MINUS)
                    chartChar[0] = '_';
            }
            AppendChar(text, chartChar[0]);
        }
        break;
    }

    fclose(chart);
    return true;
}

int CTyping::FindTextLength() const {
    int limit = maxLength < TEXT_CAPACITY ? maxLength : TEXT_CAPACITY;
    for (int i = 0; i < limit; i++)
        if (text[i] == 0) return i;
    return limit < 0 ? 0 : limit;
}

void CTyping::HandleBackspace() {
    int n = FindTextLength();
    if (n >= 1) text[n - 1] = 0;
}

// Not bounded by maxLength: a blank may overfill the field, which then takes no more chart keys.
void CTyping::HandleSpacebar() { AppendChar(text, ' '); }

void CTyping::ChangeNumber() {
    static const char shifted[] = ")!@#$%^&*(";  // the symbols over 0..9 on a US keyboard
    char c = chartChar[0];
    if (c >= '0' && c <= '9') chartChar[0] = shifted[c - '0'];
}

void CTyping::DrawBlinky(float BlinkyX, float BlinkyY) {
    float now = ClockSeconds();
    if (now - lastBlinkTime > 0.5f) {
        lastBlinkTime = now;
        blinkOn = !blinkOn;
    }
    if (!blinkOn) return;
    float x = BlinkyX + 1.26f * (float)FindTextLength();
    glLineWidth(2.0f);
    glBegin(GL_LINES);
    glVertex2f(x, BlinkyY);
    glVertex2f(x, BlinkyY + 3.2f);
    glEnd();
}

void CTyping::Arm(int MaxLength) {
    memset(text, 0, sizeof(text));
    maxLength = MaxLength;
    active = true;
}

void CTyping::Disarm() { active = false; }
