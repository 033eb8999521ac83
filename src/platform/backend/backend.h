#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/geometry.h"

namespace ui {

class Application;
class Window;

// Why the loop waits: a modal loop must make progress on its own, an AdvanceClock pump stops at its target.
enum class WaitKind { kModal, kPump };

// What a backend gives the loop: a clock, a way to block until something happens, native top-level windows,
// and the screen's DPI. Input arrives through Application::PostInput. One backend per Application.
class Backend {
  public:
    virtual ~Backend() = default;

    virtual void Attach(Application& app) { app_ = &app; }
    virtual const char* Name() const = 0;

    // Milliseconds on the loop's clock (virtual for the headless backend).
    virtual int64_t Now() const = 0;
    // Logical DPI: DSP_CONSOLE_DPI when set, else the display's, else 96.
    virtual int Dpi() const = 0;
    virtual gfx::Rect ScreenRect() const = 0;

    // Moves native events into the application's queue; never blocks.
    virtual void PollEvents() = 0;
    // Blocks the UI thread until Wake, a native event or the deadline (nullopt: no deadline).
    virtual void Wait(std::optional<int64_t> deadline, WaitKind kind) = 0;
    // Ends a Wait from any thread.
    virtual void Wake() = 0;

    // Native side of a top-level window. Returns false (with a reason) when it cannot be made.
    virtual bool CreateNative(Window& top, std::string* error) = 0;
    virtual void DestroyNative(Window& top) = 0;
    virtual void ShowNative(Window& top, bool show) = 0;
    virtual void MoveNative(Window& top, const gfx::Rect& screen) = 0;
    virtual void SetNativeTitle(Window& top, const std::string& title) = 0;
    // Puts a painted back buffer on the screen.
    virtual void Present(Window& top, const gfx::Bitmap& back) = 0;

  protected:
    Application* app_ = nullptr;
};

// DSP_CONSOLE_DPI when it holds a number in 48..960, else fallback.
int DpiFromEnvironment(int fallback);

// SDL when a display is present (DISPLAY or WAYLAND_DISPLAY set and video init succeeds), headless otherwise.
// why_not_sdl receives the reason when the headless backend was chosen.
std::unique_ptr<Backend> ChooseBackend(std::string* why_not_sdl);

}  // namespace ui
