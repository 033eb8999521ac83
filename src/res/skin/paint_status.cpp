// The link pictures of the bottom bar: green when the link is up, grey when it is not, and for TCP an amber
// cross when the network is down.
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "res/skin/painters.h"
#include "res/skin/skinpalette.h"
#include "res/skin/skinshapes.h"

namespace res::painters {

using namespace res::palette;
using shapes::Box;

namespace {

// The USB trident in a g × g square at (x, y).
void Trident(gfx::Canvas& canvas, double x, double y, double g, gfx::Color c) {
    cairo_t* cr = canvas.Cairo();
    const double line = std::max(1.0, g * 0.08);
    auto at = [&](double fx, double fy) { return std::pair{x + fx * g, y + fy * g}; };
    auto line_to = [&](double fx0, double fy0, double fx1, double fy1) {
        const auto [x0, y0] = at(fx0, fy0);
        const auto [x1, y1] = at(fx1, fy1);
        shapes::StrokeLine(canvas, x0, y0, x1, y1, line, c);
    };
    line_to(0.5, 0.14, 0.5, 0.84);             // stem
    line_to(0.5, 0.66, 0.22, 0.50);            // left branch
    line_to(0.22, 0.50, 0.22, 0.36);
    line_to(0.5, 0.56, 0.78, 0.42);            // right branch
    line_to(0.78, 0.42, 0.78, 0.30);
    shapes::FillCircle(canvas, x + 0.5 * g, y + 0.87 * g, g * 0.1, c);
    shapes::FillCircle(canvas, x + 0.22 * g, y + 0.32 * g, g * 0.075, c);
    const double sq = g * 0.15;
    canvas.FillRect({static_cast<int>(std::round(x + 0.78 * g - sq / 2)), static_cast<int>(std::round(y + 0.2 * g)),
                     static_cast<int>(std::round(x + 0.78 * g + sq / 2)),
                     static_cast<int>(std::round(y + 0.2 * g + sq))},
                    c);
    cairo_new_path(cr);
    const auto [tx, ty] = at(0.5, 0.0);
    cairo_move_to(cr, tx, ty);
    cairo_line_to(cr, tx - g * 0.12, ty + g * 0.18);
    cairo_line_to(cr, tx + g * 0.12, ty + g * 0.18);
    cairo_close_path(cr);
    cairo_set_source_rgb(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0);
    cairo_fill(cr);
}

}  // namespace

void UsbStatus(gfx::Canvas& canvas, gfx::Size size, bool connected) {
    shapes::Fill(canvas, size, kBack);
    const gfx::Color c = connected ? kGreen : shapes::Mix(kGlyph, kBack, 0.7);
    const double g = std::round(size.cy * 0.72);
    const double y = (size.cy - g) / 2;
    Trident(canvas, size.cx * 0.06, y, g, c);
    const Box text{size.cx * 0.06 + g, 0, size.cx - (size.cx * 0.06 + g), static_cast<double>(size.cy)};
    shapes::CentredText(canvas, "USB", text, static_cast<int>(std::round(size.cy * 0.46)), 700,
                        connected ? kWhite : c);
}

void TcpStatus(gfx::Canvas& canvas, gfx::Size size, int state) {
    shapes::Fill(canvas, size, kBack);
    const gfx::Color c = state == 1 ? kGreen : shapes::Mix(kGlyph, kBack, 0.7);
    cairo_t* cr = canvas.Cairo();
    const double g = std::min<double>(size.cx, size.cy) * 0.86;
    const double cx = size.cx / 2.0, base = size.cy / 2.0 + g * 0.38;
    const double line = std::max(1.5, g * 0.1);
    // A wireless fan: a dot and three arcs above it.
    shapes::FillCircle(canvas, cx, base - line / 2, line * 0.9, c);
    cairo_set_line_width(cr, line);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_source_rgb(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0);
    for (double r : {0.3, 0.56, 0.82}) {
        cairo_new_path(cr);
        cairo_arc(cr, cx, base, g * r, -M_PI * 0.75, -M_PI * 0.25);
        cairo_stroke(cr);
    }
    if (state == 2) {
        // A badge in the lower right corner.
        const double r = g * 0.2, bx = size.cx - r - 1, by = size.cy - r - 1;
        shapes::FillCircle(canvas, bx, by, r + 1, kBack);
        shapes::FillCircle(canvas, bx, by, r, kAmber);
        const double s = r * 0.45;
        shapes::StrokeLine(canvas, bx - s, by - s, bx + s, by + s, std::max(1.0, r * 0.3), kBack);
        shapes::StrokeLine(canvas, bx - s, by + s, bx + s, by - s, std::max(1.0, r * 0.3), kBack);
    }
}

}  // namespace res::painters
