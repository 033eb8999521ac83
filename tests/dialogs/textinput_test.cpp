// Names typed through an input method and pasted, in the slot name (1237) and the new channel name (1238).
#include <cstring>
#include <string>

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

}  // namespace
