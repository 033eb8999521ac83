#include "platform/ui/control.h"

#include <cairo.h>

#include <cmath>

#include "platform/sys/textcodec.h"
#include "platform/ui/application.h"

namespace ui {

void Control::SetControlStyle(uint32_t style) {
    if (style == control_style_) return;
    control_style_ = style;
    OnControlStyleChanged();
    Invalidate();
}

void Control::AskDrawItem(gfx::Canvas& canvas, UINT type, int index, const gfx::Rect& rect, UINT state,
                          std::uintptr_t data) {
    DrawItemStruct dis;
    dis.CtlType = type;
    dis.CtlID = static_cast<UINT>(GetDlgCtrlID());
    dis.itemID = index;
    dis.itemState = state;
    dis.hwndItem = this;
    dis.canvas = &canvas;
    dis.rcItem = rect;
    dis.itemData = data;
    Window* parent = GetParent();
    if (!parent || !parent->SendMessage(WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis)))
        DrawItem(dis);
}

UINT OdsState(const PaintState& state) {
    return (state.selected || state.pressed ? UINT{ODS_SELECTED} : 0u) |
           (state.focused ? UINT{ODS_FOCUS} : 0u) | (state.disabled ? UINT{ODS_DISABLED} : 0u);
}

bool Control::IsPointerOver() const {
    InputRouter& input = App().Input();
    // The hit test only when the pointer is inside: it asks windows (WM_NCHITTEST), and most paints are not
    // under the pointer.
    if (!IsWindowVisible() || !GetWindowRect().Contains(input.PointerPos())) return false;
    for (const Window* w = input.WindowFromPoint(input.PointerPos()); w; w = w->GetParent()) {
        if (w == this) return true;
    }
    return false;
}

PaintState Control::BaseState() const {
    PaintState s;
    s.hot = IsPointerOver();
    s.focused = HasFocus();
    s.disabled = !IsWindowEnabled();
    return s;
}

gfx::Brush AskCtlColor(Window& control, gfx::Canvas& canvas, CtlColorKind kind, Window* asked) {
    const bool white = kind == CTLCOLOR_EDIT || kind == CTLCOLOR_LISTBOX;
    const gfx::Color back = white ? syscolor::kWindow : syscolor::kFace;
    canvas.SetTextColor(syscolor::kWindowText);
    canvas.SetBkColor(back);
    canvas.SetBkMode(gfx::BkMode::kOpaque);
    gfx::Brush brush = gfx::Brush::Solid(back);
    if (!asked) asked = control.GetParent();
    if (asked) {
        const LRESULT r =
            asked->SendMessage(WM_CTLCOLORMSGBOX + static_cast<UINT>(kind), reinterpret_cast<WPARAM>(&canvas),
                               reinterpret_cast<LPARAM>(&control));
        if (r) brush = *reinterpret_cast<const gfx::Brush*>(r);
    }
    return brush;
}

gfx::Rect ClipBox(gfx::Canvas& canvas) {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    cairo_clip_extents(canvas.Cairo(), &x0, &y0, &x1, &y1);
    return {static_cast<int>(std::floor(x0)), static_cast<int>(std::floor(y0)),
            static_cast<int>(std::ceil(x1)), static_cast<int>(std::ceil(y1))};
}

gfx::Point GetCursorPos(Application& app) {
    return app.Input().PointerPos();
}

std::u32string ToU32(const std::string& utf8) {
    return sys::Utf8ToU32(utf8);
}

std::string ToUtf8(const std::u32string& text) {
    return sys::U32ToUtf8(text);
}

}  // namespace ui
