// The layout by device model: for every model, g_HideAux34 and source, which strips, matrix cells and input
// labels show, the order of the matrix rows, the labels' texts; the passes' edge cases; and the geometry of
// every model in every DPI band.
#include "mainwnd/modellayout.h"

#include <algorithm>
#include <string>
#include <vector>

#include "layoutfixture.h"
#include "mainwnd/quenbargeometry.h"
#include "mainwnd/quenbarids.h"
#include "mainwnd/quenbartemplate.h"
#include "mainwnd/routingids.h"
#include "platform/res/dialogunits.h"
#include "platform/res/dpi.h"
#include "platform/sys/langid.h"
#include "res/skin/skinsizes.h"
#include "res/skinids.h"

namespace {

using namespace mainwnd::layout;

constexpr std::uint8_t kHideBit = 0x40;

struct LayoutCase {
    int model;
    bool hideBit;  // bit 6 of g_DeviceFlags
    int source;
    int outputs;
    std::vector<Pair> rows;           // top to bottom
    bool hi1112OnCh9Ch10;             // an unlabelled row of its own on CH9 and CH10
    int y0, pitch, cell;              // at 96 DPI
    std::vector<std::string> labels;  // bits 0, 1, 6, 7, 10, 11
};

const std::vector<std::string> kPlain = {" Hi.1", " Hi.2", " AUX-1", " AUX-2", " BT-L", " BT-R"};
const std::vector<std::string> kUsb = {" Hi.1", " Hi.2", " AUX-1", " AUX-2", "USB-L", "USB-R"};
const std::vector<std::string> kModel7 = {"RADIO-L", "RADIO-R", "AUX-L", "AUX-R", "USB-L", "USB-R"};
const std::vector<Pair> kRows17 = {kHi12, kHi34, kHi56, kAux12, kAux34, kOpt, kBt};
const std::vector<Pair> kRows1Hidden = {kHi12, kHi34, kHi56, kAux12, kOpt, kBt};
const std::vector<Pair> kRows2 = {kHi12, kHi34, kHi56, kHi78, kAux12, kAux34, kOpt, kBt};
const std::vector<Pair> kRows3 = {kHi12, kHi34, kHi56, kAux12, kOpt, kBt, kAux34};
const std::vector<Pair> kRows9 = {kHi12, kHi34, kHi56, kHi78, kHi910, kHi1112, kAux12, kAux34, kOpt, kBt};

// In this order: each pass follows the one above it, as devices come and go.
const std::vector<LayoutCase> kCases = {
    {1, false, 1, 8, kRows17, false, 497, 17, 12, kPlain},
    // Another device later: every strip and the Hi.7/8 row come back.
    {2, false, 1, 12, kRows2, false, 496, 15, 12, kPlain},
    {4, true, 1, 10, kRows1Hidden, false, 498, 20, 12, kPlain},
    {4, false, 1, 10, kRows17, false, 497, 17, 12, kPlain},
    {1, true, 3, 8, kRows1Hidden, false, 498, 20, 12, kPlain},
    // Model 7 ignores the hide bit and names its inputs whatever the source.
    {7, true, 1, 10, kRows17, false, 497, 17, 12, kModel7},
    {7, false, 3, 10, kRows17, false, 497, 17, 12, kModel7},
    // One row per pair; Hi.11/12 last, on CH9 and CH10 only.
    {3, false, 1, 10, kRows3, true, 496, 15, 12, kPlain},
    {3, true, 9, 10, kRows3, true, 496, 15, 12, kUsb},
    {5, false, 1, 8, {kHi12, kHi34, kAux12, kOpt, kBt}, false, 502, 23, 12, kPlain},
    {6, true, 1, 8, kRows2, false, 496, 15, 12, kPlain},
    {8, false, 1, 12, {kHi12, kHi34, kHi56, kHi78, kHi910, kAux12, kOpt, kBt}, false, 496, 15, 12, kPlain},
    {9, true, 9, 12, kRows9, false, 496, 12, 10, kUsb},
    // Same model, another source: no new labels.
    {9, false, 2, 12, kRows9, false, 496, 12, 10, kUsb},
    {2, false, 9, 12, kRows2, false, 496, 15, 12, kUsb},
    {2, false, 1, 12, kRows2, false, 496, 15, 12, kUsb},
    {2, false, 3, 12, kRows2, false, 496, 15, 12, kPlain},
    {9, false, 1, 12, kRows9, false, 496, 12, 10, kPlain},
    // A model the device never reports shows everything.
    {12, false, 1, 12, kRows9, false, 496, 12, 10, kPlain},
};

constexpr int kLabelBits[6] = {0, 1, 6, 7, 10, 11};

bool Present(ui::Window* w) {
    return w->IsWindowVisible() && w->IsWindowEnabled();
}

void CheckLayout(LayoutDlg& dlg, const LayoutCase& c, int dpi) {
    auto item = [&](int id) { return dlg.GetDlgItem(id); };
    for (int ch = 0; ch < kChannels; ++ch) {
        const bool shown = ch < c.outputs;
        for (const IdTable<kChannels>* row : {&g_ChannelSelectButtonIds, &g_LinkButtonIds, &g_PhaseButtonIds,
                                              &g_MuteButtonIds, &g_DelayUnitButtonIds, &g_ChannelGainEditIds,
                                              &g_ChannelGainSliderIds, &g_DelayEditIds, &g_OverlayButtonIds})
            EXPECT_EQ(item((*row)[ch])->IsWindowVisible(), shown) << (*row)[ch];
        for (int id : g_GainScaleLabelIds[ch]) EXPECT_EQ(item(id)->IsWindowVisible(), shown) << id;
    }
    for (int id : g_BridgeButtonIds) EXPECT_FALSE(item(id)->IsWindowVisible() || item(id)->IsWindowEnabled());
    // Each strip where the group's geometry puts it.
    const Strip strip = StripOf(c.outputs, dpi);
    const struct {
        const IdTable<kChannels>& ids;
        gfx::Rect first;
    } rows[] = {{g_ChannelSelectButtonIds, strip.select}, {g_LinkButtonIds, strip.link},
                {g_PhaseButtonIds, strip.phase},          {g_ChannelGainEditIds, strip.gainEdit},
                {g_ChannelGainSliderIds, strip.slider},   {g_MuteButtonIds, strip.mute},
                {g_DelayUnitButtonIds, strip.delayUnit},  {g_DelayEditIds, strip.delayEdit}};
    for (const auto& row : rows) {
        for (int ch = 0; ch < c.outputs; ++ch)
            EXPECT_EQ(item(row.ids[ch])->RectInParent(), row.first.Offset(strip.pitch * ch, 0))
                << row.ids[ch];
    }

    auto hasPair = [&](int pair) { return std::find(c.rows.begin(), c.rows.end(), pair) != c.rows.end(); };
    for (int ch = 0; ch < kChannels; ++ch) {
        for (int bit = 0; bit < kInputs; ++bit) {
            const bool extra = c.hi1112OnCh9Ch10 && bit / 2 == kHi1112 && (ch == 8 || ch == 9);
            const bool expected = ch < c.outputs && (hasPair(bit / 2) || extra);
            ui::Window* cell = item(g_RoutingButtonIds[ch][bit]);
            EXPECT_EQ(Present(cell), expected) << "CH" << ch + 1 << " bit " << bit;
            if (!expected) {
                EXPECT_FALSE(cell->IsWindowVisible() || cell->IsWindowEnabled());
            }
        }
    }
    for (int row = 0; row < kChannels; ++row) {
        for (int bit = 0; bit < kInputs; ++bit) {
            ui::Window* label = item(g_InputLabelIds[row][bit]);
            const bool expected = row == 0 && hasPair(bit / 2);
            EXPECT_EQ(Present(label), expected) << "row " << row << " bit " << bit;
            if (!expected) {
                EXPECT_FALSE(label->IsWindowVisible() || label->IsWindowEnabled());
            }
        }
    }
    // Rows top to bottom; a pair's two cells side by side on every output, its labels on its row.
    auto cellRect = [&](int ch, int bit) { return item(g_RoutingButtonIds[ch][bit])->RectInParent(); };
    int lastY = -1;
    for (Pair p : c.rows) {
        const gfx::Rect left = cellRect(0, 2 * p), right = cellRect(0, 2 * p + 1);
        EXPECT_GT(left.top, lastY) << p;
        lastY = left.top;
        EXPECT_EQ(right.top, left.top);
        EXPECT_LT(left.right, right.left + 1);
        EXPECT_EQ(left.Width(), left.Height());
        for (int ch = 1; ch < c.outputs; ++ch) EXPECT_EQ(cellRect(ch, 2 * p).top, left.top);
        EXPECT_EQ(item(g_InputLabelIds[0][2 * p])->RectInParent().top, left.top);
        EXPECT_LT(item(g_InputLabelIds[0][2 * p])->RectInParent().right,
                  item(g_InputLabelIds[0][2 * p + 1])->RectInParent().left + 1);
    }
    if (c.hi1112OnCh9Ch10) {
        EXPECT_GT(cellRect(8, 2 * kHi1112).top, lastY);
    }
    // The matrix stands between the link row and the delay-unit row.
    const int matrixBottom =
        c.hi1112OnCh9Ch10 ? cellRect(8, 2 * kHi1112).bottom : cellRect(0, 2 * c.rows.back()).bottom;
    EXPECT_LE(matrixBottom, item(g_DelayUnitButtonIds[0])->RectInParent().top);
    EXPECT_GE(cellRect(0, 2 * c.rows.front()).top, item(g_LinkButtonIds[0])->RectInParent().bottom);
    if (dpi == 96) {
        EXPECT_EQ(cellRect(0, 2 * c.rows[0]).top, c.y0);
        EXPECT_EQ(cellRect(0, 2 * c.rows[1]).top - cellRect(0, 2 * c.rows[0]).top, c.pitch);
        EXPECT_EQ(cellRect(0, 2 * c.rows.back()).top, c.y0 + c.pitch * int(c.rows.size() - 1));
        EXPECT_EQ(cellRect(0, 0).Width(), c.cell);
    }
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(dlg.GetDlgItemText(g_InputLabelIds[0][kLabelBits[i]]), c.labels[i]) << kLabelBits[i];
}

TEST_F(LayoutWindowTest, EveryModelHideBitAndSource) {
    for (int dpi : {96, 144, 192}) {
        SCOPED_TRACE(dpi);
        Run(dpi, [&](LayoutDlg& dlg, ui::Application&) {
            for (const LayoutCase& c : kCases) {
                SCOPED_TRACE("model " + std::to_string(c.model) + " hide " + std::to_string(c.hideBit) +
                             " source " + std::to_string(c.source));
                g_DeviceModel = c.model;
                g_DeviceFlags = c.hideBit ? kHideBit : 0;
                g_InputSource = c.source;
                dlg.ApplyModelLayout();
                EXPECT_EQ(g_HideAux34.load(), c.hideBit ? 1 : 0);
                CheckLayout(dlg, c, dpi);
            }
        });
    }
}

// The labels in the Chinese window: the model's names and the source's, from the Chinese table.
TEST_F(LayoutWindowTest, RelabelledInputsInChinese) {
    struct Case {
        int model, source;
        std::string bit0, bit10;
    };
    const Case cases[] = {
        {7, 1, "收音左", "USB-L"},
        {2, 3, " Hi.1", "蓝牙左"},
        {2, 9, " Hi.1", "USB-L"},
        {7, 3, "收音左", "USB-L"},
    };
    g_LangId = 2052;
    Run(96, [&](LayoutDlg& dlg, ui::Application&) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.model);
            g_DeviceModel = c.model;
            g_InputSource = c.source;
            dlg.ApplyModelLayout();
            EXPECT_EQ(dlg.GetDlgItemText(g_InputLabelIds[0][0]), c.bit0);
            EXPECT_EQ(dlg.GetDlgItemText(g_InputLabelIds[0][10]), c.bit10);
        }
    });
}

// Model 3's Hi.11/12 row ends above the delay-unit row, and the pass at 96 DPI takes the rows' values.
TEST_F(LayoutWindowTest, Model3HasARowPerPairAboveTheDelayUnits) {
    Run(96, [&](LayoutDlg& dlg, ui::Application&) {
        g_DeviceModel = 3;
        dlg.ApplyModelLayout();
        const gfx::Rect hi11 = dlg.GetDlgItem(g_RoutingButtonIds[8][18])->RectInParent();
        EXPECT_EQ(hi11.top, 496 + 15 * 7);
        EXPECT_EQ(hi11.bottom, 613);
        EXPECT_EQ(dlg.GetDlgItem(g_DelayUnitButtonIds[8])->RectInParent().top, 616);
        // Bluetooth and AUX-3/4 on rows of their own.
        EXPECT_LT(dlg.GetDlgItem(g_RoutingButtonIds[0][10])->RectInParent().bottom,
                  dlg.GetDlgItem(g_RoutingButtonIds[0][14])->RectInParent().top);
    });
}

// A current channel the model lacks falls back to CH1, with the band row and the graph refreshed.
TEST_F(LayoutWindowTest, ACurrentChannelPastTheOutputsBecomesCh1) {
    struct Case {
        int model, before, after;
        bool refreshed;
    };
    const Case cases[] = {
        {1, 9, 0, true},  {1, 7, 7, false}, {5, 8, 0, true},    {4, 10, 0, true},
        {7, 9, 9, false}, {3, 11, 0, true}, {9, 11, 11, false}, {2, 10, 10, false},
    };
    Run(96, [&](LayoutDlg& dlg, ui::Application&) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.model);
            g_DeviceModel = c.model;
            g_CurrentChannel = c.before;
            dlg.log.clear();
            dlg.ApplyModelLayout();
            EXPECT_EQ(g_CurrentChannel, c.after);
            const std::vector<std::string> refresh = {"RefreshEqRow", "UpdateEqCurve(1)"};
            EXPECT_EQ(dlg.log, c.refreshed ? refresh : std::vector<std::string>{});
        }
    });
}

// The graph's overlay bits of outputs the model lacks are cleared and stay cleared; the change push packs
// the graph's own mask.
TEST_F(LayoutWindowTest, OverlayBitsOfHiddenOutputsAreCleared) {
    struct Case {
        int model, before, after;
    };
    const Case cases[] = {
        {4, 0xFFF, 0x3FF}, {9, 0x3FF, 0x3FF}, {1, 0xFFF, 0x0FF}, {3, 0xC00, 0x000}, {8, 0xFFF, 0xFFF},
    };
    Run(96, [&](LayoutDlg& dlg, ui::Application&) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.model);
            g_DeviceModel = c.model;
            dlg.Spectrum().SetChannelMask(c.before);
            dlg.ApplyModelLayout();
            EXPECT_EQ(dlg.Spectrum().GetChannelMask(), c.after);
        }
    });
}

// The whole window is painted again when the model or the hide bit changes, not for another pass.
TEST_F(LayoutWindowTest, ThePassRepaintsTheWindowOnANewModelOrHideBit) {
    struct Case {
        int model;
        bool hideBit;
        bool repainted;
    };
    const Case cases[] = {
        {4, false, false}, {1, false, true}, {1, false, false}, {1, true, true},
        {1, true, false},  {9, true, true},  {9, false, true},  {9, false, false},
    };
    Run(96, [&](LayoutDlg& dlg, ui::Application& app) {
        // A point of the skin that no control covers and no placing repaints: the bottom-right corner.
        const gfx::Point empty{1268, 672};
        for (const Case& c : cases) {
            SCOPED_TRACE(c.model);
            g_DeviceModel = c.model;
            g_DeviceFlags = c.hideBit ? kHideBit : 0;
            app.RunUntilIdle();
            dlg.paintMarker = true;
            dlg.ApplyModelLayout();
            app.RunUntilIdle();
            dlg.paintMarker = false;
            EXPECT_EQ(dlg.BackBuffer().PixelAt(empty.x, empty.y) == LayoutDlg::kMarker, c.repainted);
            dlg.Invalidate();
        }
    });
}

// ---- Geometry of every model in every band ----

struct Placed {
    int id;
    gfx::Rect rect;
};

// The shown buttons, edits, sliders and cells of a model's strips and matrix.
std::vector<Placed> StripControls(int model, bool hide, int dpi) {
    const Strip s = StripOf(OutputsOf(model), dpi);
    std::vector<Placed> out;
    for (int c = 0; c < OutputsOf(model); ++c) {
        const int dx = s.pitch * c;
        out.push_back({g_ChannelSelectButtonIds[c], s.select.Offset(dx, 0)});
        out.push_back({g_LinkButtonIds[c], s.link.Offset(dx, 0)});
        out.push_back({g_PhaseButtonIds[c], s.phase.Offset(dx, 0)});
        out.push_back({g_ChannelGainEditIds[c], s.gainEdit.Offset(dx, 0)});
        out.push_back({g_ChannelGainSliderIds[c], s.slider.Offset(dx, 0)});
        out.push_back({g_MuteButtonIds[c], s.mute.Offset(dx, 0)});
        out.push_back({g_DelayUnitButtonIds[c], s.delayUnit.Offset(dx, 0)});
        out.push_back({g_DelayEditIds[c], s.delayEdit.Offset(dx, 0)});
        const int band = res::DpiBand(dpi);
        out.push_back({g_OverlayButtonIds[c],
                       OverlayButtonRect(OutputsOf(model), c, res::skinsize::kOverlay[band], dpi)});
        for (int bit = 0; bit < kInputs; ++bit) {
            if (CellShown(model, hide, c, bit))
                out.push_back({g_RoutingButtonIds[c][bit], CellRect(model, hide, c, bit, dpi)});
        }
    }
    return out;
}

// What shares the strips' height on the window: the input labels a model shows, the captions the layout pass
// places (delay, channel name, link, phase), the two launchers above them, and the bottom bar (the link
// pictures and every status text, shown or not).
std::vector<Placed> CaptionsAndBottomBar(int model, bool hide, int dpi) {
    namespace geo = mainwnd::geo;
    const int band = res::DpiBand(dpi);
    const auto scale = [dpi](int v) { return res::DpiScale(v, dpi); };
    std::vector<Placed> out;
    for (int bit = 0; bit < kInputs; ++bit) {
        // By the height of their text (the label font's, DpiScale(12)): the labels' 16-pixel boxes are taller
        // than the rows of the denser matrices, and the delay caption starts at the last box's bottom.
        if (!LabelShown(model, hide, bit)) continue;
        const gfx::Rect box = LabelRect(model, hide, bit, dpi);
        out.push_back(
            {g_InputLabelIds[0][bit], gfx::RectFromSize(box.left, box.top, box.Width(), scale(12))});
    }
    const gfx::Point delay = geo::kDelayCaption[band], name = geo::ChannelNameCaption(band),
                     link = geo::LinkCaption(band), phase = geo::PhaseCaption(band),
                     inputVol = geo::InputVolumeButton(band), delayCalc = geo::DelayCalcButton(band);
    out.push_back({g_DelayCaptionIds[0], gfx::RectFromSize(delay.x, delay.y, scale(70), scale(14))});
    out.push_back({IDC_CAPTION_CH_NAME, gfx::RectFromSize(name.x, name.y, scale(90), scale(14))});
    out.push_back({IDC_CAPTION_LINK, gfx::RectFromSize(link.x, link.y, scale(51), scale(14))});
    out.push_back({IDC_CAPTION_PHASE, gfx::RectFromSize(phase.x, phase.y, scale(51), scale(14))});
    out.push_back({IDC_INPUT_VOLUME, gfx::RectFromSize(inputVol.x, inputVol.y, scale(84), scale(18))});
    out.push_back({IDC_DELAY_CALC, gfx::RectFromSize(delayCalc.x, delayCalc.y, scale(84), scale(18))});

    for (int id : {IDC_PICTURE_TCP, IDC_PICTURE_USB}) out.push_back({id, StatusBarItemRect(id, dpi)});
    for (int id : g_StatusTextIds) out.push_back({id, StatusBarItemRect(id, dpi)});
    return out;
}

bool Overlap(const gfx::Rect& a, const gfx::Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The "Link" and "Phase" captions are given 51 pixels wide 48 apart (96 DPI); their texts are short. Between
// the bands' own DPIs the label font follows the DPI while model 9's rows keep their band's pitch, so the
// labels' texts may touch each other or the delay caption under them there.
bool BoxesMayOverlap(int a, int b, bool bandsOwnDpi) {
    const auto captions = [](int x, int y) { return x == IDC_CAPTION_LINK && y == IDC_CAPTION_PHASE; };
    const auto label = [](int id) {
        return std::find(g_InputLabelIds[0].begin(), g_InputLabelIds[0].end(), id) !=
               g_InputLabelIds[0].end();
    };
    const auto labelText = [&](int x) { return label(x) || x == g_DelayCaptionIds[0]; };
    return captions(a, b) || captions(b, a) || (!bandsOwnDpi && labelText(a) && labelText(b));
}

// At every DPI nothing overlaps: strips, matrix, labels, captions and the bottom bar; at each band's own DPI
// everything lies inside the window (a band's positions are those of its DPI, so a DPI low in the band may
// leave the lowest rows below the window's edge).
TEST(ModelGeometry, NoShownControlsOverlapAndAllStayInTheClientArea) {
    for (int dpi : {96, 109, 110, 120, 131, 144, 157, 168, 187, 188, 192}) {
        const bool bandsOwnDpi = dpi % 24 == 0;
        const gfx::Rect client =
            gfx::RectFromSize(0, 0, res::DpiScale(1272, dpi), StatusRowOf(dpi).clientHeight);
        for (int model = 1; model <= 9; ++model) {
            for (bool hide : {false, true}) {
                SCOPED_TRACE(std::to_string(dpi) + " dpi, model " + std::to_string(model) +
                             (hide ? " hidden" : ""));
                std::vector<Placed> placed = StripControls(model, hide, dpi);
                const std::vector<Placed> more = CaptionsAndBottomBar(model, hide, dpi);
                placed.insert(placed.end(), more.begin(), more.end());
                for (std::size_t i = 0; i < placed.size(); ++i) {
                    const gfx::Rect& a = placed[i].rect;
                    if (bandsOwnDpi) {
                        EXPECT_TRUE(a.left >= 0 && a.top >= 0 && a.right <= client.right &&
                                    a.bottom <= client.bottom)
                            << placed[i].id;
                    }
                    for (std::size_t j = i + 1; j < placed.size(); ++j) {
                        if (BoxesMayOverlap(placed[i].id, placed[j].id, bandsOwnDpi)) continue;
                        EXPECT_FALSE(Overlap(a, placed[j].rect)) << placed[i].id << " and " << placed[j].id;
                    }
                }
            }
        }
    }
}

// At 96 DPI the bottom bar stands where the template puts it, in a window of the skin's height; at 192 it
// stands under the given delay row and caption, and the window grows to hold it.
TEST(ModelGeometry, TheBottomBarKeepsTheTemplatesPlaceAt96AndClearsTheDelayRowAbove) {
    const res::DialogTemplate t = mainwnd::MakeQuenbarTemplate(sys::kLangEnglish);
    for (const res::DialogItem& item : t.items) {
        const gfx::Rect r = StatusBarItemRect(item.id, 96);
        if (r.IsEmpty()) continue;
        SCOPED_TRACE(item.id);
        const gfx::Rect want = res::ItemPixelRect(t, item, 96);
        if (item.id == IDC_PICTURE_TCP || item.id == IDC_PICTURE_USB) {
            EXPECT_EQ(r.TopLeft(), want.TopLeft());  // sized to the bitmap
        } else {
            EXPECT_EQ(r, want);
        }
    }
    const StatusRow at96 = StatusRowOf(96);
    EXPECT_EQ(at96.pictureTop, 642);
    EXPECT_EQ(at96.textTop, 649);
    EXPECT_EQ(at96.clientHeight, 676);
    const StatusRow at192 = StatusRowOf(192);
    EXPECT_EQ(at192.pictureTop, 1312 + 8);  // the delay edits' and the caption's bottom
    EXPECT_EQ(at192.clientHeight, 1320 + 62 + 10);
    EXPECT_EQ(StatusBarItemRect(IDC_PICTURE_USB, 192), gfx::RectFromSize(120, 1320, 130, 62));
    for (int dpi : {120, 144, 168}) {
        const int band = res::DpiBand(dpi);
        EXPECT_GE(StatusRowOf(dpi).pictureTop, mainwnd::geo::kDelayCaption[band].y + res::DpiScale(14, dpi))
            << dpi;
    }
}

// Rows in their order in every band, and the values the rows are given at 96 and 192 DPI.
TEST(ModelGeometry, RowsKeepTheirOrderAndTheGivenValues) {
    for (int dpi : {96, 120, 144, 168, 192}) {
        for (int outputs : {8, 10, 12}) {
            SCOPED_TRACE(std::to_string(dpi) + " dpi, " + std::to_string(outputs));
            const Strip s = StripOf(outputs, dpi);
            EXPECT_LE(s.select.bottom, s.link.top);
            EXPECT_EQ(s.link.top, s.phase.top);
            EXPECT_LE(s.phase.bottom, s.gainEdit.top);
            EXPECT_LE(s.gainEdit.bottom, s.slider.top);
            EXPECT_LE(s.slider.bottom, s.mute.top);
            EXPECT_LE(s.mute.bottom, s.delayEdit.top);
            for (int m = 0; m < 3; ++m) {
                EXPECT_GE(s.scaleLabels[m].top, s.slider.top);
                EXPECT_LE(s.scaleLabels[m].bottom, s.slider.bottom);
            }
            EXPECT_LE(s.link.right, s.phase.left);
            EXPECT_EQ(s.select.Height(), res::DpiScale(22, dpi));
            EXPECT_EQ(s.delayEdit.Height(), res::DpiScale(16, dpi));
        }
    }
    struct Given {
        int outputs;
        gfx::Rect select, link, phase, gainEdit, mute, delayUnit, delayEdit;
        int sliderX, matrixLeftX, matrixRightX;
    };
    const Given given[] = {
        {8,
         {150, 449, 250, 471},
         {150, 474, 183, 492},
         {188, 474, 250, 492},
         {188, 495, 250, 511},
         {188, 596, 250, 614},
         {150, 616, 183, 634},
         {188, 617, 250, 633},
         223,
         151,
         170},
        {10,
         {132, 449, 232, 471},
         {132, 474, 165, 492},
         {170, 474, 232, 492},
         {170, 495, 232, 511},
         {170, 596, 232, 614},
         {132, 616, 165, 634},
         {170, 617, 232, 633},
         204,
         133,
         152},
        {12,
         {135, 449, 213, 471},
         {135, 474, 167, 492},
         {170, 474, 213, 492},
         {170, 495, 213, 511},
         {165, 596, 213, 614},
         {135, 616, 162, 634},
         {165, 617, 213, 633},
         192,
         135,
         150},
    };
    for (const Given& g : given) {
        SCOPED_TRACE(g.outputs);
        const Strip s = StripOf(g.outputs, 96);
        EXPECT_EQ(s.select, g.select);
        EXPECT_EQ(s.link, g.link);
        EXPECT_EQ(s.phase, g.phase);
        EXPECT_EQ(s.gainEdit, g.gainEdit);
        EXPECT_EQ(s.mute, g.mute);
        EXPECT_EQ(s.delayUnit, g.delayUnit);
        EXPECT_EQ(s.delayEdit, g.delayEdit);
        EXPECT_EQ(s.slider, gfx::RectFromSize(g.sliderX, 514, 20, 80));
        EXPECT_EQ(s.matrixLeftX, g.matrixLeftX);
        EXPECT_EQ(s.matrixRightX, g.matrixRightX);
        EXPECT_EQ(s.scaleLabels[0].top, 517);
        EXPECT_EQ(s.scaleLabels[1].top, 547);
        EXPECT_EQ(s.scaleLabels[2].top, 577);
        const Strip s192 = StripOf(g.outputs, 192);
        EXPECT_EQ(s192.select.top, 927);
        EXPECT_EQ(s192.select.Height(), 44);
        EXPECT_EQ(s192.delayEdit.top, 1280);
        EXPECT_EQ(s192.delayEdit.Height(), 32);
    }
    const int pitches[3][5] = {
        {140, 160, 199, 238, 259}, {113, 130, 163, 195, 212}, {94, 107, 135, 161, 175}};
    for (int b = 0; b < 5; ++b) {
        const int dpi = 96 + 24 * b;
        EXPECT_EQ(StripOf(8, dpi).pitch, pitches[0][b]);
        EXPECT_EQ(StripOf(10, dpi).pitch, pitches[1][b]);
        EXPECT_EQ(StripOf(12, dpi).pitch, pitches[2][b]);
        // Model 9's cells and pitch by band.
        const int cells[5] = {10, 13, 18, 20, 24};
        const gfx::Rect first = CellRect(9, false, 0, 0, dpi), second = CellRect(9, false, 0, 2, dpi);
        EXPECT_EQ(first.Width(), cells[b]);
        EXPECT_EQ(second.top - first.top, cells[b] + 2);
        EXPECT_EQ(CellRect(2, false, 0, 0, dpi).Width(), res::DpiScale(12, dpi));
    }
    // The overlay column and the input labels at 96 DPI.
    EXPECT_EQ(OverlayButtonRect(12, 3, {12, 12}, 96), gfx::RectFromSize(132, 48 + 16 * 3, 12, 12));
    EXPECT_EQ(OverlayButtonRect(10, 3, {12, 12}, 96), gfx::RectFromSize(132, 48 + 19 * 3, 12, 12));
    EXPECT_EQ(OverlayButtonRect(8, 3, {12, 12}, 96), gfx::RectFromSize(132, 50 + 24 * 3, 12, 12));
    EXPECT_EQ(LabelRect(1, false, 8, 96), gfx::RectFromSize(14, 497 + 17 * 5, 48, 16));
    EXPECT_EQ(LabelRect(1, false, 9, 96), gfx::RectFromSize(62, 497 + 17 * 5, 48, 16));
}

}  // namespace
