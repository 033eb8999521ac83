#pragma once
// The equaliser and crossover tables of all output channels. Only the UI thread touches them, so they are
// plain arrays; every editing function reads and writes them in place.

constexpr int kChannels = 12;  // CH1..CH12, index 0..11
constexpr int kBands = 31;     // EQ bands 1..31, index 0..30
constexpr int kQTableSize = 112;
constexpr int kDefaultQIndex = 87;  // 4.32

constexpr int kEqFreqMin = 20;
constexpr int kEqFreqMax = 20000;
constexpr int kEqGainMax = 300;  // code 0 = +15.0 dB, 150 = 0 dB, 300 = -15.0 dB
constexpr int kEqGainFlat = 150;
constexpr double kEqQMin = 0.10;
constexpr double kEqQMax = 10.00;
constexpr double kDefaultQ = 4.32;

// Filter types and slopes of the crossover tables.
constexpr int kFilterButterworth = 0;
constexpr int kFilterBessel = 1;
constexpr int kFilterTypeMax = 1;
constexpr int kSlopeOff = 8;  // 0..7 = 6..48 dB/Oct
constexpr int kHighPassDefault = 20;
constexpr int kLowPassDefault = 20000;

// ChannelEqTable
extern int g_EqFreq[kChannels][kBands];       // Hz, 20..20000
extern int g_EqGain[kChannels][kBands];       // gain code 0..300
extern double g_EqQ[kChannels][kBands];       // 0.10..10.00, any hundredth
extern int g_EqQIndex[kChannels][kBands];     // 0..111 into g_QTable
extern int g_EqGainSaved[kChannels][kBands];  // gains put aside by the bypass

// CrossoverTable
extern int g_HighPassFreq[kChannels];
extern int g_LowPassFreq[kChannels];
extern int g_HighPassType[kChannels];
extern int g_LowPassType[kChannels];
extern int g_HighPassSlope[kChannels];
extern int g_LowPassSlope[kChannels];

// The Q values a Q step moves through, ascending.
extern const double g_QTable[kQTableSize];
// The default band frequencies in Hz, band 0 first.
extern const int g_DefaultEqFreq[kBands];

namespace device {

// The first index whose Q is not below q; 111 when q is above every value.
int QIndexFor(double q);

// Brings the EQ and crossover tables to their defaults: default frequencies, flat gains, Q 4.32 (index 87),
// crossovers 20 Hz / 20000 Hz, Butterworth, off.
void ResetEqModel();

}  // namespace device
