#pragma once
// Channel delays: a count of 48 kHz samples, shown with three decimals in milliseconds or, while g_DelayInCm
// is set, in centimetres (34 cm per millisecond).
#include <string>

namespace editing {

// The largest delay the firmware takes: 960 samples from firmware date 211118 on, else 599.
int MaxDelaySamples();

// The delay in the shown unit: microseconds rounded to the nearest, in ms; times 34 when bCm is set or
// g_DelayInCm is not 0.
double DelaySamplesToUnit(int samples, bool bCm);

// "%.3f" of DelaySamplesToUnit.
void FormatDelay(const int* samples, std::string& text, bool bCm);

// Reads up to six leading characters (eight in centimetres), digits and dots only; an empty text is 0. Stores
// the smallest step whose shown value is not below the typed one (the largest step when none is) and rewrites
// the text to it. Returns 1 for every accepted text, changed or not; 0 with both untouched for a bad one.
int ParseDelayText(int* samples, std::string& text, bool bCm);

// Up adds one sample unless the delay is at or above the largest step (a loaded delay may lie above it), Down
// takes one away unless it is 0. False at a limit; true for any other key (nothing changes).
bool StepDelayByKey(int key, int* samples);

}  // namespace editing
