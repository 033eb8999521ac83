#include "res/skin/inputvolskin.h"

#include <algorithm>
#include <cairo.h>

#include "res/skin/painters.h"
#include "res/skin/skinpalette.h"
#include "res/skin/skinshapes.h"

namespace res {

namespace {

using namespace res::palette;

// The dialog's background: its own colour under a title band, the same look as the main window's top bar.
void DialogBackground(gfx::Canvas& canvas, gfx::Size size) {
    shapes::Fill(canvas, size, kBack);
    const double bar = std::max(24.0, size.cy * 0.06);
    shapes::FillRounded(canvas, {0, 0, double(size.cx), bar}, 0, kTopBar);
    shapes::FillRounded(canvas, {0, bar, double(size.cx), 1}, 0, shapes::Mix(kAccentDeep, kTopBar, 0.45));
    cairo_t* cr = canvas.Cairo();
    cairo_set_line_width(cr, 1);
    cairo_set_source_rgb(cr, kFrame.r / 255.0, kFrame.g / 255.0, kFrame.b / 255.0);
    cairo_rectangle(cr, 0.5, bar + 1.5, size.cx - 1, size.cy - bar - 2);
    cairo_stroke(cr);
}

// A horizontal groove across the middle; the highlighted one is blue.
void LevelTrack(gfx::Canvas& canvas, gfx::Size size, bool highlighted) {
    shapes::Fill(canvas, size, kBack);
    const double groove = std::max(3.0, double(size.cy / 5));
    const double margin = size.cy / 4.0;
    const shapes::Box box{margin, (size.cy - groove) / 2, size.cx - 2 * margin, groove};
    if (highlighted) {
        shapes::FillRoundedShaded(canvas, box, groove / 2, kAccent, kAccentDeep, kAccentDeep, 1);
    } else {
        shapes::FillRoundedShaded(canvas, box, groove / 2, kGroove, kGroove, kDarkEdge, 1);
    }
}

// A upright fader cap with a vertical indicator line.
void LevelThumb(gfx::Canvas& canvas, gfx::Size size) {
    shapes::Fill(canvas, size, kBack);
    const double edge = shapes::Stroke(size, 1.0 / 16);
    const shapes::Box cap = shapes::Inset(shapes::Whole(size), edge * 0.5);
    shapes::FillRoundedShaded(canvas, cap, std::min(cap.w, cap.h) * 0.25, kCapTop, kCapBottom, kCapEdge, edge);
    const double x = size.cx / 2.0;
    shapes::StrokeLine(canvas, x, size.cy * 0.2, x, size.cy * 0.8, std::max(1.0, size.cx / 6.0), kAccentDeep);
}

void Close(gfx::Canvas& canvas, gfx::Size size, bool pressed) {
    painters::TopButton(canvas, size, painters::TopGlyph::kClose, pressed);
}

struct Entry {
    int id;
    gfx::Size size;
    SkinPainter paint;
};

}  // namespace

void RegisterInputVolumeSkin(Skin& skin) {
    const SkinPainter background = &DialogBackground;
    const SkinPainter thumb = &LevelThumb;
    const SkinPainter lit = [](gfx::Canvas& c, gfx::Size s) { LevelTrack(c, s, true); };
    const SkinPainter plain = [](gfx::Canvas& c, gfx::Size s) { LevelTrack(c, s, false); };
    const SkinPainter pressed = [](gfx::Canvas& c, gfx::Size s) { Close(c, s, true); };
    const SkinPainter normal = [](gfx::Canvas& c, gfx::Size s) { Close(c, s, false); };
    const Entry entries[] = {
        {718, {846, 577}, background}, {738, {850, 458}, background}, {310, {1236, 520}, background},
        {717, {846, 390}, background},
        // Thumbs, highlighted and plain tracks by band.
        {312, {8, 16}, thumb}, {313, {60, 20}, lit}, {311, {60, 20}, plain},
        {378, {10, 20}, thumb}, {381, {76, 24}, lit}, {384, {76, 24}, plain},
        {379, {12, 24}, thumb}, {382, {86, 28}, lit}, {385, {86, 28}, plain},
        {672, {13, 26}, thumb}, {674, {100, 32}, lit}, {684, {100, 32}, plain},
        {380, {16, 32}, thumb}, {383, {114, 36}, lit}, {386, {114, 36}, plain},
        // Close buttons (pressed, normal) by band.
        {300, {40, 22}, pressed}, {301, {40, 22}, normal}, {393, {52, 27}, pressed}, {396, {52, 27}, normal},
        {394, {60, 30}, pressed}, {397, {60, 30}, normal}, {609, {73, 38}, pressed}, {608, {73, 38}, normal},
        {395, {82, 44}, pressed}, {398, {82, 44}, normal},
    };
    for (const Entry& e : entries) {
        if (!skin.Contains(e.id)) skin.Add(e.id, e.size, e.paint);
    }
}

}  // namespace res
