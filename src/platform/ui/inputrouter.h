#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/gfx/geometry.h"
#include "platform/ui/inputevent.h"
#include "platform/ui/messages.h"

namespace ui {

class Application;
class Window;

// Keyboard focus, mouse capture and the routing of input to windows: the hit test, double clicks, mouse
// leave/hover tracking, the low-level mouse hooks and the moving of a window dragged by its caption area.
class InputRouter {
  public:
    explicit InputRouter(Application& app) : app_(app) {}

    Window* Focus() const;
    // Kill-focus (and the old control's notice to its parent) runs before set-focus. Returns the old focus.
    Window* SetFocus(Window* w);
    Window* Capture() const;
    Window* SetCapture(Window* w);  // null releases; returns the old capture
    void TrackMouse(Window* w, unsigned flags, int hover_ms);
    short KeyState(unsigned vk) const;
    // The pointer's last known position, screen coordinates (GetCursorPos).
    gfx::Point PointerPos() const { return last_pointer_; }

    int AddHook(std::function<void(UINT, gfx::Point)> hook);
    void RemoveHook(int id);

    // The one route of every queued message (posts and input): the pre-translate steps of msg.hwnd and then
    // of its parents, any of which may consume it, then msg.hwnd's handler. The message stays addressed to
    // msg.hwnd whatever a pre-translate step does to the focus. Input to a window inside a disabled one (a
    // window below a modal dialog) is dropped; input to a disabled window itself passes the pre-translate
    // steps and reaches no handler, so a key to a disabled control that holds the focus can still move the
    // focus on. Returns whether the handler ran and the window still exists.
    bool Route(MSG msg, bool input);
    // Dispatches one queued input event; target is the window a key or wheel was addressed to when queued.
    void Deliver(const InputEvent& e, Window* target);
    // The window under a screen point, after the hit test (HTTRANSPARENT and disabled children are skipped).
    Window* WindowFromPoint(gfx::Point screen, LRESULT* hit = nullptr) const;
    // Whether w and all its ancestors are enabled.
    static bool AcceptsInput(const Window* w);
    // Starts moving a top-level window with the pointer until the left button is released.
    void BeginMove(Window* top);
    // Forgets a window that is being destroyed or hidden (focus, capture, tracking).
    void Forget(Window* w);

  private:
    void DeliverMouse(const InputEvent& e);
    void DeliverKey(const InputEvent& e, Window* target);
    void UpdateTracking(Window* under, gfx::Point screen);
    Window* HitTestIn(Window* w, gfx::Point screen, LRESULT* hit) const;

    struct Hook {
        int id;
        std::function<void(UINT, gfx::Point)> fn;
    };

    Application& app_;
    uint32_t focus_ = 0;
    uint32_t capture_ = 0;
    std::array<bool, 256> keys_down_{};
    std::vector<Hook> hooks_;
    int next_hook_ = 1;
    gfx::Point last_pointer_;
    unsigned buttons_ = 0;  // MK_LBUTTON | MK_RBUTTON while held
    // TrackMouseEvent state.
    uint32_t track_window_ = 0;
    unsigned track_flags_ = 0;
    int hover_ms_ = HOVER_DEFAULT;
    // Double clicks: the last press.
    uint32_t last_down_window_ = 0;
    int64_t last_down_time_ = -1000000;
    gfx::Point last_down_point_;
    bool last_was_double_ = false;
    // A top-level being moved by its caption area (HTCAPTION press).
    uint32_t moving_ = 0;
    gfx::Point move_anchor_;
    gfx::Rect move_start_;
};

}  // namespace ui
