#pragma once
#include <vector>

#include "platform/gfx/geometry.h"

namespace gfx {

// The pixels of a one-pixel GDI line from a to b, the end point excluded, as horizontal runs. A dotted line
// keeps 3 pixels on and 3 off; `phase` counts the pixels already drawn so a frame or polyline continues its
// pattern.
class LineRaster {
  public:
    // Pixels outside `visible` are dropped (the walk stops once it has left it for good).
    LineRaster(bool dotted, const Rect& visible) : dotted_(dotted), visible_(visible) {}

    void Add(Point a, Point b);
    const std::vector<Rect>& Runs() const { return runs_; }
    // The pixels a dotted line leaves out (GDI fills them with the background colour in opaque mode).
    const std::vector<Rect>& Gaps() const { return gaps_; }

  private:
    void Plot(int x, int y);
    static void Append(std::vector<Rect>& runs, int x, int y);

    bool dotted_;
    Rect visible_;
    long phase_ = 0;
    std::vector<Rect> runs_;
    std::vector<Rect> gaps_;
};

}  // namespace gfx
