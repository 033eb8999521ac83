#include "editing/eqgaintext.h"

#include <string>

#include "modelfixture.h"

namespace {

using editing::FormatEqGain;
using editing::SetBandGainFromText;

constexpr int kBand = 4;
constexpr int kBefore = 99;  // a code no typed text below reaches, so "refused" is visible

struct GainCase {
    const char* rule;
    const char* typed;
    int code;  // stored code, or kBefore when refused
    const char* shown;
};

class EqGainTextTest : public ModelTest {};

TEST_F(EqGainTextTest, TypedBandGain) {
    const GainCase cases[] = {
        {"whole number", "3", 120, "3.0"},
        {"one decimal", "3.5", 115, "3.5"},
        {"leading minus makes it a cut", "-3.5", 185, "-3.5"},
        {"upper end", "15", 0, "15.0"},
        {"upper end with decimal", "15.0", 0, "15.0"},
        {"lower end", "-15.0", 300, "-15.0"},
        {"second decimal cut toward 0 dB", "1.25", 138, "1.2"},
        {"second decimal cut toward 0 dB, negative", "-1.25", 162, "-1.2"},
        {"hundredths alone read 0 dB", "0.05", 150, "0.0"},
        {"empty text is 0 dB", "", 150, "0.0"},
        {"lone minus is 0 dB", "-", 150, "0.0"},
        {"zero", "0", 150, "0.0"},
        {"only five characters read", "1.234567", 138, "1.2"},
        {"leading zero", "02.5", 125, "2.5"},
        {"second dot ends the number", "1..5", 140, "1.0"},
        {"two-digit whole part 12 fits the shape", "12.34", 27, "12.3"},
        {"two digits, trailing dot", "12.", 30, "12.0"},
        {"above 15.0 refused", "15.1", kBefore, nullptr},
        {"above 15.0 by a hundredth refused", "15.01", kBefore, nullptr},
        {"16 refused", "16", kBefore, nullptr},
        {"20 passes the shape, above 15 refused", "20", kBefore, nullptr},
        {"two-digit whole part above 20 refused", "21", kBefore, nullptr},
        {"three digits read 123, refused", "123", kBefore, nullptr},
        {"more than three without a dot refused", "12345", kBefore, nullptr},
        {"dot after position 2 in a long text refused", "123.4", kBefore, nullptr},
        {"dot first refused", ".5", kBefore, nullptr},
        {"dot first after the minus refused", "-.5", kBefore, nullptr},
        {"plus refused", "+3", kBefore, nullptr},
        {"unit refused", "3.5dB", kBefore, nullptr},
        {"unit refused, negative", "-3.5dB", kBefore, nullptr},
        {"two dots, the last after position 2", "1.2.3", kBefore, nullptr},
        {"minus not first refused", "3-", kBefore, nullptr},
        {"space refused", " 3", kBefore, nullptr},
        {"comma is no decimal point", "3,5", kBefore, nullptr},
        {"non-ASCII digit refused", "\xD9\xA3", kBefore, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        g_EqGain[0][kBand] = kBefore;
        EXPECT_EQ(SetBandGainFromText(kBand, c.typed), c.code == kBefore ? 0 : 1);
        EXPECT_EQ(g_EqGain[0][kBand], c.code);
        if (c.shown) {
            std::string text = "x";
            FormatEqGain(text, kBand);
            EXPECT_EQ(text, c.shown);
        }
    }
}

TEST_F(EqGainTextTest, EveryTenthReachesItsCodeBothWays) {
    for (int tenths = 0; tenths <= 150; ++tenths) {
        const std::string pos = std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
        g_EqGain[0][0] = kBefore;
        SetBandGainFromText(0, pos);
        EXPECT_EQ(g_EqGain[0][0], 150 - tenths) << pos;
        std::string shown;
        FormatEqGain(shown, 0);
        EXPECT_EQ(shown, pos);
        g_EqGain[0][0] = kBefore;
        SetBandGainFromText(0, "-" + pos);
        EXPECT_EQ(g_EqGain[0][0], 150 + tenths) << "-" << pos;
        FormatEqGain(shown, 0);
        EXPECT_EQ(shown, tenths == 0 ? "0.0" : "-" + pos);
    }
}

TEST_F(EqGainTextTest, ChangedOrNot) {
    EXPECT_EQ(SetBandGainFromText(0, "0"), 0) << "0 dB already stored";
    EXPECT_EQ(SetBandGainFromText(0, "2.3"), 1);
    EXPECT_EQ(g_EqGain[0][0], 127);
    EXPECT_EQ(SetBandGainFromText(0, "2.35"), 0) << "cuts to the stored 2.3";
    EXPECT_EQ(SetBandGainFromText(0, "-2.3"), 1);
    EXPECT_EQ(g_EqGain[0][0], 173);
}

TEST_F(EqGainTextTest, WritesOnlyTheCurrentChannelAndDoesNotPropagate) {
    g_BridgeCh34 = 1;
    g_CurrentChannel = 2;
    EXPECT_EQ(SetBandGainFromText(7, "6"), 1);
    EXPECT_EQ(g_EqGain[2][7], 90);
    EXPECT_EQ(g_EqGain[3][7], 150);
}

TEST_F(EqGainTextTest, FormatLeavesOutOfRangeCodesAlone) {
    for (int code : {301, -1, 1000}) {
        g_EqGain[0][0] = code;
        std::string text = "kept";
        FormatEqGain(text, 0);
        EXPECT_EQ(text, "kept") << code;
    }
    g_EqGain[0][0] = 0;
    std::string text;
    FormatEqGain(text, 0);
    EXPECT_EQ(text, "15.0");
    g_EqGain[0][0] = 300;
    FormatEqGain(text, 0);
    EXPECT_EQ(text, "-15.0");
}

TEST_F(EqGainTextTest, BadIndexesChangeNothing) {
    EXPECT_EQ(SetBandGainFromText(31, "3"), 0);
    g_CurrentChannel = -1;
    EXPECT_EQ(SetBandGainFromText(0, "3"), 0);
    std::string text = "kept";
    FormatEqGain(text, 0);
    EXPECT_EQ(text, "kept");
}

}  // namespace
