#pragma once
// The main window's geometry that depends on the DPI band alone: one value per band (96, 120, 144, 168 and
// 192 DPI, index res::DpiBand). Where a position is known only at 96 and 192 DPI, the bands between take
// one rule, Between: the value moves in a straight line with the band's DPI, so 96 and 192 keep theirs and
// every row keeps its order. Sizes written "DpiScale(n)" follow the real DPI and are computed where used.
#include <array>

#include "platform/gfx/geometry.h"
#include "platform/res/dpi.h"

namespace mainwnd::geo {

template <typename T>
using PerBand = std::array<T, res::kDpiBands>;

inline constexpr PerBand<int> kBandDpi{96, 120, 144, 168, 192};

// A value given at 96 DPI (b1) and at 192 DPI (b5), in band `band`: b1 + (b5 - b1) x (dpi - 96) / 96, the
// division rounding to nearest.
constexpr int Between(int b1, int b5, int band) {
    const int num = (b5 - b1) * (kBandDpi[band] - 96);
    return b1 + (num >= 0 ? (num + 48) / 96 : -((-num + 48) / 96));
}
constexpr gfx::Point Between(gfx::Point b1, gfx::Point b5, int band) {
    return {Between(b1.x, b5.x, band), Between(b1.y, b5.y, band)};
}

// The EQ grid: 31 columns of pitch kEqPitch.
inline constexpr PerBand<int> kEqPitch{32, 37, 46, 55, 59};
inline constexpr PerBand<int> kBandSliderX{159, 174, 227, 269, 303};
inline constexpr PerBand<int> kBandSliderGap{6, 4, 7, 4, 7};
inline constexpr PerBand<int> kBandSliderY{327, 422, 520, 587, 685};
inline constexpr PerBand<int> kBandEditX{157, 173, 224, 268, 301};
inline constexpr PerBand<int> kBandNumberY{266, 342, 417, 475, 551};
inline constexpr PerBand<int> kFreqRowY{281, 362, 443, 503, 583};
inline constexpr PerBand<int> kQRowY{297, 382, 467, 531, 615};
inline constexpr PerBand<int> kGainRowY{313, 402, 491, 559, 647};
inline constexpr PerBand<int> kBandButtonX{164, 182, 236, 282, 317};
inline constexpr PerBand<int> kBandButtonY{421, 542, 662, 754, 876};
// The band edits' font height: fixed in the two lowest bands, DpiScale(10) above.
constexpr int BandEditFontHeight(int band, int dpi) {
    return band == 0 ? -10 : band == 1 ? -11 : -res::DpiScale(10, dpi);
}

// The lists' closed field height.
inline constexpr PerBand<int> kComboFieldHeight{18, 23, 30, 30, 40};

// Master volume.
inline constexpr PerBand<gfx::Point> kMasterSlider{{{1203, 63}, {1375, 81}, {1718, 100}, {2063, 111}, {2234, 130}}};
inline constexpr PerBand<gfx::Point> kMasterEdit{{{1195, 206}, {1364, 258}, {1706, 302}, {2049, 355}, {2218, 398}}};
inline constexpr PerBand<gfx::Point> kMasterMute{{{1171, 206}, {1334, 258}, {1670, 302}, {2006, 355}, {2170, 398}}};
// The master scale's labels, left and right of the slider, at the four label heights.
inline constexpr int kScaleMarks = 4;
struct ScaleLabels {
    int leftX, rightX;
    std::array<int, kScaleMarks> y;
    gfx::Size size;
};
ScaleLabels MasterScaleLabels(int band);
// The scale's ticks: each drawn as this many adjacent one-pixel lines.
inline constexpr PerBand<int> kTickLines{2, 2, 3, 3, 4};

// Buttons of the right-hand column, all DpiScale(84) x DpiScale(18).
struct ButtonPlace {
    int id;
    PerBand<gfx::Point> at;
};
inline constexpr int kCommandButtons = 5;
extern const std::array<ButtonPlace, kCommandButtons> kCommandButtonPlaces;

// The top bar: settings, minimise and close, at y DpiScale(2).
inline constexpr PerBand<int> kSettingsX{1118, 1257, 1607, 1914, 2060};
inline constexpr PerBand<int> kMinimiseX{1164, 1319, 1672, 1995, 2152};
inline constexpr PerBand<int> kCloseX{1210, 1381, 1737, 2076, 2244};
// The launchers: input volume, scene, delay calculator.
gfx::Point InputVolumeButton(int band);
gfx::Point SceneButton(int band);
gfx::Point DelayCalcButton(int band);

// The strips' select row: given at 96 and 192 DPI. The bands between take Between, but stand no further under
// the band buttons than 96 DPI does (DpiScale(14) under their bottom), which leaves the strips room above the
// delay caption at 168 DPI. The strip captions move with the row.
int SelectRowY(int band);

// Captions placed by the layout pass.
inline constexpr PerBand<gfx::Point> kDelayCaption{{{20, 620}, {25, 797}, {32, 975}, {40, 1106}, {39, 1284}}};
gfx::Point ChannelNameCaption(int band);
gfx::Point LinkCaption(int band);
gfx::Point PhaseCaption(int band);

}  // namespace mainwnd::geo
