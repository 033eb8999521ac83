#include "platform/ui/listbox.h"

#include <algorithm>
#include <cctype>

#include "platform/res/dpi.h"
#include "platform/ui/application.h"

namespace ui {

namespace {

bool LessNoCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

ListBox::ListBox(Application* app) : Control(app) {
    SetWantsDoubleClicks(true);
}

void ListBox::OnControlStyleChanged() {
    const bool notify = HasControlStyle(res::kNotify);
    SetFocusNotices(notify ? int{LBN_SETFOCUS} : -1, notify ? int{LBN_KILLFOCUS} : -1);
}

int ListBox::AddString(const std::string& text) {
    if (!HasControlStyle(res::kSort)) return InsertString(-1, text);
    auto it = std::upper_bound(items_.begin(), items_.end(), text,
                               [](const std::string& t, const Item& i) { return LessNoCase(t, i.text); });
    return InsertString(static_cast<int>(it - items_.begin()), text);
}

int ListBox::InsertString(int index, const std::string& text) {
    if (index < 0 || index > GetCount()) index = GetCount();
    items_.insert(items_.begin() + index, Item{text, 0});
    if (sel_ >= index) ++sel_;
    Invalidate();
    return index;
}

int ListBox::DeleteString(int index) {
    if (index < 0 || index >= GetCount()) return -1;
    items_.erase(items_.begin() + index);
    if (sel_ == index)
        sel_ = -1;
    else if (sel_ > index)
        --sel_;
    top_ = std::clamp(top_, 0, std::max(0, GetCount() - 1));
    Invalidate();
    return GetCount();
}

void ListBox::ResetContent() {
    items_.clear();
    sel_ = -1;
    top_ = 0;
    Invalidate();
}

std::string ListBox::GetText(int index) const {
    return index >= 0 && index < GetCount() ? items_[index].text : std::string();
}

void ListBox::SetItemData(int index, std::uintptr_t data) {
    if (index >= 0 && index < GetCount()) items_[index].data = data;
}

std::uintptr_t ListBox::GetItemData(int index) const {
    return index >= 0 && index < GetCount() ? items_[index].data : 0;
}

int ListBox::FindStringExact(const std::string& text) const {
    for (int i = 0; i < GetCount(); ++i) {
        if (!LessNoCase(items_[i].text, text) && !LessNoCase(text, items_[i].text)) return i;
    }
    return -1;
}

int ListBox::SetCurSel(int index) {
    if (index < 0 || index >= GetCount()) index = -1;
    if (index != sel_) {
        InvalidateItem(sel_);
        sel_ = index;
        InvalidateItem(sel_);
    }
    return sel_;
}

void ListBox::UserSelect(int index) {
    if (index < 0 || index >= GetCount() || index == sel_) return;
    SetCurSel(index);
    EnsureVisible(index);
    if (HasControlStyle(res::kNotify)) NotifyParent(LBN_SELCHANGE);
}

void ListBox::SetItemHeight(int height) {
    item_height_ = std::max(1, height);
    Invalidate();
}

gfx::Rect ListBox::ItemArea() const {
    const int b = HasControlStyle(res::kBorder) ? 1 : 0;
    const gfx::Rect c = GetClientRect();
    gfx::Rect r{c.left + b, c.top + b, c.right - b, c.bottom - b};
    if (HasScrollBar()) r.right -= res::DpiScale(17, App().Dpi());
    return r;
}

int ListBox::VisibleCount() const {
    const int b = HasControlStyle(res::kBorder) ? 2 : 0;
    return std::max(1, (GetClientRect().Height() - b) / item_height_);
}

bool ListBox::HasScrollBar() const {
    return GetCount() > VisibleCount();
}

void ListBox::SetTopIndex(int index) {
    const int top = std::clamp(index, 0, std::max(0, GetCount() - VisibleCount()));
    if (top == top_) return;
    top_ = top;
    Invalidate();
}

void ListBox::EnsureVisible(int index) {
    if (index < 0) return;
    if (index < top_) SetTopIndex(index);
    if (index >= top_ + VisibleCount()) SetTopIndex(index - VisibleCount() + 1);
}

gfx::Rect ListBox::GetItemRect(int index) const {
    if (index < 0 || index >= GetCount()) return {};
    const gfx::Rect a = ItemArea();
    const int y = a.top + (index - top_) * item_height_;
    return {a.left, y, a.right, y + item_height_};
}

int ListBox::ItemFromPoint(gfx::Point p) const {
    const gfx::Rect a = ItemArea();
    if (!a.Contains(p)) return -1;
    const int index = top_ + (p.y - a.top) / item_height_;
    return index < GetCount() ? index : -1;
}

void ListBox::InvalidateItem(int index) {
    const gfx::Rect r = GetItemRect(index);
    if (!r.IsEmpty()) InvalidateRect(&r);
}

LRESULT ListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case LB_GETCOUNT:
            return GetCount();
        case LB_GETCURSEL:
            return GetCurSel();
        case LB_SETCURSEL:
            return SetCurSel(static_cast<int>(static_cast<intptr_t>(wParam)));
        case LB_GETITEMRECT: {
            const gfx::Rect r = GetItemRect(static_cast<int>(wParam));
            if (r.IsEmpty()) return -1;
            if (lParam) *reinterpret_cast<gfx::Rect*>(lParam) = r;
            return 1;
        }
        default:
            return Control::WindowProc(message, wParam, lParam);
    }
}

gfx::Rect ListBox::ScrollThumb() const {
    const gfx::Rect c = GetClientRect();
    const gfx::Rect a = ItemArea();
    const int len = a.Height();
    const int count = std::max(1, GetCount());
    const int size = std::max(8, len * VisibleCount() / count);
    const int range = std::max(1, count - VisibleCount());
    const int y = a.top + (len - size) * top_ / range;
    return {a.right, y, c.right - (HasControlStyle(res::kBorder) ? 1 : 0), y + size};
}

void ListBox::OnLButtonDown(unsigned, gfx::Point p) {
    SetFocus();
    const gfx::Rect a = ItemArea();
    if (HasScrollBar() && p.x >= a.right) {
        const gfx::Rect t = ScrollThumb();
        if (p.y < t.top) {
            SetTopIndex(top_ - VisibleCount());
        } else if (p.y >= t.bottom) {
            SetTopIndex(top_ + VisibleCount());
        } else {
            thumb_drag_ = true;
            thumb_grab_ = p.y - t.top;
            SetCapture();
        }
        return;
    }
    UserSelect(ItemFromPoint(p));
    tracking_ = true;
    SetCapture();
}

void ListBox::OnLButtonDblClk(unsigned keys, gfx::Point p) {
    const int index = ItemFromPoint(p);
    if (index < 0) return OnLButtonDown(keys, p);
    UserSelect(index);
    if (HasControlStyle(res::kNotify)) NotifyParent(LBN_DBLCLK);
}

void ListBox::OnMouseMove(unsigned, gfx::Point p) {
    if (thumb_drag_) {
        const gfx::Rect a = ItemArea();
        const gfx::Rect t = ScrollThumb();
        const int free = std::max(1, a.Height() - t.Height());
        const int range = std::max(0, GetCount() - VisibleCount());
        SetTopIndex((p.y - thumb_grab_ - a.top) * range / free);
        return;
    }
    if (!tracking_) return;
    const gfx::Rect a = ItemArea();
    const int y = std::clamp(p.y, a.top, a.bottom - 1);
    if (p.y < a.top && top_ > 0) SetTopIndex(top_ - 1);
    if (p.y >= a.bottom) SetTopIndex(top_ + 1);
    UserSelect(ItemFromPoint({std::clamp(p.x, a.left, a.right - 1), y}));
}

void ListBox::OnLButtonUp(unsigned, gfx::Point) {
    if (!tracking_ && !thumb_drag_) return;
    tracking_ = thumb_drag_ = false;
    if (App().GetCapture() == this) App().ReleaseCapture();
}

void ListBox::OnKeyDown(unsigned vk, unsigned, unsigned) {
    const int last = GetCount() - 1;
    if (last < 0) return;
    const int cur = sel_ < 0 ? top_ : sel_;
    switch (vk) {
        case VK_UP:
        case VK_LEFT:
            UserSelect(sel_ < 0 ? cur : std::max(0, cur - 1));
            break;
        case VK_DOWN:
        case VK_RIGHT:
            UserSelect(sel_ < 0 ? cur : std::min(last, cur + 1));
            break;
        case VK_PRIOR:
            UserSelect(std::max(0, cur - VisibleCount() + 1));
            break;
        case VK_NEXT:
            UserSelect(std::min(last, cur + VisibleCount() - 1));
            break;
        case VK_HOME:
            UserSelect(0);
            break;
        case VK_END:
            UserSelect(last);
            break;
        default:
            break;
    }
}

bool ListBox::OnMouseWheel(unsigned, int delta, gfx::Point) {
    SetTopIndex(top_ - delta / WHEEL_DELTA * 3);
    return true;
}

gfx::Brush ListBox::AskColors(gfx::Canvas& canvas) {
    return AskCtlColor(*this, canvas, CTLCOLOR_LISTBOX);
}

void ListBox::PaintItemText(gfx::Canvas& canvas, int index, const gfx::Rect& rect, bool selected) {
    const gfx::Color text = !IsWindowEnabled() ? syscolor::kGrayText
                            : selected         ? syscolor::kHighlightText
                                               : canvas.TextColor();
    if (selected) canvas.FillRect(rect, syscolor::kHighlight);
    const gfx::Rect r{rect.left + 2, rect.top, rect.right - 2, rect.bottom};
    canvas.DrawText(GetText(index), r, GetFont(), text,
                    gfx::kTextVCenter | gfx::kTextSingleLine | gfx::kTextEndEllipsis);
}

void ListBox::PaintItem(gfx::Canvas& canvas, int index, const gfx::Rect& rect, const PaintState& state) {
    if (HasControlStyle(res::kOwnerDrawList)) {
        AskDrawItem(canvas, ODT_LISTBOX, index, rect, OdsState(state), GetItemData(index));
        return;
    }
    PaintItemText(canvas, index, rect, state.selected);
}

void ListBox::OnPaint(gfx::Canvas& canvas) {
    const gfx::Brush brush = AskColors(canvas);
    const gfx::Rect c = GetClientRect();
    canvas.FillRect(c, brush);
    if (HasControlStyle(res::kBorder)) {
        canvas.SetPen(gfx::Pen::Solid(1, syscolor::kBorder));
        canvas.SetBrush(gfx::Brush::Null());
        canvas.Rectangle(c);
    }
    const gfx::Rect area = ItemArea();
    canvas.Save();
    canvas.ClipRect(area);
    const gfx::Rect clip = ClipBox(canvas);
    for (int i = top_; i < GetCount(); ++i) {
        const gfx::Rect r = GetItemRect(i);
        if (r.top >= area.bottom || r.top >= clip.bottom) break;
        if (r.bottom <= clip.top) continue;
        canvas.Save();
        PaintState state;
        state.selected = i == sel_;
        state.focused = i == sel_ && HasFocus();
        state.disabled = !IsWindowEnabled();
        PaintItem(canvas, i, r, state);
        canvas.Restore();
    }
    canvas.Restore();
    if (HasScrollBar()) {
        const gfx::Rect bar{area.right, area.top, c.right - (HasControlStyle(res::kBorder) ? 1 : 0),
                            area.bottom};
        canvas.FillRect(bar, syscolor::kFace);
        canvas.FillRect(ScrollThumb(), syscolor::kShadow);
    }
}

}  // namespace ui
