#include "platform/ui/button.h"

#include "platform/ui/application.h"

namespace ui {

void Button::SetOwnerDraw(bool owner_draw) {
    owner_draw_ = owner_draw;
    OnControlStyleChanged();
    Invalidate();
}

void Button::OnControlStyleChanged() {
    // Only buttons with the notify style report their focus changes.
    const bool notify = HasControlStyle(res::kNotify);
    SetFocusNotices(notify ? int{BN_SETFOCUS} : -1, notify ? int{BN_KILLFOCUS} : -1);
}

void Button::SetPushed(bool pushed) {
    if (pushed == pushed_) return;
    pushed_ = pushed;
    Invalidate();
}

void Button::Click() {
    NotifyParent(BN_CLICKED);
}

void Button::Press() {
    SetFocus();
    tracking_ = true;
    SetCapture();
    SetPushed(true);
}

void Button::OnLButtonDown(unsigned, gfx::Point) {
    Press();
}

void Button::OnLButtonDblClk(unsigned, gfx::Point p) {
    if (owner_draw_ || HasControlStyle(res::kNotify)) {
        NotifyParent(BN_DOUBLECLICKED);
        return;
    }
    OnLButtonDown(0, p);
}

void Button::OnMouseMove(unsigned, gfx::Point p) {
    if (tracking_) SetPushed(GetClientRect().Contains(p));
}

void Button::OnLButtonUp(unsigned, gfx::Point p) {
    if (!tracking_) return;
    tracking_ = false;
    const bool inside = GetClientRect().Contains(p) && pushed_;
    SetPushed(false);
    if (App().GetCapture() == this) App().ReleaseCapture();
    if (inside) Click();
}

void Button::OnCaptureChanged(Window*) {
    if (!tracking_) return;
    tracking_ = false;
    SetPushed(false);
}

void Button::OnKeyDown(unsigned vk, unsigned, unsigned) {
    if (vk == VK_SPACE && !space_) {
        space_ = true;
        SetPushed(true);
    }
}

void Button::OnKeyUp(unsigned vk, unsigned, unsigned) {
    if (vk != VK_SPACE || !space_) return;
    space_ = false;
    SetPushed(false);
    Click();
}

void Button::OnSetFocus(Window* old_focus) {
    Control::OnSetFocus(old_focus);
    Invalidate();
}

void Button::OnKillFocus(Window* new_focus) {
    space_ = false;
    if (!tracking_) SetPushed(false);
    Control::OnKillFocus(new_focus);
    Invalidate();
}

void Button::OnPaint(gfx::Canvas& canvas) {
    const gfx::Brush brush = AskCtlColor(*this, canvas, CTLCOLOR_BTN);
    if (!owner_draw_) {
        canvas.FillRect(GetClientRect(), brush);
        DrawDefault(canvas);
        return;
    }
    const UINT state = (pushed_ ? ODS_SELECTED : 0u) | (IsWindowEnabled() ? 0u : ODS_DISABLED) |
                       (HasFocus() ? ODS_FOCUS : 0u);
    AskDrawItem(canvas, ODT_BUTTON, 0, GetClientRect(), state);
}

void Button::DrawDefault(gfx::Canvas& canvas) {
    const gfx::Rect r = GetClientRect();
    const bool focus = HasFocus();
    canvas.FillRect(r,
                    focus || HasControlStyle(res::kDefaultButton) ? syscolor::kHighlight : syscolor::kBorder);
    const gfx::Rect face{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    canvas.FillRect(face, pushed_ ? gfx::Rgb(204, 228, 247) : gfx::Rgb(225, 225, 225));
    const gfx::Color text = IsWindowEnabled() ? canvas.TextColor() : syscolor::kGrayText;
    canvas.DrawText(GetWindowText(), face, GetFont(), text,
                    gfx::kTextCenter | gfx::kTextVCenter | gfx::kTextSingleLine);
}

}  // namespace ui
