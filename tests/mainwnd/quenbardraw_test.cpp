// The main window's drawing on the real start-up (headless, virtual clock): owner-drawn buttons from the model
// and their state, captions in their place, and the window's own paint with its pictures and logo.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <mutex>
#include <string>

#include "mainwindowrun.h"
#include "device/channelmodel.h"
#include "device/names.h"
#include "device/status.h"
#include "mainwnd/quenbardlg.h"
#include "mainwnd/quenbarids.h"
#include "mainwnd/routingids.h"
#include "platform/backend/headless.h"
#include "platform/gfx/canvas.h"
#include "platform/res/pngimages.h"
#include "platform/res/dpi.h"
#include "platform/ui/application.h"
#include "platform/ui/control.h"
#include "platform/ui/controlmessages.h"
#include "platform/ui/messages.h"
#include "res/uilanguage.h"

namespace {

bool SamePixels(const gfx::Bitmap& a, const gfx::Bitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x) {
            const gfx::Color p = a.PixelAt(x, y), q = b.PixelAt(x, y);
            if (p.r != q.r || p.g != q.g || p.b != q.b) return false;
        }
    }
    return true;
}

// The columns where a and b differ, as [first, last]; {-1, -1} where they agree.
std::pair<int, int> DifferentColumns(const gfx::Bitmap& a, const gfx::Bitmap& b) {
    int first = -1, last = -1;
    for (int x = 0; x < a.Width(); ++x) {
        for (int y = 0; y < a.Height(); ++y) {
            const gfx::Color p = a.PixelAt(x, y), q = b.PixelAt(x, y);
            if (p.r != q.r || p.g != q.g || p.b != q.b) {
                if (first < 0) first = x;
                last = x;
                break;
            }
        }
    }
    return {first, last};
}

class QuenbarDrawTest : public ::testing::Test {
  protected:
    ~QuenbarDrawTest() override {
        device::ResetChannelModel();
        device::ResetEqModel();
        device::ResetStatus();
        device::ResetNames();
        g_LangId = sys::kLangEnglish;
    }

    // Runs the main window at dpi (the chooser confirms model 9); check sees it once it shows.
    void Run(int dpi, const std::function<void(CQuenbarDlg&)>& check) {
        ui::Application app(std::make_unique<ui::HeadlessBackend>());
        app.Headless()->SetDpi(dpi);
        CQuenbarDlg dlg(&app);
        RunMainWindow(app, dlg, [&] { check(dlg); });
    }

    // What OnDrawItem draws for the control in the given state, on a canvas of the control's size.
    static gfx::Bitmap Draw(CQuenbarDlg& dlg, int id, unsigned state = 0) {
        ui::Window* w = dlg.GetDlgItem(id);
        const gfx::Rect r = w->GetClientRect();
        gfx::Bitmap out(r.Width(), r.Height());
        gfx::Canvas canvas(out);
        ui::DrawItemStruct dis;
        dis.CtlType = ui::ODT_BUTTON;
        dis.CtlID = static_cast<ui::UINT>(id);
        dis.itemState = state;
        dis.hwndItem = w;
        dis.canvas = &canvas;
        dis.rcItem = r;
        dlg.SendMessage(ui::WM_DRAWITEM, static_cast<ui::WPARAM>(id), reinterpret_cast<ui::LPARAM>(&dis));
        return out;
    }
    // A skin bitmap as a control of the given size shows it.
    static gfx::Bitmap Expected(CQuenbarDlg& dlg, int bitmapId, gfx::Size size) {
        const gfx::Bitmap& src = dlg.App().Skin().Get(bitmapId);
        gfx::Bitmap out(size.cx, size.cy);
        gfx::Canvas canvas(out);
        canvas.StretchBlt(gfx::RectFromSize(0, 0, size.cx, size.cy), src,
                          gfx::RectFromSize(0, 0, src.Width(), src.Height()));
        return out;
    }
    static gfx::Size SizeOf(CQuenbarDlg& dlg, int id) {
        const gfx::Rect r = dlg.GetDlgItem(id)->GetClientRect();
        return {r.Width(), r.Height()};
    }
};

// Buttons without captions show exactly their bitmap, chosen from the model and the draw state.
TEST_F(QuenbarDrawTest, UncaptionedButtonsShowTheirBitmapForTheModelAndState) {
    for (int dpi : {96, 192}) {
        SCOPED_TRACE(dpi);
        Run(dpi, [&](CQuenbarDlg& dlg) {
            const int b = res::DpiBand(dpi);
            const struct {
                const char* what;
                std::function<void()> set;
                int id;
                unsigned state;
                int bitmaps[2];  // at 96 and at 192 DPI
            } cases[] = {
                {"cell routed", [] { g_RoutingMask[2] = 1 << 9; }, g_RoutingButtonIds[2][9], 0, {280, 371}},
                {"cell not routed", [] { g_RoutingMask[2] = 1 << 8; }, g_RoutingButtonIds[2][9], 0, {281, 377}},
                {"band 5 flat", [] { g_EqGain[g_CurrentChannel][4] = 150; }, g_BandButtonIds[4], 0, {161, 322}},
                {"band 5 boosted", [] { g_EqGain[g_CurrentChannel][4] = 120; }, g_BandButtonIds[4], 0, {177, 319}},
                {"band 5 pressed", [] {}, g_BandButtonIds[4], ui::ODS_SELECTED, {160, 706}},
                {"CH3 muted", [] { g_MuteMask = device::MuteBit(2); }, g_MuteButtonIds[2], 0, {165, 531}},
                {"CH9 muted (bit 9)", [] { g_MuteMask = 1 << 9; }, g_MuteButtonIds[8], 0, {165, 531}},
                {"CH9 not muted, narrow", [] { g_MuteMask = 1 << 8; }, g_MuteButtonIds[8], 0, {745, 756}},
                {"master muted", [] { g_MuteMask = kMasterMuteBit; }, IDC_MASTER_MUTE, 0, {271, 360}},
                {"CH6 linked in group 3", [] { g_LinkGroupMask[2] = 1 << 5; }, g_LinkButtonIds[5], 0, {242, 521}},
                {"CH7 in no group", [] {}, g_LinkButtonIds[6], 0, {268, 518}},
                {"overlay CH10 on", [&] { dlg.Spectrum().SetChannelMask(1 << 9); }, g_OverlayButtonIds[9], 0,
                 {444, 447}},
                {"overlay CH10 off", [&] { dlg.Spectrum().SetChannelMask(0); }, g_OverlayButtonIds[9], 0,
                 {585, 585}},
                {"close pressed", [] {}, IDC_CLOSE, ui::ODS_SELECTED, {274, 389}},
                {"bridge CH5/6 disabled", [] { g_BridgeCh56 = 1; }, g_BridgeButtonIds[2], ui::ODS_DISABLED,
                 {551, 554}},
                {"bridge CH11/12 set", [] { g_BridgeCh1112 = 1; }, g_BridgeButtonIds[5], 0, {266, 516}},
                {"mix with high level", [] { g_InputSource = 1; g_HighLevelMixIn = 1; }, IDC_HIGH_LEVEL_MIX, 0,
                 {314, 419}},
                {"mix in with USB", [] { g_InputSource = 9; g_HighLevelMixIn = 1; }, IDC_HIGH_LEVEL_MIX, 0,
                 {283, 422}},
            };
            for (const auto& c : cases) {
                device::ResetChannelModel();
                g_DeviceModel = 9;  // twelve outputs: the narrow pictures
                c.set();
                const int bitmap = c.bitmaps[b == 0 ? 0 : 1];
                EXPECT_TRUE(SamePixels(Draw(dlg, c.id, c.state), Expected(dlg, bitmap, SizeOf(dlg, c.id))))
                    << c.what;
            }
        });
    }
}

// Captions stand over their plate: centred, a channel name too wide for its button from the left edge, a mute
// button none at all.
TEST_F(QuenbarDrawTest, CaptionsAreCentredAndALongNameStartsAtTheLeft) {
    Run(96, [&](CQuenbarDlg& dlg) {
        const int id = g_ChannelSelectButtonIds[3];
        const gfx::Size size = SizeOf(dlg, id);
        g_DeviceModel = 9;
        const gfx::Bitmap narrow = Expected(dlg, 746, size);  // CH4 not lit, narrow

        const auto [first, last] = DifferentColumns(Draw(dlg, id), narrow);
        ASSERT_GE(first, 0) << "the default title CH4 is written";
        EXPECT_NEAR(first + last, size.cx - 1, 4) << "centred";

        {
            std::lock_guard<std::mutex> lock(g_NameMutex);
            std::memset(g_ChannelNames[3], 'W', 20);
        }
        const auto [longFirst, longLast] = DifferentColumns(Draw(dlg, id), narrow);
        EXPECT_LE(longFirst, 1) << "a name wider than its button starts at its left edge";
        EXPECT_GE(longLast, size.cx - 3) << "and runs to its right edge";

        for (int mute : {g_MuteButtonIds[0], g_MuteButtonIds[11]}) {
            EXPECT_FALSE(dlg.GetDlgItem(mute)->GetWindowText().empty()) << "the window text is there";
            EXPECT_TRUE(SamePixels(Draw(dlg, mute), Expected(dlg, 745, SizeOf(dlg, mute))))
                << "but no caption is drawn";
        }

        // The phase caption follows the phase bit, the picture only the press.
        const int phase = g_PhaseButtonIds[0];
        const gfx::Bitmap zero = Draw(dlg, phase);
        g_PhaseMask = 1;
        const gfx::Bitmap half = Draw(dlg, phase);
        EXPECT_FALSE(SamePixels(zero, half));
        EXPECT_NE(DifferentColumns(half, Expected(dlg, 229, SizeOf(dlg, phase))).first, -1);
        EXPECT_NE(DifferentColumns(Draw(dlg, phase, ui::ODS_SELECTED), Expected(dlg, 269, SizeOf(dlg, phase))).first,
                  -1);
    });
}

// The channel buttons follow the lit rule on the real window.
TEST_F(QuenbarDrawTest, BridgedAndLinkedChannelsAreLit) {
    Run(96, [&](CQuenbarDlg& dlg) {
        auto lit = [&](int channel) {
            const int id = g_ChannelSelectButtonIds[channel];
            const gfx::Bitmap shown = Draw(dlg, id);
            const gfx::Bitmap litPlate = Expected(dlg, 559, SizeOf(dlg, id));
            // The caption covers the middle; the plate's left edge column tells lit from not lit.
            for (int y = 0; y < shown.Height(); ++y) {
                const gfx::Color p = shown.PixelAt(1, y), q = litPlate.PixelAt(1, y);
                if (p.r != q.r || p.g != q.g || p.b != q.b) return false;
            }
            return true;
        };
        g_BridgeCh12 = 1;
        g_CurrentChannel = 1;
        EXPECT_TRUE(lit(0));
        EXPECT_TRUE(lit(1));
        EXPECT_FALSE(lit(2));
        g_BridgeCh12 = 0;
        g_LinkGroupMask[7] = (1 << 2) | (1 << 6);
        g_CurrentChannel = 6;
        EXPECT_TRUE(lit(2));
        EXPECT_TRUE(lit(6));
        EXPECT_FALSE(lit(0));
    });
}

// The window's paint: the logo centred on the window's width at the top, outside the logo control's corner;
// the link pictures over their controls, the TCP one also where the Chinese template hides it.
TEST_F(QuenbarDrawTest, TheWindowPaintsItsLogoAndLinkPictures) {
    for (sys::LangId lang : {sys::kLangEnglish, sys::kLangChinese}) {
        for (int dpi : {96, 192}) {
            SCOPED_TRACE(dpi);
            SCOPED_TRACE(lang);
            g_LangId = lang;
            Run(dpi, [&](CQuenbarDlg& dlg) {
                const int b = res::DpiBand(dpi);
                // The window's own paint, without its children.
                const gfx::Rect client = dlg.GetClientRect();
                gfx::Bitmap shot(client.Width(), client.Height());
                {
                    gfx::Canvas canvas(shot);
                    dlg.SendMessage(ui::WM_PAINT, 0, reinterpret_cast<ui::LPARAM>(&canvas));
                }
                auto holds = [&](const gfx::Bitmap& part, gfx::Point at) {
                    for (int y = 0; y < part.Height(); ++y) {
                        for (int x = 0; x < part.Width(); ++x) {
                            const gfx::Color p = shot.PixelAt(at.x + x, at.y + y), q = part.PixelAt(x, y);
                            if (p.r != q.r || p.g != q.g || p.b != q.b) return false;
                        }
                    }
                    return true;
                };
                const gfx::Bitmap& logo = dlg.App().Skin().Get(b == 0 ? 731 : 735);
                EXPECT_TRUE(holds(logo, {(shot.Width() - logo.Width()) / 2, 0})) << "the logo";
                EXPECT_GT((shot.Width() - logo.Width()) / 2, dlg.GetDlgItem(IDC_PICTURE_LOGO)->RectInParent().right);

                const gfx::Rect tcp = dlg.GetDlgItem(IDC_PICTURE_TCP)->RectInParent();
                EXPECT_EQ(dlg.GetDlgItem(IDC_PICTURE_TCP)->IsWindowVisible(), lang == sys::kLangEnglish);
                EXPECT_TRUE(holds(dlg.App().Skin().Get(b == 0 ? 191 : 726), {tcp.left, tcp.top}))
                    << "TCP not connected";
                const gfx::Rect usb = dlg.GetDlgItem(IDC_PICTURE_USB)->RectInParent();
                EXPECT_TRUE(holds(dlg.App().Skin().Get(b == 0 ? 193 : 434), {usb.left, usb.top}))
                    << "USB not connected";
            });
        }
    }
}

// The colour step: input labels of a source not in use grey, the frequency, Q and CH9..CH12 edits solid when
// they ask as statics, every other static and button transparent.
TEST_F(QuenbarDrawTest, TheColourStepOfStaticsAndButtons) {
    Run(96, [&](CQuenbarDlg& dlg) {
        constexpr gfx::Color kWhite = gfx::Rgb(0xFF, 0xFF, 0xFF), kGrey = gfx::Rgb(0x69, 0x69, 0x69);
        const struct {
            const char* what;
            int model, source, id;
            gfx::Color text;
            bool solid;
        } cases[] = {
            {"AUX-1 label, low level", 9, 2, 1558, kWhite, false},
            {"Hi.1 label, low level", 9, 2, 1552, kGrey, false},
            {"Hi.3 label on model 7, high level", 7, 1, 1554, kGrey, false},
            {"Hi.3 label on model 6, high level", 6, 1, 1554, kWhite, false},
            {"band 1 frequency edit", 9, 1, g_BandFreqEditIds[0], kWhite, true},
            {"band 31 Q edit", 9, 1, g_BandQEditIds[30], kWhite, true},
            {"CH12 delay edit", 9, 1, g_DelayEditIds[11], kWhite, true},
            {"CH8 delay edit", 9, 1, g_DelayEditIds[7], kWhite, false},
            {"a band button", 9, 1, g_BandButtonIds[3], kWhite, false},
        };
        gfx::Bitmap scratch(4, 4);
        for (const auto& c : cases) {
            g_DeviceModel = c.model;
            g_InputSource = c.source;
            gfx::Canvas canvas(scratch);
            const gfx::Brush brush = ui::AskCtlColor(*dlg.GetDlgItem(c.id), canvas, ui::CTLCOLOR_STATIC);
            const gfx::Color t = canvas.TextColor();
            EXPECT_TRUE(t.r == c.text.r && t.g == c.text.g && t.b == c.text.b) << c.what;
            EXPECT_EQ(brush, c.solid ? gfx::Brush::Solid(gfx::Rgb(0x21, 0x2C, 0x3D)) : gfx::Brush::Null()) << c.what;
        }
    });
}

// Icon 128 is the window's icon, which the desktop shows for it and in its window menu.
TEST_F(QuenbarDrawTest, Icon128IsTheWindowsIcon) {
    Run(96, [&](CQuenbarDlg& dlg) {
        auto* native = static_cast<ui::HeadlessNative*>(dlg.Native());
        ASSERT_NE(native, nullptr);
        EXPECT_EQ(native->icon.Width(), 256);
        EXPECT_TRUE(SamePixels(native->icon, res::ProgramImages().Get(128)));
    });
}

}  // namespace
