#include "device/commandbuilders.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "device/channelmodel.h"
#include "device/firmwarestate.h"
#include "device/images.h"
#include "device/names.h"
#include "linktest.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

class CommandBuilderTest : public LinkTest {
  protected:
    void SetUp() override {
        LinkTest::SetUp();
        device::ResetNames();
        device::ResetImages();
    }
    void TearDown() override {
        device::ResetNames();
        device::ResetImages();
        LinkTest::TearDown();
    }
};

Bytes Name(std::uint8_t code, std::uint8_t index, const char* text) {
    Bytes b = {code, index};
    b.resize(22, 0);
    std::memcpy(b.data() + 2, text, std::strlen(text));
    return b;
}

TEST_F(CommandBuilderTest, PayloadOfEveryBuilder) {
    const struct {
        const char* name;
        std::function<void()> setUp;
        std::function<bool()> build;
        Bytes payload;
    } cases[] = {
        {"status query", [] {}, [] { return device::SendStatusQuery(); }, {0x01, 0x13}},
        {"mode image, settings in use",
         [] { g_CurrentModeSlot = 3; },
         [] { return device::RequestModeImage(false); },
         {0x0F, 0x63, 0xFF}},
        {"mode image, slot 3",
         [] { g_CurrentModeSlot = 3; },
         [] { return device::RequestModeImage(true); },
         {0x0F, 0x63, 0x03}},
        {"input source",
         [] { g_InputSource = 9; },
         [] { return device::SendInputSource(true); },
         {0x10, 0x09}},
        {"input source cleared",
         [] { g_InputSource = 9; },
         [] { return device::SendInputSource(false); },
         {0x10, 0x00}},
        {"routing image", [] {}, [] { return device::RequestRoutingImage(); }, {0x13}},
        {"names", [] {}, [] { return device::RequestNames(); }, {0x1A}},
        {"no-signal mute on",
         [] { g_HlNoSignalMute = 0; },
         [] { return device::SendHlNoSignalMuteToggle(); },
         {0x1B, 0x01}},
        {"no-signal mute off",
         [] { g_HlNoSignalMute = 1; },
         [] { return device::SendHlNoSignalMuteToggle(); },
         {0x1B, 0x00}},
        {"factory reset", [] {}, [] { return device::SendSingleByteCommand(0x17); }, {0x17}},
        {"upgrade checksum",
         [] { g_FirmwareChecksum = 0xA7; },
         [] { return device::SendUpgradeChecksum(); },
         {0xFE, 0xA7}},
        {"mode name",
         [] {
             g_CurrentModeSlot = 2;
             std::lock_guard lock(g_NameMutex);
             std::strcpy(g_ModeNames[2], "Rock");
         },
         [] { return device::SendModeName(); }, Name(0x12, 2, "Rock")},
        {"channel name",
         [] {
             g_RenameChannel = 11;
             std::lock_guard lock(g_NameMutex);
             std::memcpy(g_ChannelNames[11], "ABCDEFGHIJKLMNOPQRST", 20);  // all 20 bytes, no zero
         },
         [] { return device::SendChannelName(); }, Name(0x19, 11, "ABCDEFGHIJKLMNOPQRST")},
        {"device image chunk",
         [] {
             std::lock_guard lock(g_ImageMutex);
             g_DeviceImage[0x123] = 0x44, g_DeviceImage[0x124] = 0x55;
         },
         [] { return device::SendDeviceImageChunk(0x123, 2); },
         {0x11, 0x01, 0x23, 0x02, 0x44, 0x55}},
        {"routing image chunk",
         [] {
             std::lock_guard lock(g_ImageMutex);
             g_RoutingImage[404] = 0x9C;
         },
         [] { return device::SendRoutingImageChunk(404, 1); },
         {0x16, 0x01, 0x94, 0x01, 0x9C}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        device::ResetStatus();
        c.setUp();
        EXPECT_TRUE(c.build());
        const auto sent = TakeTcpPayloads();
        ASSERT_EQ(sent.size(), 1u);
        EXPECT_EQ(sent[0], c.payload);
    }
}

TEST_F(CommandBuilderTest, StatusQueryFramesOnBothLinks) {
    device::SendStatusQuery();
    TcpFrame f;
    ASSERT_TRUE(g_TcpTxRing.Pop(f));
    EXPECT_EQ(Bytes(f.bytes, f.bytes + f.length), (Bytes{0x5A, 0x02, 0x01, 0x13, 0x14}));
    g_UsbConnected = 1;
    device::SendStatusQuery();
    UsbReport r;
    ASSERT_TRUE(g_UsbTxRing.Pop(r));
    EXPECT_EQ(Bytes(r.bytes, r.bytes + 5), (Bytes{0x00, 0x02, 0x01, 0x13, 0x14}));
}

TEST_F(CommandBuilderTest, ChunkSizesAndBounds) {
    const struct {
        bool routing;
        int addr, n;
        bool sent;
    } cases[] = {
        {false, 0, 58, true},          {false, 0, 59, false}, {false, 3163 - 58, 58, true},
        {false, 3163 - 57, 58, false}, {false, -1, 1, false}, {true, 0, 58, true},
        {true, 0, 59, false},          {true, 392, 13, true}, {true, 393, 13, false},
    };
    for (int usb = 0; usb < 2; ++usb) {
        g_UsbConnected = usb;
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message()
                         << "usb " << usb << " routing " << c.routing << " " << c.addr << "+" << c.n);
            const bool sent = c.routing ? device::SendRoutingImageChunk(c.addr, c.n)
                                        : device::SendDeviceImageChunk(c.addr, c.n);
            EXPECT_EQ(sent, c.sent);
            const auto got = usb ? TakeUsbPayloads() : TakeTcpPayloads();
            ASSERT_EQ(got.size(), c.sent ? 1u : 0u);
            if (c.sent) {
                EXPECT_EQ(int(got[0].size()), c.n + 4);  // a 58-byte chunk is a 62-byte payload
            }
            EXPECT_TRUE(notices.empty());
        }
    }
}

TEST_F(CommandBuilderTest, AllChannelNamesGoOutInChannelOrder) {
    {
        std::lock_guard lock(g_NameMutex);
        for (int c = 0; c < kChannels; ++c)
            std::snprintf(g_ChannelNames[c], sizeof g_ChannelNames[c], "Ch%d", c);
    }
    EXPECT_TRUE(device::SendAllChannelNames());
    const auto sent = TakeTcpPayloads();
    ASSERT_EQ(sent.size(), 12u);
    for (int c = 0; c < kChannels; ++c) {
        EXPECT_EQ(sent[c], Name(0x19, c, ("Ch" + std::to_string(c)).c_str()));
    }
}

TEST_F(CommandBuilderTest, NameIndexOutsideItsTableSendsNothing) {
    g_RenameChannel = 12;
    EXPECT_FALSE(device::SendChannelName());
    g_CurrentModeSlot = 8;
    EXPECT_FALSE(device::SendModeName());
    EXPECT_TRUE(TakeTcpPayloads().empty());
    g_RenameChannel = 0;
}

}  // namespace
