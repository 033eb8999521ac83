// Canvas text: Pango layouts placed the way DrawText and TextOut place their text.
#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>

#include "platform/gfx/canvas.h"

namespace gfx {

namespace {

void SetColor(cairo_t* cr, Color c) {
    cairo_set_source_rgba(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0, c.a / 255.0);
}

}  // namespace

PangoLayout* Canvas::MakeLayout(const std::string& utf8, const Font& font) {
    if (!pango_) pango_ = pango_cairo_create_context(cr_);
    pango_cairo_update_context(cr_, pango_);
    PangoLayout* layout = pango_layout_new(pango_);
    PangoFontDescription* desc = pango_font_description_from_string(InstalledFamilies(font.face));
    pango_font_description_set_absolute_size(desc, EmPixels(font) * PANGO_SCALE);
    pango_font_description_set_weight(desc, static_cast<PangoWeight>(std::clamp(font.weight, 100, 1000)));
    pango_layout_set_font_description(layout, desc);
    pango_font_description_free(desc);
    pango_layout_set_text(layout, utf8.c_str(), -1);
    return layout;
}

void Canvas::LayoutText(const std::string& utf8, const Rect& r, const Font& font, Color color, unsigned flags,
                        bool opaque, Color bk) {
    if (!cr_ || utf8.empty() || r.IsEmpty()) return;
    PangoLayout* layout = MakeLayout(utf8, font);
    const bool single = flags & kTextSingleLine;
    if (single) {
        pango_layout_set_single_paragraph_mode(layout, TRUE);
        if (flags & kTextEndEllipsis) {
            pango_layout_set_width(layout, r.Width() * PANGO_SCALE);
            pango_layout_set_ellipsize(layout, PANGO_ELLIPSIZE_END);
        }
    } else {
        // Several lines: each is aligned inside the rectangle's width.
        pango_layout_set_width(layout, r.Width() * PANGO_SCALE);
        pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
        if (flags & kTextCenter) pango_layout_set_alignment(layout, PANGO_ALIGN_CENTER);
        if (flags & kTextRight) pango_layout_set_alignment(layout, PANGO_ALIGN_RIGHT);
    }
    ShowLayout(layout, r, color, flags, opaque, bk);
    g_object_unref(layout);
}

void Canvas::ShowLayout(PangoLayout* layout, const Rect& r, Color color, unsigned flags, bool opaque, Color bk) {
    const bool single = flags & kTextSingleLine;
    int w = 0, h = 0;
    pango_layout_get_pixel_size(layout, &w, &h);
    int x = r.left, y = r.top;
    if (single && (flags & kTextCenter)) x = r.left + (r.Width() - w) / 2;
    if (single && (flags & kTextRight)) x = r.right - w;
    if (!single) w = r.Width();
    if (flags & kTextVCenter) y = r.top + (r.Height() - h) / 2;
    cairo_save(cr_);
    cairo_rectangle(cr_, r.left, r.top, r.Width(), r.Height());
    cairo_clip(cr_);
    if (opaque) {
        cairo_rectangle(cr_, x, y, w, h);
        SetColor(cr_, Rgb(bk.r, bk.g, bk.b));
        cairo_fill(cr_);
    }
    SetColor(cr_, color);
    cairo_move_to(cr_, x, y);
    pango_cairo_show_layout(cr_, layout);
    cairo_restore(cr_);
}

void Canvas::DrawText(const std::string& utf8, const Rect& r, const Font& font, Color color, unsigned flags) {
    LayoutText(utf8, r, font, color, flags, false, Color{});
}

void Canvas::DrawText(const std::string& utf8, const Rect& r, unsigned flags) {
    LayoutText(utf8, r, state_.font, state_.text_color, flags, state_.bk_mode == BkMode::kOpaque,
               state_.bk_color);
}

void Canvas::TextOut(Point p, const std::string& utf8) {
    if (!cr_ || utf8.empty()) return;
    // One layout both measures the text and draws it in the rectangle it measured.
    PangoLayout* layout = MakeLayout(utf8, state_.font);
    pango_layout_set_single_paragraph_mode(layout, TRUE);
    int w = 0, h = 0;
    pango_layout_get_pixel_size(layout, &w, &h);
    const Rect r = RectFromSize(p.x, p.y, w, h);
    if (!r.IsEmpty())
        ShowLayout(layout, r, state_.text_color, kTextSingleLine, state_.bk_mode == BkMode::kOpaque,
                   state_.bk_color);
    g_object_unref(layout);
}

Size Canvas::MeasureText(const std::string& utf8, const Font& font) {
    if (!cr_) return {};
    PangoLayout* layout = MakeLayout(utf8, font);
    pango_layout_set_single_paragraph_mode(layout, TRUE);
    int w = 0, h = 0;
    pango_layout_get_pixel_size(layout, &w, &h);
    g_object_unref(layout);
    return {w, h};
}

}  // namespace gfx
