// The main device image as a device may send it: unpacking any bytes leaves every value in its range, the
// window's value texts and the graph's curves of them stay well formed, and packing what was read and reading
// it again changes nothing.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "device/channelmodel.h"
#include "device/deviceimage.h"
#include "device/eqmodel.h"
#include "device/status.h"
#include "loadchecks.h"

namespace {

using Image = std::array<std::uint8_t, EQ_USER_PARA_NUM>;

struct Snapshot {
    int eqFreq[kChannels][kBands], eqGain[kChannels][kBands], eqQIndex[kChannels][kBands];
    double eqQ[kChannels][kBands];
    int hpFreq[kChannels], lpFreq[kChannels], hpType[kChannels], lpType[kChannels];
    int hpSlope[kChannels], lpSlope[kChannels], gain[kChannels];
    int maskTable[kMaskTableSize];
    device::Delays delays;

    static Snapshot Take(const device::Delays& delays) {
        Snapshot s;
        std::memset(&s, 0, sizeof s);
        std::memcpy(s.eqFreq, g_EqFreq, sizeof s.eqFreq);
        std::memcpy(s.eqGain, g_EqGain, sizeof s.eqGain);
        std::memcpy(s.eqQIndex, g_EqQIndex, sizeof s.eqQIndex);
        std::memcpy(s.eqQ, g_EqQ, sizeof s.eqQ);
        std::memcpy(s.hpFreq, g_HighPassFreq, sizeof s.hpFreq);
        std::memcpy(s.lpFreq, g_LowPassFreq, sizeof s.lpFreq);
        std::memcpy(s.hpType, g_HighPassType, sizeof s.hpType);
        std::memcpy(s.lpType, g_LowPassType, sizeof s.lpType);
        std::memcpy(s.hpSlope, g_HighPassSlope, sizeof s.hpSlope);
        std::memcpy(s.lpSlope, g_LowPassSlope, sizeof s.lpSlope);
        std::memcpy(s.gain, g_ChannelGain, sizeof s.gain);
        std::memcpy(s.maskTable, g_MaskTable, sizeof s.maskTable);
        s.delays = delays;
        return s;
    }
    bool operator==(const Snapshot& o) const { return std::memcmp(this, &o, sizeof o) == 0; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    device::ResetEqModel();
    device::ResetChannelModel();
    device::ResetStatus();
    // The input is the image, repeated when short, so the records past a short input are not all zero.
    Image image{};
    if (size > 0) {
        for (std::size_t i = 0; i < image.size(); ++i) image[i] = data[i % size];
    }
    const device::DeviceImageLoad first = device::UnpackDeviceImage(image);
    fuzz::CheckChannelValues();
    for (int d : first.delays) fuzz::Require(fuzz::InRange(d, 0, 4095));
    const Snapshot read = Snapshot::Take(first.delays);

    // Pack after unpack: the values survive a pack and a second unpack, and packing is then stable.
    Image packed = image;
    device::PackDeviceImage(first.delays, packed);
    const device::DeviceImageLoad second = device::UnpackDeviceImage(packed);
    fuzz::Require(Snapshot::Take(second.delays) == read);
    Image again = packed;
    device::PackDeviceImage(second.delays, again);
    fuzz::Require(again == packed);

    fuzz::CheckChannelTexts(first.delays.data());
    static constexpr int kDpis[] = {96, 120, 144, 168, 192};
    // The input's first bytes pick the DPI, the graph's size and the two channels drawn.
    const std::uint8_t pick = size ? data[0] : 0;
    const std::uint8_t channels = size > 1 ? data[1] : 0;
    fuzz::CheckCurves(kDpis[pick % 5], 300 + (pick >> 3) * 40, 120 + (pick & 7) * 40, channels & 15,
                      channels >> 4);
    return 0;
}
