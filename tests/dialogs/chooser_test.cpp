// The start-up model chooser and the filter-setup dialog.
#include <string>
#include <vector>

#include "device/channelmodel.h"
#include "device/eqmodel.h"
#include "device/status.h"
#include "dialogs/dialogfiltersetup.h"
#include "dialogs/dialoglogo.h"
#include "dialogs/sidetemplates.h"
#include "res/skin/sidedialogskin.h"
#include "sidedialogfixture.h"

namespace {

class ChooserTest : public SideDialogTest {
  protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }
    static void Reset() {
        g_DeviceIdentified = 0;
        g_DeviceModel = 4;
        g_ModelChosenManually = 0;
    }
};

TEST_F(ChooserTest, ConfirmingSetsTheChosenModelByHand) {
    struct Case {
        const char* name;
        std::function<void(ui::HeadlessBackend&, ui::Dialog&)> choose;
        int model;
    } cases[] = {
        {"Enter key untouched", [](auto& hl, auto&) { hl.KeyPress(ui::VK_RETURN); }, 4},
        {"Enter button untouched", [](auto& hl, auto& w) { hl.ClickItem(w, IDC_LOGO_CONFIRM); }, 4},
        {"VLT 4403 C", [](auto& hl, auto& w) { hl.ClickItem(w, 1823), hl.KeyPress(ui::VK_RETURN); }, 8},
        {"its mark", [](auto& hl, auto& w) { hl.ClickItem(w, 1765), hl.ClickItem(w, IDC_LOGO_CONFIRM); }, 8},
        {"back to VLT 305 C", [](auto& hl, auto& w) {
             hl.ClickItem(w, 1823), hl.ClickItem(w, 1822), hl.KeyPress(ui::VK_RETURN);
         }, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        g_DeviceModel = 1;
        CDialogLogo chooser(&app);
        OnModal([&](ui::Dialog& w) { c.choose(hl, w); });
        EXPECT_EQ(chooser.DoModal(), ui::IDOK);
        EXPECT_EQ(g_DeviceModel.load(), c.model);
        EXPECT_EQ(g_ModelChosenManually.load(), 1);
    }
}

TEST_F(ChooserTest, ShowsTwoOptionsAndIsSizedToItsBandsBackground) {
    struct Case {
        int dpi;
        gfx::Size size;
    } cases[] = {{96, {300, 156}}, {168, {524, 272}}, {192, {600, 312}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dpi);
        SideDialogEnv env(c.dpi);
        CDialogLogo chooser(&env.app);
        env.OnModal([&](ui::Dialog& w) {
            EXPECT_EQ(w.GetClientRect().Width(), c.size.cx);
            EXPECT_EQ(w.GetClientRect().Height(), c.size.cy);
            int shown = 0;
            for (const dialogs::ChooserOption& o : dialogs::kChooserOptions) {
                EXPECT_EQ(w.GetDlgItem(o.mark)->IsWindowVisible(), o.visible) << o.mark;
                EXPECT_EQ(w.GetDlgItem(o.label)->IsWindowVisible(), o.visible) << o.label;
                shown += o.visible;
            }
            EXPECT_EQ(shown, 2);
            w.Render();
            EXPECT_EQ(chooser.LastBitmap(1764), res::sideskin::kMarkChosen[res::DpiBand(c.dpi)]);
            EXPECT_EQ(chooser.LastBitmap(1765), res::sideskin::kMarkNotChosen[res::DpiBand(c.dpi)]);
            env.hl.KeyPress(ui::VK_RETURN);
        });
        chooser.DoModal();
    }
}

TEST_F(ChooserTest, AnIdentifyingDeviceClosesItWithoutAManualChoice) {
    CDialogLogo chooser(&app);
    OnModal([&](ui::Dialog& w) {
        hl.AdvanceClock(20);
        EXPECT_FALSE(w.IsEnded());
        g_DeviceModel = 9;  // what the device reported
        g_DeviceIdentified = 1;
    });
    EXPECT_EQ(chooser.DoModal(), ui::IDOK);
    EXPECT_EQ(g_DeviceModel.load(), 9);
    EXPECT_EQ(g_ModelChosenManually.load(), 0);
    // Already identified when it opens: it closes at its first tick.
    CDialogLogo again(&app);
    const int64_t opened = app.Now();
    EXPECT_EQ(again.DoModal(), ui::IDOK);
    EXPECT_EQ(app.Now() - opened, 5);
}

TEST_F(ChooserTest, ClosingItClosesTheMainWindow) {
    struct Case {
        const char* name;
        std::function<void(ui::HeadlessBackend&, ui::Dialog&)> close;
    } cases[] = {
        {"Esc", [](auto& hl, auto&) { hl.KeyPress(ui::VK_ESCAPE); }},
        {"close button", [](auto& hl, auto& w) { hl.ClickItem(w, ui::IDCANCEL); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        main.requests.clear();
        CDialogLogo chooser(&app);
        OnModal([&](ui::Dialog& w) { c.close(hl, w); });
        EXPECT_EQ(chooser.DoModal(), ui::IDCANCEL);
        EXPECT_EQ(main.Of(ui::WM_CLOSE).size(), 1u);
        EXPECT_EQ(g_ModelChosenManually.load(), 0);
    }
}

class FilterSetupTest : public SideDialogTest {
  protected:
    void SetUp() override { device::ResetEqModel(); }
    void TearDown() override {
        device::ResetEqModel();
        g_CurrentChannel = 0;
    }
};

TEST_F(FilterSetupTest, ShowsTheCurrentChannelAndSendsOneRequestPerListChange) {
    g_CurrentChannel = 3;
    g_HighPassType[3] = 1;
    g_HighPassSlope[3] = 8;
    g_LowPassSlope[3] = 2;
    CDialogFilterSetup d(nullptr, &app);
    OnModal([&](ui::Dialog& w) {
        EXPECT_EQ(d.List(0).GetLBText(d.List(0).GetCurSel()), "Bessel");
        EXPECT_EQ(d.List(1).GetLBText(d.List(1).GetCurSel()), "   OFF");
        EXPECT_EQ(d.List(3).GetCurSel(), 2);
        EXPECT_EQ(d.HighPassEdit().GetWindowText(), "20");
        EXPECT_EQ(d.LowPassEdit().GetWindowText(), "20000");
        for (int which = 0; which < 4; ++which) {
            d.List(which).SetCurSel(1);
            const int ids[4] = {IDC_FILTER_HP_TYPE, IDC_FILTER_HP_SLOPE, IDC_FILTER_LP_TYPE, IDC_FILTER_LP_SLOPE};
            w.SendMessage(ui::WM_COMMAND, ui::MAKEWPARAM(ids[which], ui::CBN_SELCHANGE),
                          ui::LPARAM(&d.List(which)));
        }
        hl.KeyPress(ui::VK_RETURN);
        hl.KeyPress(ui::VK_ESCAPE);
    });
    EXPECT_EQ(d.DoModal(), ui::IDCANCEL);
    EXPECT_EQ(main.Of(WM_FILTER_SETUP), (std::vector<RequestWindow::Request>{{WM_FILTER_SETUP, 0, 1},
                                                                             {WM_FILTER_SETUP, 1, 1},
                                                                             {WM_FILTER_SETUP, 2, 1},
                                                                             {WM_FILTER_SETUP, 3, 1}}));
}

}  // namespace
