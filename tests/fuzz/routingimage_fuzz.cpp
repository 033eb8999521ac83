// The routing image as a device may send it: unpacking any bytes keeps masks to their bits and levels in
// range, the mix-cell texts stay well formed, and packing what was read and reading it again changes nothing.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "device/channelmodel.h"
#include "device/routingimage.h"
#include "device/status.h"
#include "loadchecks.h"

namespace {

using Image = std::array<std::uint8_t, SAVE_PARA_2_END>;

struct Snapshot {
    int maskTable[kMaskTableSize];
    int linkGroupMask[kChannels];
    int inputVolume[kChannels][kInputs];
    int mixIn, bridges[6];

    static Snapshot Take() {
        Snapshot s;
        std::memset(&s, 0, sizeof s);
        std::memcpy(s.maskTable, g_MaskTable, sizeof s.maskTable);
        std::memcpy(s.linkGroupMask, g_LinkGroupMask, sizeof s.linkGroupMask);
        std::memcpy(s.inputVolume, g_InputVolume, sizeof s.inputVolume);
        s.mixIn = g_HighLevelMixIn;
        const int* flags[] = {&g_BridgeCh12, &g_BridgeCh34,  &g_BridgeCh56,
                              &g_BridgeCh78, &g_BridgeCh910, &g_BridgeCh1112};
        for (int p = 0; p < 6; ++p) s.bridges[p] = *flags[p];
        return s;
    }
    bool operator==(const Snapshot& o) const { return std::memcmp(this, &o, sizeof o) == 0; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    device::ResetChannelModel();
    device::ResetStatus();
    // The last byte picks a firmware date on either side of the read-back of links and overlay.
    g_FirmwareDate = size && (data[size - 1] & 1) ? kRoutingReadBackFirmwareDate : 190820;
    Image image{};
    if (size > 0) {
        for (std::size_t i = 0; i < image.size(); ++i) image[i] = data[i % size];
    }
    const device::RoutingImageLoad first = device::UnpackRoutingImage(image);
    fuzz::CheckRoutingValues();
    if (first.linksRead) fuzz::Require((first.overlayMask & ~0xFFFF) == 0);
    const Snapshot read = Snapshot::Take();

    Image packed = image;
    device::PackRoutingImage(first.overlayMask, packed);
    const device::RoutingImageLoad second = device::UnpackRoutingImage(packed);
    fuzz::Require(Snapshot::Take() == read);
    fuzz::Require(second.overlayMask == first.overlayMask);
    for (bool changed : second.maskChanged) fuzz::Require(!changed);
    fuzz::Require(!second.mixInChanged);
    Image again = packed;
    device::PackRoutingImage(second.overlayMask, again);
    fuzz::Require(again == packed);

    fuzz::CheckMixTexts();
    return 0;
}
