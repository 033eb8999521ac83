#pragma once
// The EQ graph without its window: the current channel's bands and crossover as the graph holds them,
// every channel's copy for the overlay curves, the layout, the control points, selection, hover and the
// mouse editing. The window class (CSpectrum) adds painting, messages and the drag hook on top.
//
// The graph never reads the parameter model; the main window pushes values in through the setters and reads
// dragged values back through the getters (see graphsync.h). Setters never redraw unless told to.
#include <memory>

#include "controls/bezier.h"
#include "controls/graphbaselayer.h"
#include "controls/graphgeometry.h"
#include "platform/gfx/strokemask.h"

namespace gfx {
class Canvas;
}  // namespace gfx

class SpectrumEditor {
  public:
    static constexpr int kAllBands = controls::kGraphChannels * controls::kGraphBands;

    explicit SpectrumEditor(int dpi = 96);
    virtual ~SpectrumEditor() = default;

    // The screen DPI chooses the scale of the frequency axis; the next SetGraphRect applies it.
    void SetDpi(int dpi) { m_nDpi = dpi; }
    int Dpi() const { return m_nDpi; }

    // --- programming interface (the main window's calls) ---
    void SetGraphRect(int left, int top, int right, int bottom);
    void SetBandFreqs(const int* values, unsigned count);
    void SetBandGains(const int* codes, unsigned count);
    void SetBandQs(const double* values, unsigned count);
    void SetAllChannelFreqs(const int* values, unsigned count);
    void SetAllChannelGains(const int* codes, unsigned count);
    void SetAllChannelQs(const double* values, unsigned count);
    void SetFilters(unsigned hpFreq, unsigned lpFreq, unsigned hpSlope, unsigned lpSlope, unsigned hpType,
                    unsigned lpType, bool redraw);
    // Six arrays of 12 entries: high-pass and low-pass frequencies, slope indexes and types.
    void SetAllChannelFilters(const int* hpFreq, const int* lpFreq, const int* hpSlope, const int* lpSlope,
                              const int* hpType, const int* lpType);
    void SetCurrentChannel(int channel, bool redraw);
    void SetFreeDrag(bool free);
    bool SelectBand(int band);
    void SelectFilter(int which);
    void SetChannelMask(int mask) { m_nChannelMask = mask & 0xFFFF; }
    int ToggleChannel(int channel);
    int GetChannelMask() const { return m_nChannelMask; }
    unsigned GetHighPassFreq() const { return m_nHighPassFreq; }
    unsigned GetLowPassFreq() const { return m_nLowPassFreq; }
    const int* GetBandFreqs() const { return m_nFreq; }
    const double* GetBandGains() const { return m_dGain; }
    const double* GetBandQs() const { return m_dQ; }

    // Recomputes one band's points (0..30) or all of them (31).
    void UpdateBandCurve(bool redraw, int band);

    // --- painting ---
    // Draws the whole graph into dc (an offscreen buffer as large as the client rectangle). Before the
    // layout is set only the background is drawn.
    void PaintTo(gfx::Canvas& dc, const gfx::Rect& client);

    // --- mouse editing, in client pixels ---
    void PressAt(int x, int y);
    void MoveAt(int x, int y);
    void ReleaseAt(int x, int y);

    // --- read access for painting and tests ---
    const controls::GraphLayout& Layout() const { return m_Layout; }
    bool HasLayout() const { return m_bLayoutSet; }
    const CBezier& Bezier() const { return m_Bezier; }
    int SelectedBand() const { return m_nSelBand; }
    int SelectedFilter() const { return m_nSelFilter; }
    int HoverBand() const { return m_nHoverBand; }
    int HoverMarker() const { return m_nHoverMarker; }
    int DragBand() const { return m_nDragBand; }
    int DragMarker() const { return m_nDragMarker; }
    int QHandleDrag() const { return m_nQHandleDrag; }
    int QOffset() const { return m_nQOffset; }
    bool FreeDrag() const { return m_bFreeDrag; }
    bool Hooked() const { return m_bHooked; }
    int CurrentChannel() const { return m_nChannel; }
    int FilterOff() const { return m_nFilterOff; }
    int HitTestMarker(int x, int y) const;
    const controls::GraphBaseLayer& BaseLayer() const { return m_BaseLayer; }
    // How often a curve was stroked into the cache; the graph's tests read it to show what a change costs.
    int CurveStrokes() const { return m_nCurveStrokes; }

  protected:
    // Window services; the window class supplies them.
    virtual void RequestRedraw() {}
    virtual bool InstallDragHook() { return false; }
    virtual void RemoveDragHook() {}

    void UpdateChannelCurve(bool redraw, int channel);
    void UpdateFilterCurves();
    void UpdateChannelFilterCurves(int channel);
    void UpdateBandQPoints(int band);
    void UpdateHoverBand(int x, int y);
    void TrackFilterMarker(int x, int y);
    void HookOnce();
    // A paint is the base (background, grid, overlays; cached) and the current channel drawn over it.
    // PaintBase and PaintCurrent draw everything from scratch; with cached strokes PaintCurrent lays the
    // current curve from a kept stroke of the same points when there is one.
    void PaintBase(gfx::Canvas& dc, const gfx::Rect& client);
    void PaintCurrent(gfx::Canvas& dc, bool cachedStrokes = false);
    // What PaintTo keeps: the grid as its own layer and each overlay laid from its kept stroke.
    void PaintCachedBase(gfx::Canvas& dc, const gfx::Rect& client);
    void PaintGrid(gfx::Canvas& dc, const gfx::Rect& client) const;
    controls::GraphBaseLayer::Key BaseKey() const;
    // Everything m_Bezier's curve is stroked from, as it stands: control points, frame, filters, limits.
    controls::GraphBaseLayer::Key CurveKey(int filterOff) const;
    // The kept stroke of the channel's curve (m_Bezier set to it), stroked now if its points changed and no
    // other channel's curve has the same points (linked channels often do).
    const gfx::StrokeMask& OverlayStroke(int channel, int filterOff);
    const gfx::StrokeMask* FindStroke(const controls::GraphBaseLayer::Key& key) const;
    void DrawGrid(gfx::Canvas& dc) const;
    void DrawOverlayCurves(gfx::Canvas& dc, bool cachedStrokes = false);
    void DrawBandNumbers(gfx::Canvas& dc) const;
    void DrawQHandles(gfx::Canvas& dc);
    void DrawBandReadout(gfx::Canvas& dc) const;
    void DrawFilterMarkers(gfx::Canvas& dc) const;
    void GetQHandlePolygon(gfx::PointF pts[10], bool right) const;
    int DpiScale(int n) const { return n * m_nDpi / 96; }
    // Inside the high-pass (0) or low-pass (1) marker's rectangle.
    bool InMarker(int which, int x, int y) const;

    int m_nDpi;
    bool m_bLayoutSet = false;
    gfx::Rect m_rcClient{};
    controls::GraphLayout m_Layout{};
    int m_nDragBand = -1;
    int m_nQHandleDrag = 0;
    int m_nDragMarker = -1;
    int m_nQOffset = 0;
    CBezier m_Bezier;
    int m_nSelBand = -1;
    double m_dGain[controls::kGraphBands];
    int m_nFreq[controls::kGraphBands];
    double m_dQ[controls::kGraphBands];
    bool m_bFreeDrag = false;
    unsigned m_nHighPassFreq, m_nLowPassFreq;
    unsigned m_nHighPassSlope = 0, m_nLowPassSlope = 0;
    unsigned m_nHighPassType = 0, m_nLowPassType = 0;
    int m_nSelFilter = -1;
    int m_nFilterOff = 3;
    bool m_bHooked = false;
    double m_dAllGain[controls::kGraphChannels][controls::kGraphBands];
    int m_nAllFreq[controls::kGraphChannels][controls::kGraphBands];
    double m_dAllQ[controls::kGraphChannels][controls::kGraphBands];
    unsigned m_nAllHighPassFreq[controls::kGraphChannels];
    unsigned m_nAllLowPassFreq[controls::kGraphChannels];
    unsigned m_nAllHighPassSlope[controls::kGraphChannels];
    unsigned m_nAllLowPassSlope[controls::kGraphChannels];
    unsigned m_nAllHighPassType[controls::kGraphChannels];
    unsigned m_nAllLowPassType[controls::kGraphChannels];
    unsigned m_nAllFilterOff[controls::kGraphChannels];
    int m_nHoverBand = -1;
    int m_nHoverMarker = -1;
    int m_nChannelMask = 0;
    int m_nChannel = 0;
    controls::GraphBaseLayer m_BaseLayer;
    controls::GraphBaseLayer m_GridLayer;
    // One kept stroke per channel, for its overlay curve; the current curve uses any whose key matches.
    struct KeptStroke {
        controls::GraphBaseLayer::Key key;
        std::shared_ptr<const gfx::StrokeMask> mask;
    };
    KeptStroke m_Strokes[controls::kGraphChannels];
    int m_nCurveStrokes = 0;
};
