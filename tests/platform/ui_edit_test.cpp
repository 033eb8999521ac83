// The edit control: typing, caret and selection keys, notices, limits, read-only, pre-translate and wheel.
#include "platform/ui/edit.h"
#include "ui_controls_fixture.h"

namespace ui::testing {
namespace {

class EditTest : public ControlTest {
  protected:
    EditTest() : edit(&app), other(&app) {
        edit.Create(&parent, 1001, gfx::RectFromSize(10, 10, 120, 20), "", WS_VISIBLE | WS_TABSTOP);
        other.Create(&parent, 1002, gfx::RectFromSize(10, 40, 120, 20), "", WS_VISIBLE | WS_TABSTOP);
        hl.RunPending();
    }
    std::pair<int, int> Sel() const {
        int s, e;
        edit.GetSel(s, e);
        return {s, e};
    }
    Edit edit, other;
};

TEST_F(EditTest, TypingReplacesTheWholeSelection) {
    edit.SetWindowText("1000");
    edit.SetFocus();
    edit.SetSel(0, -1);
    EXPECT_EQ(Sel(), std::make_pair(0, 4));
    hl.Type("25");
    hl.RunPending();
    EXPECT_EQ(edit.GetWindowText(), "25");
    EXPECT_EQ(Sel(), std::make_pair(2, 2));
}

TEST_F(EditTest, TypingReplacesAPartOfTheTextSelectedWithShiftAndArrows) {
    edit.SetWindowText("12345");
    edit.SetFocus();
    hl.KeyPress(VK_END);
    hl.KeyDown(VK_SHIFT);
    hl.KeyPress(VK_LEFT);
    hl.KeyPress(VK_LEFT);
    hl.KeyUp(VK_SHIFT);
    hl.Type("x");
    hl.RunPending();
    EXPECT_EQ(edit.GetWindowText(), "123x");
}

TEST_F(EditTest, ASetFromCodeRaisesNoNoticeAndTypingRaisesChange) {
    edit.SetFocus();
    parent.Take();
    edit.SetWindowText("abc");
    edit.SetSel(0, -1);
    edit.ReplaceSel("zz");
    EXPECT_TRUE(parent.log.empty());
    EXPECT_EQ(edit.GetWindowText(), "zz");
    hl.Type("q");
    hl.RunPending();
    EXPECT_EQ(parent.Take(), (std::vector<std::string>{"COMMAND 1001 768"}));  // EN_CHANGE
}

TEST_F(EditTest, TheSelectionMessagesActAsTheirCalls) {
    edit.SetWindowText("-12.5");
    edit.SendMessage(EM_SETSEL, 0, -1);
    EXPECT_EQ(Sel(), std::make_pair(0, 5));
    EXPECT_EQ(edit.SendMessage(EM_GETSEL), MAKELPARAM(0, 5));
    edit.SendMessage(EM_SETSEL, 9, 2);  // a start past the end is the end; the caret is the second value
    EXPECT_EQ(Sel(), std::make_pair(2, 5));
    edit.SendMessage(EM_SETSEL, static_cast<WPARAM>(-1), 0);  // -1 removes the selection
    int s, e;
    edit.GetSel(s, e);
    EXPECT_EQ(s, e);
}

TEST_F(EditTest, DraggingTheMouseSelectsFromThePress) {
    edit.SetWindowText("0000000000");
    hl.MouseDown(hl.ScreenPointOf(edit, gfx::Point{2, 10}));
    hl.MouseMove(hl.ScreenPointOf(edit, gfx::Point{300, 10}));  // beyond the edit: the capture keeps it
    hl.MouseUp(hl.ScreenPointOf(edit, gfx::Point{300, 10}));
    hl.RunPending();
    EXPECT_EQ(Sel(), std::make_pair(0, 10));
    EXPECT_EQ(app.GetCapture(), nullptr);
}

TEST_F(EditTest, ASetFromCodePutsTheCaretAtTheStart) {
    edit.SetWindowText("hello");
    edit.SetSel(0, -1);
    edit.SetWindowText("world");
    EXPECT_EQ(Sel(), std::make_pair(0, 0));
}

struct KeyCase {
    const char* name;
    unsigned vk;
    char32_t ch;  // 0: a key-down only
    std::pair<int, int> sel_before;
    const char* text_after;
    std::pair<int, int> sel_after;
};

class EditKeyTest : public EditTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(EditKeyTest, EditsAndMovesAsWindowsDoes) {
    const KeyCase& c = GetParam();
    edit.SetWindowText("abcd");
    edit.SetFocus();
    edit.SetSel(c.sel_before.first, c.sel_before.second);
    if (c.ch)
        hl.Type(std::string(1, static_cast<char>(c.ch)));
    else
        hl.KeyPress(c.vk);
    hl.RunPending();
    EXPECT_EQ(edit.GetWindowText(), c.text_after);
    EXPECT_EQ(Sel(), c.sel_after);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, EditKeyTest,
    ::testing::Values(KeyCase{"LeftCollapsesFromTheCaret", VK_LEFT, 0, {1, 3}, "abcd", {2, 2}},
                      KeyCase{"LeftStopsAtTheStart", VK_LEFT, 0, {0, 0}, "abcd", {0, 0}},
                      KeyCase{"RightStopsAtTheEnd", VK_RIGHT, 0, {4, 4}, "abcd", {4, 4}},
                      KeyCase{"UpActsAsLeft", VK_UP, 0, {2, 2}, "abcd", {1, 1}},
                      KeyCase{"Home", VK_HOME, 0, {3, 3}, "abcd", {0, 0}},
                      KeyCase{"End", VK_END, 0, {1, 1}, "abcd", {4, 4}},
                      KeyCase{"BackspaceDeletesBeforeTheCaret", VK_BACK, 0, {2, 2}, "acd", {1, 1}},
                      KeyCase{"BackspaceAtTheStartDoesNothing", VK_BACK, 0, {0, 0}, "abcd", {0, 0}},
                      KeyCase{"BackspaceDeletesTheSelection", VK_BACK, 0, {1, 3}, "ad", {1, 1}},
                      KeyCase{"DeleteDeletesAfterTheCaret", VK_DELETE, 0, {1, 1}, "acd", {1, 1}},
                      KeyCase{"DeleteAtTheEndDoesNothing", VK_DELETE, 0, {4, 4}, "abcd", {4, 4}},
                      KeyCase{"DeleteDeletesTheSelection", VK_DELETE, 0, {3, 1}, "ad", {1, 1}},
                      KeyCase{"EnterTypesNothing", 0, U'\r', {1, 1}, "abcd", {1, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditTest, TheTextLimitRefusesTypingButNotASetFromCode) {
    edit.SetLimitText(3);
    edit.SetWindowText("12345");
    EXPECT_EQ(edit.GetWindowText(), "12345");
    edit.SetWindowText("12");
    edit.SetFocus();
    hl.KeyPress(VK_END);
    hl.Type("345");
    hl.RunPending();
    EXPECT_EQ(edit.GetWindowText(), "123");
    // Typing over a selection may still fit.
    edit.SetSel(0, -1);
    hl.Type("9");
    hl.RunPending();
    EXPECT_EQ(edit.GetWindowText(), "9");
}

TEST_F(EditTest, AReadOnlyEditMovesItsCaretButKeepsItsText) {
    edit.SetWindowText("abc");
    edit.SetReadOnly(true);
    edit.SetFocus();
    hl.KeyPress(VK_END);
    hl.Type("x");
    hl.KeyPress(VK_BACK);
    hl.KeyPress(VK_HOME);
    hl.KeyPress(VK_DELETE);
    hl.RunPending();
    EXPECT_EQ(edit.GetWindowText(), "abc");
    EXPECT_EQ(Sel(), std::make_pair(0, 0));
}

TEST_F(EditTest, ADisabledEditTakesNeitherClicksNorKeys) {
    edit.SetWindowText("abc");
    edit.EnableWindow(false);
    hl.ClickWindow(edit);
    hl.Type("x");
    hl.RunPending();
    EXPECT_FALSE(edit.HasFocus());
    EXPECT_EQ(edit.GetWindowText(), "abc");
}

TEST_F(EditTest, KillFocusNoticeReachesTheParentBeforeTheNextEditsSetFocus) {
    edit.SetFocus();
    parent.Take();
    hl.ClickWindow(other);
    hl.RunPending();
    EXPECT_EQ(parent.Take(), (std::vector<std::string>{"COMMAND 1001 512", "COMMAND 1002 256"}));
    EXPECT_TRUE(other.HasFocus());
}

TEST_F(EditTest, AClickPlacesTheCaretNearTheClickedCharacter) {
    edit.SetWindowText("0000000000");
    hl.ClickWindow(edit, gfx::Point{2, 10});
    hl.RunPending();
    EXPECT_TRUE(edit.HasFocus());
    EXPECT_EQ(Sel(), std::make_pair(0, 0));
    hl.ClickWindow(edit, gfx::Point{118, 10});
    hl.RunPending();
    EXPECT_EQ(Sel(), std::make_pair(10, 10));
}

TEST_F(EditTest, CentredTextTakesTheCaretFromTheMiddle) {
    edit.SetControlStyle(res::kTextCenter);
    edit.SetWindowText("00");
    // Left of the centred text is before its first character.
    hl.ClickWindow(edit, gfx::Point{30, 10});
    hl.RunPending();
    EXPECT_EQ(Sel(), std::make_pair(0, 0));
    hl.ClickWindow(edit, gfx::Point{90, 10});
    hl.RunPending();
    EXPECT_EQ(Sel(), std::make_pair(2, 2));
}

// A program edit as the Parts' value edits are: pre-translate sees Enter first and does not consume it; the
// wheel is taken while focused.
class ValueEdit : public Edit {
  public:
    using Edit::Edit;
    std::vector<std::string> seen;
    bool PreTranslateMessage(MSG& msg) override {
        if (msg.message == WM_KEYDOWN) seen.push_back("pre " + std::to_string(msg.wParam));
        return false;
    }

  protected:
    void OnKeyDown(unsigned vk, unsigned repeat, unsigned flags) override {
        seen.push_back("key " + std::to_string(vk));
        Edit::OnKeyDown(vk, repeat, flags);
    }
    bool OnMouseWheel(unsigned keys, int delta, gfx::Point p) override {
        if (HasFocus()) seen.push_back("wheel " + std::to_string(delta));
        return Edit::OnMouseWheel(keys, delta, p);
    }
};

TEST_F(EditTest, PreTranslateSeesKeysBeforeTheControlAndTheWheelReachesTheFocusedEdit) {
    ValueEdit v(&app);
    v.Create(&parent, 1003, gfx::RectFromSize(10, 70, 100, 20));
    v.SetFocus();
    hl.KeyPress(VK_UP);
    hl.Wheel(-120, hl.ScreenPointOf(other));  // the pointer is elsewhere; the wheel goes to the focus
    hl.RunPending();
    EXPECT_EQ(v.seen, (std::vector<std::string>{"pre 38", "key 38", "wheel -120"}));
}

TEST_F(EditTest, APaintAsksTheParentsColourStepAsEditOrAsStaticWhenReadOnlyOrDisabled) {
    parent.log_colors = true;
    PaintAll();
    EXPECT_EQ(parent.Count("CTLCOLOR 1"), 2);
    parent.Take();
    edit.SetReadOnly(true);
    other.EnableWindow(false);
    PaintAll();
    EXPECT_EQ(parent.Count("CTLCOLOR 6"), 2);
    EXPECT_EQ(parent.Count("CTLCOLOR 1"), 0);
}

}  // namespace
}  // namespace ui::testing
