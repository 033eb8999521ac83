// Dialogs built from templates: sizes, binding member controls, Enter and Esc, Tab, the first focus, the
// colour step per kind, dragging by the client area, and a picture of a dialog holding every control.
#include <cstdlib>

#include "platform/res/dialogunits.h"
#include "platform/ui/button.h"
#include "platform/ui/combobox.h"
#include "platform/ui/edit.h"
#include "platform/ui/listbox.h"
#include "platform/ui/picture.h"
#include "platform/ui/progressbar.h"
#include "platform/ui/templatedialog.h"
#include "platform/ui/trackbar.h"
#include "ui_controls_fixture.h"

namespace ui::testing {
namespace {

using res::ItemKind;

res::DialogTemplate EveryControl() {
    return res::DialogTemplate(
        304, res::DialogFont("MS Shell Dlg", 8), {245, 150}, "Every control", 0,
        {
            {1759, ItemKind::kStatic, {11, 6, 53, 14}, 0, {"Setup", "设  置"}},
            {1001,
             ItemKind::kEdit,
             {60, 20, 120, 32},
             res::kTabStop | res::kBorder | res::kTextCenter,
             "1000"},
            {1002,
             ItemKind::kEdit,
             {130, 20, 190, 32},
             res::kTabStop | res::kBorder | res::kReadOnly,
             "name"},
            {1534, ItemKind::kCombo, {11, 38, 81, 98}, res::kTabStop},
            {1060, ItemKind::kOwnerDrawButton, {90, 38, 130, 52}, 0, "非静音"},
            {1200, ItemKind::kTrackBar, {205, 6, 225, 100}, res::kVertical | res::kNoTicks},
            {1300, ItemKind::kTrackBar, {11, 58, 130, 72}, res::kNoTicks | res::kTabStop},
            {1252, ItemKind::kProgress, {11, 78, 130, 88}},
            {1500, ItemKind::kList, {140, 58, 200, 100}, res::kBorder | res::kNotify | res::kTabStop},
            {1266, ItemKind::kPicture, {140, 38, 170, 52}},
            {1822, ItemKind::kStatic, {11, 94, 100, 104}, res::kNotify, "VLT 305 C/HNO 2207 E"},
            {1, ItemKind::kButton, {60, 120, 110, 134}, res::kTabStop | res::kDefaultButton, {"OK", "确定"}},
            {2, ItemKind::kButton, {120, 120, 170, 134}, res::kTabStop, {"Cancel", "取消"}},
        });
}

// A dialog whose steps a test sets.
class TestDialog : public TemplateDialog {
  public:
    TestDialog(Application* app, res::DialogTemplate t) : TemplateDialog(std::move(t), nullptr, app) {}
    std::function<bool(TestDialog&)> init;
    std::function<bool(int id)> command;
    bool ignore_enter_and_esc = false;
    bool drag_by_client = false;
    std::vector<std::pair<int, int>> colors;  // (control id, kind)
    std::vector<int> drawn;

  protected:
    bool OnInitDialog() override { return init ? init(*this) : true; }
    bool OnCommand(int id, unsigned, Window*) override { return command && command(id); }
    void OnOK() override {
        if (!ignore_enter_and_esc) TemplateDialog::OnOK();
    }
    void OnCancel() override {
        if (!ignore_enter_and_esc) TemplateDialog::OnCancel();
    }
    LRESULT OnNcHitTest(gfx::Point p) override {
        const LRESULT hit = TemplateDialog::OnNcHitTest(p);
        return drag_by_client && hit == HTCLIENT ? LRESULT{HTCAPTION} : hit;
    }
    const gfx::Brush* OnCtlColor(gfx::Canvas& canvas, Window* control, int kind) override {
        colors.emplace_back(control ? control->GetDlgCtrlID() : 0, kind);
        if (kind == CTLCOLOR_DLG) return &dialog_brush_;
        if (kind == CTLCOLOR_EDIT || kind == CTLCOLOR_LISTBOX) {
            canvas.SetTextColor(gfx::Rgb(255, 255, 255));
            canvas.SetBkColor(gfx::Rgb(33, 44, 61));
            return &edit_brush_;
        }
        canvas.SetTextColor(gfx::Rgb(254, 254, 254));
        canvas.SetBkMode(gfx::BkMode::kTransparent);
        return NullBrush();
    }
    bool OnDrawItem(int id, DrawItemStruct& dis) override {
        drawn.push_back(id);
        if (dis.CtlType == ODT_BUTTON) {
            const bool pushed = (dis.itemState & ODS_SELECTED) != 0;
            dis.canvas->FillRect(dis.rcItem, pushed ? gfx::Rgb(40, 120, 220) : gfx::Rgb(70, 80, 95));
            dis.canvas->DrawText(GetDlgItemText(id), dis.rcItem, dis.canvas->CurrentFont(),
                                 dis.canvas->TextColor(),
                                 gfx::kTextCenter | gfx::kTextVCenter | gfx::kTextSingleLine);
        }
        return TemplateDialog::OnDrawItem(id, dis);
    }

  private:
    gfx::Brush dialog_brush_ = gfx::Brush::Solid(gfx::Rgb(0x21, 0x2C, 0x3D));
    gfx::Brush edit_brush_ = gfx::Brush::Solid(gfx::Rgb(33, 44, 61));
};

// A program edit class bound to an item: counts the Enter key its pre-translate step sees.
class CommitEdit : public Edit {
  public:
    using Edit::Edit;
    int enters = 0;
    bool PreTranslateMessage(MSG& msg) override {
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN) ++enters;
        return false;
    }
};

using TemplateDialogTest = UiTest;

TEST_F(TemplateDialogTest, TheWindowAndItsItemsTakeTheTemplatesSizesInPixels) {
    TestDialog dlg(&app, EveryControl());
    app.SetModalObserver([&](Window&) {
        EXPECT_EQ(dlg.GetClientRect(), gfx::RectFromSize(0, 0, 368, 244));
        const res::DialogTemplate& t = *dlg.Template();
        EXPECT_EQ(dlg.GetDlgItem(1001)->RectInParent(), res::ItemPixelRect(t, *t.Item(1001), 96));
        EXPECT_EQ(dlg.GetDlgItemText(1759), "Setup");
        EXPECT_EQ(dlg.GetDlgItem(1001)->GetFont().height, -11);  // 8 pt at 96 DPI
        dlg.EndDialog(IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

TEST_F(TemplateDialogTest, APixelTemplateKeepsItsRectanglesAtAnyDpi) {
    hl.SetDpi(144);
    TestDialog dlg(&app, res::DialogTemplate(9, res::DialogFont(), {300, 200}, "", res::kPixels,
                                             {{1264, ItemKind::kPicture, {10, 20, 76, 49}}}));
    app.SetModalObserver([&](Window&) {
        EXPECT_EQ(dlg.GetClientRect(), gfx::RectFromSize(0, 0, 300, 200));
        EXPECT_EQ(dlg.GetDlgItem(1264)->RectInParent(), (gfx::Rect{10, 20, 76, 49}));
        dlg.EndDialog(IDOK);
    });
    dlg.DoModal();
}

TEST_F(TemplateDialogTest, AMemberComboClosedWithTheDialogWhileOpenOpensAgainNextTime) {
    for (int run = 0; run < 2; ++run) {
        TestDialog dlg(&app, EveryControl());
        ComboBox combo(&app);
        ASSERT_TRUE(dlg.BindItem(1534, combo));
        combo.AddString("one");
        app.SetModalObserver([&](Window&) {
            hl.ClickWindow(combo);
            hl.RunPending();
            EXPECT_TRUE(combo.GetDroppedState());
            dlg.EndDialog(IDOK);
        });
        dlg.DoModal();
        EXPECT_FALSE(combo.GetDroppedState());
    }
}

TEST_F(TemplateDialogTest, AnUnknownTemplateGivesMinusOne) {
    TemplateDialog dlg(987654, nullptr, &app);
    EXPECT_EQ(dlg.DoModal(), -1);
}

struct KeyEnd {
    unsigned vk;
    bool ignore;
    int result;  // 0: still open
};

TEST_F(TemplateDialogTest, EnterReachesOkAndEscapeCancelUnlessTheDialogIgnoresThem) {
    for (const KeyEnd& c : {KeyEnd{VK_RETURN, false, IDOK}, KeyEnd{VK_ESCAPE, false, IDCANCEL},
                            KeyEnd{VK_RETURN, true, 0}, KeyEnd{VK_ESCAPE, true, 0}}) {
        TestDialog dlg(&app, EveryControl());
        CommitEdit edit(&app);
        ASSERT_TRUE(dlg.BindItem(1001, edit));
        dlg.ignore_enter_and_esc = c.ignore;
        std::vector<int> commands;
        dlg.command = [&](int id) {
            if (id == IDOK || id == IDCANCEL) commands.push_back(id);
            return false;
        };
        app.SetModalObserver([&](Window&) {
            EXPECT_TRUE(edit.HasFocus());
            hl.KeyPress(c.vk);
            hl.RunPending();
            EXPECT_EQ(dlg.IsEnded(), c.result != 0);
            if (!dlg.IsEnded()) dlg.EndDialog(0);
        });
        EXPECT_EQ(dlg.DoModal(), c.result);
        EXPECT_EQ(commands, (std::vector<int>{c.vk == VK_RETURN ? IDOK : IDCANCEL}));
        EXPECT_EQ(edit.enters, c.vk == VK_RETURN ? 1 : 0) << "the edit's pre-translate step saw Enter first";
    }
}

TEST_F(TemplateDialogTest, TabMovesThroughTheTabStopsAndSelectsAnEditsText) {
    TestDialog dlg(&app, EveryControl());
    std::vector<int> order;
    app.SetModalObserver([&](Window&) {
        for (int i = 0; i < 8; ++i) {
            order.push_back(app.GetFocus() ? app.GetFocus()->GetDlgCtrlID() : 0);
            hl.KeyPress(VK_TAB);
            hl.RunPending();
        }
        auto* edit = static_cast<Edit*>(dlg.GetDlgItem(1001));
        int s, e;
        edit->GetSel(s, e);
        EXPECT_EQ(std::make_pair(s, e), std::make_pair(0, 4));
        dlg.EndDialog(IDOK);
    });
    dlg.DoModal();
    EXPECT_EQ(order, (std::vector<int>{1001, 1002, 1534, 1300, 1500, 1, 2, 1001}));
}

TEST_F(TemplateDialogTest, AnInitialisationThatSetsTheFocusItselfKeepsIt) {
    TestDialog dlg(&app, EveryControl());
    dlg.init = [](TestDialog& d) {
        d.GetDlgItem(1500)->SetFocus();
        return false;
    };
    app.SetModalObserver([&](Window&) {
        EXPECT_EQ(app.GetFocus(), dlg.GetDlgItem(1500));
        dlg.EndDialog(IDOK);
    });
    dlg.DoModal();
}

TEST_F(TemplateDialogTest, BoundAndSubclassedMembersBecomeTheItemsInTheirPlace) {
    TestDialog dlg(&app, EveryControl());
    CommitEdit bound(&app), late(&app);
    ComboBox wrong_kind(&app);
    EXPECT_FALSE(dlg.BindItem(1001, wrong_kind));
    EXPECT_FALSE(dlg.BindItem(4242, bound));
    EXPECT_TRUE(dlg.BindItem(1001, bound));
    dlg.init = [&](TestDialog& d) {
        EXPECT_TRUE(d.SubclassDlgItem(1002, late));
        EXPECT_FALSE(d.SubclassDlgItem(1002, late));
        return true;
    };
    app.SetModalObserver([&](Window&) {
        EXPECT_EQ(dlg.GetDlgItem(1001), &bound);
        EXPECT_EQ(dlg.GetDlgItem(1002), &late);
        EXPECT_EQ(late.GetWindowText(), "name");
        EXPECT_TRUE(late.IsReadOnly());
        const auto& kids = dlg.Children();
        EXPECT_EQ(kids[2], &late) << "the replacement keeps the item's place in the z-order and tab order";
        dlg.EndDialog(IDOK);
    });
    dlg.DoModal();
    EXPECT_FALSE(bound.IsCreated());
}

TEST_F(TemplateDialogTest, EachControlAsksTheColourStepWithItsKind) {
    TestDialog dlg(&app, EveryControl());
    app.SetModalObserver([&](Window&) {
        dlg.GetDlgItem(1534)->SendMessage(CB_SETCURSEL, 0);
        static_cast<ComboBox*>(dlg.GetDlgItem(1534))->AddString("x");
        dlg.colors.clear();
        dlg.Invalidate();
        hl.RunPending();
        dlg.EndDialog(IDOK);
    });
    dlg.DoModal();
    const auto asked = [&](int id, int kind) {
        return std::count(dlg.colors.begin(), dlg.colors.end(), std::make_pair(id, kind)) > 0;
    };
    EXPECT_TRUE(asked(0, CTLCOLOR_DLG) || asked(304, CTLCOLOR_DLG));
    EXPECT_TRUE(asked(1001, CTLCOLOR_EDIT));
    EXPECT_TRUE(asked(1002, CTLCOLOR_STATIC));  // read-only
    EXPECT_TRUE(asked(1759, CTLCOLOR_STATIC));
    EXPECT_TRUE(asked(1060, CTLCOLOR_BTN));
    EXPECT_TRUE(asked(1, CTLCOLOR_BTN));
    EXPECT_TRUE(asked(1200, CTLCOLOR_STATIC));  // track bars ask as statics
    EXPECT_TRUE(asked(1500, CTLCOLOR_LISTBOX));
    EXPECT_TRUE(asked(1534, CTLCOLOR_EDIT));
    EXPECT_EQ(std::count(dlg.drawn.begin(), dlg.drawn.end(), 1060), 1);
}

TEST_F(TemplateDialogTest, PressingALabelOrTheBackgroundDragsTheDialogButAButtonDoesNot) {
    TestDialog dlg(&app, EveryControl());
    dlg.drag_by_client = true;
    app.SetModalObserver([&](Window&) {
        const gfx::Rect start = dlg.GetWindowRect();
        const gfx::Point label = hl.ScreenPointOf(*dlg.GetDlgItem(1759));
        hl.MouseDown(label);
        hl.MouseMove({label.x + 30, label.y + 20});
        hl.MouseUp({label.x + 30, label.y + 20});
        hl.RunPending();
        EXPECT_EQ(dlg.GetWindowRect(), start.Offset(30, 20));
        const gfx::Rect moved = dlg.GetWindowRect();
        const gfx::Point ok = hl.ScreenPointOf(*dlg.GetDlgItem(1));
        hl.MouseDown(ok);
        hl.MouseMove({ok.x + 30, ok.y + 20});
        hl.MouseUp({ok.x + 30, ok.y + 20});
        hl.RunPending();
        EXPECT_EQ(dlg.GetWindowRect(), moved);
        if (!dlg.IsEnded()) dlg.EndDialog(IDCANCEL);
    });
    dlg.DoModal();
}

TEST_F(TemplateDialogTest, APictureOfADialogHoldingEveryControl) {
    TestDialog dlg(&app, EveryControl());
    hl.SetDpi(120);
    app.SetModalObserver([&](Window&) {
        auto* combo = static_cast<ComboBox*>(dlg.GetDlgItem(1534));
        for (const char* s : {"Auto", "Chinese", "English"}) combo->AddString(s);
        combo->SetCurSel(2);
        static_cast<TrackBar*>(dlg.GetDlgItem(1200))->SetRange(0, 60);
        static_cast<TrackBar*>(dlg.GetDlgItem(1200))->SetPos(20);
        static_cast<TrackBar*>(dlg.GetDlgItem(1300))->SetPos(70);
        static_cast<ProgressBar*>(dlg.GetDlgItem(1252))->SetPos(40);
        auto* list = static_cast<ListBox*>(dlg.GetDlgItem(1500));
        for (const char* s :
             {"scene1.txt", "scene2.txt", "设置.txt", "long-name-of-a-file.txt", "e.txt", "f.txt"})
            list->AddString(s);
        list->SetCurSel(1);
        gfx::Bitmap bmp(4, 4);
        {
            gfx::Canvas c(bmp);
            c.FillRect({0, 0, 4, 4}, gfx::Rgb(200, 60, 60));
            c.FillRect({1, 1, 3, 3}, gfx::Rgb(60, 200, 60));
        }
        static_cast<Picture*>(dlg.GetDlgItem(1266))->SetBitmap(bmp);
        hl.ClickWindow(*combo);
        hl.RunPending();
        const gfx::Bitmap shot = dlg.Render();
        const gfx::Rect lr = list->RectInParent();
        EXPECT_EQ(shot.PixelAt(lr.left + 80, lr.top + 4), gfx::Rgb(33, 44, 61)) << "the list's colour step";
        EXPECT_EQ(shot.Width(), res::TemplatePixelSize(*dlg.Template(), 120).cx);
        if (const char* path = std::getenv("DSP_UI_PICTURE")) shot.SavePng(path);
        dlg.EndDialog(IDOK);
    });
    dlg.DoModal();
}

}  // namespace
}  // namespace ui::testing
