#include "platform/sys/textcodec.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace sys {
namespace {

// Ten characters of two GBK bytes each: exactly a 20-byte name field.
const std::string kTen = "一二三四五六七八九十";

// The bytes a field holds, in a buffer of exactly the field's size so ASan sees any write past it.
struct Field {
    explicit Field(std::size_t n) : size(n), bytes(std::make_unique<char[]>(n == 0 ? 1 : n)) {
        std::fill_n(bytes.get(), n, '\x55');
    }
    std::string Str() const { return std::string(bytes.get(), size); }
    std::size_t size;
    std::unique_ptr<char[]> bytes;
};

struct FieldCase {
    const char* name;
    std::string utf8;
    std::size_t field;
    bool terminate;
    std::string expect;  // the whole field
    bool truncated;
    bool replaced;
};

std::string Zeros(std::size_t n) {
    return std::string(n, '\0');
}

class Utf8ToGbkFieldTest : public testing::TestWithParam<FieldCase> {};

TEST_P(Utf8ToGbkFieldTest, FillsTheFieldWithoutSplittingACharacter) {
    const FieldCase& c = GetParam();
    Field f(c.field);
    FieldText r = Utf8ToGbkField(c.utf8, f.bytes.get(), c.field, c.terminate);
    EXPECT_EQ(f.Str(), c.expect);
    EXPECT_EQ(r.length, c.expect.find('\0') == std::string::npos ? c.expect.size() : c.expect.find('\0'));
    EXPECT_EQ(r.truncated, c.truncated);
    EXPECT_EQ(r.replaced, c.replaced);
}

const std::string kTenGbk =
    "\xD2\xBB\xB6\xFE\xC8\xFD\xCB\xC4\xCE\xE5\xC1\xF9\xC6\xDF\xB0\xCB\xBE\xC5\xCA\xAE";

INSTANTIATE_TEST_SUITE_P(
    Cases, Utf8ToGbkFieldTest,
    testing::Values(FieldCase{"ascii", "Front L", 20, true, "Front L" + Zeros(13), false, false},
                    FieldCase{"ten_chinese_fit_without_zero", kTen, 20, false, kTenGbk, false, false},
                    FieldCase{"ten_chinese_cut_to_nine_for_zero", kTen, 20, true,
                              kTenGbk.substr(0, 18) + Zeros(2), true, false},
                    FieldCase{"ten_chinese_in_21_with_zero", kTen, 21, true, kTenGbk + Zeros(1), false,
                              false},
                    // 'A' then ten characters: the 20th byte would be the lead byte of the tenth character.
                    FieldCase{"lead_byte_would_be_last_without_zero", "A" + kTen, 20, false,
                              "A" + kTenGbk.substr(0, 18) + Zeros(1), true, false},
                    FieldCase{"lead_byte_would_be_last_with_zero", "A" + kTen, 20, true,
                              "A" + kTenGbk.substr(0, 18) + Zeros(1), true, false},
                    FieldCase{"ascii_cut_for_zero", std::string(25, 'x'), 20, true,
                              std::string(19, 'x') + Zeros(1), true, false},
                    FieldCase{"ascii_fills_without_zero", std::string(25, 'x'), 20, false,
                              std::string(20, 'x'), true, false},
                    FieldCase{"empty", "", 20, true, Zeros(20), false, false},
                    FieldCase{"zero_sized_field", "abc", 0, true, "", true, false},
                    FieldCase{"one_byte_field_holds_only_the_zero", "abc", 1, true, Zeros(1), true, false},
                    FieldCase{"two_byte_character_in_one_byte_field", "中", 1, false, Zeros(1), true, false},
                    FieldCase{"euro_is_0x80_in_code_page_936", "€", 4, true, "\x80" + Zeros(3), false, false},
                    FieldCase{"character_without_gbk_form",
                              "a\xF0\x9F\x98\x80"
                              "b",
                              4, true, "a?b" + Zeros(1), false, true},
                    FieldCase{"replacement_that_does_not_fit", "abc\xF0\x9F\x98\x80", 4, true,
                              "abc" + Zeros(1), true, false},
                    FieldCase{"bad_utf8",
                              "a\xFF\xC0\x80"
                              "b",
                              8, true, "a???b" + Zeros(3), false, true},
                    FieldCase{"utf8_cut_short", "a\xE4\xB8", 8, true, "a??" + Zeros(5), false, true},
                    FieldCase{"embedded_nul_ends_the_text", std::string("ab\0cd", 5), 8, true,
                              "ab" + Zeros(6), true, false}),
    [](const testing::TestParamInfo<FieldCase>& info) { return std::string(info.param.name); });

struct GbkCase {
    const char* name;
    std::string field;  // exactly the field's bytes
    std::string expect;
    bool replaced;
};

class GbkFieldToUtf8Test : public testing::TestWithParam<GbkCase> {};

TEST_P(GbkFieldToUtf8Test, ReadsUpToTheZeroOrTheFieldSize) {
    const GbkCase& c = GetParam();
    std::vector<char> exact(c.field.begin(), c.field.end());  // no terminator beyond the field
    Converted r = GbkFieldToUtf8(exact.data(), exact.size());
    EXPECT_EQ(r.text, c.expect);
    EXPECT_EQ(r.replaced, c.replaced);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GbkFieldToUtf8Test,
    testing::Values(GbkCase{"full_field_without_zero", kTenGbk, kTen, false},
                    GbkCase{"stops_at_zero", std::string("AB\0CD", 5), "AB", false},
                    GbkCase{"mixed", "CH1 \xD6\xD0" + Zeros(14), "CH1 中", false},
                    GbkCase{"lead_byte_cut_off_at_the_end", "A\xD6", "A\xEF\xBF\xBD", true},
                    GbkCase{"lead_byte_before_the_zero", std::string("A\xD6\0\xD0", 4), "A\xEF\xBF\xBD",
                            true},
                    GbkCase{"not_a_gbk_byte",
                            "a\xFF"
                            "b",
                            "a\xEF\xBF\xBD"
                            "b",
                            true},
                    GbkCase{"euro", "\x80", "€", false}),
    [](const testing::TestParamInfo<GbkCase>& info) { return std::string(info.param.name); });

TEST(GbkRoundTrip, NamesComeBackUnchanged) {
    for (const std::string name : {"Front L", "前左高音", "CH12 超低音", "一二三四五六七八九", "€-Sub"}) {
        char field[20];
        FieldText w = Utf8ToGbkField(name, field, sizeof field);
        EXPECT_FALSE(w.truncated) << name;
        EXPECT_FALSE(w.replaced) << name;
        Converted r = GbkFieldToUtf8(field, sizeof field);
        EXPECT_EQ(r.text, name);
        EXPECT_FALSE(r.replaced);
    }
}

TEST(Utf16, RoundTripWithASurrogatePair) {
    const std::string text = "A中😀z";
    const std::string le("A\0\x2D\x4E\x3D\xD8\x00\xDEz\0", 10);
    Converted to = Utf8ToUtf16Le(text);
    EXPECT_EQ(to.text, le);
    EXPECT_FALSE(to.replaced);
    Converted back = Utf16LeToUtf8(le);
    EXPECT_EQ(back.text, text);
    EXPECT_FALSE(back.replaced);
}

struct Utf16Case {
    const char* name;
    std::string utf16le;
    std::string expect;
};

class Utf16BadInputTest : public testing::TestWithParam<Utf16Case> {};

TEST_P(Utf16BadInputTest, BecomesReplacementCharacters) {
    Converted r = Utf16LeToUtf8(GetParam().utf16le);
    EXPECT_EQ(r.text, GetParam().expect);
    EXPECT_TRUE(r.replaced);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Utf16BadInputTest,
    testing::Values(Utf16Case{"high_surrogate_at_the_end", std::string("a\0\x3D\xD8", 4), "a\xEF\xBF\xBD"},
                    Utf16Case{"high_surrogate_before_a_letter",
                              std::string("\x3D\xD8"
                                          "b\0",
                                          4),
                              "\xEF\xBF\xBD"
                              "b"},
                    Utf16Case{"lone_low_surrogate",
                              std::string("\x00\xDE"
                                          "c\0",
                                          4),
                              "\xEF\xBF\xBD"
                              "c"},
                    Utf16Case{"two_high_surrogates", std::string("\x3D\xD8\x3D\xD8\x00\xDE", 6),
                              "\xEF\xBF\xBD😀"},
                    Utf16Case{"odd_last_byte", std::string("a\0b", 3), "a\xEF\xBF\xBD"}),
    [](const testing::TestParamInfo<Utf16Case>& info) { return std::string(info.param.name); });

TEST(Utf16, BadUtf8BecomesReplacement) {
    Converted r = Utf8ToUtf16Le("a\xED\xA0\x80");  // an encoded surrogate is not UTF-8
    EXPECT_EQ(r.text, std::string("a\0\xFD\xFF\xFD\xFF\xFD\xFF", 8));
    EXPECT_TRUE(r.replaced);
}

TEST(CodePoints, RoundTripAndBadInput) {
    const std::string text = "A\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80";  // A, e acute, a CJK char, an emoji
    EXPECT_EQ(Utf8ToU32(text), (std::u32string{U'A', 0xE9, 0x4E2D, 0x1F600}));
    EXPECT_EQ(U32ToUtf8(Utf8ToU32(text)), text);
    // A stray continuation byte and a cut-off lead byte each become one replacement character.
    EXPECT_EQ(Utf8ToU32("a\x80" "b\xE4"), (std::u32string{U'a', 0xFFFD, U'b', 0xFFFD}));
    EXPECT_EQ(U32ToUtf8(std::u32string{0xD800, 0x110000}), "\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(CodePoints, NextCharMovesPastOneCharacterOrOneBadByte) {
    // A CJK character, an overlong '/', 'a', and a character cut off at the end.
    const std::string text = std::string("\xE4\xB8\xAD\xC0\xAF") + "a\xF0\x9F\x98";
    struct Step {
        char32_t ch;
        std::size_t pos_after;
    };
    const Step steps[] = {{0x4E2D, 3}, {0xFFFD, 4}, {0xFFFD, 5}, {U'a', 6},
                          {0xFFFD, 7}, {0xFFFD, 8}, {0xFFFD, 9}};
    std::size_t pos = 0;
    for (const Step& s : steps) {
        EXPECT_EQ(NextUtf8Char(text, pos), s.ch) << "at " << s.pos_after;
        EXPECT_EQ(pos, s.pos_after);
    }
    EXPECT_EQ(pos, text.size());
    EXPECT_EQ(Utf8CharCount(text), std::size(steps));
}

}  // namespace
}  // namespace sys
