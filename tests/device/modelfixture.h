#pragma once
// A model with a distinct value in every field the images carry, and a clean model for each test.
#include <gtest/gtest.h>

#include "device/channelmodel.h"
#include "device/deviceimage.h"
#include "device/eqmodel.h"
#include "device/images.h"
#include "device/status.h"

class ModelTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetAll(); }
    void TearDown() override { ResetAll(); }
    static void ResetAll() {
        device::ResetEqModel();
        device::ResetChannelModel();
        device::ResetStatus();
        device::ResetImages();
    }

    static device::Delays DistinctDelays() {
        device::Delays d;
        for (int c = 0; c < kChannels; ++c) d[c] = 341 * c + 3;  // up to 3754, all 12 bits used
        return d;
    }

    static void FillDistinctModel() {
        for (int c = 0; c < kChannels; ++c) {
            for (int b = 0; b < kBands; ++b) {
                const int k = c * kBands + b;  // 0..371
                g_EqFreq[c][b] = 20 + 53 * k;
                g_EqGain[c][b] = (7 * k) % 301;
                g_EqQ[c][b] = (10 + (k * 37) % 991) / 100.0;  // 0.10..10.00 in hundredths
                g_EqQIndex[c][b] = device::QIndexFor(g_EqQ[c][b]);
            }
            g_HighPassFreq[c] = 21 + 97 * c;
            g_LowPassFreq[c] = 19999 - 113 * c;
            g_HighPassType[c] = c % 2;
            g_LowPassType[c] = (c + 1) % 2;
            g_HighPassSlope[c] = c % 9;
            g_LowPassSlope[c] = (c + 4) % 9;
            g_ChannelGain[c] = 1 + 49 * c;  // crosses bit 7
        }
        g_ChannelGain[4] = 600;
        g_ChannelGain[9] = 600;
        g_PhaseMask = 0xA5B;
        g_MasterVolume = 37;
        g_MuteMask = device::MuteBit(4) | device::MuteBit(9);
    }
};
