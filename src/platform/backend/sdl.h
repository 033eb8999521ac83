#pragma once
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/backend/backend.h"

namespace ui {

// A real display through SDL2: one SDL window per top-level window, the monotonic clock, keyboard (with SDL
// text input for characters), mouse (held buttons capture the pointer, so moves outside the window still
// arrive), wheel, and the display's DPI. Waits block in SDL until an event, a wake-up or the timer deadline.
class SdlBackend : public Backend {
  public:
    // Initialises SDL video; null with a reason when there is no display.
    static std::unique_ptr<SdlBackend> Open(std::string* error);
    ~SdlBackend() override;

    const char* Name() const override { return "sdl"; }
    int64_t Now() const override;
    int Dpi() const override { return dpi_; }
    gfx::Rect ScreenRect() const override;
    void PollEvents() override;
    void Wait(std::optional<int64_t> deadline, WaitKind kind) override;
    void Wake() override;
    bool CreateNative(Window& top, std::string* error) override;
    void DestroyNative(Window& top) override;
    void ShowNative(Window& top, bool show) override;
    void MoveNative(Window& top, const gfx::Rect& screen) override;
    void SetNativeTitle(Window& top, const std::string& title) override;
    void Present(Window& top, const gfx::Bitmap& back) override;

  private:
    SdlBackend() = default;
    void Translate(const void* sdl_event);
    Window* FromSdlWindow(uint32_t window_id) const;

    int dpi_ = 96;
    uint32_t wake_event_ = 0;
    int wake_pipe_[2] = {-1, -1};
    std::atomic<int> x11_fd_{-1};  // the X connection, once a window exists
};

// SDL key symbol to virtual key code (0 when it has none).
unsigned VirtualKeyFromSdl(int32_t sym);

}  // namespace ui
