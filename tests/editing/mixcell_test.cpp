#include "editing/mixcell.h"

#include <string>

#include "editing/channelgaintext.h"
#include "editing/indexes.h"
#include "editing/mastervolumetext.h"
#include "modelfixture.h"

namespace {

using editing::FormatMixCell;
using editing::GetMixCell;
using editing::InputBitToIndex;
using editing::kKeyDown;
using editing::kKeyUp;
using editing::ParseGainText;
using editing::StepGainByKey;

constexpr int kAux1 = 1 << 6;  // routing bit 6, storage index 8
constexpr int kBefore = 33;

class MixCellTest : public ModelTest {};

TEST_F(MixCellTest, InputBitToIndexFollowsTheTwoOrders) {
    const int expected[20] = {0, 1, 2, 3, 4, 5, 8, 9, 12, 13, 14, 15, 6, 7, 10, 11, 16, 17, 18, 19};
    for (int j = 0; j < 20; ++j) EXPECT_EQ(InputBitToIndex(1 << j), expected[j]) << j;
    for (int bad : {0, 3, 1 << 20, -1, 0x30}) EXPECT_EQ(InputBitToIndex(bad), 0) << bad;
}

struct CellCase {
    const char* rule;
    const char* typed;
    int result;
    int stored;
};

TEST_F(MixCellTest, TypedCell) {
    const CellCase cases[] = {
        {"OFF is 60", "OFF", 1, 60},
        {"off is 60", "off", 1, 60},
        {"minus and two digits", "-12", 1, 12},
        {"minus and two digits with a zero", "-05", 1, 5},
        {"minus and one digit", "-6", 1, 6},
        {"text ends at its first d", "-6d", 1, 6},
        {"single zero", "0", 1, 0},
        {"zero with unit", "0dB", 1, 0},
        {"minus zero", "-0", 1, 0},
        {"largest two-digit value", "-59", 1, 59},
        {"-60 refused (only OFF types 60)", "-60", 0, kBefore},
        {"-61 refused", "-61", 0, kBefore},
        {"no minus refused", "60", 0, kBefore},
        {"one digit without minus refused", "6", 0, kBefore},
        {"lone minus refused", "-", 0, kBefore},
        {"empty refused", "", 0, kBefore},
        {"double zero refused", "00", 0, kBefore},
        {"letter refused", "-a", 0, kBefore},
        {"longer than three: not read, result 1", "-6dB", 1, kBefore},
        {"the cell's own text: not read, result 1", "-12dB", 1, kBefore},
        {"the text shown at 60: not read, result 1", "-60dB", 1, kBefore},
        {"same value: no change", "-33", 0, kBefore},
        {"non-ASCII digit refused", "-\xD9\xA3", 0, kBefore},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        g_InputVolume[2][8] = kBefore;
        EXPECT_EQ(ParseGainText(c.typed, 2, kAux1), c.result);
        EXPECT_EQ(g_InputVolume[2][8], c.stored);
    }
}

TEST_F(MixCellTest, CellEditsStayInTheirCell) {
    g_BridgeCh34 = 1;
    g_QuadLinkMode = 1;
    EXPECT_EQ(ParseGainText("-20", 2, 1 << 12), 1);  // Hi.7, storage 6
    EXPECT_EQ(g_InputVolume[2][6], 20);
    EXPECT_EQ(g_InputVolume[3][6], 0);
    EXPECT_EQ(g_InputVolume[2][12], 0);
    EXPECT_EQ(g_ChannelGain[2], 0);
}

TEST_F(MixCellTest, FormatMixCell) {
    const struct {
        int value;
        const char* shown;
    } cases[] = {{0, "0dB"}, {1, "-1dB"}, {12, "-12dB"}, {60, "-60dB"}, {61, ""}, {-1, ""}};
    for (const auto& c : cases) {
        g_InputVolume[0][19] = c.value;
        std::string text = "x";
        FormatMixCell(text, 0, 1 << 19);
        EXPECT_EQ(text, c.shown) << c.value;
    }
}

TEST_F(MixCellTest, KeySteps) {
    const struct {
        const char* rule;
        int before;
        int key;
        bool result;
        int after;
    } cases[] = {
        {"Down adds attenuation", 10, kKeyDown, true, 11},    {"Up takes it away", 10, kKeyUp, true, 9},
        {"at 60 Down refused", 60, kKeyDown, false, 60},      {"at 0 Up refused", 0, kKeyUp, false, 0},
        {"another key: true, no change", 10, 0x27, true, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        g_InputVolume[5][8] = c.before;
        EXPECT_EQ(StepGainByKey(c.key, 5, kAux1), c.result);
        EXPECT_EQ(GetMixCell(5, kAux1), c.after);
    }
}

TEST_F(MixCellTest, SyncMixCellWithAndWithoutSlider) {
    struct Slider {
        int pos = -1, invalidated = 0;
        void SetPos(int p) { pos = p; }
        void Invalidate() { ++invalidated; }
    } slider;
    g_InputVolume[1][8] = 24;
    std::string text;
    editing::SyncMixCell(&slider, text, 1, kAux1);
    EXPECT_EQ(slider.pos, 24);
    EXPECT_EQ(slider.invalidated, 1);
    EXPECT_EQ(text, "-24dB");
    editing::SyncMixCell<Slider>(nullptr, text, 1, 1);
    EXPECT_EQ(text, "0dB");
}

TEST_F(MixCellTest, BadChannelsChangeNothing) {
    EXPECT_EQ(ParseGainText("-5", 12, kAux1), 0);
    EXPECT_FALSE(StepGainByKey(kKeyDown, -1, kAux1));
    editing::SetMixCell(12, kAux1, 5);
    EXPECT_EQ(GetMixCell(12, kAux1), 0);
    std::string text = "x";
    FormatMixCell(text, 99, kAux1);
    EXPECT_EQ(text, "");
}

TEST(MasterVolumeText, Parse) {
    const struct {
        const char* rule;
        const char* typed;
        int value;  // -1 refused
    } cases[] = {
        {"OFF", "OFF", 60},
        {"off", "off", 60},
        {"minus zero", "-0", 0},
        {"minus one digit", "-5", 5},
        {"minus two digits", "-05", 5},
        {"largest", "-59", 59},
        {"zero", "0", 0},
        {"zero with unit (ends at d)", "0dB", 0},
        {"-60 refused", "-60", -1},
        {"no minus refused", "5", -1},
        {"empty refused", "", -1},
        {"longer than three refused", "-5dB", -1},
        {"the shown text of -12 refused", "-12dB", -1},
        {"60 refused", "60", -1},
        // One non-ASCII character must not read as a digit (its low byte would be '5').
        {"non-ASCII character refused", "-\xC4\xB5", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        const auto v = editing::ParseMasterVolumeText(c.typed);
        EXPECT_EQ(v ? *v : -1, c.value);
    }
}

TEST_F(MixCellTest, FormatMasterVolume) {
    const struct {
        int value;
        const char* shown;
    } cases[] = {{0, "0dB"}, {12, "-12dB"}, {59, "-59dB"}, {60, "OFF"}, {61, "OFF"}};
    for (const auto& c : cases) {
        g_MasterVolume = c.value;
        std::string text;
        editing::FormatMasterVolume(text);
        EXPECT_EQ(text, c.shown) << c.value;
    }
}

}  // namespace
