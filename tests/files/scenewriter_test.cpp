#include "files/scenewriter.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "files/scenelayout.h"
#include "files/scenemodel.h"
#include "testsupport.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    return files_test::SplitLines(text);
}

class SceneWriterTest : public ::testing::Test {
  protected:
    void SetUp() override { files_test::ResetModel(); }
    std::vector<std::string> Written() {
        return Lines(files::FormatSceneText(files::CaptureScene(delays_, overlay_)));
    }
    std::array<int, kChannels> delays_{};
    int overlay_ = 0;
};

TEST_F(SceneWriterTest, GainAndPhaseLine) {
    struct Case {
        int gain;
        bool phase;
        const char* text;
    } cases[] = {{600, true, "1240"}, {600, false, "1112"}, {0, false, "0"},   {0, true, "128"},
                 {127, false, "127"}, {128, false, "256"},  {255, true, "511"}};
    for (const Case& c : cases) {
        g_ChannelGain[2] = c.gain;
        g_PhaseMask = c.phase ? 1 << 2 : 0;
        EXPECT_EQ(Written()[9], c.text) << c.gain << " " << c.phase;  // CH3's line
        g_ChannelGain[9] = c.gain;
        g_PhaseMask = c.phase ? 1 << 9 : 0;
        EXPECT_EQ(Written()[1053], c.text) << "CH10";
    }
}

TEST_F(SceneWriterTest, NameBytesAreSigned) {
    g_ChannelNames[0][0] = static_cast<char>(0xC4);
    g_ChannelNames[0][1] = 'A';
    g_ChannelNames[11][19] = static_cast<char>(0x80);
    const auto lines = Written();
    EXPECT_EQ(lines[1991], "-60");
    EXPECT_EQ(lines[1992], "65");
    EXPECT_EQ(lines[1993], "0");
    EXPECT_EQ(lines[2230], "-128");
}

TEST_F(SceneWriterTest, MixValueAddsMixIn) {
    g_HighLevelMixVolume = 10;
    g_HighLevelMixIn = 1;
    EXPECT_EQ(Written()[822], "138");
    g_HighLevelMixIn = 0;
    EXPECT_EQ(Written()[822], "10");
}

TEST_F(SceneWriterTest, QWithSixDecimals) {
    g_EqQ[0][0] = 0.5;
    g_EqQ[11][30] = 10.0;
    const auto lines = Written();
    EXPECT_EQ(lines[76], "0.500000");
    EXPECT_EQ(lines[77], "4.320000");
    EXPECT_EQ(lines[1348], "10.000000");
    for (int block = 0; block < 4; ++block) {  // the unused channels' Q lines
        const int q = 1437 + block * 101 + 2 + 62;
        for (int b = 0; b < kBands; ++b) EXPECT_EQ(lines[q + b], "0.000000") << q + b;
        EXPECT_EQ(lines[q - 1], "0");
        EXPECT_EQ(lines[q + kBands], "0");
    }
}

TEST_F(SceneWriterTest, LineMapLandmarks) {
    g_MasterVolume = 12;
    g_RoutingMask[0] = 0x541;
    g_RoutingMask[11] = -1;  // written as it is
    g_LinkGroupMask[11] = 0x803;
    g_BridgeCh12 = 1;
    g_BridgeCh1112 = 1;
    g_BridgeCh34 = 2;  // only a flag of exactly 1 counts
    g_InputVolume[7][15] = 33;
    g_InputVolume[8][0] = 34;
    g_InputVolume[11][19] = 35;
    g_HighPassType[6] = 1;
    g_LowPassSlope[11] = 3;
    delays_ = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    overlay_ = 0x801;
    const auto lines = Written();
    ASSERT_EQ(lines.size(), 2311u);
    EXPECT_EQ(lines[0], "19");
    for (int ch = 0; ch < 6; ++ch) EXPECT_EQ(lines[1 + ch], std::to_string(ch + 1));
    const int delayLines[] = {608, 709, 951, 1052, 1153, 1254};
    for (int k = 0; k < 6; ++k) EXPECT_EQ(lines[delayLines[k]], std::to_string(k + 7));
    EXPECT_EQ(lines[13], "12");
    EXPECT_EQ(lines[14], "20");        // CH1 band 1 frequency
    EXPECT_EQ(lines[44], "20000");     // CH1 band 31
    EXPECT_EQ(lines[45], "150");       // CH1 band 1 gain
    EXPECT_EQ(lines[610 + 93], "1");   // CH7 high-pass type
    EXPECT_EQ(lines[1256 + 98], "3");  // CH12 low-pass slope
    EXPECT_EQ(lines[810], "1345");
    EXPECT_EQ(lines[821], "-1");
    EXPECT_EQ(lines[950], "33");
    EXPECT_EQ(lines[1355], "34");
    EXPECT_EQ(lines[1952], "35");
    EXPECT_EQ(lines[1430], "2051");
    EXPECT_EQ(lines[1435], "2049");
    EXPECT_EQ(lines[1436], "33");
    for (int n : {1431, 1434, 1437, 1840, 1953, 1990, 2231, 2310}) EXPECT_EQ(lines[n], "0") << n;
    for (int n : {1841, 1904}) EXPECT_EQ(lines[n], "2") << n;
}

TEST_F(SceneWriterTest, BytesAreUtf16WithClosingNul) {
    g_ChannelNames[3][0] = static_cast<char>(0xC4);
    const std::string text = files::FormatSceneText(files::CaptureScene(delays_, overlay_));
    const std::string bytes = files::EncodeSceneFile(text);
    std::size_t sum = 0;
    for (const std::string& line : Lines(text)) sum += line.size() + 2;  // with its CR LF
    EXPECT_EQ(bytes.size(), (sum + 1) * 2);
    EXPECT_EQ(bytes.substr(0, 8), std::string("1\0"
                                              "9\0"
                                              "\r\0"
                                              "\n\0",
                                              8));  // no byte-order mark
    EXPECT_EQ(bytes.substr(bytes.size() - 6), std::string("\r\0\n\0\0\0", 6));
    for (std::size_t i = 1; i < bytes.size(); i += 2) ASSERT_EQ(bytes[i], '\0') << i;
}

}  // namespace
