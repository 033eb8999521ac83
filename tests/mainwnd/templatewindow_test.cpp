// The templates as our layer builds them: template 102 makes the skin-sized window with each control of its
// kind and state where the layout expects it; template 100 makes the unskinned About box.
#include <gtest/gtest.h>

#include "mainwnd/aboutdlgtemplate.h"
#include "mainwnd/quenbarids.h"
#include "mainwnd/quenbartemplate.h"
#include "mainwnd/routingids.h"
#include "platform/res/dialogtable.h"
#include "platform/res/dialogunits.h"
#include "platform/ui/button.h"
#include "platform/ui/combobox.h"
#include "platform/ui/edit.h"
#include "platform/ui/templatedialog.h"
#include "platform/ui/trackbar.h"
#include "platform/ui_fixture.h"

namespace ui::testing {
namespace {

using TemplateWindowTest = UiTest;

// Runs the dialog of template t and hands it to check while it is open.
void WhileOpen(Application& app, res::DialogTemplate t, const std::function<void(TemplateDialog&)>& check) {
    TemplateDialog dlg(std::move(t), nullptr, &app);
    app.SetModalObserver([&](Window&) {
        check(dlg);
        dlg.EndDialog(IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

TEST_F(TemplateWindowTest, TheMainTemplateMakesTheSkinSizedWindowWithEveryControl) {
    for (int lang : {sys::kLangEnglish, sys::kLangChinese}) {
        WhileOpen(app, mainwnd::MakeQuenbarTemplate(lang), [&](TemplateDialog& dlg) {
            SCOPED_TRACE(lang);
            EXPECT_EQ(dlg.GetClientRect(), gfx::RectFromSize(0, 0, 1272, 676));
            EXPECT_EQ(dlg.Children().size(), 906u);
            for (int c = 0; c < kChannels; ++c) {
                for (int j = 0; j < kInputs; ++j) {
                    auto* cell = dynamic_cast<Button*>(dlg.GetDlgItem(g_RoutingButtonIds[c][j]));
                    ASSERT_NE(cell, nullptr);
                    EXPECT_TRUE(cell->IsWindowVisible() && cell->IsWindowEnabled());
                    EXPECT_TRUE(cell->Style() & WS_TABSTOP);
                    EXPECT_TRUE(dlg.GetDlgItem(g_InputLabelIds[c][j])->IsWindowVisible());
                }
            }
            for (int k = 0; k < kBands; ++k) {
                EXPECT_NE(dynamic_cast<Edit*>(dlg.GetDlgItem(g_BandQEditIds[k])), nullptr);
                EXPECT_FALSE(dlg.GetDlgItem(g_BandFreqEditIds[k])->Style() & WS_TABSTOP);
                EXPECT_NE(dynamic_cast<TrackBar*>(dlg.GetDlgItem(g_BandSliderIds[k])), nullptr);
            }
            EXPECT_NE(dynamic_cast<ComboBox*>(dlg.GetDlgItem(IDC_COMBO_HP_SLOPE)), nullptr);
            EXPECT_FALSE(dlg.GetDlgItem(IDC_EXPORT_MCU)->IsWindowVisible());
            EXPECT_FALSE(dlg.GetDlgItem(IDC_FILTER_SETUP)->IsWindowEnabled());
            EXPECT_FALSE(dlg.GetDlgItem(IDC_STATIC_USB)->IsWindowVisible());
            EXPECT_TRUE(dlg.GetDlgItem(IDC_STATIC_SOURCE)->IsWindowVisible());
            EXPECT_EQ(dlg.GetDlgItem(IDC_PICTURE_TCP)->IsWindowVisible(), lang == sys::kLangEnglish);
        });
    }
}

// Where the 96 DPI layout puts a control, the template already has it (to a pixel, from the unit grid).
TEST_F(TemplateWindowTest, ControlsStandWhereTheLayoutPutsThemAt96Dpi) {
    struct Case {
        int id;
        gfx::Rect layout;
    } cases[] = {
        {IDC_MASTER_SLIDER, gfx::RectFromSize(1203, 63, 20, 140)},
        {IDC_RESET_ALL, gfx::RectFromSize(1171, 233, 84, 18)},
        {IDC_CLOSE, gfx::RectFromSize(1210, 2, 46, 30)},
        {g_BandFreqEditIds[30], gfx::RectFromSize(157 + 30 * 32, 281, 30, 13)},
        {g_BandSliderIds[0], gfx::RectFromSize(159, 327, 26, 91)},
        {g_ChannelSelectButtonIds[11], gfx::RectFromSize(135 + 11 * 94, 449, 78, 22)},
        {g_DelayEditIds[0], gfx::RectFromSize(165, 617, 48, 16)},
        {g_InputLabelIds[0][1], gfx::RectFromSize(62, 496, 48, 16)},
    };
    WhileOpen(app, mainwnd::MakeQuenbarTemplate(sys::kLangEnglish), [&](TemplateDialog& dlg) {
        for (const Case& c : cases) {
            const gfx::Rect got = dlg.GetDlgItem(c.id)->RectInParent();
            EXPECT_LE(std::abs(got.left - c.layout.left), 1) << c.id;
            EXPECT_LE(std::abs(got.top - c.layout.top), 1) << c.id;
            EXPECT_LE(std::abs(got.Width() - c.layout.Width()), 2) << c.id;
            EXPECT_LE(std::abs(got.Height() - c.layout.Height()), 2) << c.id;
        }
    });
}

TEST_F(TemplateWindowTest, TheAboutBoxIsUnskinnedWithItsTextsPerLanguage) {
    const res::DialogTemplate t = mainwnd::MakeAboutTemplate();
    EXPECT_TRUE(t.flags & res::kCaption) << "the standard dialog look";
    EXPECT_EQ(t.caption.In(sys::kLangEnglish), "About");
    EXPECT_EQ(t.caption.In(sys::kLangChinese), "关于");
    EXPECT_EQ(t.Item(IDOK)->text.In(sys::kLangEnglish), "Cancel");
    EXPECT_EQ(t.Item(IDOK)->text.In(sys::kLangChinese), "退出");
    for (int id : {IDC_ABOUT_APP, IDC_ABOUT_MCU, IDC_ABOUT_MEDIA})
        EXPECT_EQ(t.Item(id)->text.english, "Static");
    EXPECT_EQ(t.Item(IDC_ABOUT_MEDIA_LABEL)->text.english, "MEDIA:");
    EXPECT_TRUE(t.Item(IDC_ABOUT_MEDIA_LABEL)->style & res::kTextRight);
    // The template's positions.
    struct Case {
        int id, x, y;
    } cases[] = {{IDC_ABOUT_APP, 63, 14},
                 {IDC_ABOUT_MCU, 63, 27},
                 {IDC_ABOUT_MEDIA, 63, 40},
                 {IDC_ABOUT_MEDIA_LABEL, 26, 40},
                 {IDOK, 113, 54}};
    for (const Case& c : cases) {
        EXPECT_EQ(t.Item(c.id)->rect.left, c.x) << c.id;
        EXPECT_EQ(t.Item(c.id)->rect.top, c.y) << c.id;
    }
    for (const res::DialogItem& item : t.items) {
        EXPECT_LE(item.rect.right, t.size.cx) << item.id;
        EXPECT_LE(item.rect.bottom, t.size.cy) << item.id;
    }
    // Enter ends the box through its default button.
    TemplateDialog dlg(t, nullptr, &app);
    app.SetModalObserver([&](Window&) {
        EXPECT_EQ(dlg.GetDlgItemText(IDOK), "Cancel");
        EXPECT_TRUE(dlg.GetDlgItem(IDC_ABOUT_MEDIA)->IsWindowVisible());
        hl.KeyPress(VK_RETURN);
        hl.RunPending();
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

TEST(QuenbarTemplates, RegisteredInBothLanguagesInTheTableGiven) {
    res::DialogTable table;
    mainwnd::RegisterQuenbarTemplates(table);
    for (int lang : {sys::kLangEnglish, sys::kLangChinese}) {
        EXPECT_TRUE(table.HasVariant(lang, IDD_QUENBAR_DIALOG));
        EXPECT_TRUE(table.HasVariant(lang, IDD_ABOUTBOX));
    }
    EXPECT_EQ(table.Find(sys::kLangChinese, IDD_QUENBAR_DIALOG)->Item(IDC_PICTURE_TCP)->style & res::kHidden,
              res::kHidden);
    EXPECT_EQ(table.Find(sys::kLangEnglish, IDD_QUENBAR_DIALOG)->Item(IDC_PICTURE_TCP)->style & res::kHidden, 0u);
}

}  // namespace
}  // namespace ui::testing
