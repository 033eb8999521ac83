// Pictures with a transparent ground: the combo boxes' drop arrow and the program's icon. The icon is drawn
// from shapes only (no text), so the same pixels come out wherever Cairo runs.
#include <cairo.h>

#include <cmath>

#include "res/skin/painters.h"
#include "res/skin/skinpalette.h"
#include "res/skin/skinshapes.h"

namespace res::painters {

using namespace res::palette;
using shapes::Box;

void ComboArrow(gfx::Canvas& canvas, gfx::Size size) {
    cairo_t* cr = canvas.Cairo();
    const double line = shapes::Stroke(size, 1.0 / 11);
    // A faint divider between the text and the arrow.
    shapes::StrokeLine(canvas, line / 2, size.cy * 0.22, line / 2, size.cy * 0.78, 1, kFrame);
    const double w = size.cx * 0.38, cx = size.cx / 2.0 + line / 2, cy = size.cy / 2.0;
    cairo_new_path(cr);
    cairo_move_to(cr, cx - w / 2, cy - w / 4);
    cairo_line_to(cr, cx, cy + w / 4);
    cairo_line_to(cr, cx + w / 2, cy - w / 4);
    cairo_set_line_width(cr, line);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_source_rgb(cr, kWhite.r / 255.0, kWhite.g / 255.0, kWhite.b / 255.0);
    cairo_stroke(cr);
}

void Icon(gfx::Canvas& canvas, gfx::Size size) {
    cairo_t* cr = canvas.Cairo();
    const double s = std::min(size.cx, size.cy);
    cairo_save(cr);
    cairo_scale(cr, s / 256.0, s / 256.0);
    // A rounded tile in the window's colours.
    shapes::FillRoundedShaded(canvas, {8, 8, 240, 240}, 52, gfx::Rgb(0x30, 0x40, 0x5A), gfx::Rgb(0x18, 0x21, 0x30),
                              gfx::Rgb(0x44, 0x57, 0x76), 4);
    // Three fader grooves with their caps at different heights.
    const double xs[3] = {78, 128, 178};
    const double caps[3] = {150, 96, 128};
    for (int i = 0; i < 3; ++i) {
        shapes::FillRounded(canvas, {xs[i] - 6, 52, 12, 152}, 6, kGroove);
        shapes::FillRoundedShaded(canvas, {xs[i] - 21, caps[i] - 12, 42, 24}, 6, kCapTop, kCapBottom, kCapEdge, 2);
        shapes::StrokeLine(canvas, xs[i] - 12, caps[i], xs[i] + 12, caps[i], 4, kAccentDeep);
    }
    // A response curve sweeping through the caps.
    cairo_new_path(cr);
    cairo_move_to(cr, 36, 170);
    cairo_curve_to(cr, 70, 170, 82, 150, 104, 120);
    cairo_curve_to(cr, 126, 88, 150, 80, 176, 112);
    cairo_curve_to(cr, 196, 136, 206, 92, 222, 84);
    cairo_set_line_width(cr, 12);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_source_rgba(cr, kAccent.r / 255.0, kAccent.g / 255.0, kAccent.b / 255.0, 0.92);
    cairo_stroke(cr);
    cairo_restore(cr);
}

}  // namespace res::painters
