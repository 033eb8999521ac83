#include "controls/bezier.h"

using controls::kGraphBands;
using controls::kPointsPerBand;

CBezier::CBezier() : m_ptBand{}, m_ptHighPass{}, m_ptLowPass{} {}

void CBezier::SetBandPoints(const Point pts[kPointsPerBand], int band) {
    if (band < 0 || band >= kGraphBands) return;
    for (int i = 0; i < kPointsPerBand; ++i) m_ptBand[band][i] = pts[i];
}

CBezier::PointF* CBezier::Evaluate(PointF* out, int n, const Point* ctrl, double t) {
    double u = 1.0 - t;
    double s = 1.0;
    long long b = 1;
    double ax = ctrl[0].x * u;
    double ay = ctrl[0].y * u;
    for (int i = 1; i < n; ++i) {
        s *= t;
        b = b * (n - i + 1) / i;
        ax = (ax + s * b * ctrl[i].x) * u;
        ay = (ay + s * b * ctrl[i].y) * u;
    }
    out->x = static_cast<float>(ax + s * t * ctrl[n].x);
    out->y = static_cast<float>(ay + s * t * ctrl[n].y);
    return out;
}

CBezier::Point CBezier::GetBandNumberPos(int band) const {
    if (band < 0 || band >= kGraphBands) return {};
    const Point& peak = m_ptBand[band][3];
    return {band < 9 ? peak.x - 3 : peak.x - 8, peak.y - 7};
}

namespace {

bool InRect(int x, int y, int l, int t, int r, int b) {
    return x >= l && x < r && y >= t && y < b;
}

}  // namespace

int CBezier::HitTestBand(int x, int y, int band) const {
    if (band < 0 || band >= kGraphBands) return -1;
    const Point& p = m_ptBand[band][3];
    return InRect(x, y, p.x - 8, p.y - 8, p.x + 8, p.y + 8) ? band : -1;
}

int CBezier::HitTestQHandle(int x, int y, int band, int offset) const {
    if (band < 0 || band >= kGraphBands) return 0;
    const Point& p = m_ptBand[band][3];
    if (InRect(x, y, p.x - 38 - offset, p.y - 6, p.x - 20 - offset, p.y + 6)) return -1;
    if (InRect(x, y, p.x + 20 + offset, p.y - 6, p.x + 38 + offset, p.y + 6)) return 1;
    return 0;
}
