#include "files/scenereader.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "files/scenelayout.h"
#include "files/scenewriter.h"
#include "testsupport.h"

namespace {

using files::SceneRefusal;

constexpr int kNewDate = 222222;

// The writer's text of the distinct scene, cut into its lines (without CR LF).
std::vector<std::string> BaseLines() {
    return files_test::SplitLines(files::FormatSceneText(files_test::DistinctScene()));
}

std::string Join(const std::vector<std::string>& lines, const std::string& end = "\r\n") {
    std::string text;
    for (const std::string& l : lines) text += l + end;
    return text;
}

// The file's bytes with one line replaced.
std::string WithLine(int n, const std::string& text) {
    auto lines = BaseLines();
    lines[n] = text;
    return files::EncodeSceneFile(Join(lines));
}

struct RefusalCase {
    const char* name;
    std::function<std::string()> bytes;
    SceneRefusal refusal;
    int line;
};

TEST(SceneReaderTest, Refusals) {
    const RefusalCase cases[] = {
        {"byte-order mark",
         [] { return std::string("\xFF\xFE") + files::EncodeSceneFile(Join(BaseLines())); },
         SceneRefusal::kFirstLine, 0},
        {"LF-only line ends", [] { return files::EncodeSceneFile(Join(BaseLines(), "\n")); },
         SceneRefusal::kLineTooLong, 0},
        {"50-character line", [] { return WithLine(500, std::string(50, '1')); }, SceneRefusal::kLineTooLong,
         500},
        {"50 blanks", [] { return WithLine(2000, std::string(50, ' ')); }, SceneRefusal::kLineTooLong, 2000},
        {"2312th line, empty", [] { return files::EncodeSceneFile(Join(BaseLines()) + "\r\n"); },
         SceneRefusal::kTooManyLines, 2311},
        {"2312th line", [] { return files::EncodeSceneFile(Join(BaseLines()) + "0\r\n"); },
         SceneRefusal::kTooManyLines, 2311},
        {"short file",
         [] {
             auto lines = BaseLines();
             lines.resize(100);
             return files::EncodeSceneFile(Join(lines));
         },
         SceneRefusal::kTooFewLines, 100},
        {"last line without CR",
         [] {
             std::string text = Join(BaseLines());
             return files_test::Utf16(text.substr(0, text.size() - 2));
         },
         SceneRefusal::kTooFewLines, 2310},
        {"empty file", [] { return std::string(); }, SceneRefusal::kTooFewLines, 0},
        {"only a NUL unit", [] { return std::string(2, '\0'); }, SceneRefusal::kTooFewLines, 0},
        {"49 characters and no CR", [] { return files_test::Utf16(std::string(49, '7')); },
         SceneRefusal::kTooFewLines, 0},
        {"NUL unit in the middle",
         [] {
             std::string bytes = files::EncodeSceneFile(Join(BaseLines()));
             bytes[2000] = bytes[2001] = '\0';
             return bytes;
         },
         SceneRefusal::kTooFewLines, -2},  // somewhere before line 2311
        {"first line 20", [] { return WithLine(0, "20"); }, SceneRefusal::kFirstLine, 0},
        {"first line without a number", [] { return WithLine(0, "x19"); }, SceneRefusal::kFirstLine, 0},
        {"CR followed by a digit",
         [] {
             std::string text = Join(BaseLines());
             text.replace(text.find("\r\n", 100) + 1, 1, "5");
             return files::EncodeSceneFile(text);
         },
         SceneRefusal::kBadLineEnd, -2},
        {"CR CR LF", [] { return WithLine(7, "0\r"); }, SceneRefusal::kBadLineEnd, 7},
    };
    for (const RefusalCase& c : cases) {
        const files::SceneReadResult r = files::ParseSceneFile(c.bytes(), kNewDate);
        EXPECT_EQ(r.refusal, c.refusal) << c.name;
        if (c.line >= 0) {
            EXPECT_EQ(r.refusedLine, c.line) << c.name;
        } else {
            EXPECT_GT(r.refusedLine, 0) << c.name;
        }
    }
}

struct RepairCase {
    const char* name;
    int line;
    std::string text;
    int firmwareDate;
    bool repaired;
    std::function<bool(const files::SceneData&)> check;
};

TEST(SceneReaderTest, RepairsAndAcceptedValues) {
    using S = files::SceneData;
    const RepairCase cases[] = {
        {"unchanged file", 1, "17", kNewDate, false, [](const S& s) { return s == files_test::DistinctScene(); }},
        {"line without a number", 1, "abc", kNewDate, true, [](const S& s) { return s.channels[0].delay == 0; }},
        {"empty line", 2, "", kNewDate, true, [](const S& s) { return s.channels[1].delay == 0; }},
        {"delay -1", 3, "-1", kNewDate, true, [](const S& s) { return s.channels[2].delay == 0; }},
        {"delay 600 before 211118", 4, "600", 211117, true, [](const S& s) { return s.channels[3].delay == 0; }},
        {"delay 599 before 211118", 4, "599", 211117, false,
         [](const S& s) { return s.channels[3].delay == 599; }},
        {"delay 600 from 211118", 4, "600", 211118, false, [](const S& s) { return s.channels[3].delay == 600; }},
        {"delay 960", 1254, "960", 211118, false, [](const S& s) { return s.channels[11].delay == 960; }},
        {"delay 961", 1254, "961", 211118, true, [](const S& s) { return s.channels[11].delay == 0; }},
        {"49-character line", 608, std::string(46, ' ') + "123", kNewDate, false,
         [](const S& s) { return s.channels[6].delay == 123; }},
        {"number with trailing text", 709, "12abc", kNewDate, false,
         [](const S& s) { return s.channels[7].delay == 12; }},
        {"gain 600 with phase", 7, "1240", kNewDate, false,
         [](const S& s) { return s.channels[0].gain == 600 && s.channels[0].phase; }},
        {"gain 601 keeps the phase", 8, "1241", kNewDate, true,
         [](const S& s) { return s.channels[1].gain == 0 && s.channels[1].phase; }},
        {"gain line -1", 952, "-1", kNewDate, true,
         [](const S& s) { return s.channels[8].gain == 0 && s.channels[8].phase; }},
        {"gain line without a number", 1255, "-", kNewDate, true,
         [](const S& s) { return s.channels[11].gain == 0 && !s.channels[11].phase; }},
        {"master 61", 13, "61", kNewDate, true, [](const S& s) { return s.masterVolume == 0; }},
        {"master 60", 13, "60", kNewDate, false, [](const S& s) { return s.masterVolume == 60; }},
        {"EQ frequency 19", 14 + 4, "19", kNewDate, true, [](const S& s) { return s.channels[0].eqFreq[4] == 50; }},
        {"EQ gain 301", 113 + 31, "301", kNewDate, true, [](const S& s) { return s.channels[1].eqGain[0] == 150; }},
        {"Q not a number", 76, "x", kNewDate, true, [](const S& s) { return s.channels[0].eqQ[0] == 4.32; }},
        {"Q nan", 77, "nan", kNewDate, true, [](const S& s) { return s.channels[0].eqQ[1] == 4.32; }},
        {"Q inf", 78, "inf", kNewDate, true, [](const S& s) { return s.channels[0].eqQ[2] == 4.32; }},
        {"Q too large for a double", 79, "1e999", kNewDate, true,
         [](const S& s) { return s.channels[0].eqQ[3] == 4.32; }},
        {"Q 0.05", 1318, "0.05", kNewDate, true, [](const S& s) { return s.channels[11].eqQ[0] == 4.32; }},
        {"Q 10", 1348, "10", kNewDate, false, [](const S& s) { return s.channels[11].eqQ[30] == 10.0; }},
        {"Q 0.1", 1015, "0.1", kNewDate, false, [](const S& s) { return s.channels[8].eqQ[0] == 0.1; }},
        {"Q in exponent form", 1016, "2.5e0", kNewDate, false,
         [](const S& s) { return s.channels[8].eqQ[1] == 2.5; }},
        {"high-pass type 2", 14 + 93, "2", kNewDate, true, [](const S& s) { return s.channels[0].highPassType == 0; }},
        {"high-pass frequency 20001", 14 + 94, "20001", kNewDate, true,
         [](const S& s) { return s.channels[0].highPassFreq == 20; }},
        {"high-pass slope 9", 14 + 95, "9", kNewDate, true,
         [](const S& s) { return s.channels[0].highPassSlope == 8; }},
        {"low-pass frequency 0", 14 + 97, "0", kNewDate, true,
         [](const S& s) { return s.channels[0].lowPassFreq == 20000; }},
        {"low-pass slope -8", 14 + 98, "-8", kNewDate, true,
         [](const S& s) { return s.channels[0].lowPassSlope == 8; }},
        {"overflowing number", 810, "99999999999", kNewDate, true, [](const S& s) { return s.routingMask[0] == 0; }},
        {"routing mask kept to its 20 bits", 811, "2097151", kNewDate, false,
         [](const S& s) { return s.routingMask[1] == 0xFFFFF; }},
        {"mix 138", 822, "138", kNewDate, false, [](const S& s) { return s.mixVolume == 10 && s.mixIn; }},
        {"mix 61", 822, "61", kNewDate, true, [](const S& s) { return s.mixVolume == 0 && !s.mixIn; }},
        {"mix 200", 822, "200", kNewDate, true, [](const S& s) { return s.mixVolume == 0 && s.mixIn; }},
        {"input level 61", 823, "61", kNewDate, true, [](const S& s) { return s.channels[0].inputVolume[0] == 0; }},
        {"input level 60 of CH12 input 19", 1952, "60", kNewDate, false,
         [](const S& s) { return s.channels[11].inputVolume[19] == 60; }},
        {"link mask kept to its 12 bits", 1419, "-1", kNewDate, false,
         [](const S& s) { return s.linkGroupMask[0] == 0xFFF; }},
        {"overlay 70000", 1435, "70000", kNewDate, false, [](const S& s) { return s.overlayMask == 0; }},
        {"overlay 65535", 1435, "65535", kNewDate, false, [](const S& s) { return s.overlayMask == 65535; }},
        {"overlay without a number", 1435, "?", kNewDate, true, [](const S& s) { return s.overlayMask == 0; }},
        {"bridge bits", 1436, "66", kNewDate, false,
         [](const S& s) { return s.bridges == std::array<bool, 6>{false, true, false, false, false, false}; }},
        {"name byte -60", 1991, "-60", kNewDate, false, [](const S& s) { return s.channels[0].name[0] == 0xC4; }},
        {"name byte 300", 2230, "300", kNewDate, false, [](const S& s) { return s.channels[11].name[19] == 44; }},
        {"reserved line ignored", 1431, "junk", kNewDate, false, [](const S& s) { return s.overlayMask == 0xA5C; }},
        {"unused channel line ignored", 1500, "1e999", kNewDate, false,
         [](const S& s) { return s == files_test::DistinctScene(); }},
        {"links, bridges and overlay cleared before 190821", 1, "17", 190820, false,
         [](const S& s) {
             return s.overlayMask == 0 && s.linkGroupMask == std::array<int, 12>{} &&
                    s.bridges == std::array<bool, 6>{} && s.routingMask == files_test::DistinctScene().routingMask;
         }},
    };
    for (const RepairCase& c : cases) {
        const files::SceneReadResult r = files::ParseSceneFile(WithLine(c.line, c.text), c.firmwareDate);
        ASSERT_EQ(r.refusal, SceneRefusal::kNone) << c.name;
        EXPECT_EQ(r.repaired, c.repaired) << c.name;
        EXPECT_TRUE(c.check(r.scene)) << c.name;
    }
}

TEST(SceneReaderTest, TextEndsAtNulOrReadLimit) {
    const std::string good = files::EncodeSceneFile(Join(BaseLines()));
    // Anything after the closing NUL is not read.
    EXPECT_EQ(files::ParseSceneFile(good + files_test::Utf16("garbage\r\n"), kNewDate).refusal,
              SceneRefusal::kNone);
    // Characters after the last CR LF are ignored while fewer than 50.
    const std::string noNul = files_test::Utf16(Join(BaseLines()));
    EXPECT_EQ(files::ParseSceneFile(noNul + files_test::Utf16(std::string(49, 'x')), kNewDate).refusal,
              SceneRefusal::kNone);
    EXPECT_EQ(files::ParseSceneFile(noNul + files_test::Utf16(std::string(50, 'x')), kNewDate).refusal,
              SceneRefusal::kLineTooLong);
    // An odd last byte is half a unit and not read.
    EXPECT_EQ(files::ParseSceneFile(good + "x", kNewDate).refusal, SceneRefusal::kNone);
    // The longest file that can pass, and what lies past the read limit cannot change the result.
    auto lines = BaseLines();
    for (auto& l : lines) l.insert(0, files::kSceneMaxLineChars - l.size(), ' ');
    const std::string longest = files_test::Utf16(Join(lines));
    ASSERT_LE(longest.size() + 100, files::kSceneFileReadLimit);
    const files::SceneReadResult r = files::ParseSceneFile(longest + std::string(1 << 20, '\0'), kNewDate);
    EXPECT_EQ(r.refusal, SceneRefusal::kNone);
    EXPECT_EQ(r.scene, files_test::DistinctScene());
    EXPECT_EQ(files::ParseSceneFile(longest + files_test::Utf16(std::string(1 << 20, '1')), kNewDate).refusal,
              SceneRefusal::kLineTooLong);
}

}  // namespace
