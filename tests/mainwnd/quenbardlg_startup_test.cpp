// The main window's real start-up on the headless backend (virtual clock), against a loopback address where
// nothing answers: the order of its steps, its size, its keys and focus, and the geometry of every DPI band.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/graphgeometry.h"
#include "device/status.h"
#include "dialogs/dialoglogo.h"
#include "mainwindowrun.h"
#include "mainwnd/modellayout.h"
#include "mainwnd/quenbardlg.h"
#include "mainwnd/quenbargeometry.h"
#include "mainwnd/quenbarids.h"
#include "platform/backend/headless.h"
#include "platform/ui/application.h"
#include "platform/ui/messages.h"
#include "res/skin/skinsizes.h"

namespace {

class StartupTest : public ::testing::Test {
  protected:
    // Runs the main window at dpi; check sees it once it shows, then it is closed with WM_CLOSE.
    int Run(int dpi, const std::function<void(CQuenbarDlg&)>& check, bool cancelChooser = false) {
        ui::Application app(std::make_unique<ui::HeadlessBackend>());
        app.Headless()->SetDpi(dpi);
        CQuenbarDlg dlg(&app);
        const int result = RunMainWindow(
            app, dlg,
            [&] {
                ++shown;
                check(dlg);
            },
            cancelChooser);
        trace = dlg.InitTrace();
        return result;
    }
    int shown = 0;
    std::vector<std::string> trace;
};

TEST_F(StartupTest, StepsRunInTheirOrderAndTheWindowShowsAfterwards) {
    const int result = Run(96, [](CQuenbarDlg& dlg) {
        EXPECT_EQ(dlg.InitTrace().back(), "focus");
        EXPECT_EQ(dlg.GetClientRect(), gfx::RectFromSize(0, 0, 1272, 676));
        EXPECT_EQ(dlg.GetDlgItemText(IDC_STATIC_BUILD_TAG), "6614K_221130V1");
        EXPECT_EQ(dlg.GetFocus(), dlg.GetDlgItem(IDC_CAPTION_FREQ));
        EXPECT_EQ(dlg.GetDefID(), IDC_CAPTION_FREQ);
        EXPECT_EQ(&dlg.Spectrum(), dlg.GetDlgItem(IDC_SPECTRUM));
    });
    EXPECT_EQ(result, ui::IDCANCEL);
    EXPECT_EQ(shown, 1);
    const std::vector<std::string> expected = {
        "base",     "system menu",  "icon",  "single instance", "dpi",      "caption", "brushes",
        "cut edits", "set-up",      "status texts", "reset", "threads", "pictures", "timers",
        "build tag", "chooser",     "layout", "focus"};
    EXPECT_EQ(trace, expected);
}

TEST_F(StartupTest, ASecondInstanceEndsBeforeAnyThreadAndNeverShows) {
    ui::Application app(std::make_unique<ui::HeadlessBackend>());
    CQuenbarDlg dlg(&app);
    dlg.SetLinkConfig({nullptr, "127.0.0.1", 9});
    dlg.SetInstanceCheck([] { return false; });
    int shownWindows = 0;
    app.SetModalObserver([&](ui::Window&) { ++shownWindows; });
    EXPECT_EQ(dlg.DoModal(), ui::IDCANCEL);
    EXPECT_EQ(shownWindows, 0);
    EXPECT_EQ(dlg.InitTrace().back(), "single instance");
    EXPECT_FALSE(dlg.Link().Running());
}

TEST_F(StartupTest, TheChoosersCancelEndsTheWindowBeforeItShows) {
    EXPECT_EQ(Run(96, [](CQuenbarDlg&) {}, true), ui::IDCANCEL);
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(trace.back(), "focus");
}

TEST_F(StartupTest, EnterAndEscDoNothing) {
    Run(96, [](CQuenbarDlg& dlg) {
        ui::HeadlessBackend& hl = *dlg.App().Headless();
        hl.KeyPress(ui::VK_ESCAPE);
        hl.KeyPress(ui::VK_RETURN);
        dlg.App().RunUntilIdle();
        EXPECT_FALSE(dlg.IsEnded());
        EXPECT_TRUE(dlg.IsWindowVisible());
    });
}

// The window's size and its band follow the DPI: 109/110 and 187/188 are the band edges. It is the skin's,
// taller where the bottom bar needs it (not at 96 DPI).
TEST_F(StartupTest, TheWindowTakesTheSkinsSizeAtEveryDpi) {
    for (int dpi : {96, 109, 110, 120, 144, 168, 187, 188, 192}) {
        SCOPED_TRACE(dpi);
        Run(dpi, [&](CQuenbarDlg& dlg) {
            EXPECT_EQ(g_ScreenDpiX, dpi);
            EXPECT_EQ(dlg.GetClientRect().Width(), res::DpiScale(1272, dpi));
            EXPECT_EQ(dlg.GetClientRect().Height(), mainwnd::layout::StatusRowOf(dpi).clientHeight);
            EXPECT_GE(dlg.GetClientRect().Height(), res::DpiScale(676, dpi));
            if (dpi == 96) {
                EXPECT_EQ(dlg.GetClientRect().Height(), 676);
            }
            const int band = res::DpiBand(dpi);
            EXPECT_EQ(dlg.GetDlgItem(g_BandFreqEditIds[0])->RectInParent().left, mainwnd::geo::kBandEditX[band]);
        });
    }
}

TEST(BandGeometry, TheBandsBetweenFollowOneRule) {
    using mainwnd::geo::Between;
    for (int b1 : {0, 17, 1171}) {
        for (int b5 : {0, 26, 2170}) {
            EXPECT_EQ(Between(b1, b5, 0), b1);
            EXPECT_EQ(Between(b1, b5, 4), b5);
            for (int band = 1; band < 4; ++band) {
                EXPECT_GE(Between(b1, b5, band), std::min(Between(b1, b5, band - 1), b5));
            }
        }
    }
}

// The master scale's labels: the given values at 96 and 192 DPI; in every band beside the slider, top label
// level with the track's top part and the four inside its height.
TEST(BandGeometry, MasterScaleLabelsStandBesideTheSlider) {
    using namespace mainwnd::geo;
    const ScaleLabels b1 = MasterScaleLabels(0), b5 = MasterScaleLabels(4);
    EXPECT_EQ(b1.leftX, 1162);
    EXPECT_EQ(b1.rightX, 1234);
    EXPECT_EQ(b1.y, (std::array<int, kScaleMarks>{66, 106, 146, 186}));
    EXPECT_EQ(b1.size, (gfx::Size{30, 16}));
    EXPECT_EQ(b5.leftX, 2159);
    EXPECT_EQ(b5.rightX, 2295);
    EXPECT_EQ(b5.y, (std::array<int, kScaleMarks>{132, 207, 282, 357}));
    EXPECT_EQ(b5.size, (gfx::Size{54, 32}));
    for (int band = 0; band < res::kDpiBands; ++band) {
        SCOPED_TRACE(band);
        const ScaleLabels s = MasterScaleLabels(band);
        const gfx::Size track = res::skinsize::kMasterTrack[band];
        EXPECT_LE(s.leftX + s.size.cx, kMasterSlider[band].x);
        EXPECT_GE(s.rightX, kMasterSlider[band].x + track.cx);
        EXPECT_GE(s.y[0], kMasterSlider[band].y);
        EXPECT_LE(s.y[kScaleMarks - 1] + s.size.cy, kMasterSlider[band].y + track.cy);
    }
}

// Every band: the EQ rows in order, nothing shown overlapping another shown control of the grid, the master
// column and the command buttons, and everything inside the client area.
TEST_F(StartupTest, GeometryOfEveryBand) {
    for (int dpi : {96, 120, 144, 168, 192}) {
        SCOPED_TRACE(dpi);
        Run(dpi, [&](CQuenbarDlg& dlg) {
            const gfx::Rect client = dlg.GetClientRect();
            auto rect = [&](int id) { return dlg.GetDlgItem(id)->RectInParent(); };
            std::vector<int> ids;
            for (int k = 0; k < kBands; ++k) {
                const gfx::Rect number = rect(g_BandNumberLabelIds[k]), freq = rect(g_BandFreqEditIds[k]),
                                q = rect(g_BandQEditIds[k]), gain = rect(g_BandGainEditIds[k]),
                                slider = rect(g_BandSliderIds[k]), button = rect(g_BandButtonIds[k]);
                EXPECT_LE(number.bottom, freq.top);
                EXPECT_LE(freq.bottom, q.top) << k;
                EXPECT_LE(q.bottom, gain.top) << k;
                EXPECT_LE(gain.bottom, slider.top) << k;
                EXPECT_LE(slider.bottom, button.top) << k;
                for (int id : {g_BandFreqEditIds[k], g_BandQEditIds[k], g_BandGainEditIds[k], g_BandSliderIds[k],
                               g_BandButtonIds[k]})
                    ids.push_back(id);
            }
            for (int id : {IDC_MASTER_SLIDER, IDC_MASTER_EDIT, IDC_MASTER_MUTE, IDC_RESET_ALL, IDC_EQ_MODE,
                           IDC_RESET_EQ, IDC_BYPASS_ALL, IDC_SOURCE_BUTTON, IDC_SCENE, IDC_SETUP,
                           IDC_MINIMIZE, IDC_CLOSE, IDC_SPECTRUM})
                ids.push_back(id);
            for (int id : g_OverlayButtonIds) {
                if (dlg.GetDlgItem(id)->IsWindowVisible()) ids.push_back(id);
            }
            for (int i = 0; i < kMasterScaleMarks; ++i) {
                ids.push_back(g_MasterScaleLeftLabelIds[i]);
                ids.push_back(g_MasterScaleRightLabelIds[i]);
            }
            ids.push_back(IDC_STATIC_VOLUME);
            for (std::size_t i = 0; i < ids.size(); ++i) {
                const gfx::Rect a = rect(ids[i]);
                EXPECT_TRUE(a.left >= 0 && a.top >= 0 && a.right <= client.right && a.bottom <= client.bottom)
                    << ids[i];
                for (std::size_t j = i + 1; j < ids.size(); ++j) {
                    const gfx::Rect b = rect(ids[j]);
                    const bool overlap =
                        a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
                    EXPECT_FALSE(overlap) << ids[i] << " and " << ids[j];
                }
            }
            // The plot leaves room left of it for the level labels, which the graph draws DpiScale(24) left
            // of it, and right of it for the last band's number and the "20K" label, as at 96 DPI.
            const gfx::Rect graph = rect(IDC_SPECTRUM);
            const controls::GraphLayout plot =
                controls::CalcGraphLayout(gfx::RectFromSize(0, 0, graph.Width(), graph.Height()), dpi);
            EXPECT_GE(plot.left - res::DpiScale(24, dpi), 0);
            EXPECT_GE(graph.Width() - plot.right, 11);
            if (dpi == 96) {
                EXPECT_EQ(graph, gfx::RectFromSize(151, 44, 999, 215));  // the template's
            }
            // The grid's row captions on their rows, tall enough for a descender at the label font's size.
            const std::pair<int, int> rowCaptions[] = {{IDC_CAPTION_ID, g_BandNumberLabelIds[0]},
                                                       {IDC_CAPTION_FREQ, g_BandFreqEditIds[0]},
                                                       {IDC_CAPTION_Q, g_BandQEditIds[0]},
                                                       {IDC_CAPTION_GAIN, g_BandGainEditIds[0]},
                                                       {IDC_CAPTION_BYPASS, g_BandButtonIds[0]}};
            for (const auto& [caption, row] : rowCaptions) {
                EXPECT_EQ(rect(caption).top, rect(row).top) << caption;
                EXPECT_GE(rect(caption).Height(), res::DpiScale(14, dpi)) << caption;
                EXPECT_LT(rect(caption).right, rect(row).left) << caption;
            }
            // The bottom bar (both link pictures, which the paint draws even where the control is hidden, and
            // the status texts that show) inside the window and clear of every other control that shows.
            std::vector<int> bar = {IDC_PICTURE_TCP, IDC_PICTURE_USB};
            for (int id : g_StatusTextIds) {
                if (dlg.GetDlgItem(id)->IsWindowVisible()) bar.push_back(id);
            }
            EXPECT_GE(bar.size(), 5u);  // the source, version and build-tag texts show
            for (int id : bar) {
                const gfx::Rect a = rect(id);
                EXPECT_TRUE(a.left >= 0 && a.top >= 0 && a.right <= client.right && a.bottom <= client.bottom)
                    << id;
                for (const ui::Window* other : dlg.Children()) {
                    if (other->GetDlgCtrlID() == id || !other->IsWindowVisible()) continue;
                    const gfx::Rect b = other->RectInParent();
                    const bool overlap =
                        a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
                    EXPECT_FALSE(overlap) << id << " and " << other->GetDlgCtrlID();
                }
            }
            if (dpi == 192) {
                EXPECT_EQ(rect(g_BandFreqEditIds[30]), gfx::RectFromSize(2071, 583, 57, 26));
                EXPECT_EQ(rect(g_BandGainEditIds[30]).left, 2071);
                EXPECT_EQ(rect(IDC_MASTER_SLIDER), gfx::RectFromSize(2234, 130, 40, 260));
            }
            if (dpi == 120) {
                EXPECT_EQ(rect(g_BandQEditIds[0]).Height(), 16);  // DpiScale(13)
                EXPECT_EQ(rect(IDC_RESET_ALL).Width(), 105);     // DpiScale(84)
            }
        });
    }
}

}  // namespace
