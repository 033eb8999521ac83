#include "device/dispatcher.h"

#include <cstring>
#include <string>

#include "device/commandbuilders.h"
#include "device/commands.h"
#include "device/deviceimage.h"
#include "device/readrequests.h"
#include "dispatchtarget.h"

namespace {

using device::DispatchOutcome;
using device::Link;

// A status reply of length len: slots, a 14-character version, source, flags.
std::vector<std::uint8_t> StatusReply(int len, int saveSlot, int currentSlot, const char* version, int source,
                                      int flags) {
    std::vector<std::uint8_t> p(std::max(len, 20), 0);
    p[0] = RSP_STATUS;
    p[1] = kStatusSubCode;
    p[2] = std::uint8_t(saveSlot);
    std::memcpy(p.data() + 3, version, std::min<std::size_t>(14, std::strlen(version)));
    p[17] = std::uint8_t(source);
    p[18] = std::uint8_t(currentSlot);
    p[19] = std::uint8_t(flags);
    p.resize(len);
    return p;
}

std::vector<std::uint8_t> Block(std::uint8_t code, int block, int count, int seed) {
    std::vector<std::uint8_t> p = {code, std::uint8_t(block)};
    for (int i = 0; i < count; ++i) p.push_back(std::uint8_t(seed + block * 3 + i));
    return p;
}

class DispatchLinkTest : public DispatchTest, public ::testing::WithParamInterface<Link> {};

INSTANTIATE_TEST_SUITE_P(BothLinks, DispatchLinkTest, ::testing::Values(Link::Usb, Link::Tcp),
                         [](const auto& info) { return info.param == Link::Usb ? "Usb" : "Tcp"; });

TEST_P(DispatchLinkTest, StatusReplyFieldsAndFlags) {
    const struct {
        int len, save, current, flags;
        int wantSave, wantCurrent, wantFlags, wantMute;
    } cases[] = {
        {19, 3, 5, 0x41, 3, 5, 0, 0},     // no flags byte: flags and mute 0
        {20, 3, 5, 0x41, 3, 5, 0x41, 1},  // flags byte present on either link
        {20, 9, 8, 0x40, 0, 0, 0x40, 0},  // slots past 7 read as 0
        {62, 7, 7, 0x01, 7, 7, 0x01, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.len);
        g_HlNoSignalMute = 1;
        g_DeviceFlags = 0xFF;
        EXPECT_EQ(Send(GetParam(), StatusReply(c.len, c.save, c.current, "0N1_V1221130AB", 5, c.flags)),
                  DispatchOutcome::Handled);
        EXPECT_EQ(g_SaveModeSlot, c.wantSave);
        EXPECT_EQ(g_CurrentModeSlot, c.wantCurrent);
        EXPECT_EQ(g_DeviceFlags, c.wantFlags);
        EXPECT_EQ(g_HlNoSignalMute, c.wantMute);
        EXPECT_EQ(g_InputSource, 5);
    }
}

TEST_P(DispatchLinkTest, FirstStatusReplyIdentifiesOnce) {
    target.onCall = [](const std::string& what) {
        if (what != "identified") return;
        // The handler runs before the flag is set, with the model already decoded.
        EXPECT_EQ(g_DeviceIdentified, 0);
        EXPECT_EQ(g_DeviceModel, 8);
        EXPECT_EQ(g_FirmwareDate, 221130);
    };
    const auto reply = StatusReply(20, 0, 0, "08C_V1221130AB", 1, 0);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(Send(GetParam(), reply), DispatchOutcome::Handled);
    EXPECT_EQ(target.calls, std::vector<std::string>{"identified"});
    EXPECT_EQ(g_DeviceIdentified, 1);
    std::lock_guard lock(g_VersionMutex);
    EXPECT_STREQ(g_DeviceVersion, "08C_V1221130AB");
}

TEST_P(DispatchLinkTest, StatusRepliesThatAreSkipped) {
    auto badSub = StatusReply(20, 1, 1, "08C_V1221130AB", 3, 1);
    badSub[1] = 0x12;
    for (const auto& reply : {StatusReply(18, 1, 1, "08C_V1221130AB", 3, 1), badSub}) {
        EXPECT_NE(Send(GetParam(), reply), DispatchOutcome::Handled);
    }
    EXPECT_TRUE(target.calls.empty());
    EXPECT_EQ(g_DeviceIdentified, 0);
    EXPECT_EQ(g_InputSource, 1);
}

TEST_P(DispatchLinkTest, MediaVersionOncePerConnection) {
    std::vector<std::uint8_t> reply = {RSP_MEDIA_VERSION, kStatusSubCode, 0};
    for (char ch : std::string("MEDIA-1.2.3")) reply.push_back(std::uint8_t(ch));
    EXPECT_EQ(Send(GetParam(), {reply.begin(), reply.end() - 1}), DispatchOutcome::Short);
    EXPECT_EQ(Send(GetParam(), reply), DispatchOutcome::Handled);
    reply[3] = 'X';
    EXPECT_EQ(Send(GetParam(), reply), DispatchOutcome::AlreadyKnown);
    std::lock_guard lock(g_VersionMutex);
    EXPECT_STREQ(g_MediaVersion, "MEDIA-1.2.3");
    EXPECT_EQ(g_MediaVersionReceived, 1);
}

TEST_P(DispatchLinkTest, NamesAreBoundedAndChecked) {
    std::vector<std::uint8_t> name = {RSP_CHANNEL_NAME, 3};
    for (int i = 0; i < 20; ++i) name.push_back('a' + i);
    EXPECT_EQ(Send(GetParam(), name), DispatchOutcome::Handled);
    name[1] = 12;
    EXPECT_EQ(Send(GetParam(), name), DispatchOutcome::OutOfRange);
    name[1] = 4;
    EXPECT_EQ(Send(GetParam(), {name.begin(), name.end() - 1}), DispatchOutcome::Short);
    EXPECT_EQ(target.calls, std::vector<std::string>{"name 3"});

    std::vector<std::uint8_t> mode = name;
    mode[0] = RSP_MODE_NAME;
    mode[1] = 7;
    EXPECT_EQ(Send(GetParam(), mode), DispatchOutcome::Handled);
    mode[1] = 8;
    EXPECT_EQ(Send(GetParam(), mode), DispatchOutcome::OutOfRange);
    std::lock_guard lock(g_NameMutex);
    EXPECT_STREQ(g_ChannelNames[3], "abcdefghijklmnopqrst");
    EXPECT_STREQ(g_ChannelNames[4], "");
    EXPECT_STREQ(g_ModeNames[7], "abcdefghijklmnopqrst");
}

// The answer to a names request holds the names the device had when asked; a channel renamed here after the
// request keeps its new name, the others take the answer's, and the next request ends the protection.
TEST_P(DispatchLinkTest, ANamesAnswerLeavesAChannelRenamedSinceTheRequest) {
    const auto answer = [&](int channel, const char* text) {
        std::vector<std::uint8_t> p = {RSP_CHANNEL_NAME, std::uint8_t(channel)};
        p.resize(2 + 20, 0);
        std::memcpy(p.data() + 2, text, std::strlen(text));
        return Send(GetParam(), p);
    };
    const auto name = [](int channel) {
        std::lock_guard lock(g_NameMutex);
        return std::string(g_ChannelNames[channel]);
    };
    const auto renameHere = [](int channel, const char* text) {
        std::lock_guard lock(g_NameMutex);
        std::memset(g_ChannelNames[channel], 0, sizeof g_ChannelNames[channel]);
        std::memcpy(g_ChannelNames[channel], text, std::strlen(text));
        g_ChannelNameChangedHere[channel] = true;
    };
    renameHere(5, "Before");  // renamed before the request: the device has it when it answers
    ASSERT_TRUE(device::RequestNames());
    renameHere(2, "New");
    EXPECT_EQ(answer(2, "Old"), DispatchOutcome::Handled);
    EXPECT_EQ(answer(3, "Other"), DispatchOutcome::Handled);
    EXPECT_EQ(answer(5, "Before"), DispatchOutcome::Handled);
    EXPECT_EQ(name(2), "New");
    EXPECT_EQ(name(3), "Other");
    EXPECT_EQ(name(5), "Before");

    ASSERT_TRUE(device::RequestNames());
    EXPECT_EQ(answer(2, "Device"), DispatchOutcome::Handled);
    EXPECT_EQ(name(2), "Device");
}

TEST_P(DispatchLinkTest, CodesOutsideTheTableAreSkipped) {
    for (std::uint8_t code : {0x00, 0x03, 0x05, 0x10, 0x80, 0xFD}) {
        EXPECT_EQ(Send(GetParam(), {code, 1, 2, 3}), DispatchOutcome::UnknownCode);
    }
    EXPECT_EQ(Send(GetParam(), {RSP_SAVE_DONE}), DispatchOutcome::Handled);
    EXPECT_EQ(target.calls, std::vector<std::string>{"saved"});
}

TEST_P(DispatchLinkTest, FullImageCompletesOnlyWithEveryBlockSinceTheRequest) {
    g_LoadWatchdogTicks = 9;
    device::StartFullRead();
    TakeTcpPayloads();
    for (int b = 0; b < 99; ++b) {
        if (b == 50) continue;
        ASSERT_EQ(Send(GetParam(), Block(RSP_DEVICE_IMAGE_BLOCK, b, b == 98 ? 27 : 32, 1)),
                  DispatchOutcome::Handled);
    }
    EXPECT_TRUE(target.calls.empty());
    EXPECT_EQ(g_Progress, 999u);  // the last block without a full read leaves the dialog open
    EXPECT_EQ(g_LoadWatchdogTicks, 0);

    // The watchdog's resend: blocks of the broken read do not count.
    device::ResendPendingRead();
    ASSERT_EQ(Send(GetParam(), Block(RSP_DEVICE_IMAGE_BLOCK, 50, 32, 2)), DispatchOutcome::Handled);
    ASSERT_EQ(Send(GetParam(), Block(RSP_DEVICE_IMAGE_BLOCK, 98, 27, 2)), DispatchOutcome::Handled);
    EXPECT_TRUE(target.calls.empty());

    target.onCall = [](const std::string&) { EXPECT_LT(g_Progress, 1000u); };
    for (int b = 98; b >= 0; --b) {  // any order; completion at the last block
        ASSERT_EQ(Send(GetParam(), Block(RSP_DEVICE_IMAGE_BLOCK, b, b == 98 ? 27 : 32, 3)),
                  DispatchOutcome::Handled);
    }
    EXPECT_TRUE(target.calls.empty());
    ASSERT_EQ(Send(GetParam(), Block(RSP_DEVICE_IMAGE_BLOCK, 98, 27, 3)), DispatchOutcome::Handled);
    EXPECT_EQ(target.calls, std::vector<std::string>{"image"});
    EXPECT_EQ(g_Progress, 1000u);
    std::lock_guard lock(g_ImageMutex);
    for (int i = 0; i < EQ_USER_PARA_NUM; ++i) {
        const int b = i / 32;
        ASSERT_EQ(g_DeviceImage[i], std::uint8_t(3 + b * 3 + i % 32)) << i;
        ASSERT_EQ(g_DeviceImageShadow[i], g_DeviceImage[i]) << i;
    }
}

TEST_P(DispatchLinkTest, ShortImageHasFiftyBlocks) {
    g_DeviceModel = 1;
    g_FirmwareDate = 190820;
    device::StartFullRead();
    for (int b = 0; b < 49; ++b) Send(GetParam(), Block(RSP_DEVICE_IMAGE_BLOCK, b, 32, 0));
    EXPECT_EQ(Send(GetParam(), Block(RSP_DEVICE_IMAGE_BLOCK, 49, 10, 0)), DispatchOutcome::Short);
    EXPECT_EQ(Send(GetParam(), Block(RSP_DEVICE_IMAGE_BLOCK, 50, 32, 0)), DispatchOutcome::OutOfRange);
    EXPECT_EQ(Send(GetParam(), Block(RSP_DEVICE_IMAGE_BLOCK, 98, 27, 0)), DispatchOutcome::OutOfRange);
    EXPECT_TRUE(target.calls.empty());
    EXPECT_EQ(Send(GetParam(), Block(RSP_DEVICE_IMAGE_BLOCK, 49, 11, 0)), DispatchOutcome::Handled);
    EXPECT_EQ(target.calls, std::vector<std::string>{"image"});
    EXPECT_EQ(g_Progress, 1000u);
    std::lock_guard lock(g_ImageMutex);
    EXPECT_EQ(g_DeviceImage[1578], std::uint8_t(49 * 3 + 10));
    EXPECT_EQ(g_DeviceImage[1579], 0);  // nothing past the short image
}

TEST_P(DispatchLinkTest, BadBlocksChangeNothing) {
    g_Progress = 123;
    g_LoadWatchdogTicks = 5;
    EXPECT_EQ(Send(GetParam(), Block(RSP_DEVICE_IMAGE_BLOCK, 99, 32, 1)), DispatchOutcome::OutOfRange);
    EXPECT_EQ(Send(GetParam(), Block(RSP_DEVICE_IMAGE_BLOCK, 255, 32, 1)), DispatchOutcome::OutOfRange);
    EXPECT_EQ(Send(GetParam(), Block(RSP_DEVICE_IMAGE_BLOCK, 3, 31, 1)), DispatchOutcome::Short);
    EXPECT_EQ(Send(GetParam(), Block(RSP_DEVICE_IMAGE_BLOCK, 98, 26, 1)), DispatchOutcome::Short);
    EXPECT_EQ(Send(GetParam(), {RSP_DEVICE_IMAGE_BLOCK}), DispatchOutcome::Short);
    EXPECT_EQ(Send(GetParam(), Block(RSP_ROUTING_IMAGE_BLOCK, 8, 56, 1)), DispatchOutcome::OutOfRange);
    EXPECT_EQ(Send(GetParam(), Block(RSP_ROUTING_IMAGE_BLOCK, 0, 55, 1)), DispatchOutcome::Short);
    EXPECT_EQ(Send(GetParam(), Block(RSP_ROUTING_IMAGE_BLOCK, 7, 12, 1)), DispatchOutcome::Short);
    EXPECT_EQ(g_Progress, 123u);
    EXPECT_EQ(g_LoadWatchdogTicks, 5);
    std::lock_guard lock(g_ImageMutex);
    for (int i = 0; i < EQ_USER_PARA_NUM; ++i) ASSERT_EQ(g_DeviceImage[i], 0) << i;
    for (int i = 0; i < SAVE_PARA_2_END; ++i) ASSERT_EQ(g_RoutingImage[i], 0) << i;
}

TEST_P(DispatchLinkTest, RoutingImageInEightBlocks) {
    device::StartRoutingRead();
    g_Progress = 1000;
    for (int b = 0; b < 8; ++b) {
        g_LoadWatchdogTicks = 4;
        ASSERT_EQ(Send(GetParam(), Block(RSP_ROUTING_IMAGE_BLOCK, b, b == 7 ? 13 : 56, 7)),
                  DispatchOutcome::Handled);
        EXPECT_EQ(g_LoadWatchdogTicks, 0);
    }
    EXPECT_EQ(target.calls, std::vector<std::string>{"routing"});
    EXPECT_EQ(g_Progress, 1000u);  // the routing read leaves the progress alone
    std::lock_guard lock(g_ImageMutex);
    for (int i = 0; i < SAVE_PARA_2_END; ++i) {
        ASSERT_EQ(g_RoutingImage[i], std::uint8_t(7 + (i / 56) * 3 + i % 56)) << i;
        ASSERT_EQ(g_RoutingImageShadow[i], g_RoutingImage[i]);
    }
}

TEST_F(DispatchTest, UsbReportsWithBadFramesAreSkipped) {
    UsbReport r{};
    const std::uint8_t payload[] = {RSP_SAVE_DONE};
    device::FrameUsbReport(1, payload, r);
    r.bytes[3] ^= 1;
    EXPECT_EQ(device::DispatchUsbReport(r, target), DispatchOutcome::BadSum);
    for (std::uint8_t len : {0, 63, 64, 255}) {
        r.bytes[1] = len;
        EXPECT_EQ(device::DispatchUsbReport(r, target), DispatchOutcome::BadLength) << int(len);
    }
    TcpRxEntry e{};
    e.bytes[0] = 0;
    EXPECT_EQ(device::DispatchTcpEntry(e, target), DispatchOutcome::BadLength);
    EXPECT_TRUE(target.calls.empty());
}

TEST_F(DispatchTest, UpgradeReadyDiffersByLink) {
    g_UsbConnected = 1;
    g_UpgradeLastBlock = 1;
    EXPECT_EQ(Usb({RSP_UPGRADE_READY}), DispatchOutcome::Handled);
    EXPECT_EQ(g_UpgradeRunning, 1);
    EXPECT_EQ(g_UpgradeLastBlock, 0);
    EXPECT_EQ(TakeUsbPayloads(), (std::vector<std::vector<std::uint8_t>>{{CMD_UPGRADE_START}}));
    EXPECT_TRUE(target.calls.empty());

    g_UsbConnected = 0;
    g_UpgradeRunning = 0;
    std::vector<std::uint8_t> file(600, 1);
    {
        std::lock_guard lock(g_FirmwareMutex);
        g_FirmwareImage = file;
    }
    device::PrepareUpgradeBlockTcp(0, 0);
    EXPECT_EQ(Tcp({RSP_UPGRADE_READY}), DispatchOutcome::Handled);
    EXPECT_FALSE(device::TcpUpgradeFramePending());
    EXPECT_EQ(target.calls, std::vector<std::string>{"upgrade"});
    EXPECT_TRUE(TakeTcpPayloads().empty());
}

class UpgradeConversationTest : public DispatchTest {
  protected:
    void Load(int size) {
        std::vector<std::uint8_t> file(size);
        for (int i = 0; i + 1 < size; ++i) file[i] = std::uint8_t(i * 5 + 3);
        file[size - 1] = device::Checksum8(file.data(), size - 1);
        std::lock_guard lock(g_FirmwareMutex);
        g_FirmwareImage = file;
        g_FirmwarePath = "fw.img";
    }
    std::vector<std::vector<std::uint8_t>> Request(int hi, int lo) {
        EXPECT_EQ(Usb({RSP_UPGRADE_BLOCK_REQUEST, std::uint8_t(hi), std::uint8_t(lo)}),
                  DispatchOutcome::Handled);
        return TakeUsbPayloads();
    }
};

TEST_F(UpgradeConversationTest, UsbTransferOf1121Bytes) {
    g_UsbConnected = 1;
    g_UpgradeRunning = 1;
    Load(1121);
    for (int k = 0; k < 20; ++k) {
        const auto sent = Request(0, k);
        ASSERT_EQ(sent.size(), 1u);
        ASSERT_EQ(sent[0].size(), 59u);
        EXPECT_EQ(sent[0][2], k);
        EXPECT_EQ(g_Progress, std::uint64_t(k * 1000 / 20));
    }
    EXPECT_EQ(g_UpgradeLastBlock, 1);
    // FF FF straight after the last block gets the checksum first; the next FF FF ends.
    auto sent = Request(0xFF, 0xFF);
    ASSERT_EQ(sent.size(), 1u);
    std::uint8_t sum;
    {
        std::lock_guard lock(g_FirmwareMutex);
        sum = g_FirmwareImage[1120];
    }
    EXPECT_EQ(sent[0], (std::vector<std::uint8_t>{CMD_UPGRADE_CHECKSUM, sum}));
    EXPECT_EQ(Request(0xFF, 0xFF), (std::vector<std::vector<std::uint8_t>>{{CMD_UPGRADE_END}}));
    EXPECT_EQ(g_UpgradeRunning, 0);
    EXPECT_EQ(g_Progress, 1000u);
    std::lock_guard lock(g_FirmwareMutex);
    EXPECT_TRUE(g_FirmwarePath.empty());
    EXPECT_TRUE(g_FirmwareImage.empty());
}

TEST_F(UpgradeConversationTest, RequestsPastTheEndAreNotAnswered) {
    g_UsbConnected = 1;
    g_UpgradeRunning = 1;
    Load(57);
    EXPECT_TRUE(Request(0, 1).empty());
    EXPECT_TRUE(Request(1, 0).empty());
    EXPECT_EQ(Request(0, 0).size(), 1u);  // the only block: the next request of any number gets the sum
    EXPECT_EQ(Request(0, 7)[0][0], CMD_UPGRADE_CHECKSUM);
    device::ResetFirmware();
    EXPECT_TRUE(Request(0, 0).empty());  // nothing loaded
}

TEST_F(UpgradeConversationTest, TcpBlocksGoToTheFrame) {
    Load(1121);
    EXPECT_EQ(Tcp({RSP_UPGRADE_BLOCK_REQUEST, 0, 2}), DispatchOutcome::Handled);
    UpgradeFrameTcp frame;
    ASSERT_TRUE(device::TakeTcpUpgradeFrame(frame));
    EXPECT_EQ(frame.bytes[4], 2);
    EXPECT_EQ(frame.bytes[5 + 95], std::uint8_t(1119 * 5 + 3));
    EXPECT_EQ(frame.bytes[5 + 96], 0xFF);
    EXPECT_EQ(g_UpgradeLastBlock, 1);
    EXPECT_TRUE(TakeTcpPayloads().empty());
    EXPECT_EQ(Tcp({RSP_UPGRADE_BLOCK_REQUEST, 0, 0}), DispatchOutcome::Handled);
    EXPECT_EQ(TakeTcpPayloads()[0][0], CMD_UPGRADE_CHECKSUM);
    EXPECT_EQ(Tcp({RSP_UPGRADE_BLOCK_REQUEST, 0xFF}), DispatchOutcome::Short);
}

}  // namespace
