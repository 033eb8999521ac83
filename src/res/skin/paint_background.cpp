// The window's background and the logo on its top bar.
#include <cairo.h>

#include <cmath>

#include "res/skin/painters.h"
#include "res/skin/skinpalette.h"
#include "res/skin/skinshapes.h"

namespace res::painters {

using namespace res::palette;

namespace {

// The background is drawn in the coordinates of the window at 96 DPI; the window stretches it over its
// client area in every band. The bands do not scale the layout alike (the right-hand column stands further
// left, relatively, at 192 DPI than at 96), so nothing here is drawn around particular controls: the window's
// own colour everywhere, under a top bar that holds the logo and the top-bar buttons in every band. Controls
// carry the same colours around their shapes, so they meet the background without a seam.
constexpr double kDesignWidth = 1272, kDesignHeight = 676;
constexpr double kTopBarHeight = 36;

}  // namespace

void Background(gfx::Canvas& canvas, gfx::Size size) {
    shapes::Fill(canvas, size, kBack);
    cairo_t* cr = canvas.Cairo();
    cairo_save(cr);
    cairo_scale(cr, size.cx / kDesignWidth, size.cy / kDesignHeight);
    shapes::FillRounded(canvas, {0, 0, kDesignWidth, kTopBarHeight}, 0, kTopBar);
    shapes::FillRounded(canvas, {0, kTopBarHeight, kDesignWidth, 1}, 0, shapes::Mix(kAccentDeep, kTopBar, 0.45));
    // A faint frame around the whole window, which has no border of its own.
    cairo_set_line_width(cr, 1);
    cairo_set_source_rgb(cr, kFrame.r / 255.0, kFrame.g / 255.0, kFrame.b / 255.0);
    cairo_rectangle(cr, 0.5, kTopBarHeight + 1.5, kDesignWidth - 1, kDesignHeight - kTopBarHeight - 2);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void Logo(gfx::Canvas& canvas, gfx::Size size) {
    shapes::Fill(canvas, size, kTopBar);
    const int em = static_cast<int>(std::round(size.cy * 0.52));
    const gfx::Font bold{"Arial", -em, 700};
    const gfx::Font light{"Arial", -em, 300};
    const char* first = "DSP";
    const char* second = "CONSOLE";
    const gfx::Size a = canvas.MeasureText(first, bold);
    const gfx::Size b = canvas.MeasureText(second, light);
    const int space = em / 3;
    const int x = (size.cx - (a.cx + space + b.cx)) / 2;
    const unsigned flags = gfx::kTextLeft | gfx::kTextVCenter | gfx::kTextSingleLine;
    canvas.DrawText(first, {x, 0, x + a.cx, size.cy}, bold, kWhite, flags);
    canvas.DrawText(second, {x + a.cx + space, 0, x + a.cx + space + b.cx, size.cy}, light, kAccentLight,
                    flags);
}

}  // namespace res::painters
