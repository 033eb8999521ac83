#include "editing/freqtext.h"

#include "device/channelmodel.h"
#include "editing/indexes.h"
#include "editing/propagation.h"
#include "editing/textscan.h"

namespace editing {

namespace {
constexpr std::size_t kFreqChars = 8;
}

int SetFreqFromText(std::string_view text, int band, int kind) {
    const int ch = CurrentChannel();
    if (ch < 0) return 0;
    const std::string_view head = LeadingChars(text, kFreqChars);
    for (char c : head) {
        if (!IsDigit(c)) return 0;
    }
    const long value = LeadingWholeNumber(head);
    if (value < kEqFreqMin || value > kEqFreqMax) return 0;
    const int hz = static_cast<int>(value);
    if (kind == kFreqHighPass) {
        if (g_HighPassFreq[ch] == hz) return 0;
        g_HighPassFreq[ch] = hz;
        PropagateHighPassFreq();
    } else if (kind == kFreqLowPass) {
        if (g_LowPassFreq[ch] == hz) return 0;
        g_LowPassFreq[ch] = hz;
        PropagateLowPassFreq();
    } else {
        if (!IsBand(band) || g_EqFreq[ch][band] == hz) return 0;
        g_EqFreq[ch][band] = hz;
        PropagateBandFreq(band);
    }
    return 1;
}

}  // namespace editing
