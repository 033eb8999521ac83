// Window's dispatch entry and Windows' default handling of the messages the program relies on.
#include <cstring>

#include "platform/ui/application.h"
#include "platform/ui/control.h"
#include "platform/ui/controlmessages.h"
#include "platform/ui/popupmenu.h"
#include "platform/ui/window.h"

namespace ui {

namespace {

gfx::Point PointOf(LPARAM l) {
    return {GET_X_LPARAM(l), GET_Y_LPARAM(l)};
}

// The signed position in the high word of a scroll message's wParam.
int ScrollPos(WPARAM w) {
    return static_cast<std::int16_t>(HIWORD(w));
}

}  // namespace

CommandArgs CrackCommand(WPARAM wParam, LPARAM lParam) {
    return {static_cast<int>(LOWORD(wParam)), HIWORD(wParam), reinterpret_cast<Window*>(lParam)};
}

LRESULT Window::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        auto* canvas = reinterpret_cast<gfx::Canvas*>(wParam);
        if (!canvas) return 0;
        return BrushResult(OnCtlColor(*canvas, reinterpret_cast<Window*>(lParam),
                                      static_cast<int>(message - WM_CTLCOLORMSGBOX)));
    }
    switch (message) {
        case WM_PAINT:
            if (lParam) OnPaint(*reinterpret_cast<gfx::Canvas*>(lParam));
            return 0;
        case WM_ERASEBKGND:
            return wParam ? OnEraseBkgnd(*reinterpret_cast<gfx::Canvas*>(wParam)) : 0;
        case WM_TIMER:
            OnTimer(wParam);
            return 0;
        case WM_COMMAND: {
            const CommandArgs c = CrackCommand(wParam, lParam);
            return HandleCommand(c.id, c.code, c.control) ? 0 : DefWindowProc(message, wParam, lParam);
        }
        case WM_NOTIFY: {
            const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
            if (!hdr) return 0;
            return OnNotify(static_cast<int>(hdr->idFrom), hdr->code, hdr->hwndFrom) ? 1 : 0;
        }
        case WM_HSCROLL:
            OnHScroll(LOWORD(wParam), ScrollPos(wParam), reinterpret_cast<Window*>(lParam));
            return 0;
        case WM_VSCROLL:
            OnVScroll(LOWORD(wParam), ScrollPos(wParam), reinterpret_cast<Window*>(lParam));
            return 0;
        case WM_DRAWITEM:
            return lParam && OnDrawItem(static_cast<int>(wParam), *reinterpret_cast<DrawItemStruct*>(lParam))
                       ? 1
                       : 0;
        case WM_MEASUREITEM:
            return lParam && OnMeasureItem(static_cast<int>(wParam),
                                           *reinterpret_cast<MeasureItemStruct*>(lParam))
                       ? 1
                       : 0;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_SYSCOMMAND:
            OnSysCommand(static_cast<UINT>(wParam), lParam);
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
            // Alt+F4 closes the top-level window, Alt+Space opens its system menu.
            if (wParam == VK_F4) GetTopLevel()->SendMessage(WM_CLOSE);
            if (wParam == VK_SPACE) GetTopLevel()->SendMessage(WM_SYSCOMMAND, SC_KEYMENU, VK_SPACE);
            return 0;
        case WM_SYSCOMMAND:
            switch (wParam & 0xFFF0) {
                case SC_CLOSE:
                    SendMessage(WM_CLOSE);
                    break;
                case SC_MINIMIZE:
                    ShowWindow(SW_SHOWMINIMIZED);
                    break;
                case SC_KEYMENU:
                    if (!parent_) {
                        const std::vector<MenuItem> items = SystemMenu();
                        const uint32_t self = Handle();
                        const UINT chosen = TrackPopupMenu(*app_, this, items, ClientToScreen({0, 0}));
                        // The window may have gone while the menu was open.
                        if (chosen != 0 && app_->FromHandle(self) == this) SendMessage(WM_SYSCOMMAND, chosen);
                    }
                    break;
                default:
                    break;
            }
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

bool Window::OnCommand(int, unsigned, Window*) {
    return false;
}

bool Window::HandleCommand(int id, unsigned code, Window* control) {
    if (OnCommand(id, code, control)) return true;
    for (const CommandRange& r : command_ranges_) {
        if (id < r.first || id > r.last || (r.code != kAnyNotice && r.code != code)) continue;
        // A copy: the handler may add entries or destroy this window.
        const auto handler = r.handler;
        handler(id);
        return true;
    }
    return false;
}

void Window::AddCommandRange(int first, int last, std::function<void(int id)> handler, unsigned code) {
    command_ranges_.push_back(CommandRange{first, last, code, std::move(handler)});
}

bool Window::OnNotify(int, unsigned, Window*) {
    return false;
}

const gfx::Brush* Window::OnCtlColor(gfx::Canvas&, Window*, int) {
    return nullptr;
}

bool Window::OnDrawItem(int, DrawItemStruct& dis) {
    if (auto* c = dynamic_cast<Control*>(dis.hwndItem)) c->DrawItem(dis);
    return true;
}

bool Window::OnMeasureItem(int id, MeasureItemStruct& mis) {
    if (auto* c = dynamic_cast<Control*>(GetDlgItem(id))) c->MeasureItem(mis);
    return true;
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

void Window::OnSysCommand(UINT id, LPARAM lParam) {
    DefWindowProc(WM_SYSCOMMAND, id, lParam);
}

LRESULT Window::OnNcHitTest(gfx::Point screen) {
    return DefWindowProc(WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
}

}  // namespace ui
