#include "device-stand-in/standin.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "device-stand-in/tcpserver.h"
#include "device-stand-in/usbplayer.h"
#include "device/commands.h"
#include "device/devicemodel.h"
#include "device/frames.h"

namespace {

using namespace std::chrono_literals;
using standin::DeviceStandIn;
using standin::Via;

std::vector<std::vector<std::uint8_t>> Payloads(const standin::Outcome& out) {
    std::vector<std::vector<std::uint8_t>> p;
    for (const auto& m : out.messages) p.push_back(m.payload);
    return p;
}

standin::Outcome Ask(DeviceStandIn& d, std::vector<std::uint8_t> payload, Via via = Via::Tcp) {
    return d.Handle(via, payload.data(), int(payload.size()));
}

TEST(StandIn, StatusCarriesTheChosenVersion) {
    DeviceStandIn d({"0NC", 190820, "MEDIA"});
    const auto out = Payloads(Ask(d, {CMD_QUERY_STATUS, kStatusSubCode}));
    ASSERT_EQ(out.size(), 2u);
    ASSERT_EQ(out[0].size(), 20u);
    const std::string version(out[0].begin() + 3, out[0].begin() + 17);
    EXPECT_EQ(version, "0NC_V119082000");
    EXPECT_EQ(device::ModelFromVersion(version.c_str(), 14, 4), 9);
    EXPECT_EQ(device::FirmwareDateFromVersion(version.c_str(), 14), 190820);
    EXPECT_EQ(out[1][0], RSP_MEDIA_VERSION);
    EXPECT_EQ(out[1].size(), 14u);
}

TEST(StandIn, ImageReadsByModel) {
    const struct {
        int model, date, blocks, lastLen;
    } cases[] = {{9, 221130, 99, 27}, {1, 190820, 50, 11}, {1, 190821, 99, 27}};
    for (const auto& c : cases) {
        DeviceStandIn d({device::ModelCodeFor(c.model), c.date});
        const auto out = Payloads(Ask(d, {CMD_READ_MODE, kDeviceImageBlocks, kSettingsInUse}));
        ASSERT_EQ(int(out.size()), c.blocks);
        EXPECT_EQ(int(out.back().size()), 2 + c.lastLen);
        EXPECT_EQ(out.back()[1], c.blocks - 1);
    }
    DeviceStandIn d;
    const auto routing = Payloads(Ask(d, {CMD_REQUEST_ROUTING_IMAGE}));
    ASSERT_EQ(routing.size(), 8u);
    EXPECT_EQ(routing[7].size(), 15u);
    EXPECT_EQ(Payloads(Ask(d, {CMD_REQUEST_NAMES})).size(), 20u);
}

TEST(StandIn, BlockFaults) {
    DeviceStandIn d;
    standin::Faults f;
    f.missingBlock = 50;
    f.missingBlockReads = 1;
    f.repeatedBlock = 3;
    f.reorderedBlock = 10;
    d.SetFaults(f);
    auto blocks = [&] {
        std::vector<int> b;
        for (const auto& p : Payloads(Ask(d, {CMD_READ_MODE, kDeviceImageBlocks, kSettingsInUse})))
            b.push_back(p[1]);
        return b;
    };
    const auto first = blocks();
    EXPECT_EQ(first.size(), 99u);  // 50 left out, 3 twice
    EXPECT_EQ(std::count(first.begin(), first.end(), 50), 0);
    EXPECT_EQ(std::count(first.begin(), first.end(), 3), 2);
    EXPECT_EQ(first[11], 11);  // 0,1,2,3,3,4..9 then 11 before 10
    EXPECT_EQ(first[12], 10);
    const auto second = blocks();
    EXPECT_EQ(std::count(second.begin(), second.end(), 50), 1);  // only one read lost it
}

TEST(StandIn, WritesStoreAndRecall) {
    DeviceStandIn d;
    Ask(d, {CMD_WRITE_DEVICE_IMAGE, 0x0C, 0x45, 3, 7, 8, 9});      // offset 3141
    Ask(d, {CMD_WRITE_DEVICE_IMAGE, 0x0C, 0x5A, 3, 1, 1, 1});      // 3162..3164: past the end, refused
    Ask(d, {CMD_WRITE_ROUTING_IMAGE, 0x01, 0x92, 2, 0xAA, 0xBB});  // 402
    EXPECT_EQ(d.MainImage()[3141], 7);
    EXPECT_EQ(d.MainImage()[3143], 9);
    EXPECT_NE(d.MainImage()[3162], 1);
    EXPECT_EQ(d.RoutingImage()[403], 0xBB);
    EXPECT_EQ(Payloads(Ask(d, {CMD_STORE_MODE, 3})),
              (std::vector<std::vector<std::uint8_t>>{{RSP_SAVE_DONE}}));
    EXPECT_EQ(d.SlotMainImage(3), d.MainImage());
    Ask(d, {CMD_FACTORY_RESET});
    EXPECT_NE(d.MainImage(), d.SlotMainImage(3));
    Ask(d, {CMD_READ_MODE, kDeviceImageBlocks, 3});
    EXPECT_EQ(d.MainImage(), d.SlotMainImage(3));
    EXPECT_EQ(d.CurrentSlot(), 3);
    Ask(d, {CMD_SET_HL_NOSIGNAL_MUTE, 1});
    Ask(d, {CMD_SET_INPUT_SOURCE, 5});
    EXPECT_EQ(d.Flags(), 1);
    EXPECT_EQ(d.InputSource(), 5);
    EXPECT_EQ(d.CountReceived(CMD_WRITE_DEVICE_IMAGE), 2);
}

TEST(StandIn, LogKeepsTheLastCommandsAndCountsThemAll) {
    DeviceStandIn d;
    standin::Faults f;
    f.silent = true;  // no answers to build: only the log is exercised
    d.SetFaults(f);
    const int n = int(standin::CommandLog::kKept) * 3 + 5;
    for (int i = 0; i < n; ++i)
        Ask(d, {std::uint8_t(i % 2 ? CMD_QUERY_STATUS : CMD_REQUEST_NAMES), std::uint8_t(i)});
    EXPECT_EQ(d.ReceivedTotal(), std::uint64_t(n));
    EXPECT_EQ(d.CountReceived(CMD_QUERY_STATUS), n / 2);
    EXPECT_EQ(d.CountReceived(CMD_REQUEST_NAMES), n - n / 2);
    const auto log = d.Log();
    ASSERT_EQ(log.size(), standin::CommandLog::kKept);
    EXPECT_EQ(log.front().seq, std::uint64_t(n) - standin::CommandLog::kKept);
    EXPECT_EQ(log.back().seq, std::uint64_t(n - 1));
    EXPECT_EQ(log.back().payload, (std::vector<std::uint8_t>{CMD_REQUEST_NAMES, std::uint8_t(n - 1)}));
    d.ClearLog();
    EXPECT_EQ(d.ReceivedTotal(), 0u);
    EXPECT_EQ(d.CountReceived(CMD_QUERY_STATUS), 0);
    EXPECT_TRUE(d.Log().empty());
}

TEST(StandIn, FirmwareConversationOverTcp) {
    DeviceStandIn d;
    EXPECT_EQ(Payloads(Ask(d, {CMD_ENTER_UPGRADE})),
              (std::vector<std::vector<std::uint8_t>>{{RSP_UPGRADE_READY}}));
    EXPECT_EQ(Payloads(Ask(d, {CMD_UPGRADE_START}))[0], (std::vector<std::uint8_t>{0xFF, 0, 0}));
    std::vector<std::uint8_t> block = {CMD_UPGRADE_BLOCK, 0, 0};
    for (int i = 0; i < 512; ++i) block.push_back(i < 100 ? std::uint8_t(i) : 0xFF);
    EXPECT_EQ(Payloads(Ask(d, block))[0], (std::vector<std::uint8_t>{0xFF, 0, 1}));
    std::uint8_t sum = 0;
    for (int i = 0; i < 100; ++i) sum = std::uint8_t(sum + i);
    EXPECT_EQ(Payloads(Ask(d, {CMD_UPGRADE_CHECKSUM, sum}))[0],
              (std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF}));
    EXPECT_TRUE(d.FirmwareVerified());
    EXPECT_TRUE(Ask(d, {CMD_UPGRADE_END}).disconnect);
    EXPECT_EQ(d.UpgradesCompleted(), 1);
    EXPECT_EQ(Ask(d, {CMD_ENTER_UPGRADE}, Via::Usb).restart, standin::Outcome::Restart::AsUpgradeDevice);
}

TEST(StandInTcp, RefusesAnythingButLoopback) {
    DeviceStandIn d;
    standin::StandInTcpServer server(d);
    std::string error;
    EXPECT_FALSE(server.Start("0.0.0.0", 0, &error));
    EXPECT_FALSE(server.Start("192.168.4.1", 0, &error));
    EXPECT_FALSE(error.empty());
}

TEST(StandInTcp, AnswersFramesOnLoopback) {
    DeviceStandIn d;
    standin::StandInTcpServer server(d);
    ASSERT_TRUE(server.Start("127.0.0.1", 0));
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(server.Port());
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    const std::uint8_t query[] = {0x00, 0x5A, 0x02, 0x01, 0x13, 0x15,
                                  0x5A, 0x02, 0x01, 0x13, 0x14};  // bad, good
    ASSERT_EQ(::send(fd, query, sizeof query, MSG_NOSIGNAL), ssize_t(sizeof query));
    std::vector<std::uint8_t> got;
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (got.size() < 23 + 17 && std::chrono::steady_clock::now() < deadline) {
        std::uint8_t buf[256];
        const ssize_t n = ::recv(fd, buf, sizeof buf, MSG_DONTWAIT);
        if (n > 0)
            got.insert(got.end(), buf, buf + n);
        else
            std::this_thread::sleep_for(2ms);
    }
    ::close(fd);
    ASSERT_EQ(got.size(), 23u + 17u);
    EXPECT_EQ(got[0], FRAME_HEAD_RX);
    EXPECT_EQ(got[1], 20);
    EXPECT_EQ(got[22], device::Checksum8(got.data() + 2, 20));
    EXPECT_EQ(d.CountReceived(CMD_QUERY_STATUS), 1);
}

TEST(StandInUsb, RestartsAsTheUpgradeDevice) {
    hid::LoopbackBackend backend;
    DeviceStandIn d;
    standin::StandInUsb usb(d, backend);
    usb.Plug();
    auto host = backend.Open(backend.Enumerate(standin::kVendorId, standin::kProductNormal).at(0).path);
    ASSERT_TRUE(host);
    hid::Report r{};
    const std::uint8_t enter[] = {CMD_ENTER_UPGRADE};
    UsbReport framed{};
    device::FrameUsbReport(1, enter, framed);
    std::copy(framed.bytes, framed.bytes + 65, r.begin());
    ASSERT_TRUE(host->Write(r));
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (usb.ProductId() != standin::kProductUpgrade && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(2ms);
    EXPECT_EQ(usb.ProductId(), standin::kProductUpgrade);
    EXPECT_EQ(host->Read(r, 10ms), hid::ReadResult::kGone);
    EXPECT_EQ(backend.Enumerate(standin::kVendorId).size(), 1u);
}

}  // namespace
