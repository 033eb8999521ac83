#include "editing/eqgaintext.h"

#include "device/eqmodel.h"
#include "editing/indexes.h"
#include "editing/textscan.h"
#include "editing/valueshape.h"

namespace editing {

namespace {
constexpr long kEqWholeLimit = 20;
constexpr long kEqTenthsMax = 150;  // 15.0 dB either way
}  // namespace

int SetBandGainFromText(int band, std::string_view text) {
    const int ch = CurrentChannel();
    if (ch < 0 || !IsBand(band)) return 0;
    const auto shaped = CheckValueShape(text, true, kEqWholeLimit);
    if (!shaped) return 0;
    const Tenths x = ReadTenths(shaped->number);
    if (x.value > kEqTenthsMax || (x.value == kEqTenthsMax && x.rest)) return 0;
    const int code = static_cast<int>(shaped->negative ? kEqGainFlat + x.value : kEqGainFlat - x.value);
    if (g_EqGain[ch][band] == code) return 0;
    g_EqGain[ch][band] = code;
    return 1;
}

void FormatEqGain(std::string& text, int band) {
    const int ch = CurrentChannel();
    if (ch < 0 || !IsBand(band)) return;
    const int code = g_EqGain[ch][band];
    if (code < 0 || code > kEqGainMax) return;
    const int tenths = code <= kEqGainFlat ? kEqGainFlat - code : code - kEqGainFlat;
    text = (code <= kEqGainFlat ? "" : "-") + std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

}  // namespace editing
