#include "mainwnd/modellayout.h"

#include <algorithm>
#include <utility>

#include "mainwnd/quenbargeometry.h"
#include "mainwnd/quenbarids.h"
#include "platform/res/dpi.h"
#include "res/skin/skinsizes.h"

namespace mainwnd::layout {

namespace {

using geo::PerBand;

bool IsKnown(int model) {
    return model >= 1 && model <= 9;
}

// Model 9 and the unknown models show all ten pairs on small cells.
bool AllInputs(int model) {
    return model == 9 || !IsKnown(model);
}

// Rounded a x num / den for non-negative values.
int MulDivRound(int a, int num, int den) {
    return static_cast<int>((2LL * a * num + den) / (2LL * den));
}

// ---- The strips at 96 DPI, by group (eight, ten, twelve outputs) ----
struct Span {
    int x, w;
};
struct StripAt96 {
    Span select, link, phase, gainEdit;
    int sliderX;
    Span scaleLabel, mute, delayUnit, delayEdit;
    int matrixLeftX, matrixRightX;
};
constexpr std::array<StripAt96, 3> kStrip96{{
    {{150, 100}, {150, 33}, {188, 62}, {188, 62}, 223, {189, 30}, {188, 62}, {150, 33}, {188, 62}, 151, 170},
    {{132, 100}, {132, 33}, {170, 62}, {170, 62}, 204, {170, 30}, {170, 62}, {132, 33}, {170, 62}, 133, 152},
    {{135, 78}, {135, 32}, {170, 43}, {170, 43}, 192, {165, 27}, {165, 48}, {135, 27}, {165, 48}, 135, 150},
}};
// Column pitch by group and band.
constexpr std::array<PerBand<int>, 3> kPitch{{
    {140, 160, 199, 238, 259},
    {113, 130, 163, 195, 212},
    {94, 107, 135, 161, 175},
}};

// Rows at 96 DPI.
constexpr int kDelayEditY = 617, kDelayEditY192 = 1280;
constexpr int kDelayCaptionY = geo::kDelayCaption[0].y, kDelayCaptionY192 = geo::kDelayCaption[4].y;
constexpr int kSelectH = 22, kButtonH = 18, kEditH = 16;
// The gaps between the rows of the right-hand column at 96 DPI: select | phase | gain edit | slider | mute |
// delay edit, as running sums.
constexpr int kGapSum[] = {3, 6, 9, 11, 14};
constexpr int kScaleLabelOffset[3] = {3, 33, 63};  // on the 80-pixel track
constexpr int kTrack96 = 80;
// The matrix area at 96 DPI: from the link row's bottom (492) to the delay-unit row (616).
constexpr int kMatrixTop96 = 492, kMatrixHeight96 = 124;
// Model 9's cells by band; its pitch is the cell plus 2.
constexpr PerBand<int> kSmallCell{10, 13, 18, 20, 24};
constexpr int kSmallRows = 10;
constexpr int kSmallCellOffset96 = 4;  // its first row below the link row
// The window's height at 96 DPI: the skin's.
constexpr int kSkinHeight96 = 676;
constexpr int kDelayCaptionH96 = 14;
// The bottom bar's items at 96 DPI, where the template puts them; the pictures take their bitmaps' size.
struct BarItem {
    int id, x, w;
};
constexpr BarItem kBar96[] = {
    {IDC_PICTURE_TCP, 19, 0},         {IDC_PICTURE_USB, 60, 0},        {IDC_STATIC_SOURCE, 140, 200},
    {IDC_STATIC_SAVE_MODE, 350, 151}, {IDC_STATIC_CUR_MODE, 509, 151}, {IDC_STATIC_UPGRADE, 670, 151},
    {IDC_STATIC_USB, 830, 100},       {IDC_STATIC_VERSION, 940, 151},  {IDC_STATIC_BUILD_TAG, 1101, 151},
};
constexpr int kBarTextH96 = 16;
// The bar's gap under the delay row and caption, in every band: the windows above 96 DPI grow by it.
constexpr int kStatusGap = 8;

int GroupIndex(int outputs) {
    return outputs == 8 ? 0 : outputs == 10 ? 1 : 2;
}

}  // namespace

int OutputsOf(int model) {
    switch (model) {
        case 1:
        case 5:
        case 6:
            return 8;
        case 3:
        case 4:
        case 7:
            return 10;
        default:
            return 12;
    }
}

ModelRows RowsOf(int model, bool hideAux34) {
    ModelRows r;
    r.position.fill(-1);
    const auto place = [&r](std::initializer_list<Pair> pairs) {
        int pos = 0;
        for (Pair p : pairs) r.position[p] = pos++;
    };
    const bool hide = hideAux34 && (model == 1 || model == 4);
    switch (model) {
        case 1:
        case 4:
        case 7:
            if (hide) {
                place({kHi12, kHi34, kHi56, kAux12, kOpt, kBt});
                r.y0 = 498, r.pitch = 20;
            } else {
                place({kHi12, kHi34, kHi56, kAux12, kAux34, kOpt, kBt});
                r.y0 = 497, r.pitch = 17;
            }
            break;
        case 2:
        case 6:
            place({kHi12, kHi34, kHi56, kHi78, kAux12, kAux34, kOpt, kBt});
            r.y0 = 496, r.pitch = 15;
            break;
        case 3:
            // One row per pair, Hi.11/12 (CH9 and CH10 only) last.
            place({kHi12, kHi34, kHi56, kAux12, kOpt, kBt, kAux34, kHi1112});
            r.onlyOnCh9Ch10 = kHi1112;
            r.y0 = 496, r.pitch = 15;
            break;
        case 5:
            place({kHi12, kHi34, kAux12, kOpt, kBt});
            r.y0 = 502, r.pitch = 23;
            break;
        case 8:
            place({kHi12, kHi34, kHi56, kHi78, kHi910, kAux12, kOpt, kBt});
            r.y0 = 496, r.pitch = 15;
            break;
        default:
            place({kHi12, kHi34, kHi56, kHi78, kHi910, kHi1112, kAux12, kAux34, kOpt, kBt});
            r.y0 = 496, r.pitch = 12;
            break;
    }
    return r;
}

bool CellShown(int model, bool hideAux34, int channel, int bit) {
    if (channel < 0 || channel >= OutputsOf(model) || bit < 0 || bit >= kInputs) return false;
    const ModelRows r = RowsOf(model, hideAux34);
    const int pair = bit / 2;
    if (r.position[pair] < 0) return false;
    return pair != r.onlyOnCh9Ch10 || channel == 8 || channel == 9;
}

bool LabelShown(int model, bool hideAux34, int bit) {
    if (bit < 0 || bit >= kInputs) return false;
    const ModelRows r = RowsOf(model, hideAux34);
    return r.position[bit / 2] >= 0 && bit / 2 != r.onlyOnCh9Ch10;
}

Strip StripOf(int outputs, int dpi) {
    const int band = res::DpiBand(dpi);
    const int g = GroupIndex(outputs);
    const StripAt96& s96 = kStrip96[g];
    const int p1 = kPitch[g][0], pb = kPitch[g][band];
    const auto sx = [&](int x) { return MulDivRound(x, pb, p1); };
    const auto span = [&](Span s) { return std::pair{sx(s.x), sx(s.x + s.w) - sx(s.x)}; };
    const auto scale = [dpi](int v) { return res::DpiScale(v, dpi); };
    const gfx::Size track = res::skinsize::kGainTrack[band];

    Strip st;
    st.pitch = pb;
    const int hSel = scale(kSelectH), hBtn = scale(kButtonH), hEdit = scale(kEditH);
    const int cell9 = kSmallCell[band];
    const int small9 = (kSmallRows - 1) * (cell9 + 2) + cell9;
    const int ySel = geo::SelectRowY(band);
    // The delay row stands by its caption, whose place every band gives: 3 pixels above it at 96 DPI, 4 at
    // 192.
    int yDelay = geo::kDelayCaption[band].y +
                 geo::Between(kDelayEditY - kDelayCaptionY, kDelayEditY192 - kDelayCaptionY192, band);
    int yRow[4] = {};  // phase, gain edit, slider, mute
    // Model 9's ten rows must fit between the link row and the delay units: where the band's delay row
    // leaves too little room (144 DPI), it moves down, and the rows between share the larger gaps.
    for (;;) {
        const int free = yDelay - ySel - (hSel + hBtn + hEdit + track.cy + hBtn);
        const int heights[4] = {hSel, hSel + hBtn, hSel + hBtn + hEdit, hSel + hBtn + hEdit + track.cy};
        for (int i = 0; i < 4; ++i)
            yRow[i] = ySel + heights[i] + MulDivRound(std::max(free, 0), kGapSum[i], kGapSum[4]);
        const int need = yRow[0] + hBtn + scale(kSmallCellOffset96) + small9 + scale(1);
        if (yDelay >= need) break;
        yDelay = need;
    }
    const auto rect = [](std::pair<int, int> xw, int y, int h) {
        return gfx::RectFromSize(xw.first, y, xw.second, h);
    };
    st.select = rect(span(s96.select), ySel, hSel);
    st.link = rect(span(s96.link), yRow[0], hBtn);
    st.phase = rect(span(s96.phase), yRow[0], hBtn);
    st.gainEdit = rect(span(s96.gainEdit), yRow[1], hEdit);
    st.slider = gfx::RectFromSize(sx(s96.sliderX), yRow[2], track.cx, track.cy);
    for (int m = 0; m < 3; ++m)
        st.scaleLabels[m] = rect(span(s96.scaleLabel),
                                 yRow[2] + MulDivRound(kScaleLabelOffset[m], track.cy, kTrack96), hEdit);
    st.mute = rect(span(s96.mute), yRow[3], hBtn);
    st.delayEdit = rect(span(s96.delayEdit), yDelay, hEdit);
    st.delayUnit = rect(span(s96.delayUnit), yDelay - scale(1), hBtn);
    st.matrixLeftX = sx(s96.matrixLeftX);
    st.matrixRightX = sx(s96.matrixRightX);
    st.matrixTop = st.link.bottom;
    st.matrixBottom = st.delayUnit.top;
    return st;
}

namespace {

int CellSize(int model, int dpi) {
    return AllInputs(model) ? kSmallCell[res::DpiBand(dpi)] : res::DpiScale(12, dpi);
}

// The y of the matrix row at `position`.
int RowY(const Strip& st, const ModelRows& r, int model, int position, int dpi) {
    if (AllInputs(model)) {
        return st.matrixTop + res::DpiScale(kSmallCellOffset96, dpi) +
               position * (kSmallCell[res::DpiBand(dpi)] + 2);
    }
    const int height = st.matrixBottom - st.matrixTop;
    return st.matrixTop + MulDivRound(r.y0 - kMatrixTop96 + r.pitch * position, height, kMatrixHeight96);
}

}  // namespace

gfx::Rect CellRect(int model, bool hideAux34, int channel, int bit, int dpi) {
    const Strip st = StripOf(OutputsOf(model), dpi);
    const ModelRows r = RowsOf(model, hideAux34);
    const int position = std::max(r.position[bit / 2], 0);
    const int x = (bit % 2 ? st.matrixRightX : st.matrixLeftX) + st.pitch * channel;
    const int cell = CellSize(model, dpi);
    return gfx::RectFromSize(x, RowY(st, r, model, position, dpi), cell, cell);
}

gfx::Rect LabelRect(int model, bool hideAux34, int bit, int dpi) {
    const Strip st = StripOf(OutputsOf(model), dpi);
    const ModelRows r = RowsOf(model, hideAux34);
    const int position = std::max(r.position[bit / 2], 0);
    const auto scale = [dpi](int v) { return res::DpiScale(v, dpi); };
    return gfx::RectFromSize(scale(bit % 2 ? 62 : 14), RowY(st, r, model, position, dpi), scale(48),
                             scale(16));
}

gfx::Rect OverlayButtonRect(int outputs, int channel, gfx::Size size, int dpi) {
    const int top = outputs == 8 ? 50 : 48;
    const int step = outputs == 8 ? 24 : outputs == 10 ? 19 : 16;
    return gfx::RectFromSize(res::DpiScale(132, dpi), res::DpiScale(top + step * channel, dpi), size.cx,
                             size.cy);
}

gfx::Rect BridgeButtonRect(int pair, gfx::Size size, int dpi) {
    return gfx::RectFromSize(res::DpiScale(1254, dpi), res::DpiScale(240 + 20 * pair, dpi), size.cx, size.cy);
}

StatusRow StatusRowOf(int dpi) {
    const int band = res::DpiBand(dpi);
    // Under the delay row and under its caption, which some bands put lower than the edits' bottom.
    int above = geo::kDelayCaption[band].y + res::DpiScale(kDelayCaptionH96, dpi);
    for (int outputs : {8, 10, 12}) above = std::max(above, StripOf(outputs, dpi).delayEdit.bottom);
    StatusRow row;
    row.pictureTop = above + kStatusGap;
    row.textTop = row.pictureTop + res::DpiScale(7, dpi);
    row.bottom =
        row.pictureTop + std::max(res::skinsize::kTcpStatus[band].cy, res::skinsize::kUsbStatus[band].cy);
    row.clientHeight = std::max(res::DpiScale(kSkinHeight96, dpi), row.bottom + res::DpiScale(5, dpi));
    return row;
}

gfx::Rect StatusBarItemRect(int id, int dpi) {
    const int band = res::DpiBand(dpi);
    const StatusRow row = StatusRowOf(dpi);
    for (const BarItem& item : kBar96) {
        if (item.id != id) continue;
        const int x = res::DpiScale(item.x, dpi);
        if (id == IDC_PICTURE_TCP || id == IDC_PICTURE_USB) {
            const gfx::Size size =
                (id == IDC_PICTURE_TCP ? res::skinsize::kTcpStatus : res::skinsize::kUsbStatus)[band];
            return gfx::RectFromSize(x, row.pictureTop, size.cx, size.cy);
        }
        return gfx::RectFromSize(x, row.textTop, res::DpiScale(item.w, dpi), res::DpiScale(kBarTextH96, dpi));
    }
    return {};
}

}  // namespace mainwnd::layout
