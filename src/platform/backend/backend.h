#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/geometry.h"
#include "platform/ui/appconfig.h"

namespace ui {

class Application;

// Why the loop waits: a modal loop must make progress on its own, an AdvanceClock pump stops at its target.
enum class WaitKind { kModal, kPump };

// What a native top-level window is made from.
struct NativeWindowSpec {
    uint32_t window = 0;  // the application's handle of the window it stands for
    gfx::Rect screen;
    std::string title;
    bool framed = false;  // a native title bar and frame
};

// The native side of a top-level window: made, owned and destroyed by the backend. The window keeps the
// pointer between CreateNative and DestroyNative; a backend keeps what it needs in its own derived record.
struct NativeWindow {
    explicit NativeWindow(uint32_t w) : window(w) {}
    virtual ~NativeWindow() = default;
    const uint32_t window;  // the application's handle of its window
};

// What a backend gives the loop: a clock, a way to block until something happens, native top-level windows,
// and the screen's DPI. Input arrives through Application::PostInput. One backend per Application.
class Backend {
  public:
    virtual ~Backend() = default;

    virtual void Attach(Application& app) { app_ = &app; }
    virtual const char* Name() const = 0;

    // Milliseconds on the loop's clock (virtual for the headless backend).
    virtual int64_t Now() const = 0;
    // Logical DPI: the configured environment variable when set, else the display's, else 96.
    virtual int Dpi() const = 0;
    virtual gfx::Rect ScreenRect() const = 0;

    // Moves native events into the application's queue; never blocks.
    virtual void PollEvents() = 0;
    // Blocks the UI thread until Wake, a native event or the deadline (nullopt: no deadline).
    virtual void Wait(std::optional<int64_t> deadline, WaitKind kind) = 0;
    // Ends a Wait from any thread.
    virtual void Wake() = 0;

    // A native top-level window, hidden; null (with a reason) when it cannot be made.
    virtual NativeWindow* CreateNative(const NativeWindowSpec& spec, std::string* error) = 0;
    // Destroys the record CreateNative returned; the pointer is invalid afterwards.
    virtual void DestroyNative(NativeWindow* native) = 0;
    virtual void ShowNative(NativeWindow& native, bool show) = 0;
    // Asks the desktop to minimise the window; showing it again restores it.
    virtual void MinimizeNative(NativeWindow& native) = 0;
    virtual void MoveNative(NativeWindow& native, const gfx::Rect& screen) = 0;
    virtual void SetNativeTitle(NativeWindow& native, const std::string& title) = 0;
    // The window's icon, which the desktop shows in its title bar, task bar and window menu.
    virtual void SetNativeIcon(NativeWindow& native, const gfx::Bitmap& icon) { (void)native, (void)icon; }
    // Puts a painted back buffer on the screen.
    virtual void Present(NativeWindow& native, const gfx::Bitmap& back) = 0;
    // Where the input method puts its candidate window: the caret of the edit that takes typed text, in the
    // native window's coordinates. Set again when the caret or the window moves.
    virtual void SetTextInputRect(NativeWindow& native, const gfx::Rect& caret) { (void)native, (void)caret; }
    // Whether the display makes text of the keys typed (and lets an input method compose): on only while a
    // window that takes typed text has the focus, so that elsewhere an input method leaves the keys alone.
    // Changes take effect for the events moved into the queue after the call.
    virtual void SetTextInputEnabled(bool on) { (void)on; }
    // The X11 id of the window, or 0 where it is not an X11 window (no display, Wayland).
    virtual unsigned long X11WindowId(const NativeWindow& native) const { return (void)native, 0; }

    // The clipboard's text (UTF-8). Without a desktop's clipboard the backend keeps one text itself.
    virtual std::string GetClipboardText() const { return clipboard_; }
    virtual void SetClipboardText(const std::string& text) { clipboard_ = text; }

  protected:
    Application* app_ = nullptr;
    std::string clipboard_;
};

// The number the environment variable `variable` holds when it is in 48..960, else fallback (96 when
// fallback is not positive). An empty name reads no variable.
int DpiFromEnvironment(const std::string& variable, int fallback);

// SDL when a display is present (DISPLAY or WAYLAND_DISPLAY set and video init succeeds), headless otherwise.
// why_not_sdl receives the reason when the headless backend was chosen.
std::unique_ptr<Backend> ChooseBackend(const AppConfig& config, std::string* why_not_sdl);

}  // namespace ui
