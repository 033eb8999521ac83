#include "platform/ui/trackbar.h"

#include <algorithm>

#include "platform/res/dpi.h"
#include "platform/ui/application.h"

namespace ui {

namespace {

constexpr UINT_PTR kPageTimer = 0x7F01;  // the control's own timer, clear of the program's ids
constexpr unsigned kPageFirstMs = 500, kPageRepeatMs = 100;

}  // namespace

int TrackBar::Scale(int n) const {
    return std::max(1, res::DpiScale(n, App().Dpi()));
}

void TrackBar::SetRange(int min, int max, bool redraw) {
    min_ = min;
    max_ = std::max(min, max);
    page_ = std::max(1, (max_ - min_) / 5);
    pos_ = std::clamp(pos_, min_, max_);
    if (redraw) Invalidate();
}

void TrackBar::SetPos(int pos) {
    pos = std::clamp(pos, min_, max_);
    if (pos == pos_) return;
    pos_ = pos;
    Invalidate();
}

int TrackBar::SetLineSize(int size) {
    return std::exchange(line_, size);
}

int TrackBar::SetPageSize(int size) {
    return std::exchange(page_, size);
}

int TrackBar::Margin() const {
    const gfx::Rect c = GetClientRect();
    const int len = IsVertical() ? c.Height() : c.Width();
    return std::min(Scale(8), len / 2);
}

int TrackBar::CentreOf(int pos) const {
    const gfx::Rect c = GetClientRect();
    const int len = IsVertical() ? c.Height() : c.Width();
    const int m = Margin(), travel = len - 2 * m;
    if (max_ == min_ || travel <= 0) return m;
    return m + static_cast<int>((static_cast<long long>(pos - min_) * travel + (max_ - min_) / 2) /
                                (max_ - min_));
}

int TrackBar::PosAt(int along) const {
    const gfx::Rect c = GetClientRect();
    const int len = IsVertical() ? c.Height() : c.Width();
    const int m = Margin(), travel = len - 2 * m;
    if (travel <= 0) return min_;
    const long long off = std::clamp(along - m, 0, travel);
    return min_ + static_cast<int>((off * (max_ - min_) + travel / 2) / travel);
}

gfx::Rect TrackBar::GetThumbRect() const {
    const gfx::Rect c = GetClientRect();
    const int across = IsVertical() ? c.Width() : c.Height();
    const int size = Scale(11), inset = std::min(Scale(2), across / 4);
    const int start = CentreOf(pos_) - size / 2;
    if (IsVertical()) return {inset, start, across - inset, start + size};
    return {start, inset, start + size, across - inset};
}

gfx::Rect TrackBar::GetChannelRect() const {
    const gfx::Rect c = GetClientRect();
    const int m = Margin();
    const int thick = Scale(4);
    if (IsVertical()) {
        const int x = (c.Width() - thick) / 2;
        return {x, m, x + thick, c.Height() - m};
    }
    const int y = (c.Height() - thick) / 2;
    return {m, y, c.Width() - m, y + thick};
}

void TrackBar::Notify(unsigned code) {
    Window* parent = GetParent();
    if (!parent) return;
    const bool with_pos = code == TB_THUMBTRACK || code == TB_THUMBPOSITION;
    parent->SendMessage(IsVertical() ? WM_VSCROLL : WM_HSCROLL,
                        MAKEWPARAM(code, with_pos ? static_cast<unsigned>(pos_) : 0u),
                        reinterpret_cast<LPARAM>(this));
}

bool TrackBar::Step(int delta, unsigned code) {
    if ((delta < 0 && pos_ == min_) || (delta > 0 && pos_ == max_)) return false;
    pos_ = std::clamp(pos_ + delta, min_, max_);
    Invalidate();
    Notify(code);
    return true;
}

bool TrackBar::PageToward(gfx::Point p) {
    const gfx::Rect t = GetThumbRect();
    const int a = Along(p);
    const int lo = IsVertical() ? t.top : t.left, hi = IsVertical() ? t.bottom : t.right;
    if (a < lo) return Step(-page_, TB_PAGEUP);
    if (a >= hi) return Step(page_, TB_PAGEDOWN);
    return false;
}

void TrackBar::OnLButtonDown(unsigned, gfx::Point p) {
    SetFocus();
    if (dragging_ || paging_) return;
    if (GetThumbRect().Contains(p)) {
        dragging_ = true;
        grab_ = Along(p) - CentreOf(pos_);
        SetCapture();
        Invalidate();
        return;
    }
    paging_ = true;
    page_point_ = p;
    SetCapture();
    PageToward(p);
    SetTimer(kPageTimer, kPageFirstMs);
}

void TrackBar::OnTimer(UINT_PTR id) {
    if (id != kPageTimer) return Control::OnTimer(id);
    if (!paging_) {
        KillTimer(kPageTimer);
        return;
    }
    SetTimer(kPageTimer, kPageRepeatMs);
    PageToward(page_point_);
}

void TrackBar::OnMouseMove(unsigned, gfx::Point p) {
    if (paging_) page_point_ = p;
    if (!dragging_) return;
    const int pos = PosAt(Along(p) - grab_);
    if (pos == pos_) return;
    pos_ = pos;
    Invalidate();
    Notify(TB_THUMBTRACK);
}

void TrackBar::OnLButtonUp(unsigned, gfx::Point) {
    if (dragging_) {
        dragging_ = false;
        Notify(TB_THUMBPOSITION);
        Notify(TB_ENDTRACK);
        Invalidate();
    } else if (paging_) {
        paging_ = false;
        KillTimer(kPageTimer);
        Notify(TB_ENDTRACK);
    } else {
        return;
    }
    if (App().GetCapture() == this) App().ReleaseCapture();
}

void TrackBar::OnCaptureChanged(Window*) {
    // Capture taken away mid-drag (a window disabled or hidden): the drag ends where it is.
    if (!dragging_ && !paging_) return;
    dragging_ = paging_ = false;
    KillTimer(kPageTimer);
    Notify(TB_ENDTRACK);
    Invalidate();
}

void TrackBar::OnKeyDown(unsigned vk, unsigned, unsigned) {
    switch (vk) {
        case VK_LEFT:
        case VK_UP:
            Step(-line_, TB_LINEUP);
            break;
        case VK_RIGHT:
        case VK_DOWN:
            Step(line_, TB_LINEDOWN);
            break;
        case VK_PRIOR:
            Step(-page_, TB_PAGEUP);
            break;
        case VK_NEXT:
            Step(page_, TB_PAGEDOWN);
            break;
        case VK_HOME:
            if (pos_ != min_) Step(min_ - pos_, TB_TOP);
            break;
        case VK_END:
            if (pos_ != max_) Step(max_ - pos_, TB_BOTTOM);
            break;
        default:
            break;
    }
}

void TrackBar::OnKeyUp(unsigned vk, unsigned, unsigned) {
    switch (vk) {
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_HOME:
        case VK_END:
            Notify(TB_ENDTRACK);
            break;
        default:
            break;
    }
}

void TrackBar::PaintChannel(gfx::Canvas& canvas, const Parts& parts, const gfx::Brush& background,
                            const PaintState&) {
    canvas.FillRect(parts.client, background);
    const gfx::Rect& ch = parts.channel;
    canvas.FillRect(ch, syscolor::kShadow);
    canvas.FillRect({ch.left + 1, ch.top + 1, ch.right - 1, ch.bottom - 1}, syscolor::kChannel);
}

void TrackBar::PaintThumb(gfx::Canvas& canvas, const Parts& parts, const PaintState& state) {
    const gfx::Rect& t = parts.thumb;
    canvas.FillRect(t, state.focused ? syscolor::kHighlight : syscolor::kBorder);
    const gfx::Color inside = state.pressed    ? syscolor::kPressedFace
                              : state.disabled ? syscolor::kFace
                                               : syscolor::kHighlight;
    canvas.FillRect({t.left + 1, t.top + 1, t.right - 1, t.bottom - 1}, inside);
}

void TrackBar::OnPaint(gfx::Canvas& canvas) {
    const gfx::Brush brush = AskCtlColor(*this, canvas, CTLCOLOR_STATIC);
    const Parts parts{GetClientRect(), GetChannelRect(), GetThumbRect(), IsVertical()};
    PaintState state = BaseState();
    const bool over_thumb = state.hot && parts.thumb.Contains(ScreenToClient(App().Input().PointerPos()));
    state.pressed = paging_;
    PaintChannel(canvas, parts, brush, state);
    state.pressed = dragging_;
    state.hot = over_thumb;
    PaintThumb(canvas, parts, state);
}

}  // namespace ui
