#include "platform/gfx/spline.h"

#include <algorithm>
#include <cstddef>

namespace gfx {

std::vector<PointF> CardinalToBeziers(std::span<const PointF> pts, float tension) {
    std::vector<PointF> out;
    const size_t n = pts.size();
    if (n < 2) return out;
    const float k = tension / 3.0f;
    auto at = [&](ptrdiff_t i) { return pts[static_cast<size_t>(std::clamp<ptrdiff_t>(i, 0, n - 1))]; };
    out.reserve(1 + 3 * (n - 1));
    out.push_back(pts[0]);
    for (size_t i = 0; i + 1 < n; ++i) {
        const ptrdiff_t j = static_cast<ptrdiff_t>(i);
        const PointF p0 = at(j - 1), p1 = at(j), p2 = at(j + 1), p3 = at(j + 2);
        out.push_back({p1.x + k * (p2.x - p0.x), p1.y + k * (p2.y - p0.y)});
        out.push_back({p2.x - k * (p3.x - p1.x), p2.y - k * (p3.y - p1.y)});
        out.push_back(p2);
    }
    return out;
}

}  // namespace gfx
