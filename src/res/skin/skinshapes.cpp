#include "res/skin/skinshapes.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

namespace res::shapes {

namespace {

void Source(cairo_t* cr, gfx::Color c) {
    cairo_set_source_rgba(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0, c.a / 255.0);
}

}  // namespace

void Fill(gfx::Canvas& canvas, gfx::Size size, gfx::Color c) {
    canvas.FillRect({0, 0, size.cx, size.cy}, c);
}

gfx::Color Mix(gfx::Color c, gfx::Color d, double t) {
    auto ch = [t](uint8_t a, uint8_t b) { return static_cast<uint8_t>(std::lround(a * t + b * (1 - t))); };
    return gfx::Color{ch(c.r, d.r), ch(c.g, d.g), ch(c.b, d.b), ch(c.a, d.a)};
}

double Stroke(gfx::Size size, double per_px) {
    return std::max(1.0, std::round(std::min(size.cx, size.cy) * per_px));
}

void RoundedPath(gfx::Canvas& canvas, Box b, double radius) {
    cairo_t* cr = canvas.Cairo();
    const double r = std::clamp(radius, 0.0, std::min(b.w, b.h) / 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, b.x + b.w - r, b.y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, b.x + b.w - r, b.y + b.h - r, r, 0, M_PI / 2);
    cairo_arc(cr, b.x + r, b.y + b.h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, b.x + r, b.y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void FillRounded(gfx::Canvas& canvas, Box b, double radius, gfx::Color c) {
    cairo_t* cr = canvas.Cairo();
    cairo_new_path(cr);
    RoundedPath(canvas, b, radius);
    Source(cr, c);
    cairo_fill(cr);
}

void FillRoundedShaded(gfx::Canvas& canvas, Box b, double radius, gfx::Color top, gfx::Color bottom,
                       gfx::Color edge, double edge_width) {
    cairo_t* cr = canvas.Cairo();
    // The edge is the outer shape, the gradient an inner one, so no half-covered seam shows between them.
    FillRounded(canvas, b, radius, edge);
    const Box in = Inset(b, edge_width);
    cairo_new_path(cr);
    RoundedPath(canvas, in, std::max(0.0, radius - edge_width));
    cairo_pattern_t* g = cairo_pattern_create_linear(0, in.y, 0, in.y + in.h);
    cairo_pattern_add_color_stop_rgb(g, 0, top.r / 255.0, top.g / 255.0, top.b / 255.0);
    cairo_pattern_add_color_stop_rgb(g, 1, bottom.r / 255.0, bottom.g / 255.0, bottom.b / 255.0);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void FillCircle(gfx::Canvas& canvas, double cx, double cy, double r, gfx::Color c) {
    cairo_t* cr = canvas.Cairo();
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    Source(cr, c);
    cairo_fill(cr);
}

void StrokeCircle(gfx::Canvas& canvas, double cx, double cy, double r, double width, gfx::Color c) {
    cairo_t* cr = canvas.Cairo();
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_set_line_width(cr, width);
    Source(cr, c);
    cairo_stroke(cr);
}

void StrokeLine(gfx::Canvas& canvas, double x0, double y0, double x1, double y1, double width, gfx::Color c) {
    cairo_t* cr = canvas.Cairo();
    cairo_new_path(cr);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    Source(cr, c);
    cairo_stroke(cr);
}

void Tick(gfx::Canvas& canvas, Box b, double width, gfx::Color c) {
    cairo_t* cr = canvas.Cairo();
    cairo_new_path(cr);
    cairo_move_to(cr, b.x + b.w * 0.08, b.y + b.h * 0.55);
    cairo_line_to(cr, b.x + b.w * 0.38, b.y + b.h * 0.85);
    cairo_line_to(cr, b.x + b.w * 0.92, b.y + b.h * 0.18);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    Source(cr, c);
    cairo_stroke(cr);
}

void Slash(gfx::Canvas& canvas, Box b, double width, gfx::Color c) {
    StrokeLine(canvas, b.x + b.w * 0.15, b.y + b.h * 0.85, b.x + b.w * 0.85, b.y + b.h * 0.15, width, c);
}

void CentredText(gfx::Canvas& canvas, const char* utf8, Box b, int height, int weight, gfx::Color c) {
    const gfx::Rect r{static_cast<int>(std::floor(b.x)), static_cast<int>(std::floor(b.y)),
                      static_cast<int>(std::ceil(b.x + b.w)), static_cast<int>(std::ceil(b.y + b.h))};
    canvas.DrawText(utf8, r, gfx::Font{"Arial", -height, weight}, c,
                    gfx::kTextCenter | gfx::kTextVCenter | gfx::kTextSingleLine);
}

}  // namespace res::shapes
