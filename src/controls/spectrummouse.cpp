// Mouse editing of the graph: band peaks are dragged for gain (and frequency in the free mode), the Q
// handles beside the selected band for its Q, the "H" and "L" markers for the filter corners. Only the
// graph's own copies change; the main window takes them into the model on its next sync tick.
#include "controls/spectrumeditor.h"

using namespace controls;

namespace {

bool InRect(int x, int y, int l, int t, int r, int b) {
    return x >= l && x < r && y >= t && y < b;
}

}  // namespace

void SpectrumEditor::HookOnce() {
    if (!m_bHooked) m_bHooked = InstallDragHook();
}

bool SpectrumEditor::InMarker(int which, int x, int y) const {
    const GraphLayout& g = m_Layout;
    int row = g.rowHeight;
    if (which == 0) {
        int hx = g.MarkerX(m_nHighPassFreq);
        return InRect(x, y, hx, g.bottom - 2 * row, hx + 10, g.bottom - 2 * row + 14);
    }
    int lx = g.MarkerX(m_nLowPassFreq);
    return InRect(x, y, lx, g.bottom - row - 15, lx + 10, g.bottom - row - 1);
}

int SpectrumEditor::HitTestMarker(int x, int y) const {
    if (InMarker(0, x, y)) return 0;
    if (InMarker(1, x, y)) return 1;
    return -1;
}

void SpectrumEditor::PressAt(int x, int y) {
    // Without rows there is no level to drag to (and no scale to divide by).
    if (!m_bLayoutSet || m_Layout.rowHeight <= 0) return;
    m_nDragBand = m_Bezier.HitTestBand(x, y, m_nHoverBand);
    if (m_nDragBand == -1 && m_nSelBand >= 0) {
        m_nQHandleDrag = m_Bezier.HitTestQHandle(x, y, m_nSelBand, m_nQOffset);
        if (m_nQHandleDrag != 0) {
            RequestRedraw();
            HookOnce();
        }
    }
    if (m_nDragBand != -1) {
        m_nSelBand = m_nHoverBand;
        m_nSelFilter = -1;
        HookOnce();
    }
    m_nDragMarker = HitTestMarker(x, y);
    if (m_nDragMarker != -1) HookOnce();
}

void SpectrumEditor::MoveAt(int x, int y) {
    if (!m_bLayoutSet || m_Layout.rowHeight <= 0) return;
    const GraphLayout& g = m_Layout;
    if (m_nDragBand >= 0 && m_nDragBand < kGraphBands) {
        Point* p = m_Bezier.m_ptBand[m_nDragBand];
        int yc = y < g.top ? g.top : (y > g.bottom ? g.bottom : y);
        p[2].y = p[3].y = p[4].y = yc;
        if (y >= g.top && y <= g.bottom) m_dGain[m_nDragBand] = (g.zeroY - y) * (5.0 / g.rowHeight);
        if (m_bFreeDrag) {
            int to = x < g.left ? g.left : (x > g.right ? g.right : x);
            int dx = to - p[3].x;
            for (int i = 0; i < kPointsPerBand; ++i) p[i].x += dx;
            if (x >= g.left && x <= g.right) m_nFreq[m_nDragBand] = g.XToFreq(x);
        }
        RequestRedraw();
    }
    UpdateHoverBand(x, y);
    // A marker drag that started with the Q handle clears the band selection; the Q then has no band.
    if (m_nQHandleDrag != 0 && m_bFreeDrag && m_nSelBand >= 0) {
        int peak = m_Bezier.m_ptBand[m_nSelBand][3].x;
        int offset;
        if (m_nQHandleDrag > 0) {
            int base = peak + 20;
            offset = x < base ? 0 : (x >= base + 100 ? 99 : x - base);
        } else {
            int base = peak - 38;
            offset = x > base ? 0 : (x <= base - 100 ? 99 : base - x);
        }
        m_nQOffset = offset;
        m_dQ[m_nSelBand] = 10 - offset / 10.0;
        UpdateBandQPoints(m_nSelBand);
        RequestRedraw();
    }
    TrackFilterMarker(x, y);
}

void SpectrumEditor::ReleaseAt(int, int) {
    m_nDragBand = -1;
    if (m_nQHandleDrag != 0) {
        m_nQHandleDrag = 0;
        RequestRedraw();
    }
    m_nDragMarker = -1;
    RemoveDragHook();
    m_bHooked = false;
}

void SpectrumEditor::UpdateHoverBand(int x, int y) {
    if (m_nDragMarker != -1) return;
    for (int b = 0; b < kGraphBands; ++b) {
        if (m_Bezier.HitTestBand(x, y, b) == b) {
            // A move that keeps the hover where it was changes no pixel.
            if (m_nHoverBand != b || m_nHoverMarker != -1) RequestRedraw();
            m_nHoverBand = b;
            m_nHoverMarker = -1;
            return;
        }
    }
}

void SpectrumEditor::TrackFilterMarker(int x, int y) {
    if (m_nDragBand != -1) return;
    const GraphLayout& g = m_Layout;
    if (m_nDragMarker != 1 && InMarker(0, x, y)) {
        if (m_nHoverMarker != 0 || m_nHoverBand != -1) RequestRedraw();
        m_nHoverMarker = 0;
        m_nHoverBand = -1;
    }
    if (m_nDragMarker != 0 && InMarker(1, x, y)) {
        if (m_nHoverMarker != 1 || m_nHoverBand != -1) RequestRedraw();
        m_nHoverMarker = 1;
        m_nHoverBand = -1;
    }
    if (m_nDragMarker == 0) {
        if (x > g.left && x <= g.right)
            m_nHighPassFreq = g.XToFreq(x);
        else
            m_nHighPassFreq = x > g.right ? kFreqMax : kFreqMin;
    } else if (m_nDragMarker == 1) {
        if (x >= g.left && x < g.right)
            m_nLowPassFreq = g.XToFreq(x);
        else
            m_nLowPassFreq = x < g.left ? kFreqMin : kFreqMax;
    } else {
        return;
    }
    UpdateFilterCurves();
    SelectFilter(m_nDragMarker);
    RequestRedraw();
}
