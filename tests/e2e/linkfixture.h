#pragma once
// The console's link against the device stand-in, over loopback TCP and the loopback HID, without a window:
// a target that does what the main window's link handlers do with the images.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

#include "device-stand-in/standin.h"
#include "device-stand-in/tcpserver.h"
#include "device-stand-in/usbplayer.h"
#include "device/blocktracker.h"
#include "device/channelmodel.h"
#include "device/commandbuilders.h"
#include "device/deviceimage.h"
#include "device/devicelink.h"
#include "device/firmwarestate.h"
#include "device/images.h"
#include "device/linkstate.h"
#include "device/names.h"
#include "device/readrequests.h"
#include "device/rings.h"
#include "device/routingimage.h"
#include "device/status.h"
#include "device/upgradeblocks.h"
#include "platform/hid/loopbackbackend.h"
#include "resetlink.h"

class LinkTarget : public device::DispatchTarget, public device::LinkListener {
  public:
    void DeviceIdentified() override { ++identified; }
    void DeviceImageLoaded() override {
        device::UnpackDeviceImage();
        device::EndPendingRead();
        ++imagesLoaded;
        device::StartRoutingRead();
        if (!namesRequested.exchange(true)) device::RequestNames();
    }
    void RoutingImageLoaded() override {
        device::UnpackRoutingImage();
        device::EndPendingRead();
        ++routingLoaded;
    }
    void ChannelNameChanged(int) override { ++namesChanged; }
    void UpgradeRequested() override { ++upgradeRequests; }
    void SaveDone() override { ++saves; }
    void UsbUnknownProduct() override { ++unknownProducts; }
    void UsbUpgradeDeviceOpened() override { ++upgradeRequests; }
    void UsbRemoved() override { ++removals; }
    void LinkNotice(const device::Notice&) override { ++notices; }

    std::atomic<int> identified{0}, imagesLoaded{0}, routingLoaded{0}, namesChanged{0}, upgradeRequests{0},
        saves{0}, unknownProducts{0}, removals{0}, notices{0};
    std::atomic<bool> namesRequested{false};
};

class LinkE2eTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetAll(); }
    void TearDown() override {
        link.Stop();
        usb.reset();
        server.reset();
        ResetAll();
    }
    static void ResetAll() { ResetLinkGlobals(); }

    // The stand-in over loopback TCP, and the link pointed at it.
    void StartTcp(standin::Options options = {}) {
        stand = std::make_unique<standin::DeviceStandIn>(options);
        server = std::make_unique<standin::StandInTcpServer>(*stand);
        ASSERT_TRUE(server->Start("127.0.0.1", 0));
        link.Start({nullptr, "127.0.0.1", server->Port()});
    }
    // The stand-in on the loopback HID, and the link with that backend.
    void StartUsb(standin::Options options = {}) {
        stand = std::make_unique<standin::DeviceStandIn>(options);
        usb = std::make_unique<standin::StandInUsb>(*stand, hid);
        usb->Plug();
        link.Start({&hid, "", 0});
    }

    static bool WaitFor(const std::function<bool()>& done,
                        std::chrono::milliseconds limit = std::chrono::seconds(10)) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (!done()) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return true;
    }
    bool LinkUp() const { return g_UsbConnected.load() == 1 || link.TcpState() != 0; }

    // Connects, identifies and reads both images as the poll timer would.
    void Identify() {
        ASSERT_TRUE(WaitFor([&] { return LinkUp(); }));
        ASSERT_TRUE(device::SendStatusQuery());
        ASSERT_TRUE(WaitFor([] { return g_DeviceIdentified.load() == 1; }));
    }
    void FullRead() {
        const int before = target.routingLoaded.load();
        ASSERT_TRUE(device::StartFullRead());
        ASSERT_TRUE(WaitFor([&] { return target.routingLoaded.load() > before; }));
    }

    static std::vector<std::uint8_t> ConsoleImage() {
        std::lock_guard lock(g_ImageMutex);
        return {g_DeviceImage, g_DeviceImage + EQ_USER_PARA_NUM};
    }
    static std::vector<std::uint8_t> ConsoleRouting() {
        std::lock_guard lock(g_ImageMutex);
        return {g_RoutingImage, g_RoutingImage + SAVE_PARA_2_END};
    }

    LinkTarget target;
    device::DeviceLink link{target, target};
    hid::LoopbackBackend hid;
    std::unique_ptr<standin::DeviceStandIn> stand;
    std::unique_ptr<standin::StandInTcpServer> server;
    std::unique_ptr<standin::StandInUsb> usb;
    std::unique_ptr<standin::DeviceStandIn> stand2;
};
