#pragma once
// Control points of one channel's curve: the 31 band humps (seven points each) and the two filter
// segments. The graph reuses one CBezier for its own channel and for every overlay channel in turn.
#include "controls/graphgeometry.h"

namespace gfx {
class Canvas;
struct Color;
class StrokeMask;
}  // namespace gfx

class CBezier {
  public:
    using Point = controls::Point;
    using PointF = controls::PointF;

    CBezier();
    virtual ~CBezier() = default;

    void SetChannel(int channel) { m_nColorIndex = channel; }
    int Channel() const { return m_nColorIndex; }

    // Copies seven points into a band's entry; a band outside 0..30 is ignored.
    void SetBandPoints(const Point pts[controls::kPointsPerBand], int band);

    // The point at t of the Bezier curve of degree n over the n + 1 control points, in the nested Bernstein
    // form (the sums keep the order the curve has always been drawn with).
    static PointF* Evaluate(PointF* out, int n, const Point* ctrl, double t);

    // Where the band's number is drawn, left of and above its peak.
    Point GetBandNumberPos(int band) const;
    // `band` when (x, y) lies within 8 pixels of its peak (left and top edges in), else -1.
    int HitTestBand(int x, int y, int band) const;
    // -1 on the left Q handle, 1 on the right one, else 0. `band` is the selected band.
    int HitTestQHandle(int x, int y, int band, int offset) const;

    // Draws the summed curve in the colour of the channel index, shading the selected band or filter. With
    // a stroke (what StrokeCurve gave for the same points and frame) the curve is laid from it, not stroked.
    void Draw(gfx::Canvas& dc, int selBand, int zeroY, int left, int top, int right, int bottom,
              int selFilter, int filterOff, const gfx::StrokeMask* stroke = nullptr) const;
    // The curve's stroke as Draw would make it, within limit.
    gfx::StrokeMask StrokeCurve(int zeroY, int left, int top, int right, int bottom, int filterOff,
                                const gfx::Rect& limit) const;
    // The pen colour of a channel; red for any index outside 0..11.
    static gfx::Color ChannelColor(int channel);

    Point m_ptBand[controls::kGraphBands][controls::kPointsPerBand];
    Point m_ptHighPass[4];
    Point m_ptLowPass[4];
    int m_nPointsPerBand = controls::kPointsPerBand;
    int m_nColorIndex = 0;
};
