#include "editing/mixcell.h"

#include "device/channelmodel.h"
#include "editing/indexes.h"
#include "editing/textscan.h"

namespace editing {

namespace {
constexpr std::size_t kCellChars = 3;
}

int InputBitToIndex(int bit) {
    for (int j = 0; j < kInputs; ++j) {
        if (bit == 1 << j) return g_MaskBitToStorage[j];
    }
    return 0;
}

int GetMixCell(int channel, int inputBit) {
    if (!IsChannel(channel)) return 0;
    return g_InputVolume[channel][InputBitToIndex(inputBit)];
}

void SetMixCell(int channel, int inputBit, int value) {
    if (!IsChannel(channel)) return;
    g_InputVolume[channel][InputBitToIndex(inputBit)] = value;
}

void FormatMixCell(std::string& text, int channel, int inputBit) {
    const int v = GetMixCell(channel, inputBit);
    if (!IsChannel(channel) || v < 0 || v > kInputVolumeMax) {
        text.clear();
    } else {
        text = (v == 0 ? "" : "-") + std::to_string(v) + "dB";
    }
}

int ParseMixCellText(std::string_view text, int channel, int inputBit) {
    if (!IsChannel(channel)) return 0;
    if (CharCount(text) > kCellChars) return 1;
    const auto level = ReadLevelText(text);
    if (!level) return 0;
    const int value = *level;
    if (GetMixCell(channel, inputBit) == value) return 0;
    SetMixCell(channel, inputBit, value);
    return 1;
}

bool StepMixCellByKey(int key, int channel, int inputBit) {
    if (!IsChannel(channel)) return false;
    const int step = -KeyStep(key);
    if (step == 0) return true;
    int v = GetMixCell(channel, inputBit);
    if (!StepWithin(v, step, kInputVolumeMax)) return false;
    SetMixCell(channel, inputBit, v);
    return true;
}

}  // namespace editing
