#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <set>

#include "device/channelmodel.h"
#include "device/eqmodel.h"
#include "device/firmwarestate.h"
#include "device/images.h"
#include "device/names.h"
#include "device/status.h"

namespace {

// The Q table is built from its ranges and steps; every entry must be the double nearest the hundredth.
TEST(QTable, FollowsItsRangesAndSteps) {
    struct Range {
        int first, last;
        int startHundredths, stepHundredths;
    };
    const Range ranges[] = {{0, 20, 10, 1},     {21, 30, 32, 2},    {31, 40, 54, 4},   {41, 49, 95, 5},
                            {53, 62, 156, 6},   {63, 82, 218, 8},   {83, 86, 382, 12}, {89, 92, 454, 12},
                            {93, 107, 520, 20}, {108, 111, 850, 50}};
    for (const Range& r : ranges) {
        for (int i = r.first; i <= r.last; ++i) {
            int h = r.startHundredths + (i - r.first) * r.stepHundredths;
            EXPECT_EQ(g_QTable[i], h / 100.0) << "index " << i;
        }
    }
    const int loose[][2] = {{50, 141}, {51, 145}, {52, 150}, {87, 432}, {88, 442}};
    for (const auto& e : loose) EXPECT_EQ(g_QTable[e[0]], e[1] / 100.0) << "index " << e[0];
    for (int i = 1; i < kQTableSize; ++i) EXPECT_LT(g_QTable[i - 1], g_QTable[i]);
}

TEST(QTable, IndexIsFirstValueNotBelow) {
    const struct {
        double q;
        int index;
    } cases[] = {{0.10, 0},  {0.095, 0}, {4.31, 87},  {4.32, 87},
                 {4.33, 88}, {0.31, 21}, {10.0, 111}, {9.99, 111}};
    for (const auto& c : cases) EXPECT_EQ(device::QIndexFor(c.q), c.index) << c.q;
}

TEST(InputNumbering, MaskBitsMapOntoEveryStorageIndexOnce) {
    std::set<int> seen(std::begin(g_MaskBitToStorage), std::end(g_MaskBitToStorage));
    EXPECT_EQ(seen.size(), size_t(kInputs));
    EXPECT_EQ(*seen.begin(), 0);
    EXPECT_EQ(*seen.rbegin(), kInputs - 1);
    // Bit 6 is AUX-1 (storage 8); storage 6 is Hi.7 (bit 12).
    EXPECT_EQ(g_MaskBitToStorage[6], 8);
    EXPECT_EQ(g_MaskBitToStorage[12], 6);
    EXPECT_EQ(g_MaskBitToStorage[15], 11);
    EXPECT_EQ(g_MaskBitToStorage[9], 13);
}

TEST(MuteMask, Ch7SkipsTheMasterBit) {
    EXPECT_EQ(device::MuteBit(0), 0x01);
    EXPECT_EQ(device::MuteBit(5), 0x20);
    EXPECT_EQ(device::MuteBit(6), 0x80);
    EXPECT_EQ(device::MuteBit(11), 0x1000);
}

TEST(MaskTable, NamedSlotsAreTheTableSlots) {
    device::ResetChannelModel();
    g_RoutingMask[11] = 1;
    g_HighLevelMixVolume = 2;
    g_PhaseMask = 3;
    g_BridgeCh12 = 4;
    g_BridgeCh34 = 5;
    g_BridgeCh56 = 6;
    g_QuadLinkMode = 7;
    g_MasterVolume = 8;
    g_MuteMask = 9;
    for (int slot = 11; slot < kMaskTableSize; ++slot) EXPECT_EQ(g_MaskTable[slot], slot - 10) << slot;
    device::ResetChannelModel();
}

TEST(ModelReset, BringsEveryGroupBackToItsStartValues) {
    g_EqFreq[3][30] = 1234;
    g_EqGain[11][0] = 7;
    g_EqQ[5][5] = 0.5;
    g_EqQIndex[5][5] = 3;
    g_EqGainSaved[0][0] = 1;
    g_HighPassSlope[2] = 0;
    g_LowPassType[7] = 1;
    g_LowPassFreq[7] = 100;
    g_ChannelGain[4] = 600;
    g_LinkGroupMask[2] = 0x3;
    g_BridgeCh1112 = 1;
    g_InputVolume[9][19] = 60;
    g_CurrentChannel = 9;
    g_MuteMask = 0x40;
    g_UsbConnected = 1;
    g_DeviceModel = 2;
    g_FirmwareDate = 190101;
    g_InputSource = 5;
    g_Progress = 1000;
    {
        std::lock_guard lock(g_VersionMutex);
        std::strcpy(g_DeviceVersion, "K412-221130");
    }
    {
        std::lock_guard lock(g_NameMutex);
        std::strcpy(g_ChannelNames[3], "Door");
    }
    g_DeviceImage[100] = 1;
    g_RoutingImageShadow[404] = 2;

    device::ResetEqModel();
    device::ResetChannelModel();
    device::ResetStatus();
    device::ResetNames();
    device::ResetImages();
    device::ResetFirmware();

    for (int c = 0; c < kChannels; ++c) {
        for (int b = 0; b < kBands; ++b) {
            EXPECT_EQ(g_EqFreq[c][b], g_DefaultEqFreq[b]);
            EXPECT_EQ(g_EqGain[c][b], 150);
            EXPECT_EQ(g_EqQ[c][b], 4.32);
            EXPECT_EQ(g_EqQIndex[c][b], 87);
            EXPECT_EQ(g_EqGainSaved[c][b], 150);
        }
        EXPECT_EQ(g_HighPassFreq[c], 20);
        EXPECT_EQ(g_LowPassFreq[c], 20000);
        EXPECT_EQ(g_HighPassType[c], 0);
        EXPECT_EQ(g_LowPassType[c], 0);
        EXPECT_EQ(g_HighPassSlope[c], 8);
        EXPECT_EQ(g_LowPassSlope[c], 8);
        EXPECT_EQ(g_ChannelGain[c], 0);
        EXPECT_EQ(g_LinkGroupMask[c], 0);
        for (int i = 0; i < kInputs; ++i) EXPECT_EQ(g_InputVolume[c][i], 0);
    }
    EXPECT_EQ(g_BridgeCh1112, 0);
    EXPECT_EQ(g_MuteMask, 0);
    EXPECT_EQ(g_CurrentChannel, 0);
    EXPECT_EQ(g_UsbConnected, 0);
    EXPECT_EQ(g_DeviceModel, 4);
    EXPECT_EQ(g_FirmwareDate, 222222);
    EXPECT_EQ(g_InputSource, 1);
    EXPECT_EQ(g_Progress, 0u);
    EXPECT_STREQ(g_DeviceVersion, "");
    EXPECT_STREQ(g_ChannelNames[3], "");
    EXPECT_EQ(g_DeviceImage[100], 0);
    EXPECT_EQ(g_RoutingImageShadow[404], 0);
    EXPECT_TRUE(g_FirmwareImage.empty());
}

}  // namespace
