#include "device/sendtodevice.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "device/commands.h"
#include "linktest.h"

namespace {

using device::SendResult;

class SendToDeviceTest : public LinkTest {};

std::vector<std::uint8_t> Payload(int len, std::uint8_t code = 0x11) {
    std::vector<std::uint8_t> p(len);
    std::iota(p.begin(), p.end(), std::uint8_t(0x80));
    if (len > 0) p[0] = code;
    return p;
}

TEST_F(SendToDeviceTest, PayloadLengthLimitsOfEachLink) {
    const struct {
        bool usb;
        int len;
        SendResult result;
    } cases[] = {
        {true, 1, SendResult::Queued},     {true, 62, SendResult::Queued},
        {true, 63, SendResult::TooLong},   {false, 1, SendResult::Queued},
        {false, 62, SendResult::Queued},   {false, 131, SendResult::Queued},
        {false, 132, SendResult::TooLong}, {false, 255, SendResult::TooLong},
        {true, 0, SendResult::Invalid},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.usb ? "usb " : "tcp ") << c.len);
        g_UsbConnected = c.usb ? 1 : 0;
        notices.clear();
        const auto p = Payload(c.len);
        EXPECT_EQ(device::TrySendToDevice(std::uint8_t(c.len), p.data()), c.result);
        if (c.result == SendResult::TooLong) {
            ASSERT_EQ(notices.size(), 1u);
            EXPECT_EQ(notices[0].kind,
                      c.usb ? device::NoticeKind::UsbSendOverrun : device::NoticeKind::TcpSendOverrun);
            EXPECT_EQ(notices[0].text, c.usb ? "USB发送buff越界!" : "串口发送buff越界： 1234");
        } else {
            EXPECT_TRUE(notices.empty());
        }
        const bool queued = c.result == SendResult::Queued;
        if (c.usb) {
            UsbReport r;
            ASSERT_EQ(g_UsbTxRing.Pop(r), queued);
            if (queued) {
                EXPECT_EQ(r.bytes[1], c.len);
                EXPECT_TRUE(std::equal(p.begin(), p.end(), r.bytes + 2));
                EXPECT_EQ(r.bytes[2 + c.len], device::Checksum8(p.data(), c.len));
            }
        } else {
            TcpFrame f;
            ASSERT_EQ(g_TcpTxRing.Pop(f), queued);
            if (queued) {
                EXPECT_EQ(f.length, c.len + 3);
                EXPECT_EQ(f.bytes[1], c.len);
                EXPECT_TRUE(std::equal(p.begin(), p.end(), f.bytes + 2));
                EXPECT_EQ(f.bytes[2 + c.len], device::Checksum8(p.data(), c.len));
            }
        }
        EXPECT_TRUE(g_UsbTxRing.Empty());
        EXPECT_TRUE(g_TcpTxRing.Empty());
    }
}

TEST_F(SendToDeviceTest, SixtyTwoBytePayloadPutsTheSumInTheReportsLastByte) {
    g_UsbConnected = 1;
    const auto p = Payload(62);
    ASSERT_TRUE(device::SendToDevice(62, p.data()));
    UsbReport r;
    ASSERT_TRUE(g_UsbTxRing.Pop(r));
    EXPECT_EQ(r.bytes[64], device::Checksum8(p.data(), 62));
}

TEST_F(SendToDeviceTest, UpgradeFilterDropsOrdinaryCommandsOnBothLinks) {
    const struct {
        std::uint8_t code;
        bool passes;
    } cases[] = {{CMD_QUERY_STATUS, false},
                 {CMD_ENTER_UPGRADE, false},
                 {CMD_FACTORY_RESET, false},
                 {0x1C, false},
                 {0x00, false},
                 {0x1D, true},
                 {CMD_UPGRADE_START, true},
                 {CMD_UPGRADE_BLOCK, true},
                 {CMD_UPGRADE_END, true}};
    g_UpgradeRunning = 1;
    for (int usb = 0; usb < 2; ++usb) {
        g_UsbConnected = usb;
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << "usb " << usb << " code " << int(c.code));
            // Too long as well: the filter comes before the length check, so no box either.
            const auto p = Payload(200, c.code);
            const auto shortResult = device::TrySendToDevice(2, p.data());
            EXPECT_EQ(shortResult, c.passes ? SendResult::Queued : SendResult::Filtered);
            if (!c.passes) {
                EXPECT_EQ(device::TrySendToDevice(200, p.data()), SendResult::Filtered);
            }
            EXPECT_TRUE(notices.empty());
            EXPECT_EQ((usb ? g_UsbTxRing.Size() : g_TcpTxRing.Size()), c.passes ? 1 : 0);
            EXPECT_EQ(g_UsbTxRing.Size() + g_TcpTxRing.Size(), c.passes ? 1 : 0);
            DrainAll();
        }
    }
    g_UpgradeRunning = 0;
    EXPECT_TRUE(device::SendToDevice(1, &CMD_QUERY_STATUS));
}

TEST_F(SendToDeviceTest, UsbLinkKeepsEverythingOutOfTheTcpRing) {
    g_UsbConnected = 1;
    const auto p = Payload(20);
    EXPECT_TRUE(device::SendToDevice(20, p.data()));
    EXPECT_EQ(g_UsbTxRing.Size(), 1);
    EXPECT_TRUE(g_TcpTxRing.Empty());
    g_UsbConnected = 0;
    EXPECT_TRUE(device::SendToDevice(20, p.data()));
    EXPECT_EQ(g_UsbTxRing.Size(), 1);
    EXPECT_EQ(g_TcpTxRing.Size(), 1);
}

TEST_F(SendToDeviceTest, FullTransmitRingRefusesAndKeepsWhatItHolds) {
    for (int usb = 0; usb < 2; ++usb) {
        g_UsbConnected = usb;
        for (int i = 0; i < 49; ++i) {
            const std::uint8_t p[] = {0x10, std::uint8_t(i)};
            ASSERT_TRUE(device::SendToDevice(2, p)) << i;
        }
        const std::uint8_t extra[] = {0x10, 0xEE};
        EXPECT_EQ(device::TrySendToDevice(2, extra), SendResult::RingFull);
        const auto got = usb ? TakeUsbPayloads() : TakeTcpPayloads();
        ASSERT_EQ(got.size(), 49u);
        for (int i = 0; i < 49; ++i) EXPECT_EQ(got[i][1], i);
    }
}

}  // namespace
