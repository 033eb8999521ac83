#pragma once
#include <array>

#include "platform/gfx/geometry.h"
#include "platform/res/dpi.h"

// Pixel sizes of the skin bitmaps per DPI band. Where the window's layout fixes a bitmap's size it is given
// here as laid out; the others take the size of the control they are stretched over in that band, so they are
// drawn one to one.
namespace res::skinsize {

using BandSizes = std::array<gfx::Size, kDpiBands>;

// The DPI each band is drawn for.
inline constexpr std::array<int, kDpiBands> kBandDpi{96, 120, 144, 168, 192};

constexpr BandSizes Squares(int b1, int b2, int b3, int b4, int b5) {
    return {{{b1, b1}, {b2, b2}, {b3, b3}, {b4, b4}, {b5, b5}}};
}
// A control of w × h pixels at 96 DPI, scaled to each band's DPI.
constexpr BandSizes Scaled(int w, int h) {
    BandSizes s{};
    for (int b = 0; b < kDpiBands; ++b) s[b] = {DpiScale(w, kBandDpi[b]), DpiScale(h, kBandDpi[b])};
    return s;
}
// Where only the first and the last band are fixed, the bands between are interpolated by DPI.
constexpr BandSizes Between(gfx::Size first, gfx::Size last) {
    BandSizes s{};
    for (int b = 0; b < kDpiBands; ++b) {
        const int d = kBandDpi[b] - kBandDpi[0], span = kBandDpi[kDpiBands - 1] - kBandDpi[0];
        s[b] = {first.cx + (last.cx - first.cx) * d / span, first.cy + (last.cy - first.cy) * d / span};
    }
    return s;
}

// Fixed by the layout.
inline constexpr BandSizes kThumb = Squares(16, 20, 24, 26, 32);  // all three slider kinds
inline constexpr BandSizes kGainTrack{{{20, 80}, {25, 109}, {30, 132}, {34, 138}, {40, 186}}};
inline constexpr BandSizes kBandTrack{{{26, 91}, {33, 118}, {39, 137}, {51, 166}, {52, 182}}};
inline constexpr BandSizes kMasterTrack{{{20, 140}, {25, 172}, {30, 195}, {34, 233}, {40, 260}}};
inline constexpr BandSizes kMasterMute{{{24, 16}, {30, 20}, {36, 24}, {43, 28}, {48, 32}}};
inline constexpr BandSizes kBandButton{{{16, 14}, {16, 14}, {20, 18}, {24, 20}, {24, 22}}};
inline constexpr BandSizes kTopButton{{{46, 30}, {62, 36}, {65, 46}, {81, 52}, {92, 60}}};
inline constexpr BandSizes kLogo{{{170, 33}, {220, 42}, {280, 52}, {320, 59}, {340, 68}}};
inline constexpr BandSizes kOverlay = Squares(12, 14, 18, 21, 24);
inline constexpr gfx::Size kBackground{1272, 676};
inline constexpr BandSizes kUsbStatus = Between({66, 29}, {130, 62});
inline constexpr BandSizes kTcpStatus = Between({35, 29}, {66, 62});

// The size of the control in each band (its 96-DPI size scaled). Where the model groups give a control two
// widths, the wider one: the bitmap is drawn for it and shrinks a little on twelve-output models.
inline constexpr BandSizes kSelectWide = Scaled(100, 22);    // also the lit picture
inline constexpr BandSizes kSelectNarrow = Scaled(78, 22);
inline constexpr BandSizes kPhase = Scaled(62, 18);          // 43 wide on twelve-output models
inline constexpr BandSizes kMuteWide = Scaled(62, 18);       // also the muted picture
inline constexpr BandSizes kMuteNarrow = Scaled(48, 18);
inline constexpr BandSizes kDelayUnit = Scaled(33, 18);      // 27 wide on twelve-output models
inline constexpr BandSizes kLink = Scaled(33, 18);           // 32 wide on twelve-output models
inline constexpr BandSizes kCell = Scaled(12, 12);           // model 9's smaller cells shrink it
inline constexpr BandSizes kMix = Scaled(12, 12);
inline constexpr BandSizes kBridge = Scaled(16, 16);         // never shown; a size of our own

// Sizes of a control at the screen's DPI, for the bitmaps that one id serves in every band.
constexpr gfx::Size TextButton(int dpi) {
    return {DpiScale(84, dpi), DpiScale(18, dpi)};
}
constexpr gfx::Size OverlayButton(int dpi) {
    return kOverlay[DpiBand(dpi)];
}
// The combo's arrow box: 22 pixels wide, as high as the field (18, 23, 30, 30, 40) plus the frame.
inline constexpr BandSizes kComboArrow{{{22, 22}, {22, 27}, {22, 34}, {22, 34}, {22, 44}}};

// The slider's end stops: the thumb's centre keeps this far from each end of the track.
constexpr int ThumbMargin(int band) {
    return DpiScale(8, kBandDpi[band]);
}

inline constexpr int kIconSize = 256;

}  // namespace res::skinsize
