#pragma once
#include "platform/gfx/color.h"

namespace gfx {

enum class PenStyle { kSolid, kDot, kNull };

// A GDI pen. Width 0 and 1 are the one-pixel cosmetic pen; a dotted pen wider than one pixel draws solid, as
// GDI does with such a pen. Lines of a cosmetic pen are rasterised exactly (end point excluded).
struct Pen {
    PenStyle style = PenStyle::kSolid;
    int width = 1;
    Color color{};

    static constexpr Pen Solid(int width, Color c) { return {PenStyle::kSolid, width, c}; }
    static constexpr Pen Dot(Color c) { return {PenStyle::kDot, 1, c}; }
    static constexpr Pen Null() { return {PenStyle::kNull, 1, Color{}}; }
    bool operator==(const Pen&) const = default;
};

// A solid GDI brush, or the null brush that fills nothing.
struct Brush {
    bool null = false;
    Color color{};

    static constexpr Brush Solid(Color c) { return {false, c}; }
    static constexpr Brush Null() { return {true, Color{}}; }
    bool operator==(const Brush&) const = default;
};

enum class BkMode { kTransparent, kOpaque };

}  // namespace gfx
