#pragma once
// The layout by device model as data: which outputs and inputs a model has, where its input pairs stand in
// the routing matrix, and where the channel strips, the matrix cells, the input labels and the overlay
// buttons go at a given DPI.
//
// The strip rows are given at 96 DPI and, for the select buttons and the delay edits, at 192; the rest of
// every band follows one rule:
// - x: every position and right edge of the strip area scales with the group's column pitch, so 96 DPI
//   keeps its values and the columns keep their order;
// - y: the select row takes geo::SelectRowY, the delay-edit row stands by the delay caption (3 pixels above
//   its top at 96 DPI, 4 at 192, Between in the bands between); the rows between keep their
//   order and sizes (DpiScale of the 96 DPI size, the track's height for the sliders) and share the free
//   height in the proportions of the 96 DPI gaps. The delay-unit buttons stand DpiScale(1) above the delay
//   edits. Where model 9's matrix (the tallest) would not fit between the link row and the delay-unit row,
//   the delay-edit row moves down until it does;
// - the matrix fills the height between the link row and the delay-unit row: its first row's offset and
//   its pitch scale with that height (model 9: the pitch is its cell plus 2);
// - the input labels and the overlay column take DpiScale of their 96 DPI values;
// - the bottom bar (the link pictures and the status texts) stands under the delay-edit row, and the window
//   is at least as tall as that bar needs (see StatusRowOf).
#include <array>

#include "device/channelmodel.h"
#include "device/eqmodel.h"
#include "platform/gfx/geometry.h"

namespace mainwnd::layout {

// g_LastLayoutModel before the first pass.
inline constexpr int kNoLayoutYet = 255;

// Input pairs: pair p holds the input bits 2p (left sub-column) and 2p + 1 (right).
enum Pair { kHi12, kHi34, kHi56, kAux12, kOpt, kBt, kHi78, kAux34, kHi910, kHi1112, kPairs };

// 8, 10 or 12. A model outside 1..9 shows everything, as the twelve-output group.
int OutputsOf(int model);

// A model's matrix at 96 DPI.
struct ModelRows {
    std::array<int, kPairs> position{};  // row position from the top, -1: the model lacks the pair
    int onlyOnCh9Ch10 = -1;              // a pair only CH9 and CH10 have, unlabelled (model 3's Hi.11/12)
    int y0 = 0;                          // the first row's y
    int pitch = 0;
};
ModelRows RowsOf(int model, bool hideAux34);

// Whether output `channel` (0..11) shows the cell of input `bit`, and whether the label of `bit` shows.
bool CellShown(int model, bool hideAux34, int channel, int bit);
bool LabelShown(int model, bool hideAux34, int bit);

// The strip of CH1 for a group at a DPI; channel c stands pitch x c to the right.
struct Strip {
    int pitch = 0;
    gfx::Rect select, link, phase, gainEdit, slider, mute, delayUnit, delayEdit;
    std::array<gfx::Rect, 3> scaleLabels;  // "0", "-30", "OFF"
    int matrixLeftX = 0, matrixRightX = 0;
    int matrixTop = 0, matrixBottom = 0;  // between the link row and the delay-unit row
};
Strip StripOf(int outputs, int dpi);

// The matrix cell of output `channel` and input `bit` for a model, shown or not.
gfx::Rect CellRect(int model, bool hideAux34, int channel, int bit, int dpi);
// CH1's label of input `bit`, on the row of its pair (a pair the model lacks: the row position 0).
gfx::Rect LabelRect(int model, bool hideAux34, int bit, int dpi);
// The graph overlay button of `channel`, `size` its bitmap's.
gfx::Rect OverlayButtonRect(int outputs, int channel, gfx::Size size, int dpi);
// The six bridge buttons, never shown, in a column near the right edge.
gfx::Rect BridgeButtonRect(int pair, gfx::Size size, int dpi);

// The bottom bar: the TCP and USB pictures at their bitmaps' size and the status texts beside them, at
// DpiScale of their 96 DPI x and size (the template's). The pictures stand 8 pixels below the delay row and
// its caption, the texts DpiScale(7) below the pictures' top. The bands above
// 96 DPI put the delay row lower and the pictures taller than a plain scale would, so the window's client
// area is the skin's DpiScale(676) or, where that is too low, DpiScale(5) more than the bar's bottom.
struct StatusRow {
    int pictureTop = 0;
    int textTop = 0;
    int bottom = 0;  // the taller picture's bottom edge
    int clientHeight = 0;
};
StatusRow StatusRowOf(int dpi);
// An item of the bar (the two pictures and the seven status texts of g_StatusTextIds); empty for other ids.
gfx::Rect StatusBarItemRect(int id, int dpi);

}  // namespace mainwnd::layout
