#include "editing/channelgaintext.h"

#include "editing/mixcell.h"
#include "editing/propagation.h"
#include "editing/textscan.h"
#include "editing/valueshape.h"

namespace editing {

namespace {
constexpr long kGainWholeLimit = 60;
}

int ParseGainText(std::string_view text, int channel, int inputBit) {
    if (inputBit != 0) return ParseMixCellText(text, channel, inputBit);
    if (!IsChannel(channel)) return 0;
    int value = 0;
    if (IsOffText(text)) {
        value = kChannelGainMax;
    } else {
        const auto shaped = CheckValueShape(text, true, kGainWholeLimit);
        if (!shaped) return 0;
        const Tenths x = ReadTenths(shaped->number);
        const long limit = shaped->negative ? kChannelGainMax : 0;
        if (x.value > limit || (x.value == limit && x.rest)) return 0;
        value = static_cast<int>(x.value);
    }
    if (g_ChannelGain[channel] == value) return 0;
    g_ChannelGain[channel] = value;
    CopyChannelGain(channel);
    return 1;
}

bool StepGainByKey(int key, int channel, int inputBit) {
    if (inputBit != 0) return StepMixCellByKey(key, channel, inputBit);
    if (!IsChannel(channel)) return false;
    // Up makes the channel louder, that is lowers its attenuation.
    const int step = -KeyStep(key);
    if (step != 0 && !StepWithin(g_ChannelGain[channel], step, kChannelGainMax)) return false;
    CopyChannelGain(channel);
    return true;
}

void FormatChannelGain(std::string& text, int channel) {
    if (!IsChannel(channel)) return;
    const int v = g_ChannelGain[channel];
    if (v == kChannelGainMax) {
        text = "OFF";
    } else if (v == 0) {
        text = "0.0dB";
    } else {
        text = "-" + FormatFixed(static_cast<float>(v) / 10.0f, 1) + "dB";
    }
}

}  // namespace editing
