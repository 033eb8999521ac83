#pragma once
// Bounds of the model's indexes and the keys the steppers take. Every entry point checks what it is handed
// before it indexes a table.
#include "device/eqmodel.h"

namespace editing {

inline bool IsChannel(int channel) {
    return channel >= 0 && channel < kChannels;
}

inline bool IsBand(int band) {
    return band >= 0 && band < kBands;
}

// The current channel when it is a valid index, else -1.
int CurrentChannel();

// Key codes and the wheel step the steppers understand (the arrow keys' virtual-key numbers).
constexpr int kKeyUp = 0x26;
constexpr int kKeyDown = 0x28;
constexpr int kWheelStep = 120;

// +1 for Up, -1 for Down (the direction of frequency, Q and delay; gains step the other way), 0 for any other
// key.
int KeyStep(int key);

// Moves value by step (+1 or -1) within 0..max. False, and nothing changes, when the value already stands at
// (or beyond) the end it would cross.
bool StepWithin(int& value, int step, int max);

}  // namespace editing
