#include "platform/ui/combobox.h"

#include <algorithm>

#include "platform/res/dpi.h"
#include "platform/ui/application.h"
#include "platform/ui/listbox.h"

namespace ui {

namespace {

constexpr int kFieldExtra = 6;  // window height over the field's
constexpr int kMaxVisible = 30;

}  // namespace

// The list of an open combo box: a list box that asks the combo for its colours and its owner-drawn items and
// takes no input of its own (the combo holds the capture while it is open).
class DropList : public ListBox {
  public:
    DropList(ComboBox& combo, Application* app) : ListBox(app), combo_(combo) {
        SetControlStyle(res::kBorder);
    }
    // The stock item, for the combo's default item hook.
    void PaintStockItem(gfx::Canvas& canvas, int index, const gfx::Rect& rect, bool selected) {
        PaintItemText(canvas, index, rect, selected);
    }

  protected:
    gfx::Brush AskColors(gfx::Canvas& canvas) override {
        return AskCtlColor(*this, canvas, CTLCOLOR_LISTBOX, &combo_);
    }
    void PaintItem(gfx::Canvas& canvas, int index, const gfx::Rect& rect, const PaintState& state) override {
        combo_.PaintItem(canvas, index, rect, state);
    }

  private:
    ComboBox& combo_;
};

ComboBox::ComboBox(Application* app) : Control(app), list_(std::make_unique<DropList>(*this, app)) {
    SetFocusNotices(CBN_SETFOCUS, CBN_KILLFOCUS);
    SetWantsDoubleClicks(true);
}

ComboBox::~ComboBox() {
    list_->DestroyWindow();
}

int ComboBox::AddString(const std::string& text) {
    list_->ModifyControlStyle(res::kSort, ControlStyle() & res::kSort);
    const int i = list_->AddString(text);
    if (sel_ >= i) ++sel_;
    return i;
}

int ComboBox::InsertString(int index, const std::string& text) {
    const int i = list_->InsertString(index, text);
    if (sel_ >= i) ++sel_;
    return i;
}

int ComboBox::DeleteString(int index) {
    const int left = list_->DeleteString(index);
    if (left < 0) return left;
    if (sel_ == index)
        sel_ = -1;
    else if (sel_ > index)
        --sel_;
    Invalidate();
    return left;
}

void ComboBox::ResetContent() {
    if (open_) Close(false);
    list_->ResetContent();
    sel_ = -1;
    Invalidate();
}

int ComboBox::GetCount() const {
    return list_->GetCount();
}

std::string ComboBox::GetLBText(int index) const {
    return list_->GetText(index);
}

void ComboBox::SetItemData(int index, std::uintptr_t data) {
    list_->SetItemData(index, data);
}

std::uintptr_t ComboBox::GetItemData(int index) const {
    return list_->GetItemData(index);
}

int ComboBox::FindStringExact(const std::string& text) const {
    return list_->FindStringExact(text);
}

int ComboBox::SetCurSel(int index) {
    if (index < 0 || index >= GetCount()) index = -1;
    if (index != sel_) {
        sel_ = index;
        Invalidate();
    }
    if (open_) list_->SetCurSel(sel_);
    return sel_;
}

int ComboBox::DefaultHeight() {
    gfx::Bitmap probe(1, 1);
    gfx::Canvas measure(probe);
    return measure.MeasureText("Ag", GetFont()).cy + 2;
}

bool ComboBox::SetItemHeight(int index, int height) {
    if (height < 1) return false;
    if (index < 0) {
        field_height_ = height;
        if (IsCreated()) {
            const gfx::Rect r = RectInParent();
            MoveWindow(gfx::RectFromSize(r.left, r.top, r.Width(), height + kFieldExtra));
        }
        return true;
    }
    item_height_ = height;
    item_height_set_ = true;
    list_->SetItemHeight(height);
    return true;
}

int ComboBox::GetItemHeight(int index) const {
    if (index < 0) return field_height_;
    return item_height_ > 0 ? item_height_ : field_height_;
}

ListBox* ComboBox::GetDropList() const {
    return open_ && list_->IsCreated() ? list_.get() : nullptr;
}

LRESULT ComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: {
            // The template's height is the dropped extent; the window itself is the field's height.
            if (field_height_ == 0) field_height_ = DefaultHeight();
            const gfx::Rect r = RectInParent();
            MoveWindow(gfx::RectFromSize(r.left, r.top, r.Width(), field_height_ + kFieldExtra), false);
            return Control::WindowProc(message, wParam, lParam);
        }
        case WM_SHOWWINDOW:
            if (!wParam) Close(false);  // a hidden combo keeps no open list
            return Control::WindowProc(message, wParam, lParam);
        case CB_GETCOUNT:
            return GetCount();
        case CB_GETCURSEL:
            return GetCurSel();
        case CB_SETCURSEL:
            return SetCurSel(static_cast<int>(static_cast<intptr_t>(wParam)));
        default:
            return Control::WindowProc(message, wParam, lParam);
    }
}

const gfx::Brush* ComboBox::OnCtlColor(gfx::Canvas& canvas, Window* control, int kind) {
    // The drop list asks its combo, which asks its own parent.
    if (kind != CTLCOLOR_LISTBOX || !GetParent()) return Control::OnCtlColor(canvas, control, kind);
    return BrushOfResult(GetParent()->SendMessage(WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(&canvas),
                                                  reinterpret_cast<LPARAM>(control)));
}

int ComboBox::MeasureListItems() {
    const int fallback = item_height_ > 0 ? item_height_ : field_height_;
    if (!HasControlStyle(res::kOwnerDrawList) || item_height_set_) return fallback;
    MeasureItemStruct mis;
    mis.CtlType = ODT_COMBOBOX;
    mis.CtlID = static_cast<UINT>(GetDlgCtrlID());
    mis.itemID = 0;
    mis.itemWidth = static_cast<UINT>(GetClientRect().Width());
    mis.itemHeight = static_cast<UINT>(fallback);
    mis.itemData = GetItemData(0);
    Window* parent = GetParent();
    if (!parent || !parent->SendMessage(WM_MEASUREITEM, mis.CtlID, reinterpret_cast<LPARAM>(&mis)))
        MeasureItem(mis);
    return std::max(1, static_cast<int>(mis.itemHeight));
}

void ComboBox::Open() {
    if (open_ || !IsCreated()) return;
    const uint32_t self = Handle();
    NotifyParent(CBN_DROPDOWN);
    if (App().FromHandle(self) != this || !HasFocus()) return;
    const int ih = MeasureListItems();
    list_->SetItemHeight(ih);
    Window* top = GetTopLevel();
    const gfx::Rect field = GetWindowRect();
    const gfx::Point origin = top->ScreenToClient({field.left, field.top});
    const int height = std::min(std::max(GetCount(), 1), kMaxVisible) * ih + 2;
    const int space_below = top->GetClientRect().Height() - (origin.y + field.Height());
    int y = origin.y + field.Height();
    int h = height;
    if (height > space_below && origin.y > space_below) {
        h = std::min(height, origin.y);
        y = origin.y - h;
    } else {
        h = std::min(height, std::max(space_below, ih + 2));
    }
    list_->SetFont(GetFont(), false);
    if (!list_->Create(top, 0, gfx::RectFromSize(origin.x, y, field.Width(), h))) return;
    list_->BringWindowToTop();
    list_->SetCurSel(sel_);
    list_->EnsureVisible(sel_);
    open_ = true;
    SetCapture();
    Invalidate();
}

void ComboBox::Close(bool pick) {
    if (!open_) return;
    const int picked = list_->GetCurSel();
    open_ = false;
    pressed_on_face_ = pressed_in_list_ = false;
    closing_ = true;
    list_->DestroyWindow();
    if (App().GetCapture() == this) App().ReleaseCapture();
    closing_ = false;
    Invalidate();
    const uint32_t self = Handle();
    if (pick && picked >= 0) {
        sel_ = picked;
        NotifyParent(CBN_SELCHANGE);
    }
    if (App().FromHandle(self) == this) NotifyParent(CBN_CLOSEUP);
}

void ComboBox::ShowDropDown(bool show) {
    if (show)
        Open();
    else
        Close(false);
}

void ComboBox::UserSelect(int index) {
    if (index < 0 || index >= GetCount() || index == sel_) return;
    sel_ = index;
    Invalidate();
    NotifyParent(CBN_SELCHANGE);
}

int ComboBox::ListItemAt(gfx::Point combo_point) const {
    if (!open_) return -1;
    const gfx::Point screen = ClientToScreen(combo_point);
    return list_->ItemFromPoint(list_->ScreenToClient(screen));
}

void ComboBox::OnLButtonDown(unsigned, gfx::Point p) {
    if (!open_) {
        SetFocus();
        if (!HasFocus()) return;
        Open();
        pressed_on_face_ = open_;
        return;
    }
    const gfx::Point screen = ClientToScreen(p);
    if (list_->GetWindowRect().Contains(screen)) {
        pressed_in_list_ = true;
        const int i = ListItemAt(p);
        if (i >= 0) list_->SetCurSel(i);
        return;
    }
    Close(false);  // on the field or anywhere else
}

void ComboBox::OnMouseMove(unsigned, gfx::Point p) {
    if (!open_) return;
    const int i = ListItemAt(p);
    if (i >= 0) list_->SetCurSel(i);
}

void ComboBox::OnLButtonUp(unsigned, gfx::Point p) {
    if (!open_) return;
    const bool armed = pressed_on_face_ || pressed_in_list_;
    pressed_on_face_ = pressed_in_list_ = false;
    const int i = ListItemAt(p);
    if (armed && i >= 0) {
        list_->SetCurSel(i);
        Close(true);
    }
}

void ComboBox::OnDestroy() {
    // The list goes with its window, quietly; a later window of this object starts closed.
    open_ = pressed_on_face_ = pressed_in_list_ = false;
    closing_ = true;
    list_->DestroyWindow();
    closing_ = false;
}

void ComboBox::OnCaptureChanged(Window* gaining) {
    if (open_ && !closing_ && gaining != this) Close(false);
}

void ComboBox::OnKeyDown(unsigned vk, unsigned, unsigned) {
    if (vk == VK_F4) {
        if (open_)
            Close(true);
        else
            Open();
        return;
    }
    const int last = GetCount() - 1;
    if (last < 0) return;
    if (open_) {
        const int cur = list_->GetCurSel();
        int next = cur;
        if (vk == VK_UP || vk == VK_LEFT) next = cur < 0 ? 0 : std::max(0, cur - 1);
        if (vk == VK_DOWN || vk == VK_RIGHT) next = cur < 0 ? 0 : std::min(last, cur + 1);
        if (vk == VK_HOME) next = 0;
        if (vk == VK_END) next = last;
        list_->SetCurSel(next);
        list_->EnsureVisible(next);
        return;
    }
    switch (vk) {
        case VK_UP:
        case VK_LEFT:
            UserSelect(sel_ < 0 ? 0 : sel_ - 1);
            break;
        case VK_DOWN:
        case VK_RIGHT:
            UserSelect(sel_ < 0 ? 0 : sel_ + 1);
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

bool ComboBox::PreTranslateMessage(MSG& msg) {
    // Enter and Esc belong to an open list, not to the dialog.
    if (!open_ || msg.hwnd != this || msg.message != WM_KEYDOWN) return false;
    if (msg.wParam == VK_RETURN) {
        Close(true);
        return true;
    }
    if (msg.wParam == VK_ESCAPE) {
        Close(false);
        return true;
    }
    return false;
}

bool ComboBox::OnMouseWheel(unsigned, int delta, gfx::Point) {
    if (open_) {
        list_->SetTopIndex(list_->GetTopIndex() - delta / WHEEL_DELTA * 3);
        return true;
    }
    if (GetCount() == 0) return true;
    const int steps = delta / WHEEL_DELTA;
    if (steps != 0) UserSelect(std::clamp(sel_ < 0 ? 0 : sel_ - steps, 0, GetCount() - 1));
    return true;
}

void ComboBox::OnSetFocus(Window* old_focus) {
    Control::OnSetFocus(old_focus);
    Invalidate();
}

void ComboBox::OnKillFocus(Window* new_focus) {
    Close(false);
    Control::OnKillFocus(new_focus);
    Invalidate();
}

void ComboBox::OwnerDraw(gfx::Canvas& canvas, int index, const gfx::Rect& rect, UINT state) {
    AskDrawItem(canvas, ODT_COMBOBOX, index, rect, state, GetItemData(index));
}

void ComboBox::OnPaint(gfx::Canvas& canvas) {
    PaintState state = BaseState();
    state.focused = state.focused && !open_;
    state.pressed = open_;
    const gfx::Brush brush = AskCtlColor(*this, canvas, state.disabled ? CTLCOLOR_STATIC : CTLCOLOR_EDIT);
    const gfx::Rect c = GetClientRect();
    const int arrow = res::DpiScale(17, App().Dpi());
    const Parts parts{c,
                      {c.left + 2, c.top + 2, c.right - arrow - 1, c.bottom - 2},
                      {c.right - arrow - 1, c.top + 1, c.right - 1, c.bottom - 1}};
    PaintField(canvas, parts, brush, state);
    PaintArrow(canvas, parts.arrow, state);
}

void ComboBox::PaintField(gfx::Canvas& canvas, const Parts& parts, const gfx::Brush& background,
                          const PaintState& state) {
    canvas.FillRect(parts.client, background);
    canvas.SetPen(gfx::Pen::Solid(1, syscolor::kBorder));
    canvas.SetBrush(gfx::Brush::Null());
    canvas.Rectangle(parts.client);
    const gfx::Rect& field = parts.field;
    if (HasControlStyle(res::kOwnerDrawList)) {
        canvas.Save();
        OwnerDraw(canvas, sel_, field,
                  ODS_COMBOBOXEDIT | (state.focused ? ODS_SELECTED | ODS_FOCUS : 0u) |
                      (state.disabled ? ODS_DISABLED : 0u));
        canvas.Restore();
    } else if (sel_ >= 0) {
        if (state.focused) canvas.FillRect(field, syscolor::kHighlight);
        const gfx::Color text = state.disabled  ? syscolor::kGrayText
                                : state.focused ? syscolor::kHighlightText
                                                : canvas.TextColor();
        canvas.DrawText(GetLBText(sel_), {field.left + 1, field.top, field.right, field.bottom}, GetFont(),
                        text, gfx::kTextVCenter | gfx::kTextSingleLine | gfx::kTextEndEllipsis);
    }
}

void ComboBox::PaintArrow(gfx::Canvas& canvas, const gfx::Rect& box, const PaintState& state) {
    canvas.FillRect(box, state.pressed ? syscolor::kPressedFace : syscolor::kFace);
    const float cx = (box.left + box.right) / 2.0f, cy = (box.top + box.bottom) / 2.0f;
    const float s = box.Width() / 5.0f;
    const gfx::PointF tri[] = {{cx - s, cy - s / 2}, {cx + s, cy - s / 2}, {cx, cy + s / 2}};
    canvas.FillPolygon(tri, state.disabled ? syscolor::kGrayText : syscolor::kWindowText);
}

void ComboBox::PaintItem(gfx::Canvas& canvas, int index, const gfx::Rect& rect, const PaintState& state) {
    if (HasControlStyle(res::kOwnerDrawList))
        OwnerDraw(canvas, index, rect, OdsState(state));
    else
        list_->PaintStockItem(canvas, index, rect, state.selected);
}

}  // namespace ui
