// The scene slot dialogs: the slot list, the names as the device holds them (20 GBK bytes, not always
// terminated) and the typed name.
#include <cstring>
#include <string>

#include "dialogs/modeslotdialog.h"
#include "dialogs/sideids.h"
#include "sidedialogfixture.h"

namespace {

class ModeSlotTest : public SideDialogTest {
  protected:
    ModeSlotTest() {
        std::strcpy(names[0], "Club");
        std::strcpy(names[3], "Road trip");
        // Ten two-byte characters fill all 20 bytes, with no terminator inside the field.
        const unsigned char gbk20[20] = {0xD6, 0xD0, 0xCE, 0xC4, 0xD6, 0xD0, 0xCE, 0xC4, 0xD6, 0xD0,
                                         0xCE, 0xC4, 0xD6, 0xD0, 0xCE, 0xC4, 0xD6, 0xD0, 0xCE, 0xC4};
        std::memcpy(names[5], gbk20, 20);
        names[5][20] = 'X';  // past the field: never read
        std::strcpy(names[6], "Twelve chars");
        std::strcpy(names[7], "Seven");
    }
    char names[kModeSlots][kNameLen + 1] = {};
};

TEST_F(ModeSlotTest, OpensOnTheSlotInUseWithItsNameAndSevenItems) {
    struct Case {
        int slot;
        int selection;
        std::string shown;
    } cases[] = {
        {0, 0, "Club"},
        {3, 3, "Road trip"},
        {5, 5, "中文中文中文中文中文"},  // all 20 bytes' worth
        {1, 1, ""},                      // first byte 0
        {7, -1, "Seven"},  // slot 7 is no item: nothing selected
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.slot);
        for (bool save : {true, false}) {
            std::unique_ptr<CModeSlotDialog> d;
            if (save)
                d = std::make_unique<CSaveModeToDsp>(c.slot, names, nullptr, &app);
            else
                d = std::make_unique<CImportModeDsp>(c.slot, names, nullptr, &app);
            OnModal([&](ui::Dialog&) {
                EXPECT_EQ(d->SlotList().GetCount(), 7);
                EXPECT_EQ(d->SlotList().GetLBText(0), "Default");
                EXPECT_EQ(d->SlotList().GetLBText(6), "6");
                EXPECT_EQ(d->SlotList().GetCurSel(), c.selection);
                EXPECT_EQ(d->NameEdit().GetWindowText(), c.shown);
                EXPECT_EQ(d->NameEdit().IsReadOnly(), !save);
                hl.KeyPress(ui::VK_RETURN);
            });
            ASSERT_EQ(d->DoModal(), ui::IDOK);
            EXPECT_EQ(d->GetSlot(), c.slot) << "untouched, the slot it was opened with comes back";
        }
    }
}

TEST_F(ModeSlotTest, APickReplacesTheTypedNameAndTheLastTypedNameComesBack) {
    CSaveModeToDsp d(0, names, nullptr, &app);
    OnModal([&](ui::Dialog&) {
        d.NameEdit().SetFocus();
        d.NameEdit().SetSel(0, -1);
        hl.Type("Typed");
        Settle();
        EXPECT_EQ(d.NameEdit().GetWindowText(), "Typed");
        d.SlotList().SetCurSel(3);
        d.SendMessage(ui::WM_COMMAND, ui::MAKEWPARAM(IDC_SLOT_LIST, ui::CBN_SELCHANGE),
                      ui::LPARAM(&d.SlotList()));
        EXPECT_EQ(d.NameEdit().GetWindowText(), "Road trip");
        d.NameEdit().SetFocus();
        d.NameEdit().SetSel(0, -1);
        hl.Type("A much longer name");  // the edit takes ten characters
        hl.KeyPress(ui::VK_RETURN);
    });
    ASSERT_EQ(d.DoModal(), ui::IDOK);
    EXPECT_EQ(d.GetSlot(), 3);
    std::string name;
    d.GetName(name);
    EXPECT_EQ(name, "A much lon");
}

TEST_F(ModeSlotTest, AStoredNameOverTenCharactersLeftAsItIsShowsTheChineseLimitTwiceAndKeepsTheDialogOpen) {
    CSaveModeToDsp d(6, names, nullptr, &app);
    OnModal([&](ui::Dialog& w) {
        hl.KeyPress(ui::VK_RETURN);
        Settle();
        EXPECT_FALSE(w.IsEnded());
        ASSERT_EQ(boxes.Boxes().size(), 2u);
        EXPECT_EQ(boxes.Boxes()[0].text, "输入的字符请不要多于 10 个。");
        EXPECT_EQ(boxes.Boxes()[1].text, boxes.Boxes()[0].text);
        hl.KeyPress(ui::VK_ESCAPE);
    });
    EXPECT_EQ(d.DoModal(), ui::IDCANCEL);
}

}  // namespace
