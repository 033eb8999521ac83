#include "device/eqmodel.h"

int g_EqFreq[kChannels][kBands];
int g_EqGain[kChannels][kBands];
double g_EqQ[kChannels][kBands];
int g_EqQIndex[kChannels][kBands];
int g_EqGainSaved[kChannels][kBands];

int g_HighPassFreq[kChannels];
int g_LowPassFreq[kChannels];
int g_HighPassType[kChannels];
int g_LowPassType[kChannels];
int g_HighPassSlope[kChannels];
int g_LowPassSlope[kChannels];

const double g_QTable[kQTableSize] = {
    0.10, 0.11, 0.12, 0.13, 0.14, 0.15, 0.16, 0.17, 0.18, 0.19, 0.20, 0.21, 0.22, 0.23, 0.24, 0.25,
    0.26, 0.27, 0.28, 0.29, 0.30, 0.32, 0.34, 0.36, 0.38, 0.40, 0.42, 0.44, 0.46, 0.48, 0.50, 0.54,
    0.58, 0.62, 0.66, 0.70, 0.74, 0.78, 0.82, 0.86, 0.90, 0.95, 1.00, 1.05, 1.10, 1.15, 1.20, 1.25,
    1.30, 1.35, 1.41, 1.45, 1.50, 1.56, 1.62, 1.68, 1.74, 1.80, 1.86, 1.92, 1.98, 2.04, 2.10, 2.18,
    2.26, 2.34, 2.42, 2.50, 2.58, 2.66, 2.74, 2.82, 2.90, 2.98, 3.06, 3.14, 3.22, 3.30, 3.38, 3.46,
    3.54, 3.62, 3.70, 3.82, 3.94, 4.06, 4.18, 4.32, 4.42, 4.54, 4.66, 4.78, 4.90, 5.20, 5.40, 5.60,
    5.80, 6.00, 6.20, 6.40, 6.60, 6.80, 7.00, 7.20, 7.40, 7.60, 7.80, 8.00, 8.50, 9.00, 9.50, 10.00,
};

const int g_DefaultEqFreq[kBands] = {20,   25,   32,   40,   50,   63,    80,    100,   125,  160,  200,
                                     250,  315,  400,  500,  630,  800,   1000,  1250,  1600, 2000, 2500,
                                     3150, 4000, 5000, 6300, 8000, 10000, 12500, 16000, 20000};

namespace device {

int QIndexFor(double q) {
    for (int i = 0; i < kQTableSize; ++i) {
        if (g_QTable[i] >= q) return i;
    }
    return kQTableSize - 1;
}

void ResetEqModel() {
    for (int c = 0; c < kChannels; ++c) {
        for (int b = 0; b < kBands; ++b) {
            g_EqFreq[c][b] = g_DefaultEqFreq[b];
            g_EqGain[c][b] = kEqGainFlat;
            g_EqQ[c][b] = kDefaultQ;
            g_EqQIndex[c][b] = kDefaultQIndex;
            g_EqGainSaved[c][b] = kEqGainFlat;
        }
        g_HighPassFreq[c] = kHighPassDefault;
        g_LowPassFreq[c] = kLowPassDefault;
        g_HighPassType[c] = kFilterButterworth;
        g_LowPassType[c] = kFilterButterworth;
        g_HighPassSlope[c] = kSlopeOff;
        g_LowPassSlope[c] = kSlopeOff;
    }
}

}  // namespace device
