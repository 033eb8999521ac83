#pragma once
#include "platform/gfx/bitmap.h"
#include "platform/gfx/canvas.h"

namespace gfx::testing {

// A bitmap filled with one colour, the background the samples are compared against.
inline Bitmap Filled(int w, int h, Color c) {
    Bitmap b(w, h);
    Canvas(b).FillRect({0, 0, w, h}, c);
    return b;
}

inline bool Near(Color a, Color b, int tolerance) {
    auto d = [](int x, int y) { return x > y ? x - y : y - x; };
    return d(a.r, b.r) <= tolerance && d(a.g, b.g) <= tolerance && d(a.b, b.b) <= tolerance &&
           d(a.a, b.a) <= tolerance;
}

// The smallest rectangle holding every pixel that differs from `background` (empty when none does).
inline Rect InkBox(const Bitmap& b, Color background) {
    Rect box{b.Width(), b.Height(), 0, 0};
    for (int y = 0; y < b.Height(); ++y) {
        for (int x = 0; x < b.Width(); ++x) {
            if (b.PixelAt(x, y) == background) continue;
            box.left = std::min(box.left, x);
            box.top = std::min(box.top, y);
            box.right = std::max(box.right, x + 1);
            box.bottom = std::max(box.bottom, y + 1);
        }
    }
    return box.IsEmpty() ? Rect{} : box;
}

}  // namespace gfx::testing
