#include "platform/gfx/lineraster.h"

#include <algorithm>
#include <cstdlib>

namespace gfx {

namespace {
constexpr int kDotOn = 3;
constexpr int kDotPeriod = 6;
}  // namespace

void LineRaster::Append(std::vector<Rect>& runs, int x, int y) {
    if (!runs.empty()) {
        Rect& last = runs.back();
        if (last.top == y && last.bottom == y + 1) {
            if (x == last.right) {
                last.right = x + 1;
                return;
            }
            if (x == last.left - 1) {
                last.left = x;
                return;
            }
        }
    }
    runs.push_back({x, y, x + 1, y + 1});
}

void LineRaster::Plot(int x, int y) {
    const bool on = !dotted_ || (phase_ % kDotPeriod) < kDotOn;
    ++phase_;
    if (!visible_.Contains({x, y})) return;
    Append(on ? runs_ : gaps_, x, y);
}

void LineRaster::Add(Point a, Point b) {
    const long long dx = std::llabs(static_cast<long long>(b.x) - a.x);
    const long long dy = std::llabs(static_cast<long long>(b.y) - a.y);
    const bool x_major = dx >= dy;
    // Walk along the major axis; the minor one follows Bresenham's rule, y_i = round-half-down(i * dy / dx).
    const long long major = x_major ? dx : dy, minor = x_major ? dy : dx;
    const int s_major = (x_major ? b.x >= a.x : b.y >= a.y) ? 1 : -1;
    const int s_minor = (x_major ? b.y >= a.y : b.x >= a.x) ? 1 : -1;
    const long long from = x_major ? a.x : a.y;
    const long long lo = x_major ? visible_.left : visible_.top;
    const long long hi = x_major ? visible_.right : visible_.bottom;
    // Skip to where the major axis enters the visible range, so far-off lines cost only their visible part.
    long long i = 0;
    if (s_major > 0 && from < lo) i = std::min(major, lo - from);
    if (s_major < 0 && from >= hi) i = std::min(major, from - (hi - 1));
    phase_ += i;
    const __int128 num = static_cast<__int128>(2) * minor * i - major;
    long long m = 0;
    if (num > 0) m = static_cast<long long>((num + 2 * major - 1) / (2 * major));
    long long err = static_cast<long long>(static_cast<__int128>(2) * minor * (i + 1) - major -
                                           static_cast<__int128>(2) * major * m);
    long long p_major = from + s_major * i;
    long long p_minor = (x_major ? a.y : a.x) + s_minor * m;
    for (; i < major; ++i) {
        if ((s_major > 0 && p_major >= hi) || (s_major < 0 && p_major < lo)) {
            phase_ += major - i;
            break;
        }
        Plot(static_cast<int>(x_major ? p_major : p_minor), static_cast<int>(x_major ? p_minor : p_major));
        if (err > 0) {
            p_minor += s_minor;
            err -= 2 * major;
        }
        err += 2 * minor;
        p_major += s_major;
    }
}

}  // namespace gfx
