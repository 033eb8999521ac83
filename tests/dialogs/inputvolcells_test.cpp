// The input-volume dialog's cells: typed, stepped and slid levels touch only their own cell; the page and
// arrow keys move between the cells the user can see; colours by source; the close button; Enter and Esc.
#include <gtest/gtest.h>

#include "editing/mixcell.h"
#include "inputvolfixture.h"

namespace {

constexpr unsigned kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28, kPrior = 0x21, kNext = 0x22;
constexpr unsigned kReturn = 0x0D, kEscape = 0x1B;

int Level(int o, int j) {
    return g_InputVolume[o][g_MaskBitToStorage[j]];
}

using InputVolCellsTest = InputVolTest;

// Typed text committed as the cell edit commits it (Enter or focus loss).
TEST_F(InputVolCellsTest, TypedLevelsAreStoredShownSelectedAndSlid) {
    struct Case {
        int start;
        std::string typed;
        int level;         // stored afterwards
        std::string shown; // in the edit, selected
    } cases[] = {
        {0, "-12", 12, "-12dB"}, {5, "-60", 5, "-5dB"},   {0, "-5dB", 0, "0dB"},  {12, "-12dB", 12, "-12dB"},
        {0, "OFF", 60, "-60dB"}, {0, "oFf", 60, "-60dB"}, {30, "-07", 7, "-7dB"}, {30, "0", 0, "0dB"},
        {30, "-0", 0, "0dB"},    {30, "5", 30, "-30dB"},  {30, "-a", 30, "-30dB"},
    };
    for (const Case& c : cases) {
        // CH3, Hi.10 on model 9.
        g_InputVolume[2][17] = c.start;
        WhileOpen({9, 1, false, 96}, [&](ProbeInputVol& dlg) {
            TypeInto(dlg, 2, 17, c.typed);
            EXPECT_EQ(dlg.EditCell(2, 17).GetWindowText(), c.typed);
            Commit(dlg, 2, 17);
            SCOPED_TRACE(c.typed);
            EXPECT_EQ(Level(2, 17), c.level);
            EXPECT_EQ(dlg.EditCell(2, 17).GetWindowText(), c.shown);
            int s = 0, e = 0;
            dlg.EditCell(2, 17).GetSel(s, e);
            EXPECT_EQ(s, 0);
            EXPECT_EQ(e, int(c.shown.size()));
            // The slider moves only when the level was taken.
            EXPECT_EQ(dlg.SliderCell(2, 17).GetPos(), c.level == c.start ? c.start : c.level);
            for (int o = 0; o < kChannels; ++o) {
                for (int i = 0; i < kInputs; ++i) {
                    if (o != 2 || i != 17) {
                        ASSERT_EQ(g_InputVolume[o][i], 0);
                    }
                }
            }
        });
        device::ResetChannelModel();
    }
}

TEST_F(InputVolCellsTest, SteppedCellShowsItsLevelAndMessagesForNoCellChangeNothing) {
    g_InputVolume[4][g_MaskBitToStorage[9]] = 59;
    WhileOpen({9, 5, false, 96}, [&](ProbeInputVol& dlg) {
        // The cell edit steps the model itself, then tells the dialog.
        ASSERT_TRUE(editing::StepMixCellByKey(kDown, 4, 1 << 9));
        dlg.SendMessage(WM_GAIN_STEPPED, 4, 1 << 9);
        EXPECT_EQ(dlg.SliderCell(4, 9).GetPos(), 60);
        EXPECT_EQ(dlg.EditCell(4, 9).GetWindowText(), "-60dB");
        // At the limits the edit steps nothing and sends nothing.
        EXPECT_FALSE(editing::StepMixCellByKey(kDown, 4, 1 << 9));
        EXPECT_FALSE(editing::StepMixCellByKey(kUp, 0, 1));
        for (auto [w, l] : {std::pair<ui::WPARAM, ui::LPARAM>{12, 1}, {0, 0}, {0, 3}, {0, 1 << 20}}) {
            dlg.SendMessage(WM_GAIN_STEPPED, w, l);
            dlg.SendMessage(WM_GAIN_COMMIT, w, l);
        }
        EXPECT_EQ(dlg.EditCell(0, 0).GetWindowText(), "0dB");
        EXPECT_EQ(g_InputVolume[0][0], 0);
    });
}

// Every one of the 240 sliders, moved by its keys, writes only its own cell and its own edit.
TEST_F(InputVolCellsTest, EachSlidSliderWritesOnlyItsOwnCell) {
    WhileOpen({7, 1, false, 96}, [&](ProbeInputVol& dlg) {
        for (int o = 0; o < kChannels; ++o) {
            for (int j = 0; j < kInputs; ++j) {
                dlg.SliderCell(o, j).SetFocus();
                hl().KeyPress(kRight);
                hl().RunPending();
                ASSERT_EQ(Level(o, j), 1) << o << "," << j;
                ASSERT_EQ(dlg.EditCell(o, j).GetWindowText(), "-1dB");
                int changed = 0;
                for (const auto& row : g_InputVolume)
                    for (int v : row) changed += v != 0;
                ASSERT_EQ(changed, 1) << o << "," << j;
                editing::SetMixCell(o, 1 << j, 0);
            }
        }
    });
}

TEST_F(InputVolCellsTest, KeysMoveWithinTheSourcesRowsAndTheModelsOutputsSkippingHiddenCells) {
    struct Case {
        int model, source;
        bool hide;
        int o, bit;
        unsigned key;
        int toO, toBit;  // -1: the focus stays
    } cases[] = {
        {1, 1, false, 3, 5, kNext, 3, 0},    {1, 1, false, 3, 0, kPrior, 3, 5},  {9, 1, false, 0, 13, kNext, 0, 16},
        {2, 2, true, 1, 7, kNext, 1, 6},     {2, 2, false, 1, 7, kNext, 1, 14},  {2, 2, false, 1, 15, kNext, 1, 6},
        {9, 9, false, 5, 10, kNext, 5, 11},  {9, 9, false, 5, 11, kNext, 5, 10}, {9, 9, false, 5, 10, kPrior, 5, 11},
        {9, 4, false, 2, 0, kPrior, 2, 11},  {1, 1, false, 7, 2, kRight, 0, 2},  {3, 1, false, 0, 2, kLeft, 9, 2},
        // Hidden cells are skipped: model 4 shows ten outputs and no Hi.7, Hi.8.
        {4, 1, false, 0, 2, kLeft, 9, 2},    {4, 1, false, 0, 5, kNext, 0, 0},   {4, 1, false, 0, 0, kPrior, 0, 5},
        // Model 7 shows every cell: the keys move as the ranges say.
        {7, 1, false, 0, 2, kLeft, 11, 2},   {7, 1, false, 0, 5, kNext, 0, 12},
        // A cell outside the source's rows ignores the keys; other keys do nothing.
        {9, 1, false, 0, 6, kNext, -1, -1},  {9, 1, false, 0, 2, kUp, -1, -1},
    };
    for (const Case& c : cases) {
        WhileOpen({c.model, c.source, c.hide, 96}, [&](ProbeInputVol& dlg) {
            dlg.EditCell(c.o, c.bit).SetFocus();
            dlg.SendMessage(WM_MOVE_FOCUS, c.key, 0);
            const int toO = c.toO < 0 ? c.o : c.toO, toBit = c.toO < 0 ? c.bit : c.toBit;
            EXPECT_TRUE(dlg.EditCell(toO, toBit).HasFocus())
                << "model " << c.model << " source " << c.source << " from " << c.o << "," << c.bit << " key "
                << c.key;
        });
    }
}

// The cell edits themselves: a key steps the model and the dialog shows it; a focus move commits the text
// typed in the cell left and selects the whole text of the cell reached.
TEST_F(InputVolCellsTest, CellEditsStepCommitAndMoveThroughTheDialog) {
    struct Case {
        std::string typed;  // into CH1, Hi.1 first; empty: nothing typed
        unsigned key;
        int level;  // of CH1, Hi.1 afterwards
        std::string shown;
        int toO, toBit;  // the cell with the focus afterwards
    } cases[] = {
        {"", kDown, 1, "-1dB", 0, 0},
        {"-12", kRight, 12, "-12dB", 1, 0},
        {"OFF", kNext, 60, "-60dB", 0, 1},
        {"-a", kLeft, 0, "0dB", 11, 0},
    };
    for (const Case& c : cases) {
        WhileOpen({9, 1, false, 96}, [&](ProbeInputVol& dlg) {
            SCOPED_TRACE(c.typed + " key " + std::to_string(c.key));
            TypeInto(dlg, 0, 0, c.typed);
            hl().KeyPress(c.key);
            hl().RunPending();
            EXPECT_EQ(Level(0, 0), c.level);
            EXPECT_EQ(dlg.EditCell(0, 0).GetWindowText(), c.shown);
            EXPECT_EQ(dlg.SliderCell(0, 0).GetPos(), c.level);
            ui::Edit& to = dlg.EditCell(c.toO, c.toBit);
            EXPECT_TRUE(to.HasFocus());
            int s = 0, e = 0;
            to.GetSel(s, e);
            EXPECT_EQ(s, 0);
            EXPECT_EQ(e, int(to.GetWindowText().size()));
        });
        device::ResetChannelModel();
    }
}

TEST_F(InputVolCellsTest, LabelsAreColouredBySourceAndDisabledCellsAskAsStatics) {
    const gfx::Color white = gfx::Rgb(254, 254, 254), grey = gfx::Rgb(153, 153, 153);
    struct Case {
        int model, source, id, kind;
        gfx::Color text;
    } cases[] = {
        {9, 1, 1541, ui::CTLCOLOR_STATIC, white}, {9, 1, 1521, ui::CTLCOLOR_STATIC, grey},
        {9, 9, 1521, ui::CTLCOLOR_STATIC, white}, {9, 9, 1522, ui::CTLCOLOR_STATIC, white},
        {9, 9, 1511, ui::CTLCOLOR_STATIC, grey},  {9, 9, 1539, ui::CTLCOLOR_STATIC, grey},
        {9, 4, 1517, ui::CTLCOLOR_STATIC, grey},  {9, 2, 1537, ui::CTLCOLOR_STATIC, white},
        {9, 5, 1519, ui::CTLCOLOR_STATIC, white}, {9, 9, 1523, ui::CTLCOLOR_STATIC, white},
        {9, 4, 1534, ui::CTLCOLOR_STATIC, white}, {9, 4, IDC_INPUT_VOL_TITLE, ui::CTLCOLOR_STATIC, white},
        {9, 1, 1237, ui::CTLCOLOR_EDIT, gfx::Rgb(255, 255, 255)},
        // Model 1 under source 4 disables its cells; a disabled edit asks as a static.
        {1, 4, 1237, ui::CTLCOLOR_STATIC, grey},
    };
    for (const Case& c : cases) {
        WhileOpen({c.model, c.source, false, 96}, [&](ProbeInputVol& dlg) {
            gfx::Bitmap bitmap(4, 4);
            gfx::Canvas canvas(bitmap);
            const gfx::Brush* brush = dlg.OnCtlColor(canvas, dlg.GetDlgItem(c.id), c.kind);
            EXPECT_EQ(canvas.SetTextColor(gfx::Rgb(1, 2, 3)), c.text) << c.id << " source " << c.source;
            const bool cellBrush = c.kind == ui::CTLCOLOR_EDIT || !dlg.GetDlgItem(c.id)->IsWindowEnabled();
            ASSERT_NE(brush, nullptr);
            if (cellBrush) {
                EXPECT_EQ(brush->color, gfx::Rgb(33, 44, 61));
                EXPECT_EQ(canvas.SetBkColor(gfx::Rgb(1, 2, 3)),
                          c.kind == ui::CTLCOLOR_EDIT ? gfx::Rgb(33, 44, 61) : gfx::Rgb(0, 0, 0));
            } else {
                EXPECT_EQ(*brush, gfx::Brush::Null());
            }
        });
    }
}

TEST_F(InputVolCellsTest, CloseButtonDrawsItsBandsBitmapNormalAndPressed) {
    struct Case {
        int dpi;
        int normal, pressed;
    } cases[] = {{96, 301, 300}, {200, 398, 395}};
    for (const Case& c : cases) {
        WhileOpen({9, 1, false, c.dpi}, [&](ProbeInputVol& dlg) {
            for (bool pressed : {false, true}) {
                const gfx::Bitmap& expected = app.Skin().Get(pressed ? c.pressed : c.normal);
                const gfx::Rect r = dlg.GetDlgItem(ui::IDCANCEL)->GetClientRect();
                ASSERT_EQ(r.Width(), expected.Width());
                ASSERT_EQ(r.Height(), expected.Height());
                gfx::Bitmap drawn(r.Width(), r.Height());
                gfx::Canvas canvas(drawn);
                ui::DrawItemStruct dis;
                dis.CtlID = ui::IDCANCEL;
                dis.itemState = pressed ? ui::UINT(ui::ODS_SELECTED) : 0u;
                dis.canvas = &canvas;
                dis.rcItem = r;
                dlg.OnDrawItem(ui::IDCANCEL, dis);
                for (int y = 0; y < r.Height(); y += 3)
                    for (int x = 0; x < r.Width(); x += 3)
                        ASSERT_EQ(drawn.PixelAt(x, y), expected.PixelAt(x, y)) << c.dpi << " " << pressed;
            }
        });
    }
}

TEST_F(InputVolCellsTest, EnterLeavesTheDialogOpenAndEscapeClosesKeepingChanges) {
    const int result = WhileOpen(
        {9, 1, false, 96},
        [&](ProbeInputVol& dlg) {
            TypeInto(dlg, 0, 0, "-9");
            hl().KeyPress(kReturn);
            hl().RunPending();
            EXPECT_FALSE(dlg.IsEnded());
            Commit(dlg, 0, 0);
            hl().KeyPress(kEscape);
            hl().RunPending();
            EXPECT_TRUE(dlg.IsEnded());
        },
        false);
    EXPECT_EQ(result, ui::IDCANCEL);
    EXPECT_EQ(g_InputVolume[0][0], 9);
}

}  // namespace
