#include "editing/channelgaintext.h"

#include <string>

#include "editing/indexes.h"
#include "modelfixture.h"

namespace {

using editing::FormatChannelGain;
using editing::kKeyDown;
using editing::kKeyUp;
using editing::ParseGainText;
using editing::StepGainByKey;

constexpr int kBefore = 333;  // no typed text below stores it

struct GainCase {
    const char* rule;
    const char* typed;
    int stored;  // kBefore when refused
    const char* shown;
};

class ChannelGainTextTest : public ModelTest {};

TEST_F(ChannelGainTextTest, TypedAttenuation) {
    const GainCase cases[] = {
        {"OFF", "OFF", 600, "OFF"},
        {"OFF in lower case", "off", 600, "OFF"},
        {"OFF in mixed case", "oFf", 600, "OFF"},
        {"one decimal", "-12.5", 125, "-12.5dB"},
        {"the shown text reads back, unit ignored past five characters", "-12.5dB", 125, "-12.5dB"},
        {"second decimal cut", "-12.55", 125, "-12.5dB"},
        {"whole number", "-6", 60, "-6.0dB"},
        {"-60 is off", "-60", 600, "OFF"},
        {"-60.0 is off", "-60.0", 600, "OFF"},
        {"tenth of a dB", "-0.5", 5, "-0.5dB"},
        {"unsigned zero", "0", 0, "0.0dB"},
        {"unsigned zero with decimal", "0.0", 0, "0.0dB"},
        {"empty text is 0 dB", "", 0, "0.0dB"},
        {"lone minus is 0 dB", "-", 0, "0.0dB"},
        {"two-digit whole part above 60 refused", "-61", kBefore, nullptr},
        {"above 60.0 dB refused", "-60.1", kBefore, nullptr},
        {"three-digit whole part refused", "-100", kBefore, nullptr},
        {"positive value refused", "12", kBefore, nullptr},
        {"positive one digit refused", "5", kBefore, nullptr},
        {"positive fraction refused", "0.05", kBefore, nullptr},
        {"dot first refused", "-.5", kBefore, nullptr},
        {"OFF followed by a space refused", "OFF ", kBefore, nullptr},
        {"OFF with more letters refused", "OFFF", kBefore, nullptr},
        {"O, F, F only", "ON", kBefore, nullptr},
        {"plus refused", "+5", kBefore, nullptr},
        {"full-width OFF is not OFF", "\xEF\xBC\xAF\xEF\xBC\xA6\xEF\xBC\xA6", kBefore, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        g_ChannelGain[4] = kBefore;
        EXPECT_EQ(ParseGainText(c.typed, 4, 0), c.stored == kBefore ? 0 : 1);
        EXPECT_EQ(g_ChannelGain[4], c.stored);
        if (c.shown) {
            std::string text;
            FormatChannelGain(text, 4);
            EXPECT_EQ(text, c.shown);
        }
    }
}

TEST_F(ChannelGainTextTest, CommittingTheShownTextIsNoChange) {
    g_ChannelGain[0] = 125;
    std::string text;
    FormatChannelGain(text, 0);
    EXPECT_EQ(ParseGainText(text, 0, 0), 0);
    g_ChannelGain[0] = 600;
    FormatChannelGain(text, 0);
    EXPECT_EQ(ParseGainText(text, 0, 0), 0) << "OFF when already off";
}

TEST_F(ChannelGainTextTest, FormatChannelGainEdges) {
    const struct {
        int value;
        const char* shown;
    } cases[] = {{0, "0.0dB"},     {1, "-0.1dB"},    {5, "-0.5dB"},
                 {150, "-15.0dB"}, {599, "-59.9dB"}, {600, "OFF"}};
    for (const auto& c : cases) {
        g_ChannelGain[7] = c.value;
        std::string text;
        FormatChannelGain(text, 7);
        EXPECT_EQ(text, c.shown) << c.value;
    }
}

TEST_F(ChannelGainTextTest, EveryAttenuationShowsItsTenths) {
    for (int v = 1; v < 600; ++v) {
        g_ChannelGain[0] = v;
        std::string text;
        FormatChannelGain(text, 0);
        EXPECT_EQ(text, "-" + std::to_string(v / 10) + "." + std::to_string(v % 10) + "dB");
        EXPECT_EQ(ParseGainText(text, 0, 0), 0) << "reads back as the stored value: " << text;
    }
}

TEST_F(ChannelGainTextTest, TypedGainFollowsQuadThenBridgeButNotGroups) {
    g_BridgeCh12 = 1;
    g_LinkGroupMask[1] = (1 << 1) | (1 << 4);
    EXPECT_EQ(ParseGainText("-3", 1, 0), 1);
    EXPECT_EQ(g_ChannelGain[0], 30) << "bridge partner";
    EXPECT_EQ(g_ChannelGain[4], 0) << "link groups take no part";
    g_QuadLinkMode = 2;
    EXPECT_EQ(ParseGainText("-4", 3, 0), 1);
    for (int c = 0; c < 4; ++c) EXPECT_EQ(g_ChannelGain[c], 40) << c;
    EXPECT_EQ(g_MuteMask, 0) << "mute bits are the caller's";
}

struct StepCase {
    const char* rule;
    int before;
    int key;
    bool result;
    int after;
    int partnerAfter;  // CH2, bridged to CH1, starts at 77
};

TEST_F(ChannelGainTextTest, KeySteps) {
    const StepCase cases[] = {
        {"Down adds attenuation", 10, kKeyDown, true, 11, 11},
        {"Up takes it away", 10, kKeyUp, true, 9, 9},
        {"Down reaches OFF", 599, kKeyDown, true, 600, 600},
        {"at OFF Down refused, nothing copied", 600, kKeyDown, false, 600, 77},
        {"at 0 dB Up refused, nothing copied", 0, kKeyUp, false, 0, 77},
        {"another key copies the unchanged value", 42, 0x25, true, 42, 42},
    };
    g_BridgeCh12 = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        g_ChannelGain[0] = c.before;
        g_ChannelGain[1] = 77;
        EXPECT_EQ(StepGainByKey(c.key, 0, 0), c.result);
        EXPECT_EQ(g_ChannelGain[0], c.after);
        EXPECT_EQ(g_ChannelGain[1], c.partnerAfter);
    }
}

struct FakeSlider {
    int pos = -1;
    int invalidated = 0;
    void SetPos(int p) { pos = p; }
    void Invalidate() { ++invalidated; }
};

TEST_F(ChannelGainTextTest, SyncChannelGainSlider) {
    g_ChannelGain[9] = 250;
    FakeSlider slider;
    std::string text;
    editing::SyncChannelGainSlider(&slider, text, 9);
    EXPECT_EQ(slider.pos, 250);
    EXPECT_EQ(slider.invalidated, 1);
    EXPECT_EQ(text, "-25.0dB");
}

TEST_F(ChannelGainTextTest, BadChannelsChangeNothing) {
    EXPECT_EQ(ParseGainText("-3", 12, 0), 0);
    EXPECT_EQ(ParseGainText("-3", -1, 0), 0);
    EXPECT_FALSE(StepGainByKey(kKeyDown, 12, 0));
    std::string text = "kept";
    FormatChannelGain(text, 12);
    EXPECT_EQ(text, "kept");
}

}  // namespace
