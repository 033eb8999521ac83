// InputRouter: delivering mouse and key events to windows.
#include <cstdlib>

#include "platform/ui/application.h"
#include "platform/ui/inputrouter.h"
#include "platform/ui/window.h"

namespace ui {

namespace {

constexpr int64_t kDoubleClickMs = 500;
constexpr int kDoubleClickSlop = 2;  // pixels each way

UINT MouseMessage(const InputEvent& e) {
    switch (e.type) {
        case InputEvent::Type::kMouseDown:
            return e.button == 0 ? WM_LBUTTONDOWN : WM_RBUTTONDOWN;
        case InputEvent::Type::kMouseUp:
            return e.button == 0 ? WM_LBUTTONUP : WM_RBUTTONUP;
        default:
            return WM_MOUSEMOVE;
    }
}

}  // namespace

bool InputRouter::Route(MSG msg, bool input) {
    Window* const target = msg.hwnd;
    if (!target || !target->IsCreated()) return false;
    const uint32_t h = target->Handle();
    if (input && !AcceptsInput(target->GetParent())) return false;
    for (Window* p = target; p; p = p->GetParent()) {
        if (p->PreTranslateMessage(msg)) return false;
        if (!app_.FromHandle(h)) return false;
    }
    if (input && !target->IsWindowEnabled()) return false;
    target->WindowProc(msg.message, msg.wParam, msg.lParam);
    return app_.FromHandle(h) != nullptr;
}

void InputRouter::DeliverMouse(const InputEvent& e) {
    UINT message = MouseMessage(e);
    const unsigned bit = e.button == 0 ? MK_LBUTTON : MK_RBUTTON;
    if (e.type == InputEvent::Type::kMouseDown) buttons_ |= bit;
    if (e.type == InputEvent::Type::kMouseUp) buttons_ &= ~bit;
    last_pointer_ = e.screen;

    // The low-level hook sees moves and left releases anywhere, before anything is dispatched.
    if (message == WM_MOUSEMOVE || message == WM_LBUTTONUP) {
        const auto hooks = hooks_;  // a hook may remove itself
        for (const Hook& hook : hooks) hook.fn(message, e.screen);
    }

    if (moving_) {
        if (Window* top = app_.FromHandle(moving_)) {
            const int dx = e.screen.x - move_anchor_.x, dy = e.screen.y - move_anchor_.y;
            if (message == WM_MOUSEMOVE) top->MoveWindow(move_start_.Offset(dx, dy));
        }
        if (message == WM_LBUTTONUP) moving_ = 0;
        return;
    }

    LRESULT hit = HTCLIENT;
    Window* under = WindowFromPoint(e.screen, &hit);
    UpdateTracking(under, e.screen);
    Window* target = Capture();
    if (!target)
        target = under;
    else
        hit = HTCLIENT;
    if (!target || !AcceptsInput(target)) return;  // the mouse never reaches a disabled window
    if (hit != HTCLIENT) {
        // A press on a caption area (a dialog dragged by its background) starts a move.
        if (message == WM_LBUTTONDOWN)
            target->SendMessage(WM_NCLBUTTONDOWN, static_cast<WPARAM>(hit),
                                MAKELPARAM(e.screen.x, e.screen.y));
        return;
    }

    if (message == WM_LBUTTONDOWN) {
        const int64_t now = app_.Now();
        const bool twice = target->WantsDoubleClicks() && !last_was_double_ &&
                           last_down_window_ == target->Handle() && now - last_down_time_ <= kDoubleClickMs &&
                           std::abs(e.screen.x - last_down_point_.x) <= kDoubleClickSlop &&
                           std::abs(e.screen.y - last_down_point_.y) <= kDoubleClickSlop;
        if (twice) message = WM_LBUTTONDBLCLK;
        last_was_double_ = twice;
        last_down_window_ = target->Handle();
        last_down_time_ = now;
        last_down_point_ = e.screen;
    }

    const unsigned keys = buttons_ | (keys_down_[VK_SHIFT] ? unsigned{MK_SHIFT} : 0u) |
                          (keys_down_[VK_CONTROL] ? unsigned{MK_CONTROL} : 0u);
    const gfx::Point p = target->ScreenToClient(e.screen);
    Route(MSG{target, message, keys, MAKELPARAM(p.x, p.y)}, true);
}

void InputRouter::DeliverKey(const InputEvent& e, Window* target) {
    const bool alt = (e.modifiers & kModAlt) != 0;
    if (e.vk < keys_down_.size()) {
        if (e.type == InputEvent::Type::kKeyDown) keys_down_[e.vk] = true;
        if (e.type == InputEvent::Type::kKeyUp) keys_down_[e.vk] = false;
    }
    if (!target) return;
    if (e.type == InputEvent::Type::kChar) {
        Route(MSG{target, WM_CHAR, static_cast<WPARAM>(e.ch), 1}, true);
        return;
    }
    const bool down = e.type == InputEvent::Type::kKeyDown;
    const UINT message = down ? (alt ? WM_SYSKEYDOWN : WM_KEYDOWN) : (alt ? WM_SYSKEYUP : WM_KEYUP);
    const LPARAM lparam = 1 | (down ? 0 : (LPARAM{0xC000} << 16));
    if (!Route(MSG{target, message, e.vk, lparam}, true)) return;
    // As TranslateMessage: keys that type a control character also send it, the clipboard keys included
    // (Ctrl+A, Ctrl+C, Ctrl+X, Ctrl+V and Shift+Insert).
    if (message == WM_KEYDOWN) {
        const bool ctrl = (e.modifiers & kModControl) != 0 || keys_down_[VK_CONTROL];
        const bool shift = (e.modifiers & kModShift) != 0 || keys_down_[VK_SHIFT];
        char32_t ch = 0;
        if (e.vk == VK_RETURN) ch = U'\r';
        if (e.vk == VK_ESCAPE) ch = 0x1B;
        if (e.vk == VK_BACK) ch = 0x08;
        if (e.vk == VK_TAB) ch = U'\t';
        if (ctrl && e.vk >= 'A' && e.vk <= 'Z') ch = static_cast<char32_t>(e.vk - 'A' + 1);
        if (shift && !ctrl && e.vk == VK_INSERT) ch = 0x16;
        if (ch) Route(MSG{target, WM_CHAR, static_cast<WPARAM>(ch), 1}, true);
    }
}

}  // namespace ui
