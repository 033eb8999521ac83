#include "editing/delaytext.h"

#include <string>

#include "editing/indexes.h"
#include "modelfixture.h"

namespace {

using editing::DelaySamplesToUnit;
using editing::FormatDelay;
using editing::kKeyDown;
using editing::kKeyUp;
using editing::ParseDelayText;
using editing::StepDelayByKey;

constexpr int kOldFirmware = 211117;
constexpr int kNewFirmware = 211118;
constexpr int kHeld = 321;

class DelayTextTest : public ModelTest {};

TEST_F(DelayTextTest, SamplesToUnit) {
    const struct {
        int samples;
        const char* ms;
        const char* cm;
    } cases[] = {
        {0, "0.000", "0.000"},      {1, "0.021", "0.714"},        {24, "0.500", "17.000"},
        {48, "1.000", "34.000"},    {599, "12.479", "424.286"},   {600, "12.500", "425.000"},
        {960, "20.000", "680.000"}, {4095, "85.313", "2900.642"},
    };
    for (const auto& c : cases) {
        std::string text;
        FormatDelay(&c.samples, text, false);
        EXPECT_EQ(text, c.ms) << c.samples;
        FormatDelay(&c.samples, text, true);
        EXPECT_EQ(text, c.cm) << c.samples;
        g_DelayInCm = 1;
        FormatDelay(&c.samples, text, false);
        EXPECT_EQ(text, c.cm) << "g_DelayInCm chooses centimetres too";
        g_DelayInCm = 0;
    }
    EXPECT_DOUBLE_EQ(DelaySamplesToUnit(48, false), 1.0);
}

struct DelayCase {
    const char* rule;
    bool cm;
    int firmware;
    const char* typed;
    int result;
    int stored;  // kHeld when refused
    const char* shown;
};

TEST_F(DelayTextTest, TypedDelay) {
    const DelayCase cases[] = {
        {"zero", false, kNewFirmware, "0", 1, 0, "0.000"},
        {"empty reads 0", false, kNewFirmware, "", 1, 0, "0.000"},
        {"smallest step not below", false, kNewFirmware, "0.02", 1, 1, "0.021"},
        {"exactly a step", false, kNewFirmware, "0.021", 1, 1, "0.021"},
        {"half a millisecond", false, kNewFirmware, "0.5", 1, 24, "0.500"},
        {"one millisecond", false, kNewFirmware, "1", 1, 48, "1.000"},
        {"just above a step", false, kNewFirmware, "1.01", 1, 49, "1.021"},
        {"old firmware limit 599", false, kOldFirmware, "12.5", 1, 599, "12.479"},
        {"new firmware reaches 600", false, kNewFirmware, "12.5", 1, 600, "12.500"},
        {"new firmware limit 960", false, kNewFirmware, "25", 1, 960, "20.000"},
        {"large text clamps to the limit", false, kNewFirmware, "999999", 1, 960, "20.000"},
        {"old firmware: exactly its largest step", false, kOldFirmware, "12.479", 1, 599, "12.479"},
        {"new firmware: exactly its largest step", false, kNewFirmware, "20", 1, 960, "20.000"},
        {"dot first reads as a fraction", false, kNewFirmware, ".5", 1, 24, "0.500"},
        {"lone dot reads 0", false, kNewFirmware, ".", 1, 0, "0.000"},
        {"second dot ends the number", false, kNewFirmware, "1.0.5", 1, 48, "1.000"},
        {"ms: the sixth character counts", false, kNewFirmware, "1.0001", 1, 49, "1.021"},
        {"ms: the seventh is ignored", false, kNewFirmware, "1.00001", 1, 48, "1.000"},
        {"cm: half", true, kNewFirmware, "0.5", 1, 1, "0.714"},
        {"cm: one", true, kNewFirmware, "1", 1, 2, "1.428"},
        {"cm: hundred", true, kNewFirmware, "100", 1, 142, "100.572"},
        {"cm: new firmware limit", true, kNewFirmware, "680", 1, 960, "680.000"},
        {"cm: old firmware limit", true, kOldFirmware, "680", 1, 599, "424.286"},
        {"cm: the eighth character counts", true, kNewFirmware, "100.5721", 1, 143, "101.286"},
        {"cm: the ninth is ignored", true, kNewFirmware, "100.57201", 1, 142, "100.572"},
        {"negative refused", false, kNewFirmware, "-1", 0, kHeld, "-1"},
        {"letters refused", false, kNewFirmware, "abc", 0, kHeld, "abc"},
        {"exponent refused", false, kNewFirmware, "1e3", 0, kHeld, "1e3"},
        {"comma refused", false, kNewFirmware, "1,5", 0, kHeld, "1,5"},
        {"unit refused", false, kNewFirmware, "1ms", 0, kHeld, "1ms"},
        {"non-ASCII digit refused", false, kNewFirmware, "\xD9\xA1", 0, kHeld, "\xD9\xA1"},
        {"same value still reports 1", false, kNewFirmware, "6.688", 1, kHeld, "6.688"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        g_FirmwareDate = c.firmware;
        int held = kHeld;
        std::string text = c.typed;
        EXPECT_EQ(ParseDelayText(&held, text, c.cm), c.result);
        EXPECT_EQ(held, c.stored);
        EXPECT_EQ(text, c.shown);
    }
}

TEST_F(DelayTextTest, UnitFollowsTheModelFlag) {
    g_DelayInCm = 1;
    int held = 0;
    std::string text = "100";
    EXPECT_EQ(ParseDelayText(&held, text, false), 1);
    EXPECT_EQ(held, 142);
    EXPECT_EQ(text, "100.572");
}

TEST_F(DelayTextTest, FirmwareDateChoosesTheLargestStep) {
    g_FirmwareDate = kOldFirmware;
    EXPECT_EQ(editing::MaxDelaySamples(), 599);
    g_FirmwareDate = kNewFirmware;
    EXPECT_EQ(editing::MaxDelaySamples(), 960);
}

struct StepCase {
    const char* rule;
    int firmware;
    int before;
    int key;
    bool result;
    int after;
};

TEST_F(DelayTextTest, KeySteps) {
    const StepCase cases[] = {
        {"Up adds a sample", kNewFirmware, 10, kKeyUp, true, 11},
        {"Down takes one away", kNewFirmware, 10, kKeyDown, true, 9},
        {"Up at 960 refused (new firmware)", kNewFirmware, 960, kKeyUp, false, 960},
        {"Up at 599 refused (old firmware)", kOldFirmware, 599, kKeyUp, false, 599},
        {"Up at 599 moves on new firmware", kNewFirmware, 599, kKeyUp, true, 600},
        {"Up above the limit refused (loaded delay)", kOldFirmware, 4000, kKeyUp, false, 4000},
        {"Down above the limit steps down", kOldFirmware, 4000, kKeyDown, true, 3999},
        {"Down at 0 refused", kNewFirmware, 0, kKeyDown, false, 0},
        {"another key: true, no change", kNewFirmware, 10, 0x0D, true, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        g_FirmwareDate = c.firmware;
        int held = c.before;
        EXPECT_EQ(StepDelayByKey(c.key, &held), c.result);
        EXPECT_EQ(held, c.after);
    }
}

TEST_F(DelayTextTest, NullDelayIsRefused) {
    std::string text = "1";
    EXPECT_EQ(ParseDelayText(nullptr, text, false), 0);
    EXPECT_FALSE(StepDelayByKey(kKeyUp, nullptr));
    FormatDelay(nullptr, text, false);
    EXPECT_EQ(text, "1");
}

}  // namespace
