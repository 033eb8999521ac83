#include "platform/ui/inputrouter.h"

#include <algorithm>

#include "platform/ui/application.h"
#include "platform/ui/window.h"

namespace ui {

namespace {

constexpr UINT_PTR kHoverTimer = 1;  // id of the layer's own hover timer

}  // namespace

Window* InputRouter::Focus() const {
    return app_.FromHandle(focus_);
}

Window* InputRouter::Capture() const {
    return app_.FromHandle(capture_);
}

short InputRouter::KeyState(unsigned vk) const {
    return vk < 256 && keys_down_[vk] ? short(0x8000) : 0;
}

Window* InputRouter::SetFocus(Window* w) {
    Window* old = Focus();
    if (w == old) return old;
    if (w && !w->IsCreated()) return old;
    focus_ = w ? w->Handle() : 0;
    const uint32_t now_focus = focus_;
    // The old control and, through its default handling, its parent hear of the loss first.
    if (old) old->SendMessage(WM_KILLFOCUS, reinterpret_cast<WPARAM>(w));
    // A kill-focus handler that moved the focus elsewhere has the last word.
    if (w && focus_ == now_focus && app_.FromHandle(now_focus) == w)
        w->SendMessage(WM_SETFOCUS, reinterpret_cast<WPARAM>(old));
    // Before the display is read again: keys typed next get their text only while text input is on.
    app_.SyncTextInput();
    return old;
}

Window* InputRouter::SetCapture(Window* w) {
    Window* old = Capture();
    if (w == old) return old;
    capture_ = w && w->IsCreated() ? w->Handle() : 0;
    if (old) old->SendMessage(WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(w));
    return old;
}

void InputRouter::TrackMouse(Window* w, unsigned flags, int hover_ms) {
    if (!w || !w->IsCreated()) return;
    if (flags & TME_CANCEL) {
        if (track_window_ == w->Handle()) track_flags_ &= ~flags;
        return;
    }
    track_window_ = w->Handle();
    track_flags_ = flags & (TME_HOVER | TME_LEAVE);
    hover_ms_ = hover_ms > 0 ? hover_ms : HOVER_DEFAULT;
    if (track_flags_ & TME_HOVER) {
        const uint32_t h = track_window_;
        app_.timers_.Set(0, kHoverTimer, hover_ms_, app_.Now(), [this, h] {
            app_.timers_.Kill(0, kHoverTimer);
            Window* tw = app_.FromHandle(h);
            if (!tw || track_window_ != h || !(track_flags_ & TME_HOVER)) return;
            track_flags_ &= ~TME_HOVER;
            // The pointer's last position, in the window's client coordinates.
            const gfx::Point p = tw->ScreenToClient(last_pointer_);
            tw->PostMessage(WM_MOUSEHOVER, 0, MAKELPARAM(p.x, p.y));
        });
    }
}

int InputRouter::AddHook(std::function<void(UINT, gfx::Point)> hook) {
    hooks_.push_back(Hook{next_hook_, std::move(hook)});
    return next_hook_++;
}

void InputRouter::RemoveHook(int id) {
    std::erase_if(hooks_, [&](const Hook& h) { return h.id == id; });
}

bool InputRouter::AcceptsInput(const Window* w) {
    for (; w; w = w->GetParent()) {
        if (!w->IsWindowEnabled()) return false;
    }
    return true;
}

void InputRouter::Forget(Window* w) {
    const uint32_t h = w->Handle();
    // Focus or capture inside a window that goes away is lost too.
    for (Window* f = Focus(); f; f = f->GetParent()) {
        if (f == w) {
            focus_ = 0;
            app_.SyncTextInput();
            break;
        }
    }
    for (Window* c = Capture(); c; c = c->GetParent()) {
        if (c == w) {
            capture_ = 0;
            break;
        }
    }
    if (track_window_ == h) {
        track_window_ = 0;
        track_flags_ = 0;
    }
    if (moving_ == h) moving_ = 0;
}

void InputRouter::BeginMove(Window* top) {
    if (!top || !top->IsCreated()) return;
    moving_ = top->Handle();
    move_anchor_ = last_pointer_;
    move_start_ = top->RectInParent();
}

Window* InputRouter::HitTestIn(Window* w, gfx::Point screen, LRESULT* hit) const {
    for (Window* c : w->Children()) {
        if (!c->GetStyleVisible() || !c->IsWindowEnabled()) continue;
        if (!c->GetWindowRect().Contains(screen)) continue;
        if (Window* r = HitTestIn(c, screen, hit)) return r;
    }
    const LRESULT code = w->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
    if (code == HTTRANSPARENT) return nullptr;
    if (hit) *hit = code;
    return w;
}

Window* InputRouter::WindowFromPoint(gfx::Point screen, LRESULT* hit) const {
    for (Window* top : app_.TopLevels()) {
        if (!top->GetWindowRect().Contains(screen)) continue;
        return HitTestIn(top, screen, hit);
    }
    return nullptr;
}

void InputRouter::UpdateTracking(Window* under, gfx::Point screen) {
    last_pointer_ = screen;
    if (track_window_ == 0) return;
    Window* tw = app_.FromHandle(track_window_);
    if (!tw) {
        track_window_ = 0;
        return;
    }
    if (under == tw) {
        if (track_flags_ & TME_HOVER)
            TrackMouse(tw, track_flags_, hover_ms_);  // still: restart the hover time
        return;
    }
    const bool leave = (track_flags_ & TME_LEAVE) != 0;
    track_window_ = 0;
    track_flags_ = 0;
    app_.timers_.Kill(0, kHoverTimer);
    if (leave) tw->PostMessage(WM_MOUSELEAVE);
}

void InputRouter::Deliver(const InputEvent& e, Window* target) {
    switch (e.type) {
        case InputEvent::Type::kMouseMove:
        case InputEvent::Type::kMouseDown:
        case InputEvent::Type::kMouseUp:
            DeliverMouse(e);
            return;
        case InputEvent::Type::kPointerLeft:
            UpdateTracking(nullptr, last_pointer_);
            return;
        case InputEvent::Type::kWheel: {
            const unsigned keys = (keys_down_[VK_SHIFT] ? unsigned{MK_SHIFT} : 0u) |
                                  (keys_down_[VK_CONTROL] ? unsigned{MK_CONTROL} : 0u);
            Route(MSG{target, WM_MOUSEWHEEL, MAKEWPARAM(keys, static_cast<unsigned>(e.wheel_delta)),
                      MAKELPARAM(e.screen.x, e.screen.y)},
                  true);
            return;
        }
        default:
            DeliverKey(e, target);
    }
}

}  // namespace ui
