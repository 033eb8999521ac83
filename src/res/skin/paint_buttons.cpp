// Plates, bars and the small state markers of the main window's buttons.
#include <algorithm>
#include <cmath>

#include "res/skin/painters.h"
#include "res/skin/skinpalette.h"
#include "res/skin/skinshapes.h"

namespace res::painters {

using namespace res::palette;
using shapes::Box;

namespace {

// Buttons keep a one-pixel gap (two at double size) to their neighbours.
double Gap(gfx::Size size) {
    return shapes::Stroke(size, 1.0 / 18);
}

void SquareButton(gfx::Canvas& canvas, gfx::Size size, bool on) {
    shapes::Fill(canvas, size, kBack);
    const double edge = shapes::Stroke(size, 1.0 / 12);
    const Box box = shapes::Inset(shapes::Whole(size), edge);
    const double radius = std::min(box.w, box.h) * 0.22;
    if (on) {
        shapes::FillRoundedShaded(canvas, box, radius, kAccentLight, kAccentDeep, kAccentLight, edge);
    } else {
        shapes::FillRoundedShaded(canvas, box, radius, kDarkFill, kDarkFill, kDarkEdge, edge);
    }
}

}  // namespace

void Plate(gfx::Canvas& canvas, gfx::Size size, bool pressed) {
    shapes::Fill(canvas, size, kBack);
    const double edge = Gap(size);
    const Box box = shapes::Inset(shapes::Whole(size), edge);
    const double radius = box.h * 0.24;
    if (pressed) {
        shapes::FillRoundedShaded(canvas, box, radius, kAccent, kAccentDeep, kAccentLight, edge);
    } else {
        shapes::FillRoundedShaded(canvas, box, radius, kPlateTop, kPlateBottom, kPlateEdge, edge);
    }
}

void ChannelBar(gfx::Canvas& canvas, gfx::Size size, bool lit) {
    // A plain bar: the channel's name fills it, so nothing else is drawn where the name stands.
    shapes::Fill(canvas, size, kBack);
    const double edge = Gap(size);
    const Box box = shapes::Inset(shapes::Whole(size), edge);
    const double radius = box.h * 0.2;
    if (lit) {
        shapes::FillRoundedShaded(canvas, box, radius, kAccent, kAccentDeep, kAccentLight, edge);
    } else {
        shapes::FillRoundedShaded(canvas, box, radius, kPlateBottom, shapes::Mix(kPlateBottom, kDarkFill, 0.6),
                                  kPlateEdge, edge);
    }
}

void MatrixCell(gfx::Canvas& canvas, gfx::Size size, bool on) {
    SquareButton(canvas, size, on);
}

void MixButton(gfx::Canvas& canvas, gfx::Size size, MixState state) {
    SquareButton(canvas, size, state == MixState::kOn);
    if (state == MixState::kUnavailable) {
        shapes::Slash(canvas, shapes::Inset(shapes::Whole(size), size.cx * 0.12), shapes::Stroke(size, 1.0 / 8),
                      kGlyph);
    }
}

void BandButton(gfx::Canvas& canvas, gfx::Size size, BandState state) {
    shapes::Fill(canvas, size, kBack);
    const double width = shapes::Stroke(size, 1.0 / 7);
    const double cx = size.cx / 2.0, cy = size.cy / 2.0;
    const double r = std::min(size.cx, size.cy) / 2.0 - width / 2 - 1;
    switch (state) {
        case BandState::kActive:
            shapes::StrokeCircle(canvas, cx, cy, r, width, kAccent);
            shapes::FillCircle(canvas, cx, cy, r * 0.35, kAccentLight);
            break;
        case BandState::kFlat:
            shapes::StrokeCircle(canvas, cx, cy, r, width, kGlyph);
            break;
        case BandState::kPressed:
            // Sunken: the hollow filled and the ring a shade darker.
            shapes::FillCircle(canvas, cx, cy, r, kDarkFill);
            shapes::StrokeCircle(canvas, cx, cy, r, width, shapes::Mix(kGlyph, kBack, 0.6));
            break;
    }
}

void Bridge(gfx::Canvas& canvas, gfx::Size size, BridgeState state) {
    shapes::Fill(canvas, size, kBack);
    const double cx = size.cx / 2.0, cy = size.cy / 2.0;
    const double r = std::min(size.cx, size.cy) / 2.0 - 1;
    switch (state) {
        case BridgeState::kOn:
            shapes::FillCircle(canvas, cx, cy, r, kOrange);
            shapes::FillCircle(canvas, cx - r * 0.3, cy - r * 0.3, r * 0.3, shapes::Mix(kWhite, kOrange, 0.45));
            break;
        case BridgeState::kOff:
            shapes::FillCircle(canvas, cx, cy, r, kPlateEdge);
            break;
        case BridgeState::kDisabled:
            shapes::FillCircle(canvas, cx, cy, r, kPlateBottom);
            shapes::Slash(canvas, {cx - r, cy - r, 2 * r, 2 * r}, shapes::Stroke(size, 1.0 / 8), kGlyph);
            break;
    }
}

}  // namespace res::painters
