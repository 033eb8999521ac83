#include "platform/gfx/canvas.h"

#include <cairo.h>
#include <pango/pangocairo.h>

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

namespace {

// Faces of the program mapped to installed ones; Chinese faces need a CJK font.
const char* InstalledFace(const std::string& face) {
    if (face == "宋体" || face == "黑体" || face == "SimSun" || face == "SimHei") return "WenQuanYi Zen Hei";
    return "DejaVu Sans, WenQuanYi Zen Hei";
}

PangoLayout* MakeLayout(cairo_t* cr, const std::string& utf8, const Font& font) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* desc = pango_font_description_from_string(InstalledFace(font.face));
    // Pixel heights scale the em so the line box roughly matches the cell height the program asked for.
    pango_font_description_set_absolute_size(desc, font.height * 0.8 * PANGO_SCALE);
    pango_font_description_set_weight(desc, static_cast<PangoWeight>(font.weight));
    pango_layout_set_font_description(layout, desc);
    pango_font_description_free(desc);
    pango_layout_set_text(layout, utf8.c_str(), -1);
    return layout;
}

}  // namespace

void Canvas::DrawText(const std::string& utf8, const Rect& r, const Font& font, Color color, unsigned flags) {
    if (!cr_ || utf8.empty()) return;
    PangoLayout* layout = MakeLayout(cr_, utf8, font);
    if (flags & kTextSingleLine) pango_layout_set_single_paragraph_mode(layout, TRUE);
    if (flags & kTextEndEllipsis) {
        pango_layout_set_width(layout, r.Width() * PANGO_SCALE);
        pango_layout_set_ellipsize(layout, PANGO_ELLIPSIZE_END);
    } else if (!(flags & kTextSingleLine)) {
        pango_layout_set_width(layout, r.Width() * PANGO_SCALE);
        pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
    }
    int w = 0, h = 0;
    pango_layout_get_pixel_size(layout, &w, &h);
    double x = r.left, y = r.top;
    if (flags & kTextCenter) x = r.left + (r.Width() - w) / 2.0;
    if (flags & kTextRight) x = r.right - w;
    if (flags & kTextVCenter) y = r.top + (r.Height() - h) / 2.0;
    if (flags & (kTextCenter | kTextRight)) pango_layout_set_width(layout, -1);
    cairo_save(cr_);
    cairo_rectangle(cr_, r.left, r.top, r.Width(), r.Height());
    cairo_clip(cr_);
    cairo_set_source_rgba(cr_, color.r / 255.0, color.g / 255.0, color.b / 255.0, color.a / 255.0);
    cairo_move_to(cr_, x, y);
    pango_cairo_show_layout(cr_, layout);
    cairo_restore(cr_);
    g_object_unref(layout);
}

Size Canvas::MeasureText(const std::string& utf8, const Font& font) {
    if (!cr_) return {};
    PangoLayout* layout = MakeLayout(cr_, utf8, font);
    int w = 0, h = 0;
    pango_layout_get_pixel_size(layout, &w, &h);
    g_object_unref(layout);
    return {w, h};
}

}  // namespace gfx
