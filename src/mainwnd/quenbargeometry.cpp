#include "mainwnd/quenbargeometry.h"

#include <algorithm>

#include "mainwnd/quenbarids.h"
#include "res/skin/skinsizes.h"

namespace mainwnd::geo {

const std::array<ButtonPlace, kCommandButtons> kCommandButtonPlaces = {{
    {IDC_RESET_ALL, {{{1171, 233}, {1334, 296}, {1670, 350}, {2006, 406}, {2170, 462}}}},
    {IDC_EQ_MODE, {{{1171, 263}, {1334, 335}, {1670, 401}, {2006, 462}, {2170, 528}}}},
    {IDC_RESET_EQ, {{{1171, 293}, {1334, 374}, {1670, 452}, {2006, 518}, {2170, 594}}}},
    {IDC_BYPASS_ALL, {{{1171, 323}, {1334, 413}, {1670, 503}, {2006, 574}, {2170, 660}}}},
    {IDC_SOURCE_BUTTON, {{{1171, 406}, {1334, 524}, {1670, 638}, {2006, 726}, {2170, 842}}}},
}};

// Given at 96 DPI (x 1162 and 1234, y 66 + 40 i) and at 192 (x 2159 and 2295, y 132 + 75 i). The bands
// between place the labels by the slider, whose place they give and which does not move in a straight line
// with the DPI: the offsets from its corner follow Between, and the pitch follows the track's height from 40
// on the 140-pixel track to 75 on the 260-pixel one, so the marks keep to the same points of the track.
ScaleLabels MasterScaleLabels(int band) {
    const gfx::Point slider = kMasterSlider[band];
    const int track = res::skinsize::kMasterTrack[band].cy, track1 = res::skinsize::kMasterTrack[0].cy,
              track5 = res::skinsize::kMasterTrack[res::kDpiBands - 1].cy;
    const int pitch = 40 + ((75 - 40) * (track - track1) + (track5 - track1) / 2) / (track5 - track1);
    const int top = slider.y + Between(66 - 63, 132 - 130, band);
    ScaleLabels s{slider.x - Between(1203 - 1162, 2234 - 2159, band),
                  slider.x + Between(1234 - 1203, 2295 - 2234, band),
                  {},
                  {Between(30, 54, band), Between(16, 32, band)}};
    for (int i = 0; i < kScaleMarks; ++i) s.y[i] = top + pitch * i;
    return s;
}

gfx::Point InputVolumeButton(int band) {
    return Between({17, 373}, {26, 774}, band);
}
// The scene button stands in the column of the buttons right of the grid, where 96 and 192 DPI put it.
gfx::Point SceneButton(int band) {
    return {kCommandButtonPlaces[0].at[band].x, Between(373, 774, band)};
}
gfx::Point DelayCalcButton(int band) {
    return Between({17, 406}, {26, 842}, band);
}

namespace {
constexpr int kSelectY = 449, kSelectY192 = 927;
constexpr int kSelectGap96 = 14;  // under the band buttons' bottom

// How far the select row stands above Between in a band; the strip captions move by as much.
int SelectLift(int band) {
    return SelectRowY(band) - Between(kSelectY, kSelectY192, band);
}
gfx::Point Lifted(gfx::Point p, int band) {
    return {p.x, p.y + SelectLift(band)};
}
}  // namespace

int SelectRowY(int band) {
    const int y = Between(kSelectY, kSelectY192, band);
    if (band == 0 || band == res::kDpiBands - 1) return y;
    const int underButtons = kBandButtonY[band] + res::skinsize::kBandButton[band].cy +
                             res::DpiScale(kSelectGap96, kBandDpi[band]);
    return std::min(y, underButtons);
}

gfx::Point ChannelNameCaption(int band) {
    return Lifted(Between({14, 454}, {19, 934}, band), band);
}
gfx::Point LinkCaption(int band) {
    return Lifted(Between({10, 477}, {14, 981}, band), band);
}
gfx::Point PhaseCaption(int band) {
    return Lifted(Between({58, 477}, {105, 981}, band), band);
}

}  // namespace mainwnd::geo
