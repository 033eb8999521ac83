#include "platform/gfx/canvas.h"

#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/gfx/lineraster.h"

namespace gfx {

namespace {

void SetOpaque(cairo_t* cr, Color c) {
    cairo_set_source_rgb(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0);
}

// A path of whole-pixel centres for a pen of the given width, closed or not.
void PixelPath(cairo_t* cr, const std::vector<Point>& path) {
    for (size_t i = 0; i < path.size(); ++i) {
        if (i == 0)
            cairo_move_to(cr, path[i].x + 0.5, path[i].y + 0.5);
        else
            cairo_line_to(cr, path[i].x + 0.5, path[i].y + 0.5);
    }
}

}  // namespace

Canvas::Canvas(Bitmap& target) : target_(target) {
    if (target_.Surface()) cr_ = cairo_create(target_.Surface());
}

Canvas::~Canvas() {
    // Cairo holds its own reference to the surface, so this is safe even if the Bitmap was moved meanwhile.
    if (pango_) g_object_unref(pango_);
    if (cr_) {
        cairo_surface_flush(cairo_get_target(cr_));
        cairo_destroy(cr_);
    }
}

void Canvas::Save() {
    saved_.push_back(state_);
    if (cr_) cairo_save(cr_);
}

void Canvas::Restore() {
    // An unmatched Restore is ignored rather than unbalancing Cairo's own stack.
    if (saved_.empty()) return;
    state_ = saved_.back();
    saved_.pop_back();
    if (cr_) cairo_restore(cr_);
}

void Canvas::Translate(int dx, int dy) {
    if (cr_) cairo_translate(cr_, dx, dy);
}

void Canvas::ClipRect(const Rect& r) {
    if (!cr_) return;
    cairo_rectangle(cr_, r.left, r.top, std::max(0, r.Width()), std::max(0, r.Height()));
    cairo_clip(cr_);
}

void Canvas::FillRect(const Rect& r, Color c) {
    if (!cr_ || r.IsEmpty()) return;
    cairo_save(cr_);
    cairo_set_source_rgba(cr_, c.r / 255.0, c.g / 255.0, c.b / 255.0, c.a / 255.0);
    cairo_set_operator(cr_, c.a == 255 ? CAIRO_OPERATOR_SOURCE : CAIRO_OPERATOR_OVER);
    cairo_rectangle(cr_, r.left, r.top, r.Width(), r.Height());
    cairo_fill(cr_);
    cairo_restore(cr_);
}

void Canvas::FillRect(const Rect& r, const Brush& brush) {
    if (!brush.null) FillRect(r, Rgb(brush.color.r, brush.color.g, brush.color.b));
}

Pen Canvas::SetPen(const Pen& pen) {
    return std::exchange(state_.pen, pen);
}
Brush Canvas::SetBrush(const Brush& brush) {
    return std::exchange(state_.brush, brush);
}
Font Canvas::SetFont(const Font& font) {
    return std::exchange(state_.font, font);
}
Color Canvas::SetTextColor(Color c) {
    return std::exchange(state_.text_color, c);
}
Color Canvas::SetBkColor(Color c) {
    return std::exchange(state_.bk_color, c);
}
BkMode Canvas::SetBkMode(BkMode mode) {
    return std::exchange(state_.bk_mode, mode);
}

Rect Canvas::VisibleArea() {
    cairo_surface_t* surface = cairo_get_target(cr_);
    double x0 = 0, y0 = 0, x1 = cairo_image_surface_get_width(surface),
           y1 = cairo_image_surface_get_height(surface);
    cairo_device_to_user(cr_, &x0, &y0);
    cairo_device_to_user(cr_, &x1, &y1);
    return {static_cast<int>(std::floor(x0)), static_cast<int>(std::floor(y0)),
            static_cast<int>(std::ceil(x1)), static_cast<int>(std::ceil(y1))};
}

void Canvas::FillRuns(const std::vector<Rect>& runs, Color c) {
    if (runs.empty()) return;
    cairo_save(cr_);
    for (const Rect& r : runs) cairo_rectangle(cr_, r.left, r.top, r.Width(), r.Height());
    SetOpaque(cr_, c);
    cairo_fill(cr_);
    cairo_restore(cr_);
}

// Draws a polyline with a pen: a cosmetic pen pixel by pixel, a wide pen as a stroke with round ends and
// joins.
void Canvas::PenLine(const std::vector<Point>& path, const Pen& pen) {
    if (!cr_ || pen.style == PenStyle::kNull || path.size() < 2) return;
    if (pen.width <= 1) {
        LineRaster raster(pen.style == PenStyle::kDot, VisibleArea());
        for (size_t i = 1; i < path.size(); ++i) raster.Add(path[i - 1], path[i]);
        if (state_.bk_mode == BkMode::kOpaque) FillRuns(raster.Gaps(), state_.bk_color);
        FillRuns(raster.Runs(), pen.color);
        return;
    }
    cairo_save(cr_);
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
    cairo_set_line_width(cr_, pen.width);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    // Even widths straddle the pixel edge, odd ones the pixel centre, so both stay on whole pixels.
    const double shift = pen.width % 2 == 0 ? -0.5 : 0.0;
    cairo_translate(cr_, shift, shift);
    PixelPath(cr_, path);
    SetOpaque(cr_, pen.color);
    cairo_stroke(cr_);
    cairo_restore(cr_);
}

void Canvas::MoveTo(Point p) {
    state_.position = p;
}

void Canvas::LineTo(Point p) {
    PenLine({state_.position, p}, state_.pen);
    state_.position = p;
}

void Canvas::Line(Point a, Point b) {
    MoveTo(a);
    LineTo(b);
}

void Canvas::Line(Point a, Point b, const Pen& pen) {
    PenLine({a, b}, pen);
}

void Canvas::Rectangle(const Rect& r) {
    if (!cr_ || r.IsEmpty()) return;
    const Pen& pen = state_.pen;
    if (!state_.brush.null) {
        const Rect fill = pen.style == PenStyle::kNull ? Rect{r.left, r.top, r.right - 1, r.bottom - 1} : r;
        if (!fill.IsEmpty())
            FillRect(fill, Rgb(state_.brush.color.r, state_.brush.color.g, state_.brush.color.b));
    }
    const int x1 = r.right - 1, y1 = r.bottom - 1;
    PenLine({{r.left, r.top}, {x1, r.top}, {x1, y1}, {r.left, y1}, {r.left, r.top}}, pen);
    if (pen.style != PenStyle::kNull && pen.width <= 1 && (x1 == r.left || y1 == r.top)) {
        // A one-pixel-wide frame closes on its own start point, which the excluded end point would leave out.
        PenLine({{x1, y1}, {x1 + 1, y1}}, pen);
    }
}

void Canvas::RoundRect(const Rect& r, int corner_w, int corner_h) {
    if (!cr_ || r.IsEmpty()) return;
    const double x0 = r.left + 0.5, y0 = r.top + 0.5, x1 = r.right - 0.5, y1 = r.bottom - 0.5;
    const double rx = std::clamp(corner_w / 2.0, 0.0, (x1 - x0) / 2),
                 ry = std::clamp(corner_h / 2.0, 0.0, (y1 - y0) / 2);
    cairo_save(cr_);
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
    cairo_new_path(cr_);
    auto corner = [&](double cx, double cy, double a0) {
        cairo_save(cr_);
        cairo_translate(cr_, cx, cy);
        cairo_scale(cr_, rx > 0 ? rx : 1e-9, ry > 0 ? ry : 1e-9);
        cairo_arc(cr_, 0, 0, 1, a0, a0 + M_PI / 2);
        cairo_restore(cr_);
    };
    corner(x1 - rx, y0 + ry, -M_PI / 2);
    corner(x1 - rx, y1 - ry, 0);
    corner(x0 + rx, y1 - ry, M_PI / 2);
    corner(x0 + rx, y0 + ry, M_PI);
    cairo_close_path(cr_);
    if (!state_.brush.null) {
        SetOpaque(cr_, state_.brush.color);
        cairo_fill_preserve(cr_);
    }
    const Pen& pen = state_.pen;
    if (pen.style != PenStyle::kNull) {
        cairo_set_line_width(cr_, std::max(1, pen.width));
        if (pen.style == PenStyle::kDot && pen.width <= 1) {
            const double dash[] = {3.0, 3.0};
            cairo_set_dash(cr_, dash, 2, 0);
        }
        SetOpaque(cr_, pen.color);
        cairo_stroke(cr_);
    }
    cairo_new_path(cr_);
    cairo_restore(cr_);
}

// --- Bitmaps.

void Canvas::CopyPixels(const Rect& dst, const Bitmap& src, const Rect& src_rect, bool blend, bool smooth) {
    if (!cr_ || src.IsNull() || dst.IsEmpty() || src_rect.IsEmpty()) return;
    const Rect bounds{0, 0, src.Width(), src.Height()};
    const Rect s{std::max(src_rect.left, 0), std::max(src_rect.top, 0),
                 std::min(src_rect.right, bounds.right), std::min(src_rect.bottom, bounds.bottom)};
    if (s.IsEmpty()) return;
    // The destination shrinks with the source rectangle where that reached outside the bitmap.
    const double kx = static_cast<double>(dst.Width()) / src_rect.Width();
    const double ky = static_cast<double>(dst.Height()) / src_rect.Height();
    const Rect d{dst.left + static_cast<int>(std::lround((s.left - src_rect.left) * kx)),
                 dst.top + static_cast<int>(std::lround((s.top - src_rect.top) * ky)),
                 dst.left + static_cast<int>(std::lround((s.right - src_rect.left) * kx)),
                 dst.top + static_cast<int>(std::lround((s.bottom - src_rect.top) * ky))};
    if (d.IsEmpty()) return;
    // Copying a bitmap onto itself goes through a copy, so overlapping areas read the old pixels.
    Bitmap copy;
    const Bitmap* from = &src;
    if (src.Surface() == cairo_get_target(cr_)) {
        cairo_surface_flush(src.Surface());
        copy = src;
        from = &copy;
    }
    cairo_save(cr_);
    cairo_rectangle(cr_, d.left, d.top, d.Width(), d.Height());
    cairo_clip(cr_);
    cairo_translate(cr_, d.left, d.top);
    cairo_scale(cr_, static_cast<double>(d.Width()) / s.Width(),
                static_cast<double>(d.Height()) / s.Height());
    cairo_set_source_surface(cr_, from->Surface(), -s.left, -s.top);
    cairo_pattern_t* pattern = cairo_get_source(cr_);
    cairo_pattern_set_filter(pattern, smooth ? CAIRO_FILTER_GOOD : CAIRO_FILTER_NEAREST);
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
    cairo_set_operator(cr_, blend ? CAIRO_OPERATOR_OVER : CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr_);
    cairo_restore(cr_);
}

void Canvas::BitBlt(Point dst, const Bitmap& src) {
    CopyPixels(RectFromSize(dst.x, dst.y, src.Width(), src.Height()), src, {0, 0, src.Width(), src.Height()},
               false, false);
}

void Canvas::BitBlt(const Rect& dst, const Bitmap& src, Point src_top_left) {
    CopyPixels(dst, src, RectFromSize(src_top_left.x, src_top_left.y, dst.Width(), dst.Height()), false,
               false);
}

void Canvas::StretchBlt(const Rect& dst, const Bitmap& src, const Rect& src_rect) {
    CopyPixels(dst, src, src_rect, false, false);
}

void Canvas::DrawImage(const Rect& dst, const Bitmap& src, const Rect& src_rect) {
    CopyPixels(dst, src, src_rect, true, true);
}

}  // namespace gfx
