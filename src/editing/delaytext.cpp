#include "editing/delaytext.h"

#include <cstdint>

#include "device/channelmodel.h"
#include "device/status.h"
#include "editing/indexes.h"
#include "editing/textscan.h"

namespace editing {

namespace {

constexpr int kLongDelayFirmware = 211118;
constexpr std::size_t kMsChars = 6;
constexpr std::size_t kCmChars = 8;
constexpr double kCmPerMs = 34.0;

bool InCm(bool bCm) {
    return bCm || g_DelayInCm != 0;
}

}  // namespace

int MaxDelaySamples() {
    return g_FirmwareDate >= kLongDelayFirmware ? 960 : 599;
}

double DelaySamplesToUnit(int samples, bool bCm) {
    // Unsigned 32-bit product: a count too large for it wraps rather than overflowing.
    const std::uint32_t product = static_cast<std::uint32_t>(samples) * 1000u;
    const auto us = static_cast<std::int64_t>(static_cast<double>(product) / 48.0 + 0.5);
    double value = static_cast<double>(us) / 1000.0;
    if (InCm(bCm)) value *= kCmPerMs;
    return value;
}

void FormatDelay(const int* samples, std::string& text, bool bCm) {
    if (!samples) return;
    text = FormatFixed(DelaySamplesToUnit(*samples, bCm), 3);
}

int ParseDelayText(int* samples, std::string& text, bool bCm) {
    if (!samples) return 0;
    const std::string_view head = LeadingChars(text, InCm(bCm) ? kCmChars : kMsChars);
    if (!AllDigitsOrDots(head)) return 0;
    const double typed = ReadNumber(head);
    const int largest = MaxDelaySamples();
    int s = 0;
    while (s < largest && ReadNumber(FormatFixed(DelaySamplesToUnit(s, bCm), 3)) < typed) ++s;
    *samples = s;
    FormatDelay(samples, text, bCm);
    return 1;
}

bool StepDelayByKey(int key, int* samples) {
    if (!samples) return false;
    const int step = KeyStep(key);
    if (step != 0 && !StepWithin(*samples, step, MaxDelaySamples())) return false;
    return true;
}

}  // namespace editing
