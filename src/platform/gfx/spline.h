#pragma once
#include <span>
#include <vector>

#include "platform/gfx/geometry.h"

namespace gfx {

// The Bezier chain (1 + 3(n - 1) points) of the cardinal spline through n points, as GDI+ DrawCurve builds
// it: segment i runs from p[i] to p[i+1] with control points p[i] + t(p[i+1] - p[i-1])/3 and p[i+1] -
// t(p[i+2] - p[i])/3, where an end point stands in for its missing neighbour. Empty below two points.
std::vector<PointF> CardinalToBeziers(std::span<const PointF> pts, float tension);

}  // namespace gfx
