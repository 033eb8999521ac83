#pragma once

namespace gfx {

struct Point {
    int x = 0, y = 0;
    constexpr bool operator==(const Point&) const = default;
};

// A point in floating-point pixels, for the anti-aliased paths (curves, polygons).
struct PointF {
    float x = 0, y = 0;
    constexpr bool operator==(const PointF&) const = default;
};

struct Size {
    int cx = 0, cy = 0;
    constexpr bool operator==(const Size&) const = default;
};

// A rectangle in the Windows sense: right and bottom are one past the last pixel.
struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
    constexpr bool Contains(Point p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    constexpr Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    constexpr Point TopLeft() const { return {left, top}; }
    constexpr bool operator==(const Rect&) const = default;
};

constexpr Rect RectFromSize(int x, int y, int w, int h) {
    return {x, y, x + w, y + h};
}

}  // namespace gfx
