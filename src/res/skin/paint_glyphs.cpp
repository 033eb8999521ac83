// Buttons that show a symbol: mute speakers, the top bar, the graph overlay swatches and the link chains.
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "res/skin/painters.h"
#include "res/skin/skinpalette.h"
#include "res/skin/skinshapes.h"

namespace res::painters {

using namespace res::palette;
using shapes::Box;

namespace {

void Source(cairo_t* cr, gfx::Color c) {
    cairo_set_source_rgb(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0);
}

// A loudspeaker of height g with its left edge at x, centred on cy.
void Speaker(gfx::Canvas& canvas, double x, double cy, double g, gfx::Color c) {
    cairo_t* cr = canvas.Cairo();
    const double top = cy - g / 2;
    cairo_new_path(cr);
    cairo_move_to(cr, x, top + g * 0.32);
    cairo_line_to(cr, x + g * 0.28, top + g * 0.32);
    cairo_line_to(cr, x + g * 0.62, top + g * 0.04);
    cairo_line_to(cr, x + g * 0.62, top + g * 0.96);
    cairo_line_to(cr, x + g * 0.28, top + g * 0.68);
    cairo_line_to(cr, x, top + g * 0.68);
    cairo_close_path(cr);
    Source(cr, c);
    cairo_fill(cr);
}

// A gear of outer radius r: eight teeth and a hole.
void Gear(gfx::Canvas& canvas, double cx, double cy, double r, gfx::Color c) {
    cairo_t* cr = canvas.Cairo();
    constexpr int kTeeth = 8;
    const double inner = r * 0.74;
    cairo_new_path(cr);
    for (int i = 0; i < kTeeth; ++i) {
        const double a = 2 * M_PI * i / kTeeth;
        const double half = M_PI / kTeeth * 0.5;  // a tooth covers half of its pitch
        const double pts[4][2] = {{inner, a - half * 1.3}, {r, a - half * 0.8}, {r, a + half * 0.8},
                                  {inner, a + half * 1.3}};
        for (const auto& p : pts) {
            const double px = cx + p[0] * std::cos(p[1]), py = cy + p[0] * std::sin(p[1]);
            if (i == 0 && &p == &pts[0])
                cairo_move_to(cr, px, py);
            else
                cairo_line_to(cr, px, py);
        }
        const double next = 2 * M_PI * (i + 1) / kTeeth;
        cairo_arc(cr, cx, cy, inner, a + half * 1.3, next - half * 1.3);
    }
    cairo_close_path(cr);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r * 0.32, 0, 2 * M_PI);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    Source(cr, c);
    cairo_fill(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

// Two links of a chain, g high, with the left edge at x and centred on cy.
void Chain(gfx::Canvas& canvas, double x, double cy, double g, double width, gfx::Color c) {
    cairo_t* cr = canvas.Cairo();
    const double lw = g * 0.95, lh = g * 0.55;
    cairo_save(cr);
    cairo_set_line_width(cr, width);
    Source(cr, c);
    for (int i = 0; i < 2; ++i) {
        cairo_new_path(cr);
        shapes::RoundedPath(canvas, {x + i * lw * 0.62, cy - lh / 2, lw, lh}, lh / 2);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

}  // namespace

void Mute(gfx::Canvas& canvas, gfx::Size size, bool muted) {
    shapes::Fill(canvas, size, kBack);
    const double edge = shapes::Stroke(size, 1.0 / 18);
    const Box box = shapes::Inset(shapes::Whole(size), edge);
    shapes::FillRoundedShaded(canvas, box, box.h * 0.24, kDarkFill, kDarkFill,
                              muted ? kAccentDeep : kDarkEdge, edge);
    const double g = std::round(box.h * 0.62);
    const double glyph_w = g * 1.2;
    const double x = std::round((size.cx - glyph_w) / 2), cy = size.cy / 2.0;
    const double line = std::max(1.0, g / 9);
    const gfx::Color c = muted ? kAccent : kGlyph;
    Speaker(canvas, x, cy, g, c);
    const double ax = x + g * 0.78;  // where the waves or the cross begin
    if (muted) {
        const double s = g * 0.36;
        shapes::StrokeLine(canvas, ax, cy - s / 2, ax + s, cy + s / 2, line, c);
        shapes::StrokeLine(canvas, ax, cy + s / 2, ax + s, cy - s / 2, line, c);
    } else {
        cairo_t* cr = canvas.Cairo();
        cairo_set_line_width(cr, line);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        Source(cr, c);
        for (double r : {g * 0.2, g * 0.42}) {
            cairo_new_path(cr);
            cairo_arc(cr, ax - g * 0.08, cy, r, -M_PI / 3.2, M_PI / 3.2);
            cairo_stroke(cr);
        }
    }
}

void TopButton(gfx::Canvas& canvas, gfx::Size size, TopGlyph glyph, bool pressed) {
    shapes::Fill(canvas, size, kTopBar);
    if (pressed) {
        const Box box = shapes::Inset(shapes::Whole(size), shapes::Stroke(size, 1.0 / 10));
        shapes::FillRounded(canvas, box, box.h * 0.2, kTopBarPressed);
    }
    gfx::Color c = kWhite;
    if (pressed) c = glyph == TopGlyph::kClose ? kRed : kAccent;
    const double s = std::round(size.cy * 0.34);
    const double cx = size.cx / 2.0, cy = size.cy / 2.0;
    const double line = std::max(1.0, std::round(size.cy / 15.0));
    switch (glyph) {
        case TopGlyph::kMinimise:
            shapes::StrokeLine(canvas, cx - s / 2, cy + s / 3, cx + s / 2, cy + s / 3, line, c);
            break;
        case TopGlyph::kClose:
            shapes::StrokeLine(canvas, cx - s / 2, cy - s / 2, cx + s / 2, cy + s / 2, line, c);
            shapes::StrokeLine(canvas, cx - s / 2, cy + s / 2, cx + s / 2, cy - s / 2, line, c);
            break;
        case TopGlyph::kSettings:
            Gear(canvas, cx, cy, s * 0.62, c);
            break;
    }
}

void Overlay(gfx::Canvas& canvas, gfx::Size size, gfx::Color channel, bool on) {
    shapes::Fill(canvas, size, kBack);
    const double edge = shapes::Stroke(size, 1.0 / 12);
    const Box box = shapes::Inset(shapes::Whole(size), edge);
    const double radius = std::min(box.w, box.h) * 0.22;
    if (on) {
        shapes::FillRoundedShaded(canvas, box, radius, channel, channel, shapes::Mix(kWhite, channel, 0.35),
                                  edge);
        shapes::Tick(canvas, shapes::Inset(box, box.w * 0.2), std::max(1.0, box.w / 7), kWhite);
    } else {
        // Off: the colour stays readable, dimmed, so each channel can still be found by its colour.
        shapes::FillRoundedShaded(canvas, box, radius, shapes::Mix(channel, kBack, 0.35),
                                  shapes::Mix(channel, kBack, 0.35), channel, edge);
    }
}

gfx::Color LinkGroupColour(int group) {
    static constexpr gfx::Color kGroups[12] = {
        gfx::Rgb(0x2F, 0x8C, 0xFF), gfx::Rgb(0xFF, 0x92, 0x30), gfx::Rgb(0x3E, 0xCE, 0x82),
        gfx::Rgb(0xE8, 0x4C, 0x8A), gfx::Rgb(0xA8, 0x6B, 0xF2), gfx::Rgb(0x2C, 0xC7, 0xD6),
        gfx::Rgb(0xE8, 0xC8, 0x3A), gfx::Rgb(0xE8, 0x5A, 0x4C), gfx::Rgb(0x8C, 0xC8, 0x3E),
        gfx::Rgb(0x5C, 0x6C, 0xF2), gfx::Rgb(0xD6, 0x7C, 0xD0), gfx::Rgb(0x9A, 0xA7, 0xBB),
    };
    return kGroups[std::clamp(group, 0, 11)];
}

void Link(gfx::Canvas& canvas, gfx::Size size, int group) {
    shapes::Fill(canvas, size, kBack);
    const double edge = shapes::Stroke(size, 1.0 / 18);
    const Box box = shapes::Inset(shapes::Whole(size), edge);
    const double radius = box.h * 0.24;
    const double g = box.h * 0.5;
    const double line = std::max(1.0, std::round(size.cy / 16.0));
    if (group < 0 || group > 11) {
        shapes::FillRoundedShaded(canvas, box, radius, kDarkFill, kDarkFill, kDarkEdge, edge);
        const double chain_w = g * 0.95 * 1.62;
        Chain(canvas, std::round((size.cx - chain_w) / 2), size.cy / 2.0, g, line, kGlyph);
        return;
    }
    const gfx::Color c = LinkGroupColour(group);
    shapes::FillRoundedShaded(canvas, box, radius, shapes::Mix(c, kDarkFill, 0.55), shapes::Mix(c, kDarkFill, 0.4),
                              c, edge);
    Chain(canvas, box.x + box.w * 0.08, size.cy / 2.0, g * 0.76, line, kWhite);
    const std::string number = std::to_string(group + 1);
    const Box text{box.x + box.w * 0.45, box.y, box.w * 0.55, box.h};
    shapes::CentredText(canvas, number.c_str(), text, static_cast<int>(std::round(box.h * 0.62)), 700, kWhite);
}

}  // namespace res::painters
