#pragma once
#include "platform/ui/control.h"

namespace ui {

// A track bar (slider), horizontal or vertical (kVertical; the minimum is at the top).
//
// The position stays inside the range; SetPos and SetRange notify nothing. What the user does is reported to
// the parent as WM_HSCROLL (horizontal) or WM_VSCROLL (vertical) with a TB_* code in the low word of wParam
// (the position in the high word for TB_THUMBTRACK and TB_THUMBPOSITION) and the track bar in lParam:
// - a press takes the focus and the capture; on the thumb it starts a drag that sends TB_THUMBTRACK for
//   every move that changes the position and, at the release, TB_THUMBPOSITION and TB_ENDTRACK; the drag goes
//   on when the focus moves elsewhere meanwhile;
// - a press on the channel pages toward the point (TB_PAGEUP / TB_PAGEDOWN, repeated while held until the
//   thumb reaches the point) and ends with TB_ENDTRACK at the release;
// - Left/Up and Right/Down step by the line size, Page Up/Down by the page size, Home/End go to the ends;
//   each key that moves sends its code and its release sends TB_ENDTRACK.
// It paints after the colour step as a static, through two hooks that a skinned slider overrides one at a
// time: the track (PaintChannel), then the thumb over it (PaintThumb).
class TrackBar : public Control {
  public:
    explicit TrackBar(Application* app = nullptr) : Control(app) {}

    void SetRange(int min, int max, bool redraw = false);
    void SetRangeMin(int min, bool redraw = false) { SetRange(min, max_, redraw); }
    void SetRangeMax(int max, bool redraw = false) { SetRange(min_, max, redraw); }
    int GetRangeMin() const { return min_; }
    int GetRangeMax() const { return max_; }
    void SetPos(int pos);
    int GetPos() const { return pos_; }
    int SetLineSize(int size);  // returns the previous size
    int GetLineSize() const { return line_; }
    int SetPageSize(int size);
    int GetPageSize() const { return page_; }
    bool IsVertical() const { return HasControlStyle(res::kVertical); }
    bool IsDragging() const { return dragging_; }

    // In client coordinates.
    gfx::Rect GetThumbRect() const;
    gfx::Rect GetChannelRect() const;

    // The parts as the paint hooks get them, in client coordinates.
    struct Parts {
        gfx::Rect client;
        gfx::Rect channel;  // the stock channel
        gfx::Rect thumb;    // at the current position (GetThumbRect)
        bool vertical = false;
    };

  protected:
    // The track: the whole client area from the colour step's brush, and the channel. A skin may draw its
    // track over all of parts.client (split at parts.thumb). state: hot, focused, disabled; pressed while a
    // press on the channel pages.
    virtual void PaintChannel(gfx::Canvas& canvas, const Parts& parts, const gfx::Brush& background,
                              const PaintState& state);
    // The thumb at parts.thumb. state: pressed while dragged, hot while the pointer is over the thumb,
    // focused, disabled.
    virtual void PaintThumb(gfx::Canvas& canvas, const Parts& parts, const PaintState& state);

    void OnPaint(gfx::Canvas& canvas) override;
    bool OnEraseBkgnd(gfx::Canvas&) override { return true; }
    void OnLButtonDown(unsigned keys, gfx::Point p) override;
    void OnLButtonDblClk(unsigned keys, gfx::Point p) override { OnLButtonDown(keys, p); }
    void OnMouseMove(unsigned keys, gfx::Point p) override;
    void OnLButtonUp(unsigned keys, gfx::Point p) override;
    void OnCaptureChanged(Window* gaining) override;
    void OnKeyDown(unsigned vk, unsigned repeat, unsigned flags) override;
    void OnKeyUp(unsigned vk, unsigned repeat, unsigned flags) override;
    void OnTimer(UINT_PTR id) override;
    void OnDestroy() override { dragging_ = paging_ = false; }

  private:
    void Notify(unsigned code);
    bool Step(int delta, unsigned code);  // false at the end it moves toward
    bool PageToward(gfx::Point p);
    int Along(gfx::Point p) const { return IsVertical() ? p.y : p.x; }
    int Margin() const;
    int CentreOf(int pos) const;
    int PosAt(int along) const;
    int Scale(int n) const;

    int min_ = 0, max_ = 100, pos_ = 0;
    int line_ = 1, page_ = 20;
    bool dragging_ = false;
    int grab_ = 0;  // pointer minus thumb centre along the track when the drag began
    bool paging_ = false;
    gfx::Point page_point_;
};

}  // namespace ui
