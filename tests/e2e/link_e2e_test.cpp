#include <string>

#include "device/commands.h"
#include "device/devicemodel.h"
#include "device/frames.h"
#include "device/sendtodevice.h"
#include "linkfixture.h"

namespace {

using namespace std::chrono_literals;

class BothLinks : public LinkE2eTest, public ::testing::WithParamInterface<bool> {
  protected:
    void Start(standin::Options options = {}) {
        if (GetParam())
            StartUsb(options);
        else
            StartTcp(options);
    }
};

INSTANTIATE_TEST_SUITE_P(Link, BothLinks, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Usb" : "Tcp"; });

TEST_P(BothLinks, IdentifiesAndReadsBothImages) {
    stand = nullptr;
    Start({device::ModelCodeFor(8), 221130, "MEDIA-07"});
    stand->SetChannelName(2, "Door L");
    stand->SetRoutingImageByte(100, 0x2A);
    Identify();
    EXPECT_EQ(target.identified, 1);
    EXPECT_EQ(g_DeviceModel, 8);
    EXPECT_EQ(g_FirmwareDate, 221130);
    FullRead();
    EXPECT_EQ(target.imagesLoaded, 1);
    EXPECT_EQ(ConsoleImage(), stand->MainImage());
    EXPECT_EQ(ConsoleRouting(), stand->RoutingImage());
    EXPECT_EQ(g_Progress, 1000u);
    ASSERT_TRUE(WaitFor([&] { return target.namesChanged.load() == 12; }));
    std::lock_guard lock(g_NameMutex);
    EXPECT_STREQ(g_ChannelNames[2], "Door L");
    EXPECT_STREQ(g_ModeNames[0], "Default");
}

TEST_P(BothLinks, ChunkWritesReachTheStandIn) {
    Start();
    Identify();
    FullRead();
    {
        std::lock_guard lock(g_ImageMutex);
        g_DeviceImage[3000] ^= 0x5A;
        g_RoutingImage[404] ^= 0x33;
    }
    ASSERT_TRUE(device::SendDeviceImageChunk(2967, 56));
    ASSERT_TRUE(device::SendRoutingImageChunk(392, 13));
    ASSERT_TRUE(WaitFor(
        [&] { return stand->MainImage() == ConsoleImage() && stand->RoutingImage() == ConsoleRouting(); }));
}

TEST_P(BothLinks, MissingBlockLeavesTheReadOpenUntilItIsRepeated) {
    Start();
    standin::Faults f;
    f.missingBlock = 40;
    f.missingBlockReads = 1;
    stand->SetFaults(f);
    Identify();
    ASSERT_TRUE(device::StartFullRead());
    ASSERT_TRUE(
        WaitFor([&] { return stand->CountReceived(CMD_READ_MODE) == 1 && g_Progress.load() == 999; }));
    // The names asked for now are answered after every block of the read: once they are in, each block was
    // handled, and the read is still open.
    ASSERT_TRUE(device::RequestNames());
    ASSERT_TRUE(WaitFor([&] { return target.namesChanged.load() == kChannels; }));
    EXPECT_EQ(target.imagesLoaded, 0);
    EXPECT_EQ(device::GetPendingRead(), device::PendingRead::FullRead);
    ASSERT_TRUE(device::ResendPendingRead());  // what the watchdog does
    ASSERT_TRUE(WaitFor([&] { return target.routingLoaded.load() == 1; }));
    EXPECT_EQ(ConsoleImage(), stand->MainImage());
}

TEST_P(BothLinks, StartsAndStopsManyTimes) {
    Start();
    for (int i = 0; i < 15; ++i) {
        link.Stop();
        EXPECT_EQ(g_UsbConnected, 0);
        EXPECT_EQ(link.TcpState(), 0);
        link.Start(GetParam() ? device::LinkConfig{&hid, "", 0}
                              : device::LinkConfig{nullptr, "127.0.0.1", server->Port()});
        if (i % 5 == 4) Identify();
    }
}

TEST_F(LinkE2eTest, UsbRemovalDuringAReadEndsTheProgress) {
    StartUsb();
    Identify();
    standin::Faults f;
    f.silentReads = 1;
    stand->SetFaults(f);
    ASSERT_TRUE(device::StartFullRead());
    ASSERT_TRUE(WaitFor([&] { return stand->CountReceived(CMD_READ_MODE) == 1; }));
    usb->Unplug();
    ASSERT_TRUE(WaitFor([&] { return target.removals.load() == 1; }));
    EXPECT_EQ(g_UsbConnected, 0);
    EXPECT_EQ(g_Progress, 1000u);
    EXPECT_EQ(g_DeviceIdentified, 0);
    // Plugged in again: found, identified anew, and read.
    usb->Plug();
    Identify();
    EXPECT_EQ(target.identified, 2);
    FullRead();
}

// The overrun box reaches the listener of the link that runs, and nothing once it stopped.
TEST_F(LinkE2eTest, OverrunNoticesGoToTheRunningLinksListener) {
    const std::vector<std::uint8_t> overlong(kTcpMaxPayload + 1, CMD_WRITE_DEVICE_IMAGE);
    const auto send = [&] { return device::SendToDevice(std::uint8_t(overlong.size()), overlong.data()); };
    StartTcp();
    EXPECT_FALSE(send());
    EXPECT_EQ(target.notices, 1);
    link.Stop();
    EXPECT_FALSE(send());
    EXPECT_EQ(target.notices, 1);
}

TEST_F(LinkE2eTest, TcpDropReconnects) {
    StartTcp();
    Identify();
    const int before = server->Connections();
    server->DropConnection();
    ASSERT_TRUE(WaitFor([&] { return link.TcpState() == 0; }));
    ASSERT_TRUE(WaitFor([&] { return server->Connections() > before && link.TcpState() == 1; }));
    FullRead();
}

TEST_F(LinkE2eTest, UnknownProductIsReportedOnce) {
    auto other = hid.Plug(0x048E, 0x1234);
    link.Start({&hid, "", 0});
    ASSERT_TRUE(WaitFor([&] { return target.unknownProducts.load() == 1; }));
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(target.unknownProducts, 1);
    EXPECT_EQ(g_UsbConnected, 0);
}

TEST_F(LinkE2eTest, UsbWaitsWhileTcpIsUp) {
    StartTcp();
    ASSERT_TRUE(WaitFor([&] { return link.TcpState() == 1; }));
    link.Stop();
    stand2 = std::make_unique<standin::DeviceStandIn>();
    usb = std::make_unique<standin::StandInUsb>(*stand2, hid);
    usb->Plug();
    link.Start({&hid, "127.0.0.1", server->Port()});
    ASSERT_TRUE(WaitFor([&] { return LinkUp(); }));
    std::this_thread::sleep_for(300ms);
    // Whichever came up first stays: both cannot be up at once.
    EXPECT_FALSE(g_UsbConnected.load() == 1 && link.TcpState() != 0);
}

TEST_F(LinkE2eTest, ANormalModeOpenStartsWithEmptyUsbRings) {
    stand = std::make_unique<standin::DeviceStandIn>();
    usb = std::make_unique<standin::StandInUsb>(*stand, hid);
    link.Start({&hid, "", 0});
    const std::uint8_t stale[] = {CMD_FACTORY_RESET};
    ASSERT_TRUE(device::QueueUsbReport(1, stale));  // left over from an earlier connection
    usb->Plug();
    ASSERT_TRUE(WaitFor([] { return g_UsbConnected.load() == 1; }));
    ASSERT_TRUE(device::SendStatusQuery());
    ASSERT_TRUE(WaitFor([] { return g_DeviceIdentified.load() == 1; }));
    EXPECT_EQ(stand->CountReceived(CMD_FACTORY_RESET), 0);
}

TEST_F(LinkE2eTest, AnUpgradeModeOpenKeepsWhatWasQueued) {
    stand = std::make_unique<standin::DeviceStandIn>();
    usb = std::make_unique<standin::StandInUsb>(*stand, hid);
    link.Start({&hid, "", 0});
    const std::uint8_t start[] = {CMD_UPGRADE_START};
    ASSERT_TRUE(device::QueueUsbReport(1, start));
    usb->Plug(standin::kProductUpgrade);
    ASSERT_TRUE(WaitFor([&] { return stand->CountReceived(CMD_UPGRADE_START) == 1; }));
    EXPECT_EQ(target.upgradeRequests, 1);
}

}  // namespace
