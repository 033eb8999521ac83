#include "device/deviceimage.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "modelfixture.h"

namespace {

using device::DeviceRecordOffset;

class DeviceImageTest : public ModelTest {
  protected:
    std::uint8_t image[EQ_USER_PARA_NUM] = {};
    device::Delays noDelays{};

    void Put16(int at, int v) {
        image[at] = std::uint8_t(v >> 8);
        image[at + 1] = std::uint8_t(v);
    }
    int Get16(int at) const { return image[at] << 8 | image[at + 1]; }
    // A flat, in-range image as packed from the defaults.
    void PackDefaults() { device::PackDeviceImage(noDelays, image); }
};

TEST_F(DeviceImageTest, RecordOffsets) {
    const int offsets[] = {19, 213, 407, 601, 795, 989, 1183, 1381, 1579, 1777, 1975, 2173};
    for (int c = 0; c < kChannels; ++c) EXPECT_EQ(DeviceRecordOffset(c), offsets[c]);
    // The first frequency of each record is where the packer puts it.
    for (int c = 0; c < kChannels; ++c) g_EqFreq[c][0] = 1000 + c;
    PackDefaults();
    for (int c = 0; c < kChannels; ++c) EXPECT_EQ(Get16(offsets[c] + (c < 6 ? 0 : 4)), 1000 + c) << c;
}

TEST_F(DeviceImageTest, OverlongGainIsZeroedInModelAndImage) {
    // CH1 in the header and CH7 in its record: gain-and-delay 0x5A, delay low 0x10, phase byte 0xD8.
    const struct {
        int channel, gainDelay, delayLow, phaseGain;
    } cases[] = {{0, 0, 1, 12}, {5, 10, 11, 17}, {6, 1183, 1184, 1185}, {11, 2173, 2174, 2175}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.channel);
        ResetAll();
        PackDefaults();
        image[c.gainDelay] = 0x5A;
        image[c.delayLow] = 0x10;
        image[c.phaseGain] = 0xD8;
        const auto load = device::UnpackDeviceImage(image);
        EXPECT_EQ(load.delays[c.channel], 2576);
        EXPECT_EQ(g_ChannelGain[c.channel], 0);
        EXPECT_EQ(g_PhaseMask, 1 << c.channel);
        EXPECT_EQ(g_MuteMask, 0);
        EXPECT_EQ(image[c.gainDelay], 0x0A);
        EXPECT_EQ(image[c.phaseGain], 0x80);
    }
}

TEST_F(DeviceImageTest, GainAndMuteBits) {
    const struct {
        int channel, gain, muteMask;
    } cases[] = {{0, 600, 0x01}, {5, 600, 0x20}, {6, 600, 0x80}, {11, 600, 0x1000}, {6, 599, 0}, {6, 601, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.channel << " " << c.gain);
        ResetAll();
        g_ChannelGain[c.channel] = c.gain;
        PackDefaults();
        g_ChannelGain[c.channel] = -1;
        device::UnpackDeviceImage(image);
        EXPECT_EQ(g_ChannelGain[c.channel], c.gain > 600 ? 0 : c.gain);
        EXPECT_EQ(g_MuteMask, c.muteMask);
    }
}

TEST_F(DeviceImageTest, MasterVolume) {
    const struct {
        int byte, master, imageAfter;
        int muteBefore, muteAfter;
    } cases[] = {{61, 60, 60, 0, 0x40}, {255, 60, 60, 0, 0x40}, {60, 60, 60, 0, 0x40},
                 {30, 30, 30, 0, 0},    {30, 30, 30, 0x40, 0},  {0, 0, 0, 0x40, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.byte);
        ResetAll();
        PackDefaults();
        image[18] = std::uint8_t(c.byte);
        g_MuteMask = c.muteBefore;
        device::UnpackDeviceImage(image);
        EXPECT_EQ(g_MasterVolume, c.master);
        EXPECT_EQ(image[18], c.imageAfter);
        EXPECT_EQ(g_MuteMask & 0x40, c.muteAfter);
    }
}

TEST_F(DeviceImageTest, EqAndCrossoverRepairsChangeOnlyTheModel) {
    const int a = DeviceRecordOffset(2);  // form A
    const int b = DeviceRecordOffset(8);  // form B
    const struct {
        const char* what;
        int at;
        int value;
        bool wide;
        int* model;
        int expected;
    } cases[] = {
        {"freq 0", a + 0, 0, true, &g_EqFreq[2][0], 20},
        {"freq 19", b + 4 + 60, 19, true, &g_EqFreq[8][30], 20},
        {"freq 20001", a + 2, 20001, true, &g_EqFreq[2][1], 20000},
        {"gain 301", a + 62, 301, true, &g_EqGain[2][0], 300},
        {"gain 65535", b + 66 + 60, 65535, true, &g_EqGain[8][30], 300},
        {"A hp type 2", a + 186, 2, false, &g_HighPassType[2], 1},
        {"A hp freq 5", a + 187, 5, true, &g_HighPassFreq[2], 20},
        {"A hp slope 9", a + 189, 9, false, &g_HighPassSlope[2], 8},
        {"A lp type 200", a + 190, 200, false, &g_LowPassType[2], 1},
        {"A lp freq 40000", a + 191, 40000, true, &g_LowPassFreq[2], 20000},
        {"A lp slope 255", a + 193, 255, false, &g_LowPassSlope[2], 8},
        {"B hp type 3", b + 190, 3, false, &g_HighPassType[8], 1},
        {"B hp slope 10", b + 191, 10, false, &g_HighPassSlope[8], 8},
        {"B hp freq 0", b + 192, 0, true, &g_HighPassFreq[8], 20},
        {"B lp type 9", b + 194, 9, false, &g_LowPassType[8], 1},
        {"B lp slope 12", b + 195, 12, false, &g_LowPassSlope[8], 8},
        {"B lp freq 65535", b + 196, 65535, true, &g_LowPassFreq[8], 20000},
        {"B lp slope 7", b + 195, 7, false, &g_LowPassSlope[8], 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ResetAll();
        PackDefaults();
        if (c.wide) {
            Put16(c.at, c.value);
        } else {
            image[c.at] = std::uint8_t(c.value);
        }
        device::UnpackDeviceImage(image);
        EXPECT_EQ(*c.model, c.expected);
        EXPECT_EQ(c.wide ? Get16(c.at) : image[c.at], c.value);  // the image keeps the byte
    }
}

TEST_F(DeviceImageTest, QLoadAndRepack) {
    const struct {
        int hundredths;
        double q;
        int index;
        int packed;
    } cases[] = {{431, 4.31, 87, 431},    {0, 0.10, 0, 10},         {9, 0.10, 0, 10},
                 {1001, 10.0, 111, 1000}, {65535, 10.0, 111, 1000}, {29, 0.29, 19, 29}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hundredths);
        ResetAll();
        PackDefaults();
        Put16(DeviceRecordOffset(7) + 128 + 2 * 5, c.hundredths);
        device::UnpackDeviceImage(image);
        EXPECT_EQ(g_EqQ[7][5], c.q);
        EXPECT_EQ(g_EqQIndex[7][5], c.index);
        PackDefaults();
        EXPECT_EQ(Get16(DeviceRecordOffset(7) + 128 + 2 * 5), c.packed);
    }
}

TEST_F(DeviceImageTest, EveryQTableValueSurvivesPackAndUnpack) {
    for (int i = 0; i < kQTableSize; ++i) {
        for (int c : {0, 11}) {
            g_EqQ[c][3] = g_QTable[i];
            PackDefaults();
            g_EqQ[c][3] = 0;
            device::UnpackDeviceImage(image);
            EXPECT_EQ(g_EqQ[c][3], g_QTable[i]) << i;
            EXPECT_EQ(g_EqQIndex[c][3], i) << i;
        }
    }
}

TEST_F(DeviceImageTest, RoundTripOfADistinctModelIsByteExact) {
    // Start from noise so that bytes the console does not own show up if touched.
    std::mt19937 rng(7);
    for (auto& byte : image) byte = std::uint8_t(rng());
    std::vector<std::uint8_t> noise(image, image + EQ_USER_PARA_NUM);

    FillDistinctModel();
    const device::Delays delays = DistinctDelays();
    device::PackDeviceImage(delays, image);
    std::vector<std::uint8_t> first(image, image + EQ_USER_PARA_NUM);

    ResetAll();
    const auto load = device::UnpackDeviceImage(image);
    EXPECT_EQ(load.delays, delays);
    EXPECT_EQ(g_PhaseMask, 0xA5B);
    EXPECT_EQ(g_MuteMask, device::MuteBit(4) | device::MuteBit(9));

    std::memcpy(image, noise.data(), noise.size());
    device::PackDeviceImage(load.delays, image);
    EXPECT_EQ(std::vector<std::uint8_t>(image, image + EQ_USER_PARA_NUM), first);

    // Untouched: byte 3 of every used form-B record and everything from CH13 on.
    for (int c = 6; c < kChannels; ++c)
        EXPECT_EQ(first[DeviceRecordOffset(c) + 3], noise[DeviceRecordOffset(c) + 3]);
    for (int i = 2371; i < EQ_USER_PARA_NUM; ++i) ASSERT_EQ(first[i], noise[i]) << i;
}

TEST_F(DeviceImageTest, ShortImageOnlyForModel1BeforeItsDate) {
    const struct {
        int model, date, size, blocks, last;
    } cases[] = {{1, 190820, 1579, 50, 11},
                 {1, 190821, 3163, 99, 27},
                 {2, 190820, 3163, 99, 27},
                 {1, 0, 1579, 50, 11},
                 {4, 222222, 3163, 99, 27}};
    for (const auto& c : cases) {
        g_DeviceModel = c.model;
        g_FirmwareDate = c.date;
        EXPECT_EQ(device::GetDeviceImageSize(), c.size);
        EXPECT_EQ(device::DeviceImageBlockCount(), c.blocks);
        EXPECT_EQ(device::DeviceImageLastBlockLength(), c.last);
    }
}

TEST_F(DeviceImageTest, GlobalImageWrappersUseTheSharedImage) {
    g_EqGain[3][3] = 12;
    device::PackDeviceImage(noDelays);
    g_EqGain[3][3] = 0;
    device::UnpackDeviceImage();
    EXPECT_EQ(g_EqGain[3][3], 12);
}

}  // namespace
