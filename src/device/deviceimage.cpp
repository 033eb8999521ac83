#include "device/deviceimage.h"

#include <algorithm>
#include <cmath>
#include <mutex>

#include "device/channelmodel.h"
#include "device/imagebytes.h"
#include "device/status.h"

namespace device {

namespace {

// Where a channel's gain-and-delay byte, delay low byte and phase-and-gain byte sit.
struct LevelBytes {
    int gainDelay, delayLow, phaseGain;
};
LevelBytes LevelBytesOf(int c) {
    if (c < 6) return {2 * c, 2 * c + 1, 12 + c};
    const int rec = DeviceRecordOffset(c);
    return {rec, rec + 1, rec + 2};
}

// Offsets within a record of the band tables and the crossover fields, by form.
struct RecordLayout {
    int freq, gain, q;
    int hpType, hpFreq, hpSlope, lpType, lpFreq, lpSlope;
};
constexpr RecordLayout kFormA = {0, 62, 124, 186, 187, 189, 190, 191, 193};
constexpr RecordLayout kFormB = {4, 66, 128, 190, 192, 191, 194, 196, 195};
const RecordLayout& LayoutOf(int c) {
    return c < 6 ? kFormA : kFormB;
}

int QHundredths(double q) {
    return int(std::lround(q * 100.0));
}

}  // namespace

void PackDeviceImage(const Delays& delays, DeviceImageBytes image) {
    std::uint8_t* img = image.data();
    for (int c = 0; c < kChannels; ++c) {
        const LevelBytes at = LevelBytesOf(c);
        const int gain = g_ChannelGain[c];
        img[at.gainDelay] = std::uint8_t((delays[c] >> 8 & 0x0F) | (gain >> 7 & 0x0F) << 4);
        img[at.delayLow] = std::uint8_t(delays[c]);
        img[at.phaseGain] = std::uint8_t((gain & 0x7F) | ((g_PhaseMask >> c & 1) ? 0x80 : 0));
    }
    img[18] = std::uint8_t(g_MasterVolume);

    for (int c = 0; c < kChannels; ++c) {
        std::uint8_t* rec = img + DeviceRecordOffset(c);
        const RecordLayout& f = LayoutOf(c);
        for (int b = 0; b < kBands; ++b) {
            Put16(rec + f.freq + 2 * b, g_EqFreq[c][b]);
            Put16(rec + f.gain + 2 * b, g_EqGain[c][b]);
            Put16(rec + f.q + 2 * b, QHundredths(g_EqQ[c][b]));
        }
        rec[f.hpType] = std::uint8_t(g_HighPassType[c]);
        Put16(rec + f.hpFreq, g_HighPassFreq[c]);
        rec[f.hpSlope] = std::uint8_t(g_HighPassSlope[c]);
        rec[f.lpType] = std::uint8_t(g_LowPassType[c]);
        Put16(rec + f.lpFreq, g_LowPassFreq[c]);
        rec[f.lpSlope] = std::uint8_t(g_LowPassSlope[c]);
    }
}

void PackDeviceImage(const Delays& delays) {
    std::lock_guard lock(g_ImageMutex);
    PackDeviceImage(delays, g_DeviceImage);
}

DeviceImageLoad UnpackDeviceImage(DeviceImageBytes image) {
    std::uint8_t* img = image.data();
    DeviceImageLoad load;
    for (int c = 0; c < kChannels; ++c) {
        const LevelBytes at = LevelBytesOf(c);
        load.delays[c] = (img[at.gainDelay] & 0x0F) * 256 + img[at.delayLow];

        const bool inverted = img[at.phaseGain] & 0x80;
        g_PhaseMask = inverted ? g_PhaseMask | 1 << c : g_PhaseMask & ~(1 << c);

        int gain = (img[at.gainDelay] >> 4) << 7 | (img[at.phaseGain] & 0x7F);
        if (gain > kChannelGainMax) {
            gain = 0;
            img[at.phaseGain] &= 0x80;
            img[at.gainDelay] &= 0x0F;
        }
        g_ChannelGain[c] = gain;
        g_MuteMask = gain == kChannelGainMax ? g_MuteMask | MuteBit(c) : g_MuteMask & ~MuteBit(c);
    }

    if (img[18] > kMasterVolumeMax) img[18] = kMasterVolumeMax;
    g_MasterVolume = img[18];
    g_MuteMask =
        g_MasterVolume == kMasterVolumeMax ? g_MuteMask | kMasterMuteBit : g_MuteMask & ~kMasterMuteBit;

    for (int c = 0; c < kChannels; ++c) {
        const std::uint8_t* rec = img + DeviceRecordOffset(c);
        const RecordLayout& f = LayoutOf(c);
        for (int b = 0; b < kBands; ++b) {
            g_EqFreq[c][b] = std::clamp(Get16(rec + f.freq + 2 * b), kEqFreqMin, kEqFreqMax);
            g_EqGain[c][b] = std::min(Get16(rec + f.gain + 2 * b), kEqGainMax);
            g_EqQ[c][b] = std::clamp(Get16(rec + f.q + 2 * b) / 100.0, kEqQMin, kEqQMax);
            g_EqQIndex[c][b] = QIndexFor(g_EqQ[c][b]);
        }
        g_HighPassType[c] = std::min<int>(rec[f.hpType], kFilterTypeMax);
        g_HighPassFreq[c] = std::clamp(Get16(rec + f.hpFreq), kEqFreqMin, kEqFreqMax);
        g_HighPassSlope[c] = std::min<int>(rec[f.hpSlope], kSlopeOff);
        g_LowPassType[c] = std::min<int>(rec[f.lpType], kFilterTypeMax);
        g_LowPassFreq[c] = std::clamp(Get16(rec + f.lpFreq), kEqFreqMin, kEqFreqMax);
        g_LowPassSlope[c] = std::min<int>(rec[f.lpSlope], kSlopeOff);
    }
    return load;
}

DeviceImageLoad UnpackDeviceImage() {
    std::lock_guard lock(g_ImageMutex);
    return UnpackDeviceImage(g_DeviceImage);
}

int GetDeviceImageSize() {
    return g_FirmwareDate.load() < kShortImageFirmwareDate && g_DeviceModel.load() == 1
               ? kShortDeviceImageSize
               : EQ_USER_PARA_NUM;
}

int DeviceImageBlockCount() {
    return (GetDeviceImageSize() + kDeviceImageBlockSize - 1) / kDeviceImageBlockSize;
}

int DeviceImageLastBlockLength() {
    return GetDeviceImageSize() - (DeviceImageBlockCount() - 1) * kDeviceImageBlockSize;
}

}  // namespace device
