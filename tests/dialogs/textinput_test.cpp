// Names typed through an input method and pasted, in the slot name (1237) and the new channel name (1238).
#include <cstring>
#include <string>
#include <vector>

#include "dialogs/modeslotdialog.h"
#include "dialogs/savechannelname.h"
#include "dialogs/sideids.h"
#include "sidedialogfixture.h"

namespace {

class NameInputTest : public SideDialogTest {
  public:
    void SetClipboard(const std::string& text) { app.GetBackend().SetClipboardText(text); }
    void Focus(ui::Edit& edit) {
        Settle();
        edit.SetFocus();
        edit.SetSel(0, -1);
    }
    char names[kModeSlots][kNameLen + 1] = {};
};

TEST_F(NameInputTest, ACompositionIsNoTextUntilCommittedAndItsKeysPressNothing) {
    CSaveModeToDsp d(0, names, nullptr, &app);
    OnModal([&](ui::Dialog& w) {
        Focus(d.NameEdit());
        hl.Compose("zhong");
        Settle();
        EXPECT_EQ(d.NameEdit().GetWindowText(), "");
        EXPECT_EQ(d.NameEdit().Composition(), U"zhong");
        w.Render();  // drawn at the caret
        // The Enter that picks a candidate goes to the input method, not to OK.
        hl.KeyPress(ui::VK_RETURN);
        hl.KeyPress(ui::VK_BACK);
        Settle();
        EXPECT_FALSE(w.IsEnded());
        hl.Commit("中文");
        Settle();
        EXPECT_EQ(d.NameEdit().GetWindowText(), "中文");
        EXPECT_TRUE(d.NameEdit().Composition().empty());
        hl.KeyPress(ui::VK_RETURN);
    });
    ASSERT_EQ(d.DoModal(), ui::IDOK);
    std::string name;
    d.GetName(name);
    EXPECT_EQ(name, "中文");
}

TEST_F(NameInputTest, PastTheTenCharacterLimitACommitOrAPasteKeepsWhatFits) {
    struct Case {
        const char* name;
        const char* typed;
        std::function<void(NameInputTest&)> input;
        std::string result;
    } cases[] = {
        {"commit", "abcdefgh", [](NameInputTest& t) { t.hl.Commit("中文字符"); }, "abcdefgh中文"},
        {"paste", "", [](NameInputTest& t) { t.SetClipboard("0123456789ABC"), t.hl.KeyPress('V', ui::kModControl); },
         "0123456789"},
        {"Shift+Insert", "ab", [](NameInputTest& t) {
             t.SetClipboard("一二三四五六七八九十"), t.hl.KeyPress(ui::VK_INSERT, ui::kModShift);
         }, "ab一二三四五六七八"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CSaveModeToDsp d(0, names, nullptr, &app);
        OnModal([&](ui::Dialog&) {
            Focus(d.NameEdit());
            hl.Type(c.typed);
            c.input(*this);
            Settle();
            EXPECT_EQ(d.NameEdit().GetWindowText(), c.result);
            hl.KeyPress(ui::VK_ESCAPE);
        });
        d.DoModal();
    }
}

TEST_F(NameInputTest, APasteStopsAtItsLineBreak) {
    CSaveChannelName d(2, "", nullptr, &app);
    SetClipboard("Left door\r\nRight door");
    OnModal([&](ui::Dialog&) {
        Settle();
        hl.KeyPress('V', ui::kModControl);
        hl.KeyPress(ui::VK_RETURN);
    });
    ASSERT_EQ(d.DoModal(), ui::IDOK);
    std::string name;
    d.GetNewName(name);
    EXPECT_EQ(name, "Left door");
}

TEST_F(NameInputTest, AReadOnlyEditTakesNothing) {
    std::strcpy(names[0], "Club");
    CImportModeDsp d(0, names, nullptr, &app);
    SetClipboard("Other");
    OnModal([&](ui::Dialog&) {
        Focus(d.NameEdit());
        hl.Compose("zhong");
        Settle();
        EXPECT_TRUE(d.NameEdit().Composition().empty());
        hl.Commit("中");
        hl.KeyPress('V', ui::kModControl);
        hl.KeyPress('X', ui::kModControl);
        Settle();
        EXPECT_EQ(d.NameEdit().GetWindowText(), "Club");
        hl.KeyPress(ui::VK_ESCAPE);
    });
    d.DoModal();
}

// The input method's candidate window goes to the caret of 1238, in the dialog's coordinates, and is set
// again when the caret or the dialog moves; a read-only edit with the focus sets nothing.
TEST_F(NameInputTest, TheCandidateWindowFollowsTheCaretOfTheNewName) {
    CSaveChannelName d(2, "", nullptr, &app);
    OnModal([&](ui::Dialog& w) {
        Settle();
        ui::Edit& edit = d.NewNameEdit();
        ASSERT_TRUE(edit.HasFocus());
        const ui::HeadlessNative* native = nullptr;
        for (const auto& n : hl.Natives()) {
            if (n->window == w.Handle()) native = n.get();
        }
        ASSERT_NE(native, nullptr);
        const std::vector<gfx::Rect>& rects = native->text_input_rects;
        ASSERT_FALSE(rects.empty());
        const gfx::Rect empty = rects.back();
        const gfx::Rect dialog = w.GetWindowRect(), box = edit.GetWindowRect();
        const gfx::Rect inDialog = box.Offset(-dialog.left, -dialog.top);
        EXPECT_EQ(empty.Width(), 1);
        EXPECT_GT(empty.Height(), 0);
        EXPECT_GT(empty.left, inDialog.left);
        EXPECT_LT(empty.left, inDialog.left + 8) << "an empty edit has its caret at its left";
        EXPECT_GE(empty.top, inDialog.top);
        EXPECT_LE(empty.bottom, inDialog.bottom);

        hl.Type("ab");
        Settle();
        const gfx::Rect afterAb = rects.back();
        EXPECT_GT(afterAb.left, empty.left);
        EXPECT_EQ(afterAb.Offset(empty.left - afterAb.left, 0), empty) << "it moves along the line only";
        // A composition starts at the caret, so the candidates stay where they are while it grows.
        const std::size_t beforeComposing = rects.size();
        hl.Compose("zhong");
        hl.Compose("zhongwen");
        Settle();
        EXPECT_EQ(rects.size(), beforeComposing);
        hl.Commit("中");
        Settle();
        EXPECT_GT(rects.back().left, afterAb.left);
        hl.KeyPress(ui::VK_LEFT);
        Settle();
        EXPECT_EQ(rects.back(), afterAb);
        hl.KeyPress(ui::VK_HOME);
        Settle();
        EXPECT_EQ(rects.back(), empty);

        // The dialog moves: set again, the same in its coordinates; nothing new while nothing moves.
        const std::size_t beforeMove = rects.size();
        w.MoveWindow(dialog.Offset(30, 20));
        Settle();
        ASSERT_EQ(rects.size(), beforeMove + 1);
        EXPECT_EQ(rects.back(), empty);
        Settle();
        EXPECT_EQ(rects.size(), beforeMove + 1);

        // The read-only current name takes no text; back in 1238 the caret is set again.
        d.GetDlgItem(IDC_NAME_EDIT)->SetFocus();
        Settle();
        EXPECT_EQ(rects.size(), beforeMove + 1);
        edit.SetFocus();
        Settle();
        ASSERT_EQ(rects.size(), beforeMove + 2);
        EXPECT_EQ(rects.back(), empty);
        hl.KeyPress(ui::VK_END);
        Settle();
        EXPECT_GT(rects.back().left, afterAb.left);
        hl.KeyPress(ui::VK_ESCAPE);
    });
    d.DoModal();
}

// Text input is on while 1238 has the focus, off on the read-only current name and once the dialog is gone.
TEST_F(NameInputTest, TextInputIsOnOnlyInTheNewName) {
    CSaveChannelName d(2, "Left", nullptr, &app);
    OnModal([&](ui::Dialog&) {
        Settle();
        EXPECT_TRUE(d.NewNameEdit().HasFocus());
        EXPECT_TRUE(hl.TextInputEnabled());
        d.GetDlgItem(IDC_NAME_EDIT)->SetFocus();
        EXPECT_FALSE(hl.TextInputEnabled());
        d.NewNameEdit().SetFocus();
        EXPECT_TRUE(hl.TextInputEnabled());
        hl.Type("Door");
        hl.KeyPress(ui::VK_RETURN);
    });
    ASSERT_EQ(d.DoModal(), ui::IDOK);
    std::string name;
    d.GetNewName(name);
    EXPECT_EQ(name, "Door");
    EXPECT_FALSE(hl.TextInputEnabled());
}

}  // namespace
