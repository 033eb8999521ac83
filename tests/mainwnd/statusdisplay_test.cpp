// The bottom bar as the status timer keeps it: the source text, the hidden slot texts, the link pictures,
// and the hidden USB and upgrade statics; what each write paints again.
#include <string>
#include <vector>

#include "layoutfixture.h"
#include "mainwnd/linkstrings.h"
#include "mainwnd/quenbarids.h"
#include "platform/res/dpi.h"
#include "platform/ui/picture.h"
#include "res/skinids.h"

namespace {

namespace skin = res::skinid;

constexpr int kStatusTickMs = 300;

void Tick(ui::Application& app, int ticks = 1) {
    app.Headless()->AdvanceClock(int64_t{kStatusTickMs} * ticks);
}

struct LanguageCase {
    int lang;
    std::string source, currentMode, saveMode;
};

TEST_F(LayoutWindowTest, TheStartUpWritesTheSourceAndTheDefaultSlots) {
    const LanguageCase cases[] = {
        {1033, "Source: High Level", "CurrentMode: Default", "SaveMode: Default"},
        {2052, "音源: 高电平", "当前模式: 当前", "保存模式: 当前"},
    };
    for (const LanguageCase& c : cases) {
        SCOPED_TRACE(c.lang);
        g_LangId = c.lang;
        Run(96, [&](LayoutDlg& dlg, ui::Application&) {
            EXPECT_EQ(dlg.GetDlgItemText(IDC_STATIC_SOURCE), c.source);
            EXPECT_EQ(dlg.GetDlgItemText(IDC_STATIC_CUR_MODE), c.currentMode);
            EXPECT_EQ(dlg.GetDlgItemText(IDC_STATIC_SAVE_MODE), c.saveMode);
        });
    }
}

// What the device reports reaches the texts at the next status tick.
TEST_F(LayoutWindowTest, StatusTicksWriteTheTexts) {
    struct Case {
        int lang;
        int source, currentSlot, saveSlot;
        std::string sourceText, currentText, saveText;
    };
    const Case cases[] = {
        {1033, 7, 3, 0, "Source: Invalid", "CurrentMode: 3", "SaveMode: Default"},
        {1033, 9, 0, 5, "Source: USB", "CurrentMode: Default", "SaveMode: 5"},
        {1033, 4, 7, 7, "Source: Analog BT/AUX2", "CurrentMode: 7", "SaveMode: 7"},
        {1033, 5, 7, 0, "Source: Optical/coaxial", "CurrentMode: 7", "SaveMode: Default"},
        {1033, 6, 1, 1, "Source: AUX1&AUX2", "CurrentMode: 1", "SaveMode: 1"},
        {1033, 0, 1, 1, "Source: Invalid", "CurrentMode: 1", "SaveMode: 1"},
        {1033, 3, 1, 1, "Source: Bluetooth", "CurrentMode: 1", "SaveMode: 1"},
        {2052, 9, 0, 2, "音源: USB", "当前模式: 当前", "保存模式: 2"},
        {2052, 7, 4, 0, "音源: 无效", "当前模式: 4", "保存模式: 当前"},
    };
    for (int lang : {1033, 2052}) {
        g_LangId = lang;
        Run(96, [&](LayoutDlg& dlg, ui::Application& app) {
            for (const Case& c : cases) {
                if (c.lang != lang) continue;
                SCOPED_TRACE(c.sourceText);
                g_InputSource = c.source;
                g_CurrentModeSlot = c.currentSlot;
                g_SaveModeSlot = c.saveSlot;
                Tick(app);
                EXPECT_EQ(dlg.GetDlgItemText(IDC_STATIC_SOURCE), c.sourceText);
                EXPECT_EQ(dlg.GetDlgItemText(IDC_STATIC_CUR_MODE), c.currentText);
                EXPECT_EQ(dlg.GetDlgItemText(IDC_STATIC_SAVE_MODE), c.saveText);
            }
        });
        device::ResetStatus();
    }
}

// The pictures by state and band: the TCP one follows the client within a tick, the USB one turns grey at
// the tick after the device goes, and the hidden USB static says so.
TEST_F(LayoutWindowTest, LinkPicturesByStateAndBand) {
    for (int dpi : {96, 120, 144, 168, 187, 188, 192}) {
        SCOPED_TRACE(dpi);
        const int band = res::DpiBand(dpi);
        Run(dpi, [&](LayoutDlg& dlg, ui::Application& app) {
            EXPECT_EQ(dlg.StatusPictureBitmap(IDC_PICTURE_TCP), skin::kTcpDisconnected[band]);
            EXPECT_EQ(dlg.StatusPictureBitmap(IDC_PICTURE_USB), skin::kUsbDisconnected[band]);
            ui::Window* usb = dlg.GetDlgItem(IDC_PICTURE_USB);
            ASSERT_NE(usb, nullptr);
            EXPECT_EQ(usb->RectInParent().Width(), dlg.App().Skin().SizeOf(skin::kUsbDisconnected[band]).cx);

            const int layouts = dlg.ModelLayoutsApplied();
            g_UsbConnected = 1;
            Tick(app);
            EXPECT_EQ(dlg.StatusPictureBitmap(IDC_PICTURE_USB), skin::kUsbConnected[band]);
            EXPECT_EQ(dlg.GetDlgItemText(IDC_STATIC_USB), "Connected");
            g_UsbConnected = 0;
            Tick(app);
            EXPECT_EQ(dlg.StatusPictureBitmap(IDC_PICTURE_USB), skin::kUsbDisconnected[band]);
            EXPECT_EQ(dlg.GetDlgItemText(IDC_STATIC_USB), "Disconnect");
            // The lost device brings the chooser back, and the layout after it.
            app.RunUntilIdle();
            EXPECT_EQ(dlg.ModelLayoutsApplied(), layouts + 1);
            EXPECT_EQ(dlg.StatusPictureBitmap(IDC_PICTURE_TCP), skin::kTcpDisconnected[band]);
        });
    }
}

// The hidden upgrade static: "Updated" follows "Updating" and stands 13 further ticks; the 14th empties it.
TEST_F(LayoutWindowTest, TheUpgradeStaticEmptiesAfterItsHold) {
    Run(96, [&](LayoutDlg& dlg, ui::Application& app) {
        dlg.SetDlgItemText(IDC_STATIC_UPGRADE, "Updating");
        Tick(app);
        EXPECT_EQ(dlg.GetDlgItemText(IDC_STATIC_UPGRADE), "Updated");
        Tick(app, 13);
        EXPECT_EQ(dlg.GetDlgItemText(IDC_STATIC_UPGRADE), "Updated");
        Tick(app);
        EXPECT_EQ(dlg.GetDlgItemText(IDC_STATIC_UPGRADE), "");
        Tick(app, 3);
        EXPECT_EQ(dlg.GetDlgItemText(IDC_STATIC_UPGRADE), "");
    });
}

// An enabled static is painted again through its rectangle in the window, skin and all; the hidden,
// disabled slot statics are written and paint nothing.
TEST_F(LayoutWindowTest, AWrittenStaticRepaintsItsAreaOfTheWindow) {
    Run(96, [&](LayoutDlg& dlg, ui::Application& app) {
        const gfx::Rect source = dlg.GetDlgItem(IDC_STATIC_SOURCE)->RectInParent();
        dlg.paintMarker = true;
        const int presents = app.Headless()->Presents();
        g_CurrentModeSlot = 6;
        g_SaveModeSlot = 2;
        dlg.UpdateCurrentModeText();
        dlg.UpdateSaveModeText();
        app.RunUntilIdle();
        EXPECT_EQ(app.Headless()->Presents(), presents);
        EXPECT_EQ(dlg.GetDlgItemText(IDC_STATIC_CUR_MODE), "CurrentMode: 6");
        EXPECT_EQ(dlg.GetDlgItemText(IDC_STATIC_SAVE_MODE), "SaveMode: 2");

        dlg.UpdateSourceText();
        app.RunUntilIdle();
        dlg.paintMarker = false;
        EXPECT_GT(app.Headless()->Presents(), presents);
        const gfx::Bitmap& back = dlg.BackBuffer();
        // The text stands at the left; the right end of the static is skin.
        EXPECT_EQ(back.PixelAt(source.right - 1, source.bottom - 1), LayoutDlg::kMarker);
        EXPECT_NE(back.PixelAt(source.right + 1, source.top), LayoutDlg::kMarker);
        EXPECT_NE(back.PixelAt(source.left, source.top - 2), LayoutDlg::kMarker);
    });
}

}  // namespace
