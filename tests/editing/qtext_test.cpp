#include "editing/qtext.h"

#include "editing/indexes.h"
#include "modelfixture.h"

namespace {

using editing::kKeyDown;
using editing::kKeyUp;
using editing::SetBandQFromText;
using editing::StepQByKey;
using editing::StepQByWheel;

constexpr int kBand = 9;

struct QCase {
    const char* rule;
    const char* typed;
    bool changed;
    double q;   // afterwards (default 4.32 when refused)
    int index;  // afterwards (87 when refused)
};

class QTextTest : public ModelTest {};

TEST_F(QTextTest, TypedQ) {
    const QCase cases[] = {
        {"table value, no change", "4.32", false, 4.32, 87},
        {"kept as typed, index of the next table value", "4.3", true, 4.3, 87},
        {"whole number", "4", true, 4.0, 85},
        {"three decimals kept", "0.105", true, 0.105, 1},
        {"three decimals kept", "3.333", true, 3.333, 78},
        {"upper end", "10", true, 10.0, 111},
        {"just below the upper end", "9.99", true, 9.99, 111},
        {"lower end", "0.1", true, 0.1, 0},
        {"lower end with zeros", "0.100", true, 0.1, 0},
        {"only five characters read", "1.234567", true, 1.234, 47},
        {"below range refused", "0.09", false, 4.32, 87},
        {"above range refused", "10.5", false, 4.32, 87},
        {"two-digit whole part above 10 refused", "11", false, 4.32, 87},
        {"dot first refused", ".5", false, 4.32, 87},
        {"empty refused", "", false, 4.32, 87},
        {"letters refused", "abc", false, 4.32, 87},
        {"letters within five refused", "4.3xyz", false, 4.32, 87},
        {"no sign accepted", "-4", false, 4.32, 87},
        {"no plus accepted", "+4", false, 4.32, 87},
        {"more than three without a dot refused", "1000", false, 4.32, 87},
        {"comma is no decimal point", "4,3", false, 4.32, 87},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        g_EqQ[0][kBand] = 4.32;
        g_EqQIndex[0][kBand] = 87;
        EXPECT_EQ(SetBandQFromText(kBand, c.typed), c.changed);
        EXPECT_EQ(g_EqQ[0][kBand], c.q);
        EXPECT_EQ(g_EqQIndex[0][kBand], c.index);
    }
}

TEST_F(QTextTest, StepAfterTypedValueStartsFromItsIndex) {
    ASSERT_TRUE(SetBandQFromText(kBand, "4.3"));
    EXPECT_TRUE(StepQByKey(kKeyUp, kBand));
    EXPECT_EQ(g_EqQIndex[0][kBand], 88);
    EXPECT_EQ(g_EqQ[0][kBand], 4.42);
    ASSERT_TRUE(SetBandQFromText(kBand, "4.3"));
    EXPECT_TRUE(StepQByKey(kKeyDown, kBand));
    EXPECT_EQ(g_EqQIndex[0][kBand], 86);
    EXPECT_EQ(g_EqQ[0][kBand], 4.18);
}

struct StepCase {
    const char* rule;
    int index;
    int key;
    bool result;
    int indexAfter;
};

TEST_F(QTextTest, KeyStepsAtBothEndsOfTheTable) {
    const StepCase cases[] = {
        {"top of the table: Up refused", 111, kKeyUp, false, 111},
        {"top of the table: Down moves", 111, kKeyDown, true, 110},
        {"one below the top: Up reaches 10.0", 110, kKeyUp, true, 111},
        {"bottom of the table: Down refused", 0, kKeyDown, false, 0},
        {"bottom of the table: Up moves", 0, kKeyUp, true, 1},
        {"one above the bottom: Down reaches 0.10", 1, kKeyDown, true, 0},
        {"another key: nothing changes, true", 50, 0x25, true, 50},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        g_EqQIndex[0][kBand] = c.index;
        g_EqQ[0][kBand] = g_QTable[c.index];
        EXPECT_EQ(StepQByKey(c.key, kBand), c.result);
        EXPECT_EQ(g_EqQIndex[0][kBand], c.indexAfter);
        EXPECT_EQ(g_EqQ[0][kBand], g_QTable[c.indexAfter]);
    }
}

TEST_F(QTextTest, WheelStepsOnlyForExactDeltas) {
    EXPECT_TRUE(StepQByWheel(120, kBand));
    EXPECT_EQ(g_EqQIndex[0][kBand], 88);
    EXPECT_TRUE(StepQByWheel(-120, kBand));
    EXPECT_EQ(g_EqQIndex[0][kBand], 87);
    for (int delta : {240, 60, 0, -121}) {
        EXPECT_FALSE(StepQByWheel(delta, kBand)) << delta;
        EXPECT_EQ(g_EqQIndex[0][kBand], 87);
    }
    g_EqQIndex[0][kBand] = 111;
    EXPECT_FALSE(StepQByWheel(120, kBand)) << "the wheel stops at the top like the key";
}

TEST_F(QTextTest, IndexOutsideTheTableStepsFromTheQ) {
    g_EqQIndex[0][kBand] = 500;
    g_EqQ[0][kBand] = 2.0;  // between 1.98 (60) and 2.04 (61)
    EXPECT_TRUE(StepQByKey(kKeyDown, kBand));
    EXPECT_EQ(g_EqQIndex[0][kBand], 60);
    g_EqQIndex[0][kBand] = -3;
    g_EqQ[0][kBand] = 2.0;
    EXPECT_TRUE(StepQByKey(kKeyUp, kBand));
    EXPECT_EQ(g_EqQIndex[0][kBand], 62);
}

TEST_F(QTextTest, IndexBeyondTheEndItWouldCrossIsALimit) {
    const struct {
        const char* rule;
        int index;
        int key;
    } cases[] = {
        {"Up above the top", 112, kKeyUp},
        {"Up far above the top", 500, kKeyUp},
        {"Down below the bottom", -3, kKeyDown},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        g_EqQIndex[0][kBand] = c.index;
        g_EqQ[0][kBand] = 2.0;
        EXPECT_FALSE(StepQByKey(c.key, kBand));
        EXPECT_EQ(g_EqQIndex[0][kBand], c.index);
        EXPECT_EQ(g_EqQ[0][kBand], 2.0);
    }
}

TEST_F(QTextTest, BadIndexesChangeNothing) {
    EXPECT_FALSE(SetBandQFromText(31, "2"));
    EXPECT_FALSE(StepQByKey(kKeyUp, -1));
    g_CurrentChannel = 40;
    EXPECT_FALSE(StepQByKey(kKeyUp, 0));
    EXPECT_FALSE(SetBandQFromText(0, "2"));
}

}  // namespace
