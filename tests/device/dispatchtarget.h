#pragma once
// A dispatch target that records what the UI thread would have been told, and a fixture with a clean link.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "device/blocktracker.h"
#include "device/dispatcher.h"
#include "device/firmwarestate.h"
#include "device/images.h"
#include "device/linkstate.h"
#include "device/names.h"
#include "device/upgradeblocks.h"
#include "linktest.h"

struct RecordingTarget : device::DispatchTarget {
    void DeviceIdentified() override { Note("identified"); }
    void DeviceImageLoaded() override { Note("image"); }
    void RoutingImageLoaded() override { Note("routing"); }
    void ChannelNameChanged(int channel) override { Note("name " + std::to_string(channel)); }
    void UpgradeRequested() override { Note("upgrade"); }
    void SaveDone() override { Note("saved"); }
    void Note(const std::string& what) {
        calls.push_back(what);
        if (onCall) onCall(what);
    }
    std::vector<std::string> calls;
    std::function<void(const std::string&)> onCall;
};

class DispatchTest : public LinkTest {
  protected:
    void SetUp() override {
        LinkTest::SetUp();
        Clean();
    }
    void TearDown() override {
        Clean();
        LinkTest::TearDown();
    }
    static void Clean() {
        device::ResetImages();
        device::ResetNames();
        device::ResetFirmware();
        device::ResetLinkState();
        device::ClearTcpUpgradeFrame();
        device::g_DeviceImageRead.Begin();
        device::g_RoutingImageRead.Begin();
    }

    // Frames a payload as a USB report or a TCP entry and dispatches it.
    device::DispatchOutcome Usb(const std::vector<std::uint8_t>& payload) {
        UsbReport r{};
        device::FrameUsbReport(std::uint8_t(payload.size()), payload.data(), r);
        return device::DispatchUsbReport(r, target);
    }
    device::DispatchOutcome Tcp(const std::vector<std::uint8_t>& payload) {
        TcpRxEntry e{};
        e.bytes[0] = std::uint8_t(payload.size());
        std::copy(payload.begin(), payload.end(), e.bytes + 1);
        return device::DispatchTcpEntry(e, target);
    }
    device::DispatchOutcome Send(device::Link link, const std::vector<std::uint8_t>& payload) {
        return link == device::Link::Usb ? Usb(payload) : Tcp(payload);
    }

    RecordingTarget target;
};
