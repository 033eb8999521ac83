// The edit control: typing, caret and selection keys, notices, limits, read-only, pre-translate, wheel and
// text input (on only while an editable edit has the focus; compositions dropped when it stops taking text).
#include "platform/ui/button.h"
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

// Text input is on exactly while an editable, enabled edit (in enabled windows) has the focus; a focus change
// (or the focus lost with its window) switches it at once, anything else before the display is read again,
// and the backend hears only changes.
TEST_F(EditTest, TextInputIsOnOnlyWhileAnEditableEditHasTheFocus) {
    Edit read_only(&app), disabled(&app);
    read_only.Create(&parent, 1003, gfx::RectFromSize(10, 70, 120, 20), "abc", WS_VISIBLE | WS_TABSTOP);
    read_only.SetReadOnly(true);
    disabled.Create(&parent, 1004, gfx::RectFromSize(10, 100, 120, 20), "", WS_VISIBLE | WS_DISABLED);
    Button button(&app);
    button.Create(&parent, 1005, gfx::RectFromSize(10, 130, 60, 20), "OK", WS_VISIBLE | WS_TABSTOP);
    hl.RunPending();
    EXPECT_FALSE(hl.TextInputEnabled());
    EXPECT_EQ(hl.TextInputCalls(), 0);

    struct Step {
        const char* name;
        std::function<void()> act;
        bool pump;  // whether the state shows only once the loop has run
        bool on;
        int calls;
    } steps[] = {
        {"the edit takes the focus", [&] { edit.SetFocus(); }, false, true, 1},
        {"typing in it", [&] { hl.Type("12"), hl.KeyPress(VK_LEFT); }, true, true, 1},
        {"a read-only edit", [&] { read_only.SetFocus(); }, false, false, 2},
        {"a button", [&] { button.SetFocus(); }, false, false, 2},
        {"a disabled edit", [&] { disabled.SetFocus(); }, false, false, 2},
        {"a click into the edit", [&] { hl.ClickWindow(edit); }, true, true, 3},
        {"another editable edit", [&] { other.SetFocus(); }, false, true, 3},
        {"it is disabled", [&] { other.EnableWindow(false); }, true, false, 4},
        {"enabled again", [&] { other.EnableWindow(true); }, true, true, 5},
        {"made read-only", [&] { other.SetReadOnly(true); }, true, false, 6},
        {"editable again", [&] { other.SetReadOnly(false); }, true, true, 7},
        {"its parent disabled, as below a modal dialog", [&] { parent.EnableWindow(false); }, true, false, 8},
        {"its parent enabled", [&] { parent.EnableWindow(true); }, true, true, 9},
        {"the window hidden with the focus in it", [&] { top.ShowWindow(SW_HIDE); }, false, false, 10},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.act();
        if (step.pump) hl.RunPending();
        EXPECT_EQ(hl.TextInputEnabled(), step.on);
        EXPECT_EQ(hl.TextInputCalls(), step.calls);
    }
    EXPECT_EQ(edit.GetWindowText(), "12");
}

// A dialog: on for its edit while it is open, off once it has closed (the focus goes back to a button).
TEST_F(EditTest, TextInputGoesOffWhenTheDialogWithTheFocusedEditCloses) {
    class NameDialog : public Dialog {
      public:
        using Dialog::Dialog;
        Edit name{&App()};

      protected:
        void CreateItems() override {
            name.Create(this, 1237, gfx::RectFromSize(10, 10, 120, 20), "", WS_VISIBLE | WS_TABSTOP);
        }
    };
    Button button(&app);
    button.Create(&parent, 1005, gfx::RectFromSize(10, 130, 60, 20), "OK", WS_VISIBLE | WS_TABSTOP);
    button.SetFocus();
    NameDialog d(&top, &app);
    d.SetInitialSize(200, 100);
    bool on_inside = false;
    app.SetModalObserver([&](Window& w) {
        on_inside = d.name.HasFocus() && hl.TextInputEnabled();
        hl.Type("ab");
        app.Post([&] { static_cast<Dialog&>(w).EndDialog(IDOK); });
    });
    EXPECT_EQ(d.DoModal(), IDOK);
    EXPECT_TRUE(on_inside);
    EXPECT_EQ(d.name.GetWindowText(), "ab");
    EXPECT_TRUE(button.HasFocus());
    EXPECT_FALSE(hl.TextInputEnabled());
    EXPECT_EQ(hl.TextInputCalls(), 2);
}

// What an input method composes goes when the edit stops taking text: its focus leaves, its window is
// hidden, it is made read-only. Moving from one edit to another in the middle of a composition restarts text
// input, so that the input method drops it too; without one nothing is restarted.
TEST_F(EditTest, ACompositionIsDroppedWhenTheEditStopsTakingText) {
    Button button(&app);
    button.Create(&parent, 1005, gfx::RectFromSize(10, 130, 60, 20), "OK", WS_VISIBLE | WS_TABSTOP);
    struct Case {
        const char* name;
        std::function<void()> leave;
        int calls;  // backend calls the leave makes
    } cases[] = {
        {"focus to a button", [&] { button.SetFocus(); }, 1},
        {"focus to another edit", [&] { other.SetFocus(); }, 2},
        {"made read-only", [&] { edit.SetReadOnly(true); }, 1},
        {"disabled", [&] { edit.EnableWindow(false); }, 1},
        {"its window hidden", [&] { top.ShowWindow(SW_HIDE); }, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        top.ShowWindow(SW_SHOW);
        edit.SetReadOnly(false);
        edit.EnableWindow(true);
        edit.SetFocus();
        hl.Compose("zhong");
        hl.RunPending();
        ASSERT_TRUE(edit.IsComposing());
        const int before = hl.TextInputCalls();
        c.leave();
        hl.RunPending();
        EXPECT_FALSE(edit.IsComposing());
        EXPECT_TRUE(edit.Composition().empty());
        EXPECT_EQ(hl.TextInputCalls() - before, c.calls);
        EXPECT_EQ(edit.GetWindowText(), "");
        // Text input stays on only where another edit took the focus.
        EXPECT_EQ(hl.TextInputEnabled(), other.HasFocus());
    }
    // Between edits without a composition, text input just stays on.
    edit.SetFocus();
    hl.RunPending();
    const int before = hl.TextInputCalls();
    other.SetFocus();
    edit.SetFocus();
    EXPECT_EQ(hl.TextInputCalls(), before);
    EXPECT_TRUE(hl.TextInputEnabled());
    // A composition queued for the edit before its focus left shows nowhere.
    hl.Compose("zhong");
    button.SetFocus();
    hl.RunPending();
    EXPECT_FALSE(edit.IsComposing());
}

}  // namespace
}  // namespace ui::testing
