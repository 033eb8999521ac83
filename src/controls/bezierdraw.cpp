#include "controls/bezier.h"
#include "controls/curvecolumns.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/spline.h"
#include "platform/gfx/strokemask.h"

namespace {

// Each run of the summed curve as its cardinal spline; a run of one column is a single point, which a
// spline does not show.
template <typename Fn>
void ForEachCurveRun(const controls::CurveColumns& cols, const controls::CurveFrame& frame, Fn&& fn) {
    for (const auto& run : controls::SplitCurveRuns(cols, frame))
        if (run.points.size() >= 2) fn(run.points);
}

}  // namespace

gfx::Color CBezier::ChannelColor(int channel) {
    static constexpr gfx::Color kColors[controls::kGraphChannels] = {
        gfx::Rgb(198, 41, 41), gfx::Rgb(156, 41, 156), gfx::Rgb(194, 36, 107), gfx::Rgb(17, 153, 153),
        gfx::Rgb(193, 68, 1),  gfx::Rgb(94, 43, 170),  gfx::Rgb(153, 153, 8),  gfx::Rgb(25, 134, 25),
        gfx::Rgb(43, 46, 170), gfx::Rgb(68, 115, 200), gfx::Rgb(8, 153, 86),   gfx::Rgb(193, 204, 15),
    };
    if (channel < 0 || channel >= controls::kGraphChannels) return gfx::Rgb(255, 0, 0);
    return kColors[channel];
}

void CBezier::Draw(gfx::Canvas& dc, int selBand, int zeroY, int left, int top, int right, int bottom,
                   int selFilter, int filterOff, const gfx::StrokeMask* stroke) const {
    const gfx::Color pen = ChannelColor(m_nColorIndex);
    // Nothing shaded: the laid stroke is all there is to draw.
    if (stroke && selBand < 0 && selFilter < 0) {
        stroke->Draw(dc, pen);
        return;
    }
    const controls::CurveFrame frame{zeroY, left, top, right, bottom};
    controls::CurveColumns cols = controls::SumCurveColumns(*this, frame, selBand, selFilter, filterOff);
    if (stroke)
        stroke->Draw(dc, pen);
    else
        ForEachCurveRun(cols, frame, [&](const std::vector<PointF>& points) { dc.DrawCurve(points, 2.0f, pen); });
    if (cols.selCount > 0)
        dc.FillPolygon(std::span<const PointF>(cols.sel.data(), cols.selCount), gfx::Argb(128, 69, 41, 22));
}

gfx::StrokeMask CBezier::StrokeCurve(int zeroY, int left, int top, int right, int bottom, int filterOff,
                                     const gfx::Rect& limit) const {
    const controls::CurveFrame frame{zeroY, left, top, right, bottom};
    const controls::CurveColumns cols = controls::SumCurveColumns(*this, frame, -1, -1, filterOff);
    std::vector<std::vector<PointF>> chains;
    ForEachCurveRun(cols, frame, [&](const std::vector<PointF>& points) {
        chains.push_back(gfx::CardinalToBeziers(points, 0.5f));
    });
    return gfx::StrokeMask::Stroke(chains, 2.0f, limit);
}
