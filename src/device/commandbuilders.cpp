#include "device/commandbuilders.h"

#include <cstring>
#include <mutex>

#include "device/channelmodel.h"
#include "device/commands.h"
#include "device/firmwarestate.h"
#include "device/images.h"
#include "device/names.h"
#include "device/sendtodevice.h"
#include "device/status.h"

namespace device {

namespace {

bool Send(std::initializer_list<std::uint8_t> payload) {
    return SendToDevice(std::uint8_t(payload.size()), payload.begin());
}

// code, index, then the 20 bytes of a name as stored.
bool SendName(std::uint8_t code, int index, const char (&name)[kNameLen + 1]) {
    std::uint8_t payload[2 + kNameLen] = {code, std::uint8_t(index)};
    std::memcpy(payload + 2, name, kNameLen);
    return SendToDevice(sizeof payload, payload);
}

bool SendChunk(std::uint8_t code, const std::uint8_t* image, int size, int addr, int n) {
    if (n < 0 || n > kMaxChunk || addr < 0 || addr > size - n) return false;
    std::uint8_t payload[4 + kMaxChunk] = {code, std::uint8_t(addr >> 8), std::uint8_t(addr),
                                           std::uint8_t(n)};
    {
        std::lock_guard lock(g_ImageMutex);
        std::memcpy(payload + 4, image + addr, n);
    }
    return SendToDevice(std::uint8_t(4 + n), payload);
}

}  // namespace

bool SendStatusQuery() {
    return Send({CMD_QUERY_STATUS, kStatusSubCode});
}

bool RequestModeImage(bool bSlot) {
    return Send(
        {CMD_READ_MODE, kDeviceImageBlocks, bSlot ? std::uint8_t(g_CurrentModeSlot.load()) : kSettingsInUse});
}

bool SendInputSource(bool bSet) {
    return Send({CMD_SET_INPUT_SOURCE, bSet ? std::uint8_t(g_InputSource.load()) : std::uint8_t(0)});
}

bool SendModeName() {
    const int slot = g_CurrentModeSlot.load();
    if (slot < 0 || slot >= kModeSlots) return false;
    std::lock_guard lock(g_NameMutex);
    return SendName(CMD_SET_MODE_NAME, slot, g_ModeNames[slot]);
}

bool RequestRoutingImage() {
    return Send({CMD_REQUEST_ROUTING_IMAGE});
}

bool SendChannelName() {
    const int channel = g_RenameChannel;
    if (channel < 0 || channel >= kChannels) return false;
    std::lock_guard lock(g_NameMutex);
    return SendName(CMD_SET_CHANNEL_NAME, channel, g_ChannelNames[channel]);
}

bool SendAllChannelNames() {
    std::lock_guard lock(g_NameMutex);
    bool all = true;
    for (int c = 0; c < kChannels; ++c) all = SendName(CMD_SET_CHANNEL_NAME, c, g_ChannelNames[c]) && all;
    return all;
}

bool RequestNames() {
    // Before the request: a change made after it is marked and survives the answer.
    ForgetLocalNameChanges();
    return Send({CMD_REQUEST_NAMES});
}

bool SendHlNoSignalMuteToggle() {
    return Send({CMD_SET_HL_NOSIGNAL_MUTE, g_HlNoSignalMute.load() == 0 ? std::uint8_t(1) : std::uint8_t(0)});
}

bool SendSingleByteCommand(std::uint8_t code) {
    return Send({code});
}

bool SendUpgradeChecksum() {
    return Send({CMD_UPGRADE_CHECKSUM, g_FirmwareChecksum.load()});
}

bool SendDeviceImageChunk(int addr, int n) {
    return SendChunk(CMD_WRITE_DEVICE_IMAGE, g_DeviceImage, EQ_USER_PARA_NUM, addr, n);
}

bool SendRoutingImageChunk(int addr, int n) {
    return SendChunk(CMD_WRITE_ROUTING_IMAGE, g_RoutingImage, SAVE_PARA_2_END, addr, n);
}

}  // namespace device
