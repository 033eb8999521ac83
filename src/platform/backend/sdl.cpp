#include "platform/backend/sdl.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <cairo.h>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/ui/application.h"
#include "platform/ui/messages.h"
#include "platform/ui/window.h"

namespace ui {

namespace {

// An SDL window; the SDL window's data "ui" points back at this record.
struct SdlNative : NativeWindow {
    SdlNative(uint32_t w, SDL_Window* s) : NativeWindow(w), sdl(s) {}
    ~SdlNative() override { SDL_DestroyWindow(sdl); }
    SDL_Window* const sdl;
    unsigned long x11 = 0;  // the X window, where SDL runs on X11
};

SDL_Window* Native(NativeWindow& native) {
    return static_cast<SdlNative&>(native).sdl;
}

}  // namespace

std::unique_ptr<SdlBackend> SdlBackend::Open(const std::string& dpi_variable, std::string* error) {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if ((!x11 || !*x11) && (!wayland || !*wayland)) {
        if (error) *error = "no display (neither DISPLAY nor WAYLAND_DISPLAY is set)";
        return nullptr;
    }
    SDL_SetHint(SDL_HINT_MOUSE_AUTO_CAPTURE, "1");
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    // We draw everything ourselves: a plain X framebuffer, no GL context behind the window surface.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // An input method's long composition arrives whole, not cut to SDL's fixed buffer.
    SDL_SetHint(SDL_HINT_IME_SUPPORT_EXTENDED_TEXT, "1");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        if (error) *error = std::string("cannot open the display: ") + SDL_GetError();
        return nullptr;
    }
    std::unique_ptr<SdlBackend> b(new SdlBackend());
    b->wake_event_ = SDL_RegisterEvents(1);
    if (pipe2(b->wake_pipe_, O_NONBLOCK | O_CLOEXEC) != 0) b->wake_pipe_[0] = b->wake_pipe_[1] = -1;
    float hdpi = 0;
    int fallback = 96;
    if (SDL_GetDisplayDPI(0, nullptr, &hdpi, nullptr) == 0 && hdpi > 1)
        fallback = static_cast<int>(std::lround(hdpi));
    b->dpi_ = DpiFromEnvironment(dpi_variable, fallback);
    // SDL starts with text input on; the application turns it on while an edit takes text.
    SDL_StopTextInput();
    return b;
}

std::string SdlBackend::GetClipboardText() const {
    char* text = SDL_GetClipboardText();
    std::string out = text ? text : "";
    SDL_free(text);
    return out;
}

void SdlBackend::SetClipboardText(const std::string& text) {
    SDL_SetClipboardText(text.c_str());
}

SdlBackend::~SdlBackend() {
    natives_.clear();  // the windows go before the video subsystem
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

int64_t SdlBackend::Now() const {
    return static_cast<int64_t>(SDL_GetTicks64());
}

gfx::Rect SdlBackend::ScreenRect() const {
    SDL_Rect r;
    if (SDL_GetDisplayBounds(0, &r) != 0) return {0, 0, 1600, 1000};
    return gfx::RectFromSize(r.x, r.y, r.w, r.h);
}

// On X11 the wait is a poll of the X connection and our own wake-up pipe. SDL's own blocking wait wakes
// itself by sending an event to one of its windows over a second connection, which races with the UI thread
// destroying that window (an X error that ends the process); a pipe has no such window.
void SdlBackend::Wait(std::optional<int64_t> deadline, WaitKind) {
    int timeout = -1;
    if (deadline) {
        const int64_t left = *deadline - Now();
        timeout = left <= 0 ? 0 : static_cast<int>(std::min<int64_t>(left, 1 << 30));
    }
    if (timeout == 0) return;
    const int x11 = x11_fd_.load();
    if (x11 < 0 || wake_pipe_[0] < 0) {
        SDL_WaitEventTimeout(nullptr, timeout);
        return;
    }
    SDL_PumpEvents();
    if (SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT)) return;
    pollfd fds[2] = {{x11, POLLIN, 0}, {wake_pipe_[0], POLLIN, 0}};
    poll(fds, 2, timeout);
    char buf[64];
    while (read(wake_pipe_[0], buf, sizeof buf) > 0) {
    }
}

void SdlBackend::Wake() {
    // The UI thread looks at the queue before it waits; only other threads need to interrupt a wait.
    if (app_ && app_->IsUiThread()) return;
    if (x11_fd_.load() >= 0 && wake_pipe_[1] >= 0) {
        const char c = 1;
        [[maybe_unused]] const ssize_t n = write(wake_pipe_[1], &c, 1);  // a full pipe is awake already
        return;
    }
    SDL_Event e{};
    e.type = wake_event_;
    SDL_PushEvent(&e);
}

NativeWindow* SdlBackend::CreateNative(const NativeWindowSpec& spec, std::string* error) {
    const gfx::Rect& r = spec.screen;
    Uint32 flags = SDL_WINDOW_HIDDEN;
    if (!spec.framed) flags |= SDL_WINDOW_BORDERLESS;
    SDL_Window* w = SDL_CreateWindow(spec.title.c_str(), r.left, r.top, r.Width(), r.Height(), flags);
    if (!w) {
        if (error) *error = std::string("cannot create a window: ") + SDL_GetError();
        return nullptr;
    }
    natives_.push_back(std::make_unique<SdlNative>(spec.window, w));
    SDL_SetWindowData(w, "ui", natives_.back().get());
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(w, &info) && info.subsystem == SDL_SYSWM_X11) {
        static_cast<SdlNative&>(*natives_.back()).x11 = info.info.x11.window;
        if (x11_fd_.load() < 0) x11_fd_.store(ConnectionNumber(info.info.x11.display));
    }
    return natives_.back().get();
}

unsigned long SdlBackend::X11WindowId(const NativeWindow& native) const {
    return static_cast<const SdlNative&>(native).x11;
}

void SdlBackend::SetTextInputRect(NativeWindow&, const gfx::Rect& caret) {
    // SDL places the candidate window of the window with the keyboard focus, which is the caret's.
    SDL_Rect r{caret.left, caret.top, caret.Width(), caret.Height()};
    SDL_SetTextInputRect(&r);
}

void SdlBackend::SetTextInputEnabled(bool on) {
    // Keys make SDL_TEXTINPUT (and reach an input method) only while it is on, decided as SDL reads them.
    if (on)
        SDL_StartTextInput();
    else
        SDL_StopTextInput();
}

void SdlBackend::DestroyNative(NativeWindow* native) {
    std::erase_if(natives_, [&](const std::unique_ptr<NativeWindow>& n) { return n.get() == native; });
    FocusTopmostShown();
}

void SdlBackend::FocusTopmostShown() {
    // Without a window manager nobody hands the keyboard on when a dialog goes: X's focus would fall to None
    // and keys would reach no window. The last created of the shown windows is the one on top (a modal's owner
    // is created before it).
    for (auto it = natives_.rbegin(); it != natives_.rend(); ++it) {
        SDL_Window* w = Native(**it);
        const Uint32 flags = SDL_GetWindowFlags(w);
        if ((flags & SDL_WINDOW_SHOWN) && !(flags & (SDL_WINDOW_HIDDEN | SDL_WINDOW_MINIMIZED))) {
            SDL_SetWindowInputFocus(w);
            return;
        }
    }
}

void SdlBackend::MinimizeNative(NativeWindow& native) {
    SDL_MinimizeWindow(Native(native));
}

void SdlBackend::ShowNative(NativeWindow& native, bool show) {
    SDL_Window* w = Native(native);
    if (show) {
        SDL_ShowWindow(w);
        SDL_RaiseWindow(w);
        SDL_SetWindowInputFocus(w);
    } else {
        SDL_HideWindow(w);
        FocusTopmostShown();
    }
}

void SdlBackend::MoveNative(NativeWindow& native, const gfx::Rect& screen) {
    SDL_Window* w = Native(native);
    int x, y, cw, ch;
    SDL_GetWindowPosition(w, &x, &y);
    SDL_GetWindowSize(w, &cw, &ch);
    if (x != screen.left || y != screen.top) SDL_SetWindowPosition(w, screen.left, screen.top);
    if (cw != screen.Width() || ch != screen.Height()) SDL_SetWindowSize(w, screen.Width(), screen.Height());
}

void SdlBackend::SetNativeTitle(NativeWindow& native, const std::string& title) {
    SDL_SetWindowTitle(Native(native), title.c_str());
}

void SdlBackend::SetNativeIcon(NativeWindow& native, const gfx::Bitmap& icon) {
    if (icon.IsNull()) return;
    // Cairo keeps premultiplied alpha; SDL wants it straight.
    std::vector<uint32_t> pixels(static_cast<std::size_t>(icon.Width()) * icon.Height());
    for (int y = 0; y < icon.Height(); ++y) {
        for (int x = 0; x < icon.Width(); ++x) {
            const gfx::Color c = icon.PixelAt(x, y);
            pixels[static_cast<std::size_t>(y) * icon.Width() + x] =
                (uint32_t{c.a} << 24) | (uint32_t{c.r} << 16) | (uint32_t{c.g} << 8) | c.b;
        }
    }
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(pixels.data(), icon.Width(), icon.Height(), 32,
                                                        icon.Width() * 4, SDL_PIXELFORMAT_ARGB8888);
    if (!s) return;
    SDL_SetWindowIcon(Native(native), s);
    SDL_FreeSurface(s);
}

void SdlBackend::Present(NativeWindow& native, const gfx::Bitmap& back) {
    SDL_Window* w = Native(native);
    if (back.IsNull()) return;
    SDL_Surface* dst = SDL_GetWindowSurface(w);
    if (!dst) return;
    cairo_surface_t* cs = back.Surface();
    cairo_surface_flush(cs);
    SDL_Surface* src =
        SDL_CreateRGBSurfaceWithFormatFrom(cairo_image_surface_get_data(cs), back.Width(), back.Height(), 32,
                                           cairo_image_surface_get_stride(cs), SDL_PIXELFORMAT_ARGB8888);
    if (!src) return;
    SDL_SetSurfaceBlendMode(src, SDL_BLENDMODE_NONE);
    SDL_BlitSurface(src, nullptr, dst, nullptr);
    SDL_FreeSurface(src);
    SDL_UpdateWindowSurface(w);
}

Window* SdlBackend::FromSdlWindow(uint32_t window_id) const {
    SDL_Window* w = SDL_GetWindowFromID(window_id);
    auto* native = w ? static_cast<NativeWindow*>(SDL_GetWindowData(w, "ui")) : nullptr;
    return native && app_ ? app_->FromHandle(native->window) : nullptr;
}

void SdlBackend::PollEvents() {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        if (e.type == wake_event_) continue;
        Translate(&e);
    }
}

}  // namespace ui
