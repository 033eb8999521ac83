#include "controls/curvecolumns.h"

#include <algorithm>

namespace controls {

namespace {

struct Samples {
    float x[kSegmentSamples];
    float y[kSegmentSamples];
};

// Samples one cubic segment at t = 0, 1/38, ... 1.
void SampleSegment(const Point* ctrl, Samples& s) {
    double t = 0.0;
    for (int k = 0; k < kSegmentSamples; ++k) {
        PointF p;
        CBezier::Evaluate(&p, 3, ctrl, t);
        s.x[k] = p.x;
        s.y[k] = p.y;
        t += 1.0 / 38;
    }
}

class Accumulator {
  public:
    Accumulator(CurveColumns& cols, const CurveFrame& f) : ys_(cols.ys), f_(f) {}

    // A segment that may start left of the graph: columns from the left edge or from its first sample.
    void AddLeftSegment(const Samples& s) {
        int kStart = -1;
        for (int k = 0; k < kSegmentSamples; ++k) {
            if (s.x[k] >= f_.left) {
                kStart = k;
                break;
            }
        }
        if (kStart < 0) return;
        int colStart = kStart > 0 ? f_.left : static_cast<int>(s.x[0]);
        Add(s, kStart, colStart);
    }

    // The right half of a hump: its first column is the one after the peak, which the left half counted.
    void AddRightSegment(const Samples& s) {
        int x0 = static_cast<int>(s.x[0]);
        int kStart = -1;
        for (int k = 1; k < kSegmentSamples; ++k) {
            if (static_cast<int>(s.x[k]) > x0) {
                kStart = k;
                break;
            }
        }
        if (kStart < 0) return;
        Add(s, kStart, std::max(x0 + 1, f_.left));
    }

    void AddToColumns(int from, int to, float v) {
        from = std::max(from, 0);
        to = std::min(to, static_cast<int>(ys_.size()) - 1);
        for (int i = from; i <= to; ++i) ys_[i] += v;
    }

  private:
    void Add(const Samples& s, int kStart, int colStart) {
        int last = -1;
        for (int k = kSegmentSamples - 1; k >= 0; --k) {
            if (s.x[k] <= f_.right) {
                last = k;
                break;
            }
        }
        if (last < 0) return;
        int kEnd, colEnd;
        if (last < kSegmentSamples - 1) {
            kEnd = last + 1;
            colEnd = f_.right;
        } else {
            kEnd = last;
            colEnd = static_cast<int>(s.x[last]);
        }
        int k = kStart;
        for (int c = colStart; c <= colEnd; ++c) {
            for (; k <= kEnd; ++k) {
                if (static_cast<float>(c) == s.x[k]) {
                    AddAt(c - f_.left, s.y[k]);
                    break;
                }
                int xk = static_cast<int>(s.x[k]);
                if (c > xk) continue;
                AddAt(c <= f_.left ? 0 : c - f_.left, Interpolate(s, k, c));
                break;
            }
        }
    }

    // The level at column c between samples k - 1 and k (c lies in between).
    float Interpolate(const Samples& s, int k, int c) const {
        if (k == 0) return s.y[0];
        int xk = static_cast<int>(s.x[k]);
        int xp = static_cast<int>(s.x[k - 1]);
        int dx = xk - xp;
        if (dx <= 0) return s.y[k];
        float slope = (s.y[k - 1] - s.y[k]) / static_cast<float>(dx);
        if (dx == 1) return s.y[k - 1] - slope;
        if (c <= f_.left) return s.y[k] + static_cast<float>(xk - f_.left) * slope;
        return s.y[k - 1] - static_cast<float>(c - xp) * slope;
    }

    void AddAt(int i, float y) {
        if (i >= 0 && i < static_cast<int>(ys_.size())) ys_[i] += y - static_cast<float>(f_.zeroY);
    }

    std::vector<float>& ys_;
    const CurveFrame& f_;
};

float ClampF(float v, int lo, int hi) {
    return std::min(std::max(v, static_cast<float>(lo)), static_cast<float>(hi));
}

}  // namespace

CurveColumns SumCurveColumns(const CBezier& bz, const CurveFrame& f, int selBand, int selFilter,
                             int filterOff) {
    CurveColumns cols;
    int width = f.right - f.left + 1;
    if (width <= 0) return cols;
    cols.ys.assign(width, static_cast<float>(f.zeroY));
    Accumulator acc(cols, f);
    Samples s;
    bool shaded = false;

    for (int b = 0; b < kGraphBands; ++b) {
        for (int seg = 0; seg + 4 <= bz.m_nPointsPerBand; seg += 3) {
            SampleSegment(&bz.m_ptBand[b][seg], s);
            if (b == selBand) {
                int row = seg == 0 ? 0 : 1;
                for (int k = 0; k < kSegmentSamples; ++k)
                    cols.sel[row * kSegmentSamples + k] = {ClampF(s.x[k], f.left, f.right), s.y[k]};
                shaded = true;
            }
            if (seg == 0)
                acc.AddLeftSegment(s);
            else
                acc.AddRightSegment(s);
        }
    }
    if (shaded) cols.selCount = 2 * kSegmentSamples;

    // The columns beyond a filter's far point lie below the graph: they are pushed under the bottom edge.
    const float below = static_cast<float>((f.bottom - f.zeroY) + 0.01);
    for (int which = 0; which < 2; ++which) {
        if (filterOff & (1 << which)) continue;
        SampleSegment(which == 0 ? bz.m_ptHighPass : bz.m_ptLowPass, s);
        if (which == selFilter && selBand < 0) {
            for (int k = 0; k < kSegmentSamples; ++k)
                cols.sel[k] = {ClampF(s.x[k], f.left, f.right), ClampF(s.y[k], f.top, f.bottom)};
            float edge = static_cast<float>(which == 0 ? f.left : f.right);
            float zero = static_cast<float>(f.zeroY), bottom = static_cast<float>(f.bottom);
            cols.sel[kSegmentSamples] = which == 0 ? PointF{edge, zero} : PointF{edge, bottom};
            cols.sel[kSegmentSamples + 1] = which == 0 ? PointF{edge, bottom} : PointF{edge, zero};
            cols.selCount = kSegmentSamples + 2;
        }
        acc.AddLeftSegment(s);
        if (which == 0) {
            if (s.x[0] > f.left) acc.AddToColumns(0, static_cast<int>(s.x[0] - f.left) - 1, below);
        } else {
            int m = std::min(static_cast<int>(s.x[kSegmentSamples - 1] - f.left), width - 1);
            acc.AddToColumns(m + 1, width - 1, below);
        }
    }
    return cols;
}

std::vector<CurveRun> SplitCurveRuns(const CurveColumns& cols, const CurveFrame& f) {
    std::vector<CurveRun> runs;
    const int n = static_cast<int>(cols.ys.size());
    const float top = static_cast<float>(f.top), bottom = static_cast<float>(f.bottom);
    CurveRun run;
    bool open = false;
    for (int j = 0; j < n; ++j) {
        float y = cols.ys[j];
        float x = static_cast<float>(f.left + j);
        if (!open) {
            if (y < top || y > bottom) continue;
            if (j > 0 && cols.ys[j - 1] > bottom)
                y = bottom;
            else if (j > 0 && cols.ys[j - 1] < top)
                y = top;
            run = CurveRun{j, {{x, y}}};
            open = true;
            if (j == n - 1) runs.push_back(std::move(run));
            continue;
        }
        bool end = y >= bottom || y <= top || j == n - 1;
        if (end) y = std::min(std::max(y, top), bottom);
        run.points.push_back({x, y});
        if (end) {
            runs.push_back(std::move(run));
            open = false;
        }
    }
    return runs;
}

}  // namespace controls
