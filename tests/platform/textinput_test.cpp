// Typed text from the display: an SDL text-input string becomes one character event per character, read with
// the one UTF-8 decoder, so malformed bytes type U+FFFD instead of a character they were not.
#include "platform/backend/textinput.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "platform/backend/headless.h"
#include "platform/sys/textcodec.h"
#include "platform/ui/application.h"
#include "platform/ui/edit.h"

namespace ui {
namespace {

constexpr char32_t kBad = 0xFFFD;

struct TextCase {
    const char* name;
    std::string bytes;
    std::u32string typed;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.name;
}

class TextInputTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextInputTest, TypesOneCharacterPerCharacterAndOneReplacementPerBadByte) {
    const TextCase& c = GetParam();
    std::u32string typed;
    for (const InputEvent& e : CharEventsFromText(c.bytes)) {
        EXPECT_EQ(e.type, InputEvent::Type::kChar);
        typed.push_back(e.ch);
    }
    EXPECT_EQ(typed, c.typed);
    EXPECT_EQ(typed, sys::Utf8ToU32(c.bytes)) << "the same bytes read the same everywhere";
}

INSTANTIATE_TEST_SUITE_P(
    Utf8, TextInputTest,
    ::testing::Values(TextCase{"Ascii", "a1/", U"a1/"}, TextCase{"Chinese", "中文音量", U"中文音量"},
                      TextCase{"TwoAndFourBytes", "é😀", U"é😀"},
                      TextCase{"HighestCodePoint", "\xF4\x8F\xBF\xBF", U"\U0010FFFF"},
                      // Overlong forms of '/' and of U+0000 would type a character that was never sent.
                      TextCase{"OverlongTwoBytes", "\xC0\xAF", {kBad, kBad}},
                      TextCase{"OverlongNul", "\xC0\x80", {kBad, kBad}},
                      TextCase{"OverlongThreeBytes", "\xE0\x80\xAF", {kBad, kBad, kBad}},
                      TextCase{"OverlongFourBytes", "\xF0\x80\x80\xAF", {kBad, kBad, kBad, kBad}},
                      TextCase{"HighSurrogate", "\xED\xA0\x80", {kBad, kBad, kBad}},
                      TextCase{"LowSurrogate", "\xED\xBF\xBF", {kBad, kBad, kBad}},
                      TextCase{"TruncatedAtTheEnd", "a\xE4\xB8", {U'a', kBad, kBad}},
                      TextCase{"TruncatedBeforeACharacter", "\xE4\xB8x中", {kBad, kBad, U'x', U'中'}},
                      TextCase{"StrayContinuationBytes", "\x80\xBF", {kBad, kBad}},
                      TextCase{"LeadByteAboveF4", "\xF5\x80\x80\x80", {kBad, kBad, kBad, kBad}},
                      TextCase{"PastU10FFFF", "\xF4\x90\x80\x80", {kBad, kBad, kBad, kBad}},
                      TextCase{"InvalidBytes", "\xFE\xFF", {kBad, kBad}}, TextCase{"Empty", "", U""}),
    [](const ::testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

TEST(TextInput, TypedTextReachesTheFocusedEditAsItsCharacters) {
    Application app(std::make_unique<HeadlessBackend>());
    HeadlessBackend& hl = *app.Headless();
    Window top(&app);
    top.CreateTopLevel(gfx::RectFromSize(0, 0, 200, 100), "top", WS_VISIBLE);
    Edit edit(&app);
    edit.Create(&top, 1, gfx::RectFromSize(10, 10, 120, 20));
    edit.SetFocus();
    for (const InputEvent& e : CharEventsFromText("中\xC0\xAF!")) app.PostInput(e);
    hl.RunPending();
    EXPECT_EQ(edit.GetWindowText(), "中\uFFFD\uFFFD!");
    EXPECT_EQ(edit.GetTextLength(), 4);
}

}  // namespace
}  // namespace ui
