// The input-volume dialog's layout: window size, rows and columns per model, geometry per DPI band, the
// labels' texts, the cells' levels, highlighted tracks and enabled cells per source. The expected places are
// worked out here from the layout's own tables as written down for the dialog, not taken from the code.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "inputvolfixture.h"

namespace {

// Per band: x0, dx, y0, dy, and the edits' width.
struct BandGrid {
    int x0, dx, y0, dy;
};
constexpr BandGrid kEdits[] = {{77, 96, 68, 33}, {84, 115, 86, 36}, {120, 144, 103, 43}, {130, 162, 120, 50},
                               {160, 194, 136, 56}};
constexpr int kEditWidth[] = {32, 38, 46, 52, 58};
constexpr BandGrid kSliders[] = {{110, 96, 66, 33}, {122, 115, 84, 36}, {167, 144, 101, 43},
                                 {184, 162, 118, 50}, {220, 194, 134, 56}};
constexpr gfx::Size kSliderSize[] = {{60, 20}, {76, 24}, {86, 28}, {100, 32}, {114, 36}};
constexpr BandGrid kLabels[] = {{8, 0, 70, 33}, {6, 0, 86, 36}, {16, 0, 104, 43}, {14, 0, 120, 50}, {14, 0, 136, 56}};
constexpr BandGrid kHeaders[] = {{114, 96, 42, 0}, {124, 115, 54, 0}, {163, 144, 63, 0}, {172, 162, 78, 0},
                                 {209, 194, 87, 0}};
constexpr int kDpiOfBand[] = {96, 120, 144, 168, 192};

gfx::Point TopLeft(const ui::Window& w) {
    const gfx::Rect r = w.RectInParent();
    return {r.left, r.top};
}
gfx::Size SizeOf(const ui::Window& w) {
    const gfx::Rect r = w.RectInParent();
    return {r.Width(), r.Height()};
}
bool Shown(const ui::Window& w) {
    return (w.Style() & ui::WS_VISIBLE) != 0;
}

using InputVolLayoutTest = InputVolTest;

TEST_F(InputVolLayoutTest, WindowSizeFollowsModelFlagAndDpiBand) {
    struct Case {
        int model;
        bool hide;
        int dpi;
        gfx::Size size;
    } cases[] = {
        {9, false, 192, {2472, 1528}}, {1, true, 96, {850, 458}},    {1, false, 96, {850, 530}},
        {3, false, 96, {1045, 520}},   {4, false, 96, {1045, 520}},  {2, false, 96, {1245, 590}},
        {5, false, 96, {846, 390}},    {6, false, 96, {846, 590}},   {8, false, 96, {1245, 650}},
        // The band edges.
        {9, false, 109, {1245, 730}},  {9, false, 110, {1490, 950}}, {9, false, 131, {1490, 950}},
        {9, false, 132, {1868, 1070}}, {9, false, 157, {1868, 1070}}, {9, false, 158, {2090, 1420}},
        {9, false, 187, {2090, 1420}}, {9, false, 188, {2472, 1528}},
        // Model 7 keeps its template's size: 824 x 436 units at 6 x 13 pixels per 4 x 8 units.
        {7, false, 96, {1236, 709}},
    };
    for (const Case& c : cases) {
        WhileOpen({c.model, 1, c.hide, c.dpi}, [&](ProbeInputVol& dlg) {
            const gfx::Rect client = dlg.GetClientRect();
            EXPECT_EQ((gfx::Size{client.Width(), client.Height()}), c.size)
                << "model " << c.model << " hide " << c.hide << " dpi " << c.dpi;
        });
    }
}

// Model 9 at band 5: the CH12 BT-R cell (row 19).
TEST_F(InputVolLayoutTest, Model9AtBand5PlacesTheLastCell) {
    WhileOpen({9, 1, false, 192}, [&](ProbeInputVol& dlg) {
        const ui::Window& edit = *dlg.GetDlgItem(1391);
        const ui::Window& slider = *dlg.GetDlgItem(1214);
        EXPECT_EQ(TopLeft(edit), (gfx::Point{2294, 1200}));
        EXPECT_EQ(SizeOf(edit), (gfx::Size{58, 32}));
        EXPECT_EQ(TopLeft(slider), (gfx::Point{2354, 1198}));
        EXPECT_EQ(SizeOf(slider), (gfx::Size{114, 36}));
    });
}

// Every laid-out model: each shown cell at its column and row, every other cell hidden, the labels of the
// shown rows at their rows and the others hidden, the headers of the shown columns.
TEST_F(InputVolLayoutTest, EveryModelPlacesItsRowsAndColumnsInEveryBand) {
    const int hi16[] = {0, 1, 2, 3, 4, 5};
    auto rows = [&](std::initializer_list<std::vector<int>> parts) {
        std::vector<int> all;
        for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
        return all;
    };
    const std::vector<int> hi(hi16, hi16 + 6), hi78{12, 13}, aux12{6, 7}, aux34{14, 15}, tail{8, 9, 10, 11};
    struct Case {
        int model;
        bool hide;
        int columns;
        std::vector<int> rows;
        int headersShown;
    } cases[] = {
        {1, false, 8, rows({hi, aux12, aux34, tail}), 8},
        {1, true, 8, rows({hi, aux12, tail}), 8},
        {2, false, 12, rows({hi, hi78, aux12, aux34, tail}), 12},
        {2, true, 12, rows({hi, hi78, aux12, tail}), 12},
        {3, false, 10, rows({hi, hi78, aux12, tail}), 10},
        {4, false, 10, rows({hi, aux12, aux34, tail}), 10},
        {4, true, 10, rows({hi, aux12, tail}), 10},
        {5, true, 8, rows({{0, 1, 2, 3}, aux12, tail}), 8},
        {6, true, 8, rows({hi, hi78, aux12, aux34, tail}), 8},
        {8, false, 12, rows({hi, hi78, {16, 17}, aux12, tail}), 12},
        {9, true, 12, rows({hi, hi78, {16, 17, 18, 19}, aux12, aux34, tail}), 12},
    };
    for (const Case& c : cases) {
        for (int b : {0, 4}) {
            WhileOpen({c.model, 1, c.hide, kDpiOfBand[b]}, [&](ProbeInputVol& dlg) {
                SCOPED_TRACE("model " + std::to_string(c.model) + " hide " + std::to_string(c.hide) + " band " +
                             std::to_string(b + 1));
                for (int j = 0; j < kInputs; ++j) {
                    const auto at = std::find(c.rows.begin(), c.rows.end(), j);
                    const int r = int(at - c.rows.begin());
                    const ui::Window& label = *dlg.GetDlgItem(g_MixRowLabelIds[j]);
                    EXPECT_EQ(Shown(label), at != c.rows.end()) << "label " << j;
                    if (at != c.rows.end()) {
                        EXPECT_EQ(TopLeft(label), (gfx::Point{kLabels[b].x0, kLabels[b].y0 + r * kLabels[b].dy}));
                    }
                    for (int o = 0; o < kChannels; ++o) {
                        const bool shown = at != c.rows.end() && o < c.columns;
                        const ui::Window& edit = dlg.EditCell(o, j);
                        const ui::Window& slider = dlg.SliderCell(o, j);
                        ASSERT_EQ(Shown(edit), shown) << o << "," << j;
                        ASSERT_EQ(Shown(slider), shown) << o << "," << j;
                        if (!shown) continue;
                        EXPECT_EQ(edit.RectInParent(),
                                  gfx::RectFromSize(kEdits[b].x0 + o * kEdits[b].dx, kEdits[b].y0 + r * kEdits[b].dy,
                                                    kEditWidth[b], 16 * kDpiOfBand[b] / 96));
                        EXPECT_EQ(slider.RectInParent(),
                                  gfx::RectFromSize(kSliders[b].x0 + o * kSliders[b].dx,
                                                    kSliders[b].y0 + r * kSliders[b].dy, kSliderSize[b].cx,
                                                    kSliderSize[b].cy));
                    }
                }
                for (int i = 0; i < kChannels; ++i) {
                    const ui::Window& header = *dlg.GetDlgItem(g_MixColumnLabelIds[i]);
                    EXPECT_EQ(Shown(header), i < c.headersShown) << "header " << i;
                    if (i < c.headersShown) {
                        EXPECT_EQ(TopLeft(header), (gfx::Point{kHeaders[b].x0 + i * kHeaders[b].dx, kHeaders[b].y0}));
                    }
                }
            });
        }
    }
}

// Each slider comes to the top when it takes its track bitmaps (the last one topmost), after the labels and
// headers were moved to the top; the edits keep the template's order.
TEST_F(InputVolLayoutTest, SlidersThenMovedLabelsOnTopWhileEditsKeepTheirOrder) {
    WhileOpen({2, 1, true, 96}, [&](ProbeInputVol& dlg) {
        const std::vector<ui::Window*>& children = dlg.Children();
        std::vector<int> sliders, edits;
        for (int o = kChannels - 1; o >= 0; --o) {
            for (int j = kInputs - 1; j >= 0; --j) sliders.push_back(g_MixSliderIds[o][j]);
        }
        for (int o = 0; o < kChannels; ++o) {
            for (int j = 0; j < kInputs; ++j) edits.push_back(g_MixEditIds[o][j]);
        }
        std::set<int> moved;
        for (int i = 0; i < kChannels; ++i) moved.insert(g_MixColumnLabelIds[i]);
        for (int j : {0, 1, 2, 3, 4, 5, 12, 13, 6, 7, 8, 9, 10, 11}) moved.insert(g_MixRowLabelIds[j]);
        ASSERT_GT(children.size(), sliders.size() + moved.size());
        std::vector<int> top;
        for (std::size_t k = 0; k < sliders.size(); ++k) top.push_back(children[k]->GetDlgCtrlID());
        EXPECT_EQ(top, sliders);
        std::set<int> front;
        for (std::size_t k = 0; k < moved.size(); ++k) front.insert(children[sliders.size() + k]->GetDlgCtrlID());
        EXPECT_EQ(front, moved);
        std::vector<int> cells;
        for (ui::Window* w : children) {
            if (dynamic_cast<ui::Edit*>(w)) cells.push_back(w->GetDlgCtrlID());
        }
        EXPECT_EQ(cells, edits);
    });
}

TEST_F(InputVolLayoutTest, Model1WithAux34HiddenMovesOpticalUp) {
    for (bool hide : {true, false}) {
        WhileOpen({1, 1, hide, 96}, [&](ProbeInputVol& dlg) {
            const int row = hide ? 8 : 10;
            EXPECT_EQ(TopLeft(dlg.EditCell(0, 8)).y, 68 + 33 * row);
            EXPECT_EQ(TopLeft(*dlg.GetDlgItem(g_MixRowLabelIds[8])).y, 70 + 33 * row);
            EXPECT_EQ(Shown(*dlg.GetDlgItem(g_MixRowLabelIds[14])), !hide);
        });
    }
}

TEST_F(InputVolLayoutTest, Model7KeepsTheTemplateButPlacesTheHeaders) {
    WhileOpen({7, 1, false, 96}, [&](ProbeInputVol& dlg) {
        for (int o = 0; o < kChannels; ++o) {
            for (int j = 0; j < kInputs; ++j) {
                ASSERT_TRUE(Shown(dlg.EditCell(o, j)) && Shown(dlg.SliderCell(o, j)));
                ASSERT_TRUE(dlg.EditCell(o, j).IsWindowEnabled() && dlg.SliderCell(o, j).IsWindowEnabled());
            }
        }
        // The template's grid: Hi.1's edit of CH2 at 115 units (172.5 px, rounded), 42 units (68 px) down.
        EXPECT_EQ(TopLeft(dlg.EditCell(1, 0)), (gfx::Point{173, 68}));
        for (int i = 0; i < kChannels; ++i) {
            const ui::Window& header = *dlg.GetDlgItem(g_MixColumnLabelIds[i]);
            EXPECT_EQ(Shown(header), i < 10);
            if (i < 10) {
                EXPECT_EQ(TopLeft(header), (gfx::Point{114 + 96 * i, 42}));
            }
        }
        EXPECT_EQ(dlg.GetDlgItemText(g_MixRowLabelIds[14]), " AUX-3");
    });
}

TEST_F(InputVolLayoutTest, CloseButtonStandsAtTheTopRightOfItsBand) {
    struct Case {
        int model, dpi;
        gfx::Rect place;
    } cases[] = {
        {2, 96, gfx::RectFromSize(1185, 7, 40, 22)},
        // 2472 - 3 * 41, (72 - 44 + 1) / 2
        {9, 192, gfx::RectFromSize(2349, 14, 82, 44)},
        // 1490 - 3 * 26, (40 - 27 + 1) / 2
        {9, 120, gfx::RectFromSize(1412, 7, 52, 27)},
    };
    for (const Case& c : cases) {
        WhileOpen({c.model, 1, false, c.dpi},
                  [&](ProbeInputVol& dlg) { EXPECT_EQ(dlg.GetDlgItem(ui::IDCANCEL)->RectInParent(), c.place); });
    }
}

TEST_F(InputVolLayoutTest, RowLabelsAreTheDialogsOwnInBothLanguagesWithUsbNamesForSource9) {
    struct Case {
        int lang, source, bit;
        std::string text;
    } cases[] = {
        {1033, 1, 14, " AUX-3"}, {1033, 1, 15, " AUX-4"},  {1033, 1, 10, " BT-L"},   {1033, 9, 10, "USB-L"},
        {1033, 9, 11, "USB-R"},  {2052, 1, 0, "高电平1"},  {2052, 1, 14, "低电平3"}, {2052, 9, 11, "USB-R"},
        {2052, 1, 19, "高电平12"}, {1033, 1, 16, "Hi.9"},
    };
    for (const Case& c : cases) {
        ui::g_ui_language = sys::LangId(c.lang);
        for (int model : {1, 7, 9}) {
            WhileOpen({model, c.source, false, 96}, [&](ProbeInputVol& dlg) {
                EXPECT_EQ(dlg.GetDlgItemText(g_MixRowLabelIds[c.bit]), c.text) << c.lang << " model " << model;
            });
        }
    }
}

TEST_F(InputVolLayoutTest, EveryEditShowsItsLevelHiddenOrNot) {
    for (int o = 0; o < kChannels; ++o) {
        for (int i = 0; i < kInputs; ++i) g_InputVolume[o][i] = (o * 7 + i * 3) % 61;
    }
    g_InputVolume[11][19] = 200;  // from the device: out of range
    WhileOpen({1, 1, true, 96}, [&](ProbeInputVol& dlg) {
        for (int o = 0; o < kChannels; ++o) {
            for (int j = 0; j < kInputs; ++j) {
                const int level = g_InputVolume[o][g_MaskBitToStorage[j]];
                if (level > 60) {
                    EXPECT_EQ(dlg.EditCell(o, j).GetWindowText(), "");
                    EXPECT_EQ(dlg.SliderCell(o, j).GetPos(), 60);
                    continue;
                }
                const std::string text = level == 0 ? "0dB" : "-" + std::to_string(level) + "dB";
                ASSERT_EQ(dlg.EditCell(o, j).GetWindowText(), text) << o << "," << j;
                ASSERT_EQ(dlg.SliderCell(o, j).GetPos(), level) << o << "," << j;
                ASSERT_EQ(dlg.SliderCell(o, j).GetRangeMax(), 60);
            }
        }
    });
}

// Highlighted tracks follow the source on every model; enabling differs by model.
TEST_F(InputVolLayoutTest, SourceDecidesHighlightedTracksAndEnabledCells) {
    const int bt = 1 << 10 | 1 << 11, aux = 1 << 6 | 1 << 7, aux34 = 1 << 14 | 1 << 15;
    const int hi1to6 = 0x3F, hi1to8 = 0x3F | 1 << 12 | 1 << 13, hiAll = hi1to8 | 0xF0000;
    struct Case {
        int model, source;
        bool hide;
        int lit;             // inputs with highlighted tracks
        int sliderEnabled;   // -1: every slider enabled
        int sliderColumns;   // the outputs the enabling visits
        int editEnabled;     // -1: every edit enabled
    } cases[] = {
        {9, 9, false, bt, bt, 12, -1},
        {2, 9, false, bt, bt, 12, -1},
        {4, 9, false, bt, bt, 12, -1},
        {8, 9, false, bt, bt, 12, -1},
        {1, 9, false, bt, bt, 8, bt},
        {1, 4, false, 0, 0, 8, 0},
        {1, 6, false, 0, 0, 8, 0},
        {9, 4, false, 0, 0, 12, -1},
        {2, 6, false, 0, 0, 12, -1},
        {9, 2, false, aux | aux34, aux, 12, -1},
        {2, 2, false, aux | aux34, aux | aux34, 12, -1},
        {2, 2, true, aux | aux34, aux, 12, -1},
        {1, 1, false, hiAll, hi1to6, 8, hi1to6},
        {2, 1, false, hiAll, hi1to8, 12, -1},
        {9, 1, false, hiAll, hiAll, 12, -1},
        {3, 5, false, 1 << 8 | 1 << 9, -1, 12, -1},
        {7, 9, false, bt, -1, 12, -1},
    };
    for (const Case& c : cases) {
        WhileOpen({c.model, c.source, c.hide, 96}, [&](ProbeInputVol& dlg) {
            SCOPED_TRACE("model " + std::to_string(c.model) + " source " + std::to_string(c.source));
            for (int o = 0; o < kChannels; ++o) {
                for (int j = 0; j < kInputs; ++j) {
                    const auto& look = dlg.SliderBitmapsOf(o, j);
                    const bool lit = (c.lit >> j & 1) != 0;
                    ASSERT_EQ(look.after, lit ? 313 : 311) << o << "," << j;
                    ASSERT_EQ(look.before, 311);
                    ASSERT_EQ(look.thumb, 312);
                    const bool sliderOn = c.sliderEnabled < 0 || o >= c.sliderColumns || (c.sliderEnabled >> j & 1);
                    ASSERT_EQ(dlg.SliderCell(o, j).IsWindowEnabled(), sliderOn) << o << "," << j;
                    const bool editOn = c.editEnabled < 0 || o >= 8 || (c.editEnabled >> j & 1);
                    ASSERT_EQ(dlg.EditCell(o, j).IsWindowEnabled(), editOn) << o << "," << j;
                }
            }
        });
    }
}

TEST_F(InputVolLayoutTest, LaidOutOnceAndTheFocusStartsOnTheFirstSlider) {
    WhileOpen({1, 1, false, 96}, [&](ProbeInputVol& dlg) {
        EXPECT_TRUE(dlg.SliderCell(0, 0).HasFocus());
        const gfx::Rect before = dlg.EditCell(0, 8).RectInParent();
        g_DeviceModel = 9;
        g_InputSource = 2;
        g_HideAux34 = 1;
        Commit(dlg, 0, 8);
        EXPECT_EQ(dlg.EditCell(0, 8).RectInParent(), before);
        EXPECT_FALSE(Shown(dlg.EditCell(9, 0)));
        EXPECT_EQ(dlg.SliderBitmapsOf(0, 0).after, 313);
    });
}

}  // namespace
