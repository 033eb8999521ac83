#include "device/upgradeblocks.h"

#include <gtest/gtest.h>

#include "device/firmwarestate.h"
#include "linktest.h"

namespace {

class UpgradeBlockTest : public LinkTest {
  protected:
    void SetUp() override {
        LinkTest::SetUp();
        device::ClearTcpUpgradeFrame();
        // 1120 data bytes and their sum as the last byte.
        std::vector<std::uint8_t> file(1121);
        for (int i = 0; i < 1120; ++i) file[i] = std::uint8_t(i * 7 + 1);
        file[1120] = device::Checksum8(file.data(), 1120);
        std::lock_guard lock(g_FirmwareMutex);
        g_FirmwareImage = file;
        g_FirmwarePath = "system_K412.img";
    }
    void TearDown() override {
        device::ResetFirmware();
        device::ClearTcpUpgradeFrame();
        LinkTest::TearDown();
    }
    static std::uint8_t DataByte(int i) { return std::uint8_t(i * 7 + 1); }
};

TEST_F(UpgradeBlockTest, UsbBlocksOf56Bytes) {
    g_UsbConnected = 1;
    g_UpgradeRunning = 1;
    const struct {
        int block;
        bool answered;
        bool last;
        std::uint64_t progress;
    } cases[] = {{0, true, false, 0},   {1, true, false, 50},  {18, true, false, 900},
                 {19, true, true, 950}, {20, false, false, 0}, {0x0100, false, false, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.block);
        g_UpgradeLastBlock = 0;
        g_FirmwareChecksum = 0;
        g_Progress = 0;
        EXPECT_EQ(device::SendUpgradeBlockUsb(std::uint8_t(c.block >> 8), std::uint8_t(c.block)), c.answered);
        const auto sent = TakeUsbPayloads();
        ASSERT_EQ(sent.size(), c.answered ? 1u : 0u);
        EXPECT_EQ(g_UpgradeLastBlock, c.last ? 1 : 0);
        EXPECT_EQ(g_Progress, c.progress);
        if (!c.answered) continue;
        ASSERT_EQ(sent[0].size(), 59u);
        EXPECT_EQ(sent[0][0], 0xFD);
        EXPECT_EQ(sent[0][1], c.block >> 8);
        EXPECT_EQ(sent[0][2], c.block & 0xFF);
        for (int i = 0; i < 56; ++i) EXPECT_EQ(sent[0][3 + i], DataByte(c.block * 56 + i));
        if (c.last) {
            std::lock_guard lock(g_FirmwareMutex);
            EXPECT_EQ(g_FirmwareChecksum, g_FirmwareImage[1120]);
        }
    }
}

TEST_F(UpgradeBlockTest, TcpLastBlockIsFilledWithFF) {
    ASSERT_TRUE(device::PrepareUpgradeBlockTcp(0, 2));
    EXPECT_EQ(g_UpgradeLastBlock, 1);
    EXPECT_EQ(g_Progress, 666u);
    UpgradeFrameTcp f;
    ASSERT_TRUE(device::TakeTcpUpgradeFrame(f));
    EXPECT_FALSE(device::TakeTcpUpgradeFrame(f));  // taken once
    const std::uint8_t head[] = {0x5A, 0xFF, 0xFD, 0x00, 0x02};
    EXPECT_TRUE(std::equal(head, head + 5, f.bytes));
    for (int i = 0; i < 96; ++i) EXPECT_EQ(f.bytes[5 + i], DataByte(1024 + i)) << i;
    for (int i = 96; i < 512; ++i) EXPECT_EQ(f.bytes[5 + i], 0xFF) << i;
    EXPECT_EQ(f.bytes[517], device::Checksum8(f.bytes + 2, 515));
    EXPECT_TRUE(g_TcpTxRing.Empty());

    EXPECT_FALSE(device::PrepareUpgradeBlockTcp(0, 3));  // past the last block
    EXPECT_FALSE(device::TcpUpgradeFramePending());
}

TEST_F(UpgradeBlockTest, NothingWithoutAFile) {
    device::ResetFirmware();
    EXPECT_FALSE(device::SendUpgradeBlockUsb(0, 0));
    EXPECT_FALSE(device::PrepareUpgradeBlockTcp(0, 0));
    EXPECT_TRUE(g_TcpTxRing.Empty());
    EXPECT_FALSE(device::TcpUpgradeFramePending());
}

}  // namespace

namespace {

// The largest file a transfer can carry over USB: its last block is 65534 (FF FE), since FF FF ends the
// transfer.
TEST_F(UpgradeBlockTest, TheLastUsbBlockOfTheLargestFileIsNotTheEndMarker) {
    {
        std::lock_guard lock(g_FirmwareMutex);
        g_FirmwareImage.assign(65535u * 56u + 1u, 0);
    }
    g_UsbConnected = 1;
    g_UpgradeRunning = 1;
    g_UpgradeLastBlock = 0;
    EXPECT_TRUE(device::SendUpgradeBlockUsb(0xFF, 0xFE));
    EXPECT_EQ(g_UpgradeLastBlock, 1);
    EXPECT_EQ(TakeUsbPayloads().size(), 1u);
}

}  // namespace
