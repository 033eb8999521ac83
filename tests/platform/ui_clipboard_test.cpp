// The clipboard keys of the edit: Ctrl+A, Ctrl+C, Ctrl+X, Ctrl+V and Shift+Insert, from key presses, on the
// headless backend's clipboard.
#include "platform/ui/edit.h"
#include "ui_controls_fixture.h"

namespace ui::testing {
namespace {

class ClipboardTest : public ControlTest {
  protected:
    ClipboardTest() : edit(&app) {
        edit.Create(&parent, 1001, gfx::RectFromSize(10, 10, 120, 20), "", WS_VISIBLE | WS_TABSTOP);
        hl.RunPending();
        edit.SetFocus();
        hl.RunPending();
    }
    void Press(unsigned vk, unsigned modifiers) {
        hl.KeyPress(vk, modifiers);
        hl.RunPending();
    }
    std::string Clipboard() { return app.GetBackend().GetClipboardText(); }
    Edit edit;
};

TEST_F(ClipboardTest, CopyCutAndPasteActOnTheSelection) {
    edit.SetWindowText("1000");
    Press('A', kModControl);
    Press('C', kModControl);
    EXPECT_EQ(Clipboard(), "1000");
    edit.SetSel(1, 3);
    Press('X', kModControl);
    EXPECT_EQ(Clipboard(), "00");
    EXPECT_EQ(edit.GetWindowText(), "10");
    app.GetBackend().SetClipboardText("7");
    Press(VK_INSERT, kModShift);
    EXPECT_EQ(edit.GetWindowText(), "170");
    parent.Take();
    Press('V', kModControl);
    EXPECT_EQ(edit.GetWindowText(), "1770");
    EXPECT_EQ(parent.Take(), std::vector<std::string>{"COMMAND 1001 " + std::to_string(EN_CHANGE)});
}

TEST_F(ClipboardTest, APasteActsAsTypingItsFirstLine) {
    const struct {
        const char* clip;
        bool number;
        int limit;
        std::string text;
        bool maxText;
    } cases[] = {
        {"-3.5\r\nx", false, 0, "-3.5", false}, {"a\tb\x01" "c", false, 0, "abc", false},
        {"12a3", true, 0, "123", false},         {"123456", false, 4, "1234", true},
        {"\nx", false, 0, "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.clip);
        edit.SetWindowText("");
        edit.ModifyControlStyle(c.number ? 0u : uint32_t{res::kNumber}, c.number ? uint32_t{res::kNumber} : 0u);
        edit.SetLimitText(c.limit);
        app.GetBackend().SetClipboardText(c.clip);
        parent.Take();
        Press('V', kModControl);
        EXPECT_EQ(edit.GetWindowText(), c.text);
        EXPECT_EQ(parent.Count("COMMAND 1001 " + std::to_string(EN_CHANGE)), c.text.empty() ? 0 : 1);
        EXPECT_EQ(parent.Count("COMMAND 1001 " + std::to_string(EN_MAXTEXT)), c.maxText ? 1 : 0);
    }
}

TEST_F(ClipboardTest, AReadOnlyEditCopiesButNeitherCutsNorPastes) {
    edit.SetWindowText("42");
    edit.SetReadOnly(true);
    Press('A', kModControl);
    app.GetBackend().SetClipboardText("x");
    Press('X', kModControl);
    EXPECT_EQ(edit.GetWindowText(), "42");
    EXPECT_EQ(Clipboard(), "x");
    Press('V', kModControl);
    EXPECT_EQ(edit.GetWindowText(), "42");
    Press('C', kModControl);
    EXPECT_EQ(Clipboard(), "42");
}

TEST_F(ClipboardTest, ADisabledEditDoesNothing) {
    edit.SetWindowText("42");
    edit.SetSel(0, -1);
    edit.EnableWindow(false);
    app.GetBackend().SetClipboardText("x");
    Press('V', kModControl);
    Press('X', kModControl);
    EXPECT_EQ(edit.GetWindowText(), "42");
    EXPECT_EQ(Clipboard(), "x");
}

}  // namespace
}  // namespace ui::testing
