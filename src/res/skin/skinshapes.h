#pragma once
#include "platform/gfx/canvas.h"
#include "platform/gfx/color.h"
#include "platform/gfx/geometry.h"

// Small anti-aliased drawing steps shared by the painters, on the canvas's Cairo context. Lengths are
// fractions of the bitmap's own size, so one painter serves every band.
namespace res::shapes {

struct Box {
    double x = 0, y = 0, w = 0, h = 0;
};

// The whole bitmap filled with c.
void Fill(gfx::Canvas& canvas, gfx::Size size, gfx::Color c);
// c blended over d by t (0 gives d, 1 gives c).
gfx::Color Mix(gfx::Color c, gfx::Color d, double t);
// A one-pixel line width in the bitmap's scale: about 1/16 of its smaller side, at least 1.
double Stroke(gfx::Size size, double per_px = 1.0 / 16);

void RoundedPath(gfx::Canvas& canvas, Box b, double radius);
void FillRounded(gfx::Canvas& canvas, Box b, double radius, gfx::Color c);
// Filled with a top-to-bottom gradient and outlined by an edge of the given width inside the box.
void FillRoundedShaded(gfx::Canvas& canvas, Box b, double radius, gfx::Color top, gfx::Color bottom,
                       gfx::Color edge, double edge_width);
void FillCircle(gfx::Canvas& canvas, double cx, double cy, double r, gfx::Color c);
void StrokeCircle(gfx::Canvas& canvas, double cx, double cy, double r, double width, gfx::Color c);
void StrokeLine(gfx::Canvas& canvas, double x0, double y0, double x1, double y1, double width, gfx::Color c);
// A tick (check mark) inside the box.
void Tick(gfx::Canvas& canvas, Box b, double width, gfx::Color c);
// A diagonal bar across a circle or box, from lower left to upper right.
void Slash(gfx::Canvas& canvas, Box b, double width, gfx::Color c);
// Text centred in the box, in a bold sans face of the given pixel height.
void CentredText(gfx::Canvas& canvas, const char* utf8, Box b, int height, int weight, gfx::Color c);

// The box inset by d on every side.
constexpr Box Inset(Box b, double d) {
    return {b.x + d, b.y + d, b.w - 2 * d, b.h - 2 * d};
}
constexpr Box Whole(gfx::Size s) {
    return {0, 0, static_cast<double>(s.cx), static_cast<double>(s.cy)};
}

}  // namespace res::shapes
