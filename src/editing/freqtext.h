#pragma once
// Typed frequencies: EQ bands and the two crossover corners of the current channel.
#include <string_view>

namespace editing {

// Which frequency SetFreqFromText writes.
constexpr int kFreqBand = 0;
constexpr int kFreqHighPass = 1;
constexpr int kFreqLowPass = 2;

// Reads up to eight leading characters, digits only, 20..20000 Hz. Kind 1 writes the high-pass corner, kind 2
// the low-pass corner, any other kind band 0..30; the stored value is then copied to the tied channels.
// Returns 1 only when the stored value changed.
int SetFreqFromText(std::string_view text, int band, int kind);

}  // namespace editing
