// Canvas anti-aliased paths: the GDI+ curves, polygons and lines of the graph.
#include <cairo.h>

#include "platform/gfx/aapath.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/spline.h"

namespace gfx {

namespace {

// GDI+ puts pixel centres at integer coordinates; Cairo at half-integers.
constexpr double kCentre = 0.5;

void SetColor(cairo_t* cr, Color c) {
    cairo_set_source_rgba(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0, c.a / 255.0);
}

}  // namespace

void AppendBezierPath(cairo_t* cr, std::span<const PointF> pts) {
    cairo_new_path(cr);
    if (pts.empty()) return;
    cairo_move_to(cr, pts[0].x + kCentre, pts[0].y + kCentre);
    for (size_t i = 1; i + 2 < pts.size(); i += 3) {
        cairo_curve_to(cr, pts[i].x + kCentre, pts[i].y + kCentre, pts[i + 1].x + kCentre, pts[i + 1].y + kCentre,
                       pts[i + 2].x + kCentre, pts[i + 2].y + kCentre);
    }
}

void SetStrokeStyle(cairo_t* cr, float width) {
    cairo_set_line_width(cr, width > 0 ? width : 1.0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
}

void Canvas::StrokeAA(float width, Color c) {
    SetStrokeStyle(cr_, width);
    SetColor(cr_, c);
    cairo_stroke(cr_);
}

void Canvas::DrawLineAA(PointF a, PointF b, float width, Color c) {
    if (!cr_) return;
    cairo_save(cr_);
    cairo_new_path(cr_);
    cairo_move_to(cr_, a.x + kCentre, a.y + kCentre);
    cairo_line_to(cr_, b.x + kCentre, b.y + kCentre);
    StrokeAA(width, c);
    cairo_restore(cr_);
}

void Canvas::DrawBezier(PointF p0, PointF c1, PointF c2, PointF p1, float width, Color c) {
    const PointF pts[] = {p0, c1, c2, p1};
    DrawBeziers(pts, width, c);
}

void Canvas::DrawBeziers(std::span<const PointF> pts, float width, Color c) {
    if (!cr_ || pts.size() < 4 || (pts.size() - 1) % 3 != 0) return;
    cairo_save(cr_);
    AppendBezierPath(cr_, pts);
    StrokeAA(width, c);
    cairo_restore(cr_);
}

void Canvas::DrawCurve(std::span<const PointF> pts, float width, Color c, float tension) {
    const std::vector<PointF> beziers = CardinalToBeziers(pts, tension);
    DrawBeziers(beziers, width, c);
}

void Canvas::FillPolygon(std::span<const PointF> pts, Color c) {
    if (!cr_ || pts.size() < 3) return;
    cairo_save(cr_);
    cairo_new_path(cr_);
    for (size_t i = 0; i < pts.size(); ++i) {
        if (i == 0)
            cairo_move_to(cr_, pts[i].x + kCentre, pts[i].y + kCentre);
        else
            cairo_line_to(cr_, pts[i].x + kCentre, pts[i].y + kCentre);
    }
    cairo_close_path(cr_);
    cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_EVEN_ODD);
    SetColor(cr_, c);
    cairo_fill(cr_);
    cairo_restore(cr_);
}

}  // namespace gfx
