#include "controls/valueedit.h"

#include "controls/editmessages.h"
#include "platform/ui/application.h"

namespace controls {

ui::LRESULT ValueEdit::WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) {
    if (message == WM_MOVE_FOCUS && TakesMoveFocus()) {
        TakeFocusSelectAll();
        return 0;
    }
    return ui::Edit::WindowProc(message, wParam, lParam);
}

bool ValueEdit::PreTranslateMessage(ui::MSG& msg) {
    if (msg.hwnd == this) {
        if (msg.message == ui::WM_KEYDOWN) PreKeyDown(static_cast<unsigned>(msg.wParam));
        if (msg.message == ui::WM_KEYUP) PreKeyUp(static_cast<unsigned>(msg.wParam));
    }
    return ui::Edit::PreTranslateMessage(msg);
}

void ValueEdit::OnKeyDown(unsigned vk, unsigned repeat, unsigned flags) {
    if (vk == ui::VK_UP || vk == ui::VK_DOWN) OnStepKey(vk);
    ui::Edit::OnKeyDown(vk, repeat, flags);
}

void ValueEdit::OnKeyUp(unsigned vk, unsigned repeat, unsigned flags) {
    if (vk == ui::VK_UP || vk == ui::VK_DOWN) SelectAll();
    ui::Edit::OnKeyUp(vk, repeat, flags);
}

void ValueEdit::OnLButtonDown(unsigned, gfx::Point) {
    SetFocus();
    SelectAll(false);
}

bool ValueEdit::OnMouseWheel(unsigned keys, int delta, gfx::Point screen) {
    if (HasFocus() && (delta == ui::WHEEL_DELTA || delta == -ui::WHEEL_DELTA))
        OnWheelKey(delta > 0 ? ui::VK_UP : ui::VK_DOWN, delta);
    return ui::Edit::OnMouseWheel(keys, delta, screen);
}

ui::Window* ValueEdit::MainWindow() const {
    return App().MainWindow();
}

}  // namespace controls
