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
    PaintState state = BaseState();
    state.pressed = pushed_;
    PaintFace(canvas, GetClientRect(), brush, state);
}

void Button::PaintFace(gfx::Canvas& canvas, const gfx::Rect& client, const gfx::Brush& background,
                       const PaintState& state) {
    if (owner_draw_) {
        AskDrawItem(canvas, ODT_BUTTON, 0, client, OdsState(state));
        return;
    }
    canvas.FillRect(client, background);
    canvas.FillRect(client, state.focused || HasControlStyle(res::kDefaultButton) ? syscolor::kHighlight
                                                                                  : syscolor::kBorder);
    const gfx::Rect face{client.left + 1, client.top + 1, client.right - 1, client.bottom - 1};
    canvas.FillRect(face, state.pressed ? syscolor::kPressedFace : syscolor::kButtonFace);
    const gfx::Color text = state.disabled ? syscolor::kGrayText : canvas.TextColor();
    canvas.DrawText(GetWindowText(), face, GetFont(), text,
                    gfx::kTextCenter | gfx::kTextVCenter | gfx::kTextSingleLine);
}

}  // namespace ui
