// The drop-down list combo box: selection from code, opening, following the mouse, picking, keys, owner draw.
#include "platform/ui/combobox.h"
#include "platform/ui/listbox.h"
#include "ui_controls_fixture.h"

namespace ui::testing {
namespace {

class ComboTest : public ControlTest {
  protected:
    ComboTest() : combo(&app) {
        combo.Create(&parent, 1534, gfx::RectFromSize(20, 20, 120, 100), "", WS_VISIBLE | WS_TABSTOP);
        for (const char* s : {"Auto", "Chinese", "English"}) combo.AddString(s);
        hl.RunPending();
    }
    // The screen point in the middle of list item i of the open list.
    gfx::Point ItemPoint(int i) {
        ListBox* list = combo.GetDropList();
        EXPECT_NE(list, nullptr);
        if (!list) return {};
        const gfx::Rect r = list->GetItemRect(i);
        return list->ClientToScreen({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    }
    ComboBox combo;
};

TEST_F(ComboTest, TheWindowIsTheFieldsHeightAndSetItemHeightMinusOneChangesIt) {
    EXPECT_LT(combo.RectInParent().Height(), 100);
    EXPECT_TRUE(combo.SetItemHeight(-1, 18));
    EXPECT_EQ(combo.RectInParent().Height(), 24);
    EXPECT_EQ(combo.GetItemHeight(-1), 18);
    EXPECT_FALSE(combo.SetItemHeight(-1, 0));
}

TEST_F(ComboTest, ASelectionFromCodeRaisesNoNoticeAndOutOfRangeClearsIt) {
    EXPECT_EQ(combo.GetCurSel(), -1);
    EXPECT_EQ(combo.SetCurSel(2), 2);
    EXPECT_EQ(combo.GetCurSel(), 2);
    EXPECT_EQ(combo.SetCurSel(3), -1);
    EXPECT_EQ(combo.GetCurSel(), -1);
    combo.SetCurSel(1);
    EXPECT_EQ(combo.SetCurSel(-1), -1);
    EXPECT_EQ(combo.GetCurSel(), -1);
    combo.SetCurSel(-7);
    EXPECT_EQ(combo.GetCurSel(), -1);
    PaintAll();  // a face without a selection paints safely
    hl.RunPending();
    EXPECT_TRUE(parent.log.empty());
}

TEST_F(ComboTest, APressOpensTheListAndAPickRaisesOneSelectionChange) {
    combo.SetCurSel(0);
    hl.ClickWindow(combo);
    hl.RunPending();
    ASSERT_TRUE(combo.GetDroppedState());
    EXPECT_TRUE(combo.HasFocus());
    EXPECT_EQ(combo.GetDropList()->GetCurSel(), 0);
    parent.Take();
    hl.MouseMove(ItemPoint(1));
    hl.MouseMove(ItemPoint(2));
    hl.RunPending();
    EXPECT_EQ(combo.GetDropList()->GetCurSel(), 2);  // the list follows the mouse
    EXPECT_EQ(combo.GetCurSel(), 0);                 // the combo's selection waits for the pick
    EXPECT_TRUE(parent.log.empty());
    hl.Click(ItemPoint(2));
    hl.RunPending();
    EXPECT_FALSE(combo.GetDroppedState());
    EXPECT_EQ(combo.GetCurSel(), 2);
    EXPECT_EQ(parent.Count("COMMAND 1534 1"), 1);  // CBN_SELCHANGE
    EXPECT_EQ(parent.log.front(), "COMMAND 1534 1");
}

TEST_F(ComboTest, PressingAndDraggingOntoAnItemPicksItAtTheRelease) {
    hl.MouseDown(hl.ScreenPointOf(combo));
    hl.RunPending();
    ASSERT_TRUE(combo.GetDroppedState());
    const gfx::Point p = ItemPoint(1);
    hl.MouseMove(p);
    hl.MouseUp(p);
    hl.RunPending();
    EXPECT_EQ(combo.GetCurSel(), 1);
    EXPECT_EQ(parent.Count("COMMAND 1534 1"), 1);
}

TEST_F(ComboTest, PickingTheSelectedItemAgainStillNotifies) {
    combo.SetCurSel(1);
    hl.ClickWindow(combo);
    hl.RunPending();
    hl.Click(ItemPoint(1));
    hl.RunPending();
    EXPECT_EQ(parent.Count("COMMAND 1534 1"), 1);
}

TEST_F(ComboTest, APressOutsideEscapeOrTheLossOfFocusClosesWithoutAChange) {
    combo.SetCurSel(0);
    hl.ClickWindow(combo);
    hl.RunPending();
    hl.MouseMove(ItemPoint(2));
    hl.Click(hl.ScreenPointOf(top, gfx::Point{390, 290}));
    hl.RunPending();
    EXPECT_FALSE(combo.GetDroppedState());
    hl.ClickWindow(combo);
    hl.KeyPress(VK_ESCAPE);
    hl.RunPending();
    EXPECT_FALSE(combo.GetDroppedState());
    hl.ClickWindow(combo);
    hl.RunPending();
    parent.SetFocus();
    hl.RunPending();
    EXPECT_FALSE(combo.GetDroppedState());
    EXPECT_EQ(combo.GetCurSel(), 0);
    EXPECT_EQ(parent.Count("COMMAND 1534 1"), 0);
}

TEST_F(ComboTest, KeysOnTheClosedComboChangeTheSelectionWithANotice) {
    combo.SetFocus();
    hl.KeyPress(VK_DOWN);
    hl.KeyPress(VK_DOWN);
    hl.KeyPress(VK_DOWN);
    hl.KeyPress(VK_DOWN);  // at the end: nothing
    hl.RunPending();
    EXPECT_EQ(combo.GetCurSel(), 2);
    EXPECT_EQ(parent.Count("COMMAND 1534 1"), 3);
}

TEST_F(ComboTest, EnterPicksTheItemShownSelectedInTheOpenList) {
    combo.SetCurSel(0);
    combo.SetFocus();
    hl.KeyPress(VK_F4);
    hl.KeyPress(VK_DOWN);
    hl.RunPending();
    EXPECT_EQ(combo.GetCurSel(), 0);
    hl.KeyPress(VK_RETURN);
    hl.RunPending();
    EXPECT_EQ(combo.GetCurSel(), 1);
    EXPECT_EQ(parent.Count("COMMAND 1534 1"), 1);
}

TEST_F(ComboTest, TheListOpensAboveTheFieldWhenThereIsNoRoomBelow) {
    ComboBox low(&app);
    low.Create(&parent, 1286, gfx::RectFromSize(20, 260, 120, 100));
    for (int i = 0; i < 8; ++i) low.AddString("item " + std::to_string(i));
    hl.RunPending();
    hl.ClickWindow(low);
    hl.RunPending();
    ASSERT_NE(low.GetDropList(), nullptr);
    ListBox* list = low.GetDropList();
    EXPECT_LE(list->GetWindowRect().bottom, low.GetWindowRect().top);
    // On top of everything in the window, the combo above it included.
    const gfx::Rect r = list->GetItemRect(7);
    EXPECT_EQ(app.Input().WindowFromPoint(list->ClientToScreen({r.left + 3, r.top + 3})), list);
}

// A combo that finds the item under the pointer while its list paints, as the skinned combo does.
class HoverCombo : public ComboBox {
  public:
    using ComboBox::ComboBox;
    int hovered = -1;

  protected:
    const gfx::Brush* OnCtlColor(gfx::Canvas& canvas, Window* control, int kind) override {
        if (auto* list = dynamic_cast<ListBox*>(control); list && kind == CTLCOLOR_LISTBOX) {
            const gfx::Point p = list->ScreenToClient(GetCursorPos(App()));
            for (int i = 0; i < list->GetCount(); ++i) {
                if (list->GetItemRect(i).Contains(p)) {
                    hovered = i;
                    break;
                }
            }
        }
        return ComboBox::OnCtlColor(canvas, control, kind);
    }
};

TEST_F(ComboTest, TheListsItemRectanglesAndThePointerAreThereForTheColourStep) {
    HoverCombo hover(&app);
    hover.Create(&parent, 1055, gfx::RectFromSize(200, 20, 120, 100));
    for (const char* s : {"Butterworth", "Bessel"}) hover.AddString(s);
    hl.RunPending();
    hl.ClickWindow(hover);
    hl.RunPending();
    ListBox* list = hover.GetDropList();
    ASSERT_NE(list, nullptr);
    const gfx::Rect r = list->GetItemRect(1);
    hl.MouseMove(list->ClientToScreen({r.left + 4, r.top + 2}));
    hl.RunPending();
    EXPECT_EQ(hover.hovered, 1);
}

// A parent that measures and draws the combo's items and answers the list's colour step.
class OwnerParent : public NoticeParent {
  public:
    using NoticeParent::NoticeParent;
    std::vector<std::string> steps;

  protected:
    bool OnMeasureItem(int, MeasureItemStruct& mis) override {
        steps.push_back("measure");
        mis.itemHeight = 30;
        return true;
    }
    bool OnDrawItem(int, DrawItemStruct& dis) override {
        if (dis.itemState & ODS_COMBOBOXEDIT) return true;
        steps.push_back("draw " + std::to_string(dis.itemID) +
                        ((dis.itemState & ODS_SELECTED) ? " sel" : "") + " h" +
                        std::to_string(dis.rcItem.Height()));
        return true;
    }
    const gfx::Brush* OnCtlColor(gfx::Canvas& canvas, Window* control, int kind) override {
        if (kind != CTLCOLOR_LISTBOX) return NoticeParent::OnCtlColor(canvas, control, kind);
        steps.push_back("color");
        return &brush_;
    }

  private:
    gfx::Brush brush_ = gfx::Brush::Solid(gfx::Rgb(33, 44, 61));
};

TEST_F(ComboTest, OwnerDrawnItemsAreMeasuredAndDrawnAfterTheColourStepAndFollowTheMouse) {
    OwnerParent owner(&app);
    owner.Create(&top, 2, gfx::RectFromSize(0, 0, 400, 300));
    owner.BringWindowToTop();
    ComboBox drawn(&app);
    drawn.SetControlStyle(res::kOwnerDrawList);
    drawn.Create(&owner, 1056, gfx::RectFromSize(20, 20, 120, 100));
    for (const char* s : {"6dB/Oct", "12dB/Oct", "18dB/Oct"}) drawn.AddString(s);
    drawn.SetCurSel(0);
    hl.RunPending();
    owner.steps.clear();
    hl.ClickWindow(drawn);
    hl.RunPending();
    ASSERT_NE(drawn.GetDropList(), nullptr);
    EXPECT_EQ(owner.steps,
              (std::vector<std::string>{"measure", "color", "draw 0 sel h30", "draw 1 h30", "draw 2 h30"}));
    owner.steps.clear();
    ListBox* list = drawn.GetDropList();
    const gfx::Rect r = list->GetItemRect(1);
    hl.MouseMove(list->ClientToScreen({r.left + 5, r.top + 5}));
    hl.RunPending();
    // The old and the new item are repainted, after the colour step.
    EXPECT_EQ(owner.steps, (std::vector<std::string>{"color", "draw 0 h30", "draw 1 sel h30"}));
}

}  // namespace
}  // namespace ui::testing
