#include "res/skin/sidedialogskin.h"

#include <algorithm>

#include "res/skin/painters.h"
#include "res/skin/skinpalette.h"
#include "res/skin/skinshapes.h"

namespace res {

namespace {

using namespace sideskin;
using shapes::Box;

// A panel: the window's colour with a title strip and a thin frame.
void Panel(gfx::Canvas& canvas, gfx::Size size) {
    shapes::Fill(canvas, size, palette::kBack);
    const double edge = std::max(1.0, size.cy / 120.0);
    const Box whole = shapes::Whole(size);
    const Box strip{0, 0, whole.w, std::max(8.0, whole.h * 0.1)};
    shapes::FillRounded(canvas, strip, 0, palette::kTopBar);
    shapes::StrokeLine(canvas, 0, strip.h, whole.w, strip.h, edge, palette::kFrame);
    const Box frame = shapes::Inset(whole, edge / 2);
    shapes::StrokeLine(canvas, frame.x, frame.y, frame.x + frame.w, frame.y, edge, palette::kFrame);
    shapes::StrokeLine(canvas, frame.x, frame.y + frame.h, frame.x + frame.w, frame.y + frame.h, edge,
                       palette::kFrame);
    shapes::StrokeLine(canvas, frame.x, frame.y, frame.x, frame.y + frame.h, edge, palette::kFrame);
    shapes::StrokeLine(canvas, frame.x + frame.w, frame.y, frame.x + frame.w, frame.y + frame.h, edge,
                       palette::kFrame);
}

// A chooser mark: a ring, filled when chosen.
void Mark(gfx::Canvas& canvas, gfx::Size size, bool chosen) {
    shapes::Fill(canvas, size, palette::kBack);
    const double r = std::min(size.cx, size.cy) / 2.0;
    const double edge = shapes::Stroke(size, 1.0 / 10);
    shapes::StrokeCircle(canvas, size.cx / 2.0, size.cy / 2.0, r - edge, edge, palette::kGlyph);
    if (chosen) shapes::FillCircle(canvas, size.cx / 2.0, size.cy / 2.0, r * 0.5, palette::kAccentLight);
}

struct BandSet {
    const Bands& ids;
    std::array<gfx::Size, kDpiBands> sizes;
    SkinPainter paint;
};

}  // namespace

void RegisterSideDialogSkin(Skin& skin) {
    auto add = [&skin](int id, gfx::Size size, SkinPainter paint) {
        if (!skin.Contains(id)) skin.Add(id, size, std::move(paint));
    };
    auto plate = [](bool pressed) {
        return [pressed](gfx::Canvas& c, gfx::Size s) { painters::Plate(c, s, pressed); };
    };
    auto close = [](bool pressed) {
        return [pressed](gfx::Canvas& c, gfx::Size s) {
            painters::TopButton(c, s, painters::TopGlyph::kClose, pressed);
        };
    };
    auto mix = [](painters::MixState st) {
        return [st](gfx::Canvas& c, gfx::Size s) { painters::MixButton(c, s, st); };
    };
    add(kPanelBackground, {420, 244}, &Panel);
    add(kSmallBackground, {368, 169}, &Panel);
    add(kTextButtonPressed, {84, 18}, plate(true));
    add(kTextButton, {84, 18}, plate(false));
    add(kSourceButtonPressed, {76, 23}, plate(true));
    add(kSourceButton, {76, 23}, plate(false));
    add(kSwitchUnavailable, {12, 12}, mix(painters::MixState::kUnavailable));
    add(kSwitchOn, {12, 12}, mix(painters::MixState::kOn));
    add(kSwitchOff, {12, 12}, mix(painters::MixState::kOff));

    const std::array<gfx::Size, kDpiBands> closeSizes{{{40, 22}, {52, 27}, {60, 30}, {73, 38}, {82, 44}}};
    const std::array<gfx::Size, kDpiBands> markSizes{{{12, 12}, {15, 15}, {18, 18}, {21, 21}, {24, 24}}};
    const std::array<gfx::Size, kDpiBands> enterSizes{{{42, 22}, {52, 27}, {60, 30}, {70, 36}, {78, 40}}};
    const BandSet sets[] = {
        {kClosePressed, closeSizes, close(true)},
        {kClose, closeSizes, close(false)},
        {kChooserBackground, {{{300, 156}, {375, 195}, {450, 234}, {524, 272}, {600, 312}}}, &Panel},
        {kMarkChosen, markSizes, [](gfx::Canvas& c, gfx::Size s) { Mark(c, s, true); }},
        {kMarkNotChosen, markSizes, [](gfx::Canvas& c, gfx::Size s) { Mark(c, s, false); }},
        {kEnterPressed, enterSizes, plate(true)},
        {kEnter, enterSizes, plate(false)},
    };
    for (const BandSet& set : sets) {
        for (int b = 0; b < kDpiBands; ++b) add(set.ids[b], set.sizes[b], set.paint);
    }
}

}  // namespace res
