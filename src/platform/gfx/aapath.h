#pragma once
// The anti-aliased stroke as Canvas draws it, shared with StrokeMask so that both give the same coverage.
#include <span>

#include "platform/gfx/geometry.h"

typedef struct _cairo cairo_t;

namespace gfx {

// Appends a Bezier chain (1 + 3n points) as a new path; pixel centres are at integer coordinates.
void AppendBezierPath(cairo_t* cr, std::span<const PointF> pts);
// Line width, butt caps and mitre joins of every anti-aliased stroke.
void SetStrokeStyle(cairo_t* cr, float width);

}  // namespace gfx
