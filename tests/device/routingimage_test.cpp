#include "device/routingimage.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "modelfixture.h"

namespace {

class RoutingImageTest : public ModelTest {
  protected:
    std::uint8_t image[SAVE_PARA_2_END] = {};
    std::vector<std::uint8_t> Bytes() const { return {image, image + SAVE_PARA_2_END}; }
};

TEST_F(RoutingImageTest, RoutingMaskIs24BitBigEndian) {
    g_RoutingMask[0] = 1 << 0 | 1 << 2 | 1 << 5 | 1 << 7 | 0xF << 16;
    g_RoutingMask[11] = 0xFFFFF;
    device::PackRoutingImage(0, image);
    EXPECT_EQ(image[0], 0x0F);
    EXPECT_EQ(image[1], 0x00);
    EXPECT_EQ(image[2], 0xA5);
    EXPECT_EQ(image[33], 0x0F);
    EXPECT_EQ(image[34], 0xFF);
    EXPECT_EQ(image[35], 0xFF);
}

TEST_F(RoutingImageTest, MixByte) {
    const struct {
        int volume;
        int mixIn;
        int before, after;
    } cases[] = {
        {12, 1, 0x00, 0x8C},
        {12, 0, 0xFF, 0x0C},
        {60, 1, 0x00, 0xBC},
        {0, 0, 0x80, 0x00},
        // A volume outside 0..60 leaves the byte alone; the switch can then only set bit 7.
        {100, 0, 0xE4, 0xE4},
        {100, 1, 0x64, 0xE4},
        {-1, 0, 0x85, 0x85},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.volume << " " << c.mixIn << " " << c.before);
        g_HighLevelMixVolume = c.volume;
        g_HighLevelMixIn = std::uint8_t(c.mixIn);
        image[48] = std::uint8_t(c.before);
        device::PackRoutingImage(0, image);
        EXPECT_EQ(image[48], c.after);
    }
}

TEST_F(RoutingImageTest, InputLevelsLandInTheirBytes) {
    const struct {
        int channel, input, byte;
    } cases[] = {{2, 17, 350}, {0, 0, 50}, {0, 15, 65}, {11, 15, 241}, {0, 16, 341}, {11, 19, 388}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.channel << "/" << c.input);
        ResetAll();
        std::fill(std::begin(image), std::end(image), 0);
        g_InputVolume[c.channel][c.input] = 60;
        device::PackRoutingImage(0, image);
        for (int i = 0; i < SAVE_PARA_2_END; ++i) ASSERT_EQ(image[i], i == c.byte ? 60 : 0) << i;
    }
}

TEST_F(RoutingImageTest, BridgeByteFollowsTheFlags) {
    image[340] = 0xFF;
    g_BridgeCh34 = 1;
    g_BridgeCh1112 = 1;
    g_BridgeCh56 = 2;  // only a flag of exactly 1 counts
    device::PackRoutingImage(0x0A05, image);
    EXPECT_EQ(image[340], 0x22);
    EXPECT_EQ(image[338], 0x0A);
    EXPECT_EQ(image[339], 0x05);
}

TEST_F(RoutingImageTest, LoadMasksAndLimits) {
    image[0] = 0xF0, image[1] = 0x00, image[2] = 0x01;  // bits 20..23 and bit 0
    image[306] = 0xF1, image[307] = 0x23;               // group 0: bits 12..15 and 0x123
    image[50] = 200;  // levels are taken as they are
    device::UnpackRoutingImage(image);
    EXPECT_EQ(g_RoutingMask[0], 0x000001);
    EXPECT_EQ(g_LinkGroupMask[0], 0x123);
    EXPECT_EQ(g_InputVolume[0][0], 200);

    // Byte 48: bit 7 the mix-in switch, the rest the volume, limited to 60.
    const struct {
        std::uint8_t byte;
        int mixIn, volume;
    } mixCases[] = {{0x7F, 0, 60}, {0xBC, 1, 60}, {0xFF, 1, 60}, {0x8C, 1, 12}, {0x00, 0, 0}, {0x3D, 0, 60}};
    for (const auto& c : mixCases) {
        image[48] = c.byte;
        device::UnpackRoutingImage(image);
        EXPECT_EQ(g_HighLevelMixIn, c.mixIn) << int(c.byte);
        EXPECT_EQ(g_HighLevelMixVolume, c.volume) << int(c.byte);
    }
}

TEST_F(RoutingImageTest, LoadReportsWhatChanged) {
    g_RoutingMask[3] = 0x42;
    device::PackRoutingImage(0, image);
    auto load = device::UnpackRoutingImage(image);
    for (bool changed : load.maskChanged) EXPECT_FALSE(changed);
    EXPECT_FALSE(load.mixInChanged);

    image[3 * 5 + 2] = 0x01;
    image[48] |= 0x80;
    load = device::UnpackRoutingImage(image);
    for (int c = 0; c < kChannels; ++c) EXPECT_EQ(load.maskChanged[c], c == 5) << c;
    EXPECT_TRUE(load.mixInChanged);
    EXPECT_EQ(g_HighLevelMixIn, 1);
}

TEST_F(RoutingImageTest, BridgeFlagsAndOverlayAreReadBackFromFirmware190821) {
    const struct {
        int date;
        bool read;
    } cases[] = {{190820, false}, {190821, true}, {222222, true}, {0, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.date);
        ResetAll();
        g_FirmwareDate = c.date;
        image[338] = 0x08, image[339] = 0x41;
        image[340] = 0x29;  // CH1/2, CH7/8, CH11/12
        const auto load = device::UnpackRoutingImage(image);
        EXPECT_EQ(load.linksRead, c.read);
        EXPECT_EQ(load.overlayMask, c.read ? 0x0841 : 0);
        const int flags[] = {g_BridgeCh12, g_BridgeCh34,  g_BridgeCh56,
                             g_BridgeCh78, g_BridgeCh910, g_BridgeCh1112};
        const int expected[] = {1, 0, 0, 1, 0, 1};
        for (int p = 0; p < 6; ++p) EXPECT_EQ(flags[p], c.read ? expected[p] : 0) << p;
    }
}

TEST_F(RoutingImageTest, BridgeBitOfAnOlderDeviceIsClearedByTheNextPack) {
    g_FirmwareDate = 190820;
    image[340] = 0x01;
    device::UnpackRoutingImage(image);
    device::PackRoutingImage(0, image);
    EXPECT_EQ(image[340], 0x00);
}

TEST_F(RoutingImageTest, RoundTripOfADistinctModelIsByteExact) {
    std::mt19937 rng(11);
    for (auto& byte : image) byte = std::uint8_t(rng());
    const std::vector<std::uint8_t> noise = Bytes();

    for (int c = 0; c < kChannels; ++c) {
        g_RoutingMask[c] = (0x9E3B7 * (c + 1)) & 0xFFFFF;
        g_LinkGroupMask[c] = (0x5A3 * (c + 3)) & 0xFFF;
        for (int i = 0; i < kInputs; ++i) g_InputVolume[c][i] = (c * kInputs + i) % 61;
    }
    g_HighLevelMixVolume = 43;
    g_HighLevelMixIn = 1;
    g_BridgeCh12 = g_BridgeCh56 = g_BridgeCh910 = 1;
    const int overlay = 0x0B6D;
    device::PackRoutingImage(overlay, image);
    const std::vector<std::uint8_t> first = Bytes();

    ResetAll();  // firmware 222222: links are read back
    const auto load = device::UnpackRoutingImage(image);
    EXPECT_EQ(load.overlayMask, overlay);
    for (auto& byte : image) byte = 0;
    std::copy(noise.begin(), noise.end(), image);
    device::PackRoutingImage(load.overlayMask, image);
    EXPECT_EQ(Bytes(), first);

    // Bytes the console does not own keep what was there.
    for (int i : {36, 47, 49, 242, 305, 330, 337, 389, 404}) EXPECT_EQ(first[i], noise[i]) << i;
}

TEST_F(RoutingImageTest, GlobalImageWrappersUseTheSharedImage) {
    g_LinkGroupMask[7] = 0x0C0;
    device::PackRoutingImage(0x3);
    g_LinkGroupMask[7] = 0;
    EXPECT_EQ(device::UnpackRoutingImage().overlayMask, 0x3);
    EXPECT_EQ(g_LinkGroupMask[7], 0x0C0);
}

}  // namespace
