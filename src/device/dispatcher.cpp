#include "device/dispatcher.h"

#include <algorithm>
#include <cstring>
#include <mutex>

#include "device/blocktracker.h"
#include "device/commandbuilders.h"
#include "device/commands.h"
#include "device/deviceimage.h"
#include "device/devicemodel.h"
#include "device/firmwarestate.h"
#include "device/images.h"
#include "device/linkevents.h"
#include "device/linkstate.h"
#include "device/names.h"
#include "device/status.h"
#include "device/upgradeblocks.h"

namespace device {

namespace {

constexpr int kStatusMinLen = 19;  // up to the current slot, [18]; the flags byte [19] is optional
constexpr int kMediaMinLen = 14;
constexpr int kNameMsgLen = 2 + kNameLen;
constexpr int kRoutingBlockSize = 56;
constexpr int kRoutingBlocks = (SAVE_PARA_2_END + kRoutingBlockSize - 1) / kRoutingBlockSize;  // 8

int SlotOrZero(int slot) {
    return slot < kModeSlots ? slot : 0;
}

DispatchOutcome Status(const std::uint8_t* p, int len, DispatchTarget& target) {
    if (len < kStatusMinLen) return DispatchOutcome::Short;
    if (p[1] != kStatusSubCode) return DispatchOutcome::BadSubCode;
    const bool hasFlags = len > kStatusMinLen;
    g_SaveModeSlot = SlotOrZero(p[2]);
    {
        std::lock_guard lock(g_VersionMutex);
        std::memcpy(g_DeviceVersion, p + 3, kDeviceVersionLen);
        g_DeviceVersion[kDeviceVersionLen] = 0;
    }
    g_InputSource = p[17];
    g_CurrentModeSlot = SlotOrZero(p[18]);
    const std::uint8_t flags = hasFlags ? p[19] : 0;
    g_DeviceFlags = flags;
    // Both links follow the device's no-signal mute, so the settings switch shows its state.
    g_HlNoSignalMute = flags & 1;
    if (g_DeviceIdentified.load() == 0) {
        DecodeDeviceModel();
        target.DeviceIdentified();
    }
    g_DeviceIdentified = 1;
    return DispatchOutcome::Handled;
}

DispatchOutcome Media(const std::uint8_t* p, int len) {
    if (len < kMediaMinLen) return DispatchOutcome::Short;
    if (p[1] != kStatusSubCode) return DispatchOutcome::BadSubCode;
    if (g_MediaVersionReceived.load() != 0) return DispatchOutcome::AlreadyKnown;
    {
        std::lock_guard lock(g_VersionMutex);
        std::memcpy(g_MediaVersion, p + 3, kMediaVersionLen);
        g_MediaVersion[kMediaVersionLen] = 0;
    }
    g_MediaVersionReceived = 1;
    return DispatchOutcome::Handled;
}

// Copies a block into an image and its shadow.
void StoreBlock(std::uint8_t* image, std::uint8_t* shadow, int offset, const std::uint8_t* data, int count) {
    std::lock_guard lock(g_ImageMutex);
    std::memcpy(image + offset, data, count);
    std::memcpy(shadow + offset, data, count);
}

DispatchOutcome DeviceImageBlock(const std::uint8_t* p, int len, DispatchTarget& target) {
    if (len < 2) return DispatchOutcome::Short;
    const int block = p[1];
    const int blocks = DeviceImageBlockCount();
    if (block >= blocks) return DispatchOutcome::OutOfRange;
    const bool last = block + 1 == blocks;
    const int count = last ? DeviceImageLastBlockLength() : kDeviceImageBlockSize;
    if (len < 2 + count) return DispatchOutcome::Short;
    StoreBlock(g_DeviceImage, g_DeviceImageShadow, block * kDeviceImageBlockSize, p + 2, count);
    const bool complete = g_DeviceImageRead.Arrive(block, blocks);
    if (complete) target.DeviceImageLoaded();
    // Only a completed read reaches 1000, which closes the progress dialog.
    std::uint64_t progress = std::uint64_t(block + 1) * kProgressDone / blocks;
    if (!complete) progress = std::min<std::uint64_t>(progress, kProgressDone - 1);
    g_Progress = progress;
    g_LoadWatchdogTicks = 0;
    return DispatchOutcome::Handled;
}

DispatchOutcome RoutingImageBlock(const std::uint8_t* p, int len, DispatchTarget& target) {
    if (len < 2) return DispatchOutcome::Short;
    const int block = p[1];
    if (block >= kRoutingBlocks) return DispatchOutcome::OutOfRange;
    const int offset = block * kRoutingBlockSize;
    const int count = std::min(kRoutingBlockSize, SAVE_PARA_2_END - offset);
    if (len < 2 + count) return DispatchOutcome::Short;
    StoreBlock(g_RoutingImage, g_RoutingImageShadow, offset, p + 2, count);
    g_LoadWatchdogTicks = 0;
    if (g_RoutingImageRead.Arrive(block, kRoutingBlocks)) target.RoutingImageLoaded();
    return DispatchOutcome::Handled;
}

// Copies a 20-byte name into entry [1] of a table of N names, unless `keep` marks that entry as changed here
// since the names were asked for (the answer then holds the name the change replaced).
template <std::size_t N>
DispatchOutcome Name(const std::uint8_t* p, int len, char (&table)[N][kNameLen + 1],
                     const bool* keep = nullptr) {
    if (len < kNameMsgLen) return DispatchOutcome::Short;
    if (p[1] >= N) return DispatchOutcome::OutOfRange;
    std::lock_guard lock(g_NameMutex);
    if (keep && keep[p[1]]) return DispatchOutcome::Handled;
    std::memcpy(table[p[1]], p + 2, kNameLen);
    table[p[1]][kNameLen] = 0;
    return DispatchOutcome::Handled;
}

DispatchOutcome UpgradeReady(Link link, DispatchTarget& target) {
    MarkUpgradeActivity();
    if (link == Link::Usb) {
        g_UpgradeLastBlock = 0;
        g_UpgradeRunning = 1;
        SendSingleByteCommand(CMD_UPGRADE_START);
    } else {
        ClearTcpUpgradeFrame();
        target.UpgradeRequested();
    }
    return DispatchOutcome::Handled;
}

DispatchOutcome UpgradeBlockRequest(Link link, const std::uint8_t* p, int len) {
    if (len < 3) return DispatchOutcome::Short;
    MarkUpgradeActivity();
    if (g_UpgradeLastBlock.load() == 1) {
        g_UpgradeLastBlock = 0;
        SendUpgradeChecksum();
    } else if (p[1] == 0xFF && p[2] == 0xFF) {
        SendSingleByteCommand(CMD_UPGRADE_END);
        g_UpgradeRunning = 0;
        g_Progress = kProgressDone;
        ResetFirmware();
        if (link == Link::Tcp) ClearTcpUpgradeFrame();
    } else if (link == Link::Usb) {
        SendUpgradeBlockUsb(p[1], p[2]);
    } else {
        if (PrepareUpgradeBlockTcp(p[1], p[2])) TcpTxReady().Set();
    }
    return DispatchOutcome::Handled;
}

}  // namespace

DispatchOutcome DispatchPayload(Link link, const std::uint8_t* p, int len, DispatchTarget& target) {
    if (len < 1 || len > kUsbMaxPayload) return DispatchOutcome::BadLength;
    switch (p[0]) {
        case RSP_STATUS:
            return Status(p, len, target);
        case RSP_MEDIA_VERSION:
            return Media(p, len);
        case RSP_DEVICE_IMAGE_BLOCK:
            return DeviceImageBlock(p, len, target);
        case RSP_SAVE_DONE:
            target.SaveDone();
            return DispatchOutcome::Handled;
        case RSP_MODE_NAME:
            return Name(p, len, g_ModeNames);
        case RSP_ROUTING_IMAGE_BLOCK:
            return RoutingImageBlock(p, len, target);
        case RSP_CHANNEL_NAME: {
            const DispatchOutcome outcome = Name(p, len, g_ChannelNames, g_ChannelNameChangedHere);
            if (outcome == DispatchOutcome::Handled) target.ChannelNameChanged(p[1]);
            return outcome;
        }
        case RSP_UPGRADE_READY:
            return UpgradeReady(link, target);
        case RSP_UPGRADE_BLOCK_REQUEST:
            return UpgradeBlockRequest(link, p, len);
        default:
            return DispatchOutcome::UnknownCode;
    }
}

DispatchOutcome DispatchUsbReport(const UsbReport& report, DispatchTarget& target) {
    const int len = report.bytes[1];
    // The sum sits at L + 2, inside the 65-byte report only while L is at most 62.
    if (len < 1 || len > kUsbMaxPayload) return DispatchOutcome::BadLength;
    if (Checksum8(report.bytes + 2, len) != report.bytes[2 + len]) return DispatchOutcome::BadSum;
    return DispatchPayload(Link::Usb, report.bytes + 2, len, target);
}

DispatchOutcome DispatchTcpEntry(const TcpRxEntry& entry, DispatchTarget& target) {
    return DispatchPayload(Link::Tcp, entry.bytes + 1, entry.bytes[0], target);
}

}  // namespace device
