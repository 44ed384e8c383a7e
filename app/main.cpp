// Process entry.
#include "app/Main.h"

int main() { return WinMain(); }
