// The sliders' thumbs and tracks. A track bitmap has the slider's size; the slider copies from it the part
// on each side of the thumb, so the groove runs between the thumb's two end stops.
#include <algorithm>
#include <cmath>

#include "res/skin/painters.h"
#include "res/skin/skinpalette.h"
#include "res/skin/skinshapes.h"

namespace res::painters {

using namespace res::palette;
using shapes::Box;

void Thumb(gfx::Canvas& canvas, gfx::Size size, gfx::Color indicator) {
    shapes::Fill(canvas, size, kBack);
    const double edge = shapes::Stroke(size, 1.0 / 16);
    // The cap fills the square, so the groove it slides over never shows through beside it.
    const Box cap = shapes::Inset(shapes::Whole(size), edge * 0.5);
    shapes::FillRoundedShaded(canvas, cap, std::min(cap.w, cap.h) * 0.2, kCapTop, kCapBottom, kCapEdge, edge);
    const double line = shapes::Stroke(size, 1.0 / 8);
    const double y = std::round(size.cy / 2.0 - line / 2) + line / 2;
    shapes::StrokeLine(canvas, size.cx * 0.22, y, size.cx * 0.78, y, line, indicator);
}

void Track(gfx::Canvas& canvas, gfx::Size size, const TrackStyle& style) {
    shapes::Fill(canvas, size, kBack);
    const double groove = std::max(4.0, std::round(size.cx * 0.2));
    const double cx = std::floor(size.cx / 2.0) + style.offset;
    const double top = std::max(0.0, style.margin - groove / 2);
    const double bottom = std::min<double>(size.cy, size.cy - style.margin + groove / 2);
    if (style.centre_mark) {
        // Marks at the ends, the quarters and, longer and brighter, 0 dB in the middle.
        const double travel = size.cy - 2.0 * style.margin;
        const double line = shapes::Stroke(size, 1.0 / 26);
        for (int q = 0; q <= 4; ++q) {
            const double y = std::round(style.margin + travel * q / 4) + 0.5 * line;
            const double reach = q == 2 ? size.cx * 0.4 : size.cx * 0.26;
            shapes::StrokeLine(canvas, cx - reach, y, cx + reach, y, line, q == 2 ? kGlyph : kFrame);
        }
    }
    const Box box{cx - groove / 2, top, groove, bottom - top};
    if (style.lit) {
        shapes::FillRoundedShaded(canvas, box, groove / 2, kAccent, kAccentDeep, kAccentDeep, 1);
    } else {
        shapes::FillRoundedShaded(canvas, box, groove / 2, kGroove, kGroove, kDarkEdge, 1);
    }
}

}  // namespace res::painters
