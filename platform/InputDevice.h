// Keyboard and mouse devices: a 256-byte key snapshot by DirectInput key code and a relative mouse record.
#pragma once

typedef void *PlatInput;   // the input library object
typedef void *PlatDevice;  // one device

enum { PLAT_DEVICE_KEYBOARD = 1, PLAT_DEVICE_MOUSE = 2 };

// Relative mouse record of one poll.
struct PlatMouseState {
    int lX;  // counts to the right since the previous poll
    int lY;  // counts downward
    int lZ;  // wheel
    unsigned char rgbButtons[4];  // 0 left, 1 right; down when bit 0x80 is set
};

// Results follow the convention: negative means failure.
int PlatInputCreate(PlatInput *out);
void PlatInputRelease(PlatInput input);
int PlatInputCreateDevice(PlatInput input, int kind, PlatDevice *out);
int PlatDeviceAcquire(PlatDevice device);
int PlatDeviceUnacquire(PlatDevice device);
// Keyboard: size 256, buffer of key bytes. Mouse: size 16, a PlatMouseState.
int PlatDeviceGetState(PlatDevice device, unsigned int size, void *data);
void PlatDeviceRelease(PlatDevice device);
