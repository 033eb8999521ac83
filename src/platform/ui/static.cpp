#include "platform/ui/static.h"

namespace ui {

Static::Static(Application* app) : Control(app) {
    SetHitTestTransparent(true);
    SetWantsDoubleClicks(true);
}

void Static::OnControlStyleChanged() {
    SetHitTestTransparent(!HasControlStyle(res::kNotify));
}

void Static::OnLButtonDown(unsigned, gfx::Point) {
    if (HasControlStyle(res::kNotify)) NotifyParent(STN_CLICKED);
}

void Static::OnLButtonDblClk(unsigned, gfx::Point) {
    if (HasControlStyle(res::kNotify)) NotifyParent(STN_DBLCLK);
}

gfx::Brush Static::PaintBackground(gfx::Canvas& canvas) {
    const gfx::Brush brush = AskCtlColor(*this, canvas, CTLCOLOR_STATIC);
    canvas.FillRect(GetClientRect(), brush);
    return brush;
}

void Static::PaintText(gfx::Canvas& canvas) {
    const std::string text = GetWindowText();
    if (text.empty()) return;
    unsigned flags = gfx::kTextLeft;
    if (HasControlStyle(res::kTextCenter)) flags = gfx::kTextCenter;
    if (HasControlStyle(res::kTextRight)) flags = gfx::kTextRight;
    // SS_CENTERIMAGE on a text static centres one line vertically.
    if (HasControlStyle(res::kCenterImage)) flags |= gfx::kTextVCenter | gfx::kTextSingleLine;
    const gfx::Color color = IsWindowEnabled() ? canvas.TextColor() : syscolor::kGrayText;
    canvas.SetFont(GetFont());
    canvas.SetTextColor(color);
    canvas.DrawText(text, GetClientRect(), flags);  // in the background mode the colour step set
}

void Static::OnPaint(gfx::Canvas& canvas) {
    PaintBackground(canvas);
    PaintText(canvas);
}

}  // namespace ui
