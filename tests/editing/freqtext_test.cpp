#include "editing/freqtext.h"

#include <string>

#include "modelfixture.h"

namespace {

using editing::SetFreqFromText;

struct FreqCase {
    const char* rule;
    const char* typed;
    int result;
    int stored;  // the band's value afterwards (1000 before)
};

class FreqTextTest : public ModelTest {};

TEST_F(FreqTextTest, TypedBandFrequency) {
    const FreqCase cases[] = {
        {"plain decimal", "1200", 1, 1200},
        {"leading zeros allowed", "01200", 1, 1200},
        {"eight characters, zeros first", "00001200", 1, 1200},
        {"lower end inclusive", "20", 1, 20},
        {"upper end inclusive", "20000", 1, 20000},
        {"below range refused", "19", 0, 1000},
        {"above range refused", "20001", 0, 1000},
        {"empty reads 0, refused", "", 0, 1000},
        {"unit letter refused", "1k", 0, 1000},
        {"decimal point refused", "100.5", 0, 1000},
        {"sign refused", "-50", 0, 1000},
        {"plus refused", "+50", 0, 1000},
        {"space refused", " 50", 0, 1000},
        {"judged on the first eight: 12345678 out of range", "123456789", 0, 1000},
        {"characters after the eighth ignored", "00001200x", 1, 1200},
        {"same value is no change", "1000", 0, 1000},
        {"same value with zeros is no change", "01000", 0, 1000},
        {"non-ASCII digit never reads as a digit", "1\xD9\xA0\xD9\xA0", 0, 1000},  // Arabic-Indic zeros
        {"full-width digit refused", "\xEF\xBC\x91\xEF\xBC\x90\xEF\xBC\x90", 0, 1000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        g_EqFreq[0][17] = 1000;
        EXPECT_EQ(SetFreqFromText(c.typed, 17, editing::kFreqBand), c.result);
        EXPECT_EQ(g_EqFreq[0][17], c.stored);
    }
}

TEST_F(FreqTextTest, ExampleRoadTypesThousandIntoBandTwelve) {
    g_CurrentChannel = 3;
    EXPECT_EQ(SetFreqFromText("1000", 11, editing::kFreqBand), 1);
    EXPECT_EQ(g_EqFreq[3][11], 1000);
    EXPECT_EQ(g_EqFreq[0][11], 250);  // other channels untouched without a tie
}

TEST_F(FreqTextTest, KindChoosesTheTarget) {
    g_CurrentChannel = 2;
    EXPECT_EQ(SetFreqFromText("80", 5, editing::kFreqHighPass), 1);
    EXPECT_EQ(g_HighPassFreq[2], 80);
    EXPECT_EQ(g_EqFreq[2][5], 63);
    EXPECT_EQ(SetFreqFromText("8000", 5, editing::kFreqLowPass), 1);
    EXPECT_EQ(g_LowPassFreq[2], 8000);
    EXPECT_EQ(SetFreqFromText("080", 0, editing::kFreqHighPass), 0) << "80 already stored is no change";
    EXPECT_EQ(SetFreqFromText("99", 5, 7), 1) << "any other kind is a band";
    EXPECT_EQ(g_EqFreq[2][5], 99);
}

TEST_F(FreqTextTest, StoredValueReachesTiedChannels) {
    g_BridgeCh1112 = 1;
    g_CurrentChannel = 11;
    EXPECT_EQ(SetFreqFromText("5000", 0, editing::kFreqLowPass), 1);
    EXPECT_EQ(g_LowPassFreq[10], 5000);
    g_LinkGroupMask[0] = 0b101;
    g_CurrentChannel = 2;
    EXPECT_EQ(SetFreqFromText("440", 9, editing::kFreqBand), 1);
    EXPECT_EQ(g_EqFreq[0][9], 440);
    EXPECT_EQ(g_EqFreq[1][9], 160);
}

TEST_F(FreqTextTest, BadIndexesChangeNothing) {
    EXPECT_EQ(SetFreqFromText("1000", 31, editing::kFreqBand), 0);
    EXPECT_EQ(SetFreqFromText("1000", -1, editing::kFreqBand), 0);
    g_CurrentChannel = 12;
    EXPECT_EQ(SetFreqFromText("1000", 0, editing::kFreqHighPass), 0);
    for (int c = 0; c < kChannels; ++c) EXPECT_EQ(g_HighPassFreq[c], 20);
}

}  // namespace
