#pragma once
// The coverage an anti-aliased stroke gives each pixel, kept as runs of pixels, so the same stroke can be
// laid on a target again (in any colour) without stroking it again: a curve that did not change costs a copy
// of the pixels it covers instead of Cairo's stroker and scan conversion. Laid in an opaque colour it gives
// the very pixels that stroking there gives, since the blend is the one Cairo uses for opaque colours.
#include <cstdint>
#include <span>
#include <vector>

#include "platform/gfx/color.h"
#include "platform/gfx/geometry.h"

namespace gfx {

class Canvas;

class StrokeMask {
  public:
    // Strokes each Bezier chain (1 + 3n points, as Canvas::DrawBeziers takes them) as its own stroke of the
    // given width, keeping what falls inside limit.
    static StrokeMask Stroke(std::span<const std::vector<PointF>> chains, float width, const Rect& limit);

    // Lays the mask on the canvas's target in colour c, moved by the canvas's origin, within its clip. The
    // chains go on in turn, so where two overlap the result is that of two strokes.
    void Draw(Canvas& dc, Color c) const;

    bool Empty() const { return runs_.empty(); }

  private:
    struct Run {
        int x, y, count;
        uint32_t at;  // first coverage byte
    };
    void AddChain(std::span<const PointF> chain, float width, const Rect& limit);

    std::vector<Run> runs_;
    std::vector<uint8_t> coverage_;
};

}  // namespace gfx
