#include "platform/gfx/canvas.h"

#include <cairo.h>

namespace gfx {

Canvas::Canvas(Bitmap& target) : target_(target) {
    if (target_.Surface()) cr_ = cairo_create(target_.Surface());
}

Canvas::~Canvas() {
    if (cr_) {
        cairo_surface_flush(target_.Surface());
        cairo_destroy(cr_);
    }
}

void Canvas::Save() {
    if (cr_) cairo_save(cr_);
}

void Canvas::Restore() {
    if (cr_) cairo_restore(cr_);
}

void Canvas::Translate(int dx, int dy) {
    if (cr_) cairo_translate(cr_, dx, dy);
}

void Canvas::ClipRect(const Rect& r) {
    if (!cr_) return;
    cairo_rectangle(cr_, r.left, r.top, r.Width(), r.Height());
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

}  // namespace gfx
