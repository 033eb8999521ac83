#pragma once
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/backend/backend.h"

namespace ui {

class Window;

// A real display through SDL2: one SDL window per top-level window, the monotonic clock, keyboard (with SDL
// text input for characters), mouse (held buttons capture the pointer, so moves outside the window still
// arrive), wheel, and the display's DPI. Waits block in SDL until an event, a wake-up or the timer deadline.
class SdlBackend : public Backend {
  public:
    // Initialises SDL video; null with a reason when there is no display. dpi_variable: AppConfig's.
    static std::unique_ptr<SdlBackend> Open(const std::string& dpi_variable, std::string* error);
    ~SdlBackend() override;

    const char* Name() const override { return "sdl"; }
    int64_t Now() const override;
    int Dpi() const override { return dpi_; }
    gfx::Rect ScreenRect() const override;
    void PollEvents() override;
    void Wait(std::optional<int64_t> deadline, WaitKind kind) override;
    void Wake() override;
    NativeWindow* CreateNative(const NativeWindowSpec& spec, std::string* error) override;
    void DestroyNative(NativeWindow* native) override;
    void ShowNative(NativeWindow& native, bool show) override;
    void MinimizeNative(NativeWindow& native) override;
    void MoveNative(NativeWindow& native, const gfx::Rect& screen) override;
    void SetNativeTitle(NativeWindow& native, const std::string& title) override;
    void SetNativeIcon(NativeWindow& native, const gfx::Bitmap& icon) override;
    void Present(NativeWindow& native, const gfx::Bitmap& back) override;
    void SetTextInputRect(NativeWindow& native, const gfx::Rect& caret) override;
    void SetTextInputEnabled(bool on) override;
    unsigned long X11WindowId(const NativeWindow& native) const override;
    std::string GetClipboardText() const override;
    void SetClipboardText(const std::string& text) override;

  private:
    SdlBackend() = default;
    void Translate(const void* sdl_event);
    Window* FromSdlWindow(uint32_t window_id) const;

    // Hands X's keyboard focus to the top shown window.
    void FocusTopmostShown();

    int dpi_ = 96;
    std::vector<std::unique_ptr<NativeWindow>> natives_;
    uint32_t wake_event_ = 0;
    int wake_pipe_[2] = {-1, -1};
    std::atomic<int> x11_fd_{-1};  // the X connection, once a window exists
};

// SDL key symbol to virtual key code (0 when it has none).
unsigned VirtualKeyFromSdl(int32_t sym);

}  // namespace ui
