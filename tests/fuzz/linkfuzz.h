#pragma once
// Shared by the link's fuzz targets: a dispatch target that does nothing, a clean link per input, and the
// invariants every message must leave standing.
#include <cstdint>
#include <cstring>
#include <mutex>
#include <vector>

#include "device/blocktracker.h"
#include "device/dispatcher.h"
#include "device/firmwarestate.h"
#include "device/images.h"
#include "device/linkstate.h"
#include "device/names.h"
#include "device/rings.h"
#include "device/status.h"
#include "device/upgradeblocks.h"

struct NullTarget : device::DispatchTarget {
    void DeviceIdentified() override {}
    void DeviceImageLoaded() override {}
    void RoutingImageLoaded() override {}
    void ChannelNameChanged(int channel) override {
        if (channel < 0 || channel >= kChannels) __builtin_trap();
    }
    void UpgradeRequested() override {}
    void SaveDone() override {}
};

// A fresh link; the first input byte picks the device model and date (short image or not) and whether a
// firmware file of a few bytes is loaded.
inline void ResetForInput(const std::uint8_t* data, std::size_t size) {
    device::ResetStatus();
    device::ResetLinkState();
    device::ClearTcpUpgradeFrame();
    g_UsbTxRing.Drain();
    g_TcpTxRing.Drain();
    g_UsbRxRing.Drain();
    g_TcpRxRing.Drain();
    device::g_DeviceImageRead.Begin();
    device::g_RoutingImageRead.Begin();
    const std::uint8_t mode = size > 0 ? data[0] : 0;
    g_DeviceModel = mode & 1 ? 1 : 4;
    g_FirmwareDate = mode & 2 ? 190820 : 221130;
    std::lock_guard lock(g_FirmwareMutex);
    g_FirmwareImage.assign(std::size_t(mode >> 2) * 37, 0x5A);
}

inline void CheckInvariants() {
    if (g_Progress.load() > 1000) __builtin_trap();
    if (g_SaveModeSlot.load() < 0 || g_SaveModeSlot.load() > 7) __builtin_trap();
    if (g_CurrentModeSlot.load() < 0 || g_CurrentModeSlot.load() > 7) __builtin_trap();
    {
        std::lock_guard lock(g_VersionMutex);
        if (g_DeviceVersion[kDeviceVersionLen] != 0 || g_MediaVersion[kMediaVersionLen] != 0)
            __builtin_trap();
    }
    std::lock_guard lock(g_NameMutex);
    for (const auto& name : g_ChannelNames)
        if (name[kNameLen] != 0) __builtin_trap();
    for (const auto& name : g_ModeNames)
        if (name[kNameLen] != 0) __builtin_trap();
}
