// Window's dispatch entry and Windows' default handling of the messages the program relies on.
#include <cstring>

#include "platform/ui/application.h"
#include "platform/ui/window.h"

namespace ui {

namespace {

gfx::Point PointOf(LPARAM l) {
    return {GET_X_LPARAM(l), GET_Y_LPARAM(l)};
}

}  // namespace

LRESULT Window::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            if (lParam) OnPaint(*reinterpret_cast<gfx::Canvas*>(lParam));
            return 0;
        case WM_ERASEBKGND:
            return wParam ? OnEraseBkgnd(*reinterpret_cast<gfx::Canvas*>(wParam)) : 0;
        case WM_TIMER:
            OnTimer(wParam);
            return 0;
        case WM_COMMAND:
            return OnCommand(wParam, lParam) ? 0 : DefWindowProc(message, wParam, lParam);
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        case WM_SETFOCUS:
            OnSetFocus(reinterpret_cast<Window*>(wParam));
            return 0;
        case WM_KILLFOCUS:
            OnKillFocus(reinterpret_cast<Window*>(wParam));
            return 0;
        case WM_KEYDOWN:
            OnKeyDown(static_cast<unsigned>(wParam), LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_KEYUP:
            OnKeyUp(static_cast<unsigned>(wParam), LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_CHAR:
            OnChar(static_cast<char32_t>(wParam), LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_MOUSEWHEEL:
            return OnMouseWheel(LOWORD(wParam), GET_WHEEL_DELTA_WPARAM(wParam), PointOf(lParam)) ? 1 : 0;
        case WM_LBUTTONDOWN:
            OnLButtonDown(static_cast<unsigned>(wParam), PointOf(lParam));
            return 0;
        case WM_LBUTTONUP:
            OnLButtonUp(static_cast<unsigned>(wParam), PointOf(lParam));
            return 0;
        case WM_LBUTTONDBLCLK:
            OnLButtonDblClk(static_cast<unsigned>(wParam), PointOf(lParam));
            return 0;
        case WM_MOUSEMOVE:
            OnMouseMove(static_cast<unsigned>(wParam), PointOf(lParam));
            return 0;
        case WM_MOUSELEAVE:
            OnMouseLeave();
            return 0;
        case WM_MOUSEHOVER:
            OnMouseHover(static_cast<unsigned>(wParam), PointOf(lParam));
            return 0;
        case WM_NCHITTEST:
            return OnNcHitTest(PointOf(lParam));
        case WM_CAPTURECHANGED:
            OnCaptureChanged(reinterpret_cast<Window*>(lParam));
            return 0;
        default:
            return DefWindowProc(message, wParam, lParam);
    }
}

LRESULT Window::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETTEXT:
            text_ = lParam ? reinterpret_cast<const char*>(lParam) : "";
            if (native_) app_->GetBackend().SetNativeTitle(*native_, text_);
            Invalidate();
            return 1;
        case WM_CLOSE:
            DestroyWindow();
            return 0;
        case WM_MOUSEWHEEL:
            // Unhandled wheel messages go on to the parent.
            return parent_ ? parent_->SendMessage(message, wParam, lParam) : 0;
        case WM_NCHITTEST:
            return hit_transparent_ ? HTTRANSPARENT : HTCLIENT;
        case WM_SETFOCUS:
            if (setfocus_notice_ >= 0) NotifyParent(static_cast<unsigned>(setfocus_notice_));
            return 0;
        case WM_KILLFOCUS:
            if (killfocus_notice_ >= 0) NotifyParent(static_cast<unsigned>(killfocus_notice_));
            return 0;
        case WM_ERASEBKGND:
            if (wParam && background_) {
                reinterpret_cast<gfx::Canvas*>(wParam)->FillRect(GetClientRect(), *background_);
                return 1;
            }
            return 0;
        case WM_SYSKEYDOWN:
            // Alt+F4 closes the top-level window.
            if (wParam == VK_F4) GetTopLevel()->SendMessage(WM_CLOSE);
            return 0;
        case WM_NCLBUTTONDOWN:
            if (wParam == HTCAPTION) app_->input_.BeginMove(GetTopLevel());
            return 0;
        default:
            return 0;
    }
}

void Window::OnPaint(gfx::Canvas&) {}

bool Window::OnEraseBkgnd(gfx::Canvas& canvas) {
    return DefWindowProc(WM_ERASEBKGND, reinterpret_cast<WPARAM>(&canvas), 0) != 0;
}

void Window::OnTimer(UINT_PTR) {}

bool Window::OnCommand(WPARAM, LPARAM) {
    return false;
}

void Window::OnClose() {
    DefWindowProc(WM_CLOSE, 0, 0);
}

void Window::OnSetFocus(Window* old_focus) {
    DefWindowProc(WM_SETFOCUS, reinterpret_cast<WPARAM>(old_focus), 0);
}

void Window::OnKillFocus(Window* new_focus) {
    DefWindowProc(WM_KILLFOCUS, reinterpret_cast<WPARAM>(new_focus), 0);
}

void Window::OnKeyDown(unsigned, unsigned, unsigned) {}

void Window::OnKeyUp(unsigned, unsigned, unsigned) {}

void Window::OnChar(char32_t, unsigned, unsigned) {}

bool Window::OnMouseWheel(unsigned keys, int delta, gfx::Point screen) {
    return DefWindowProc(WM_MOUSEWHEEL, MAKEWPARAM(keys, static_cast<unsigned>(delta)),
                         MAKELPARAM(screen.x, screen.y)) != 0;
}

LRESULT Window::OnNcHitTest(gfx::Point screen) {
    return DefWindowProc(WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
}

}  // namespace ui
