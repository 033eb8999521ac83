// The value texts count characters as the edit controls do: one per well-formed UTF-8 character and one per
// malformed byte.
#include "editing/textscan.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "platform/sys/textcodec.h"

namespace {

using editing::CharCount;
using editing::LeadingChars;

struct ScanCase {
    const char* name;
    std::string text;
    std::size_t chars;
    std::string first_two;  // LeadingChars(text, 2)
};

void PrintTo(const ScanCase& c, std::ostream* os) {
    *os << c.name;
}

class TextScanTest : public ::testing::TestWithParam<ScanCase> {};

TEST_P(TextScanTest, CountsAndCutsCharactersAsTheEditDoes) {
    const ScanCase& c = GetParam();
    EXPECT_EQ(CharCount(c.text), c.chars);
    EXPECT_EQ(CharCount(c.text), sys::Utf8ToU32(c.text).size());
    EXPECT_EQ(LeadingChars(c.text, 2), c.first_two);
    EXPECT_EQ(LeadingChars(c.text, 0), "");
    EXPECT_EQ(LeadingChars(c.text, c.chars), c.text);
    EXPECT_EQ(LeadingChars(c.text, c.chars + 5), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Utf8, TextScanTest,
    ::testing::Values(ScanCase{"Ascii", "-12", 3, "-1"}, ScanCase{"Chinese", "中文dB", 4, "中文"},
                      ScanCase{"FourBytes", "😀1", 2, "😀1"},
                      // A malformed sequence is one character per byte, not one per lead byte.
                      ScanCase{"Overlong", "\xC0\xAF.", 3, "\xC0\xAF"},
                      ScanCase{"Truncated", "\xE4\xB8", 2, "\xE4\xB8"},
                      ScanCase{"TruncatedThenDigits", "\xE4\xB8-1", 4, "\xE4\xB8"},
                      ScanCase{"StrayContinuation", "1\x80.", 3, "1\x80"},
                      ScanCase{"Surrogate", "\xED\xA0\x80", 3, "\xED\xA0"}),
    [](const ::testing::TestParamInfo<ScanCase>& info) { return std::string(info.param.name); });

}  // namespace
