#pragma once
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/backend/backend.h"
#include "platform/ui/inputevent.h"
#include "platform/ui/messages.h"

namespace ui {

class Window;

// A headless native window: what the window asked of it, for tests to look at.
struct HeadlessNative : NativeWindow {
    explicit HeadlessNative(const NativeWindowSpec& spec)
        : NativeWindow(spec.window), screen(spec.screen), title(spec.title) {}
    gfx::Rect screen;
    std::string title;
    bool shown = false;
    bool minimized = false;
    gfx::Bitmap icon;
    std::vector<gfx::Rect> text_input_rects;  // every rectangle set for the input method, oldest first
};

// The backend of tests: no display, windows live only as back buffers, input is injected.
//
// With the virtual clock (the default) time moves only when the loop is idle: AdvanceClock steps it from
// timer deadline to timer deadline up to its target, running everything due at each step; a modal loop with
// nothing to do jumps it to the next deadline. A modal loop with no timer and nothing queued waits (in real
// time) for another thread, and aborts the program after the stall limit instead of hanging. With the real
// clock the backend waits like a display backend would (for tests with worker threads that need real time);
// AdvanceClock still jumps it, in the same steps, while real time goes on underneath, so a timed rule of the
// UI (a 10 s silence) is tested without waiting for it.
class HeadlessBackend : public Backend {
  public:
    enum class Clock { kVirtual, kReal };
    explicit HeadlessBackend(Clock clock = Clock::kVirtual);

    const char* Name() const override { return "headless"; }
    int64_t Now() const override;
    int Dpi() const override { return dpi_; }
    gfx::Rect ScreenRect() const override { return {0, 0, 1600, 1000}; }
    void PollEvents() override {}
    void Wait(std::optional<int64_t> deadline, WaitKind kind) override;
    void Wake() override;
    NativeWindow* CreateNative(const NativeWindowSpec& spec, std::string* error) override;
    void DestroyNative(NativeWindow* native) override;
    void ShowNative(NativeWindow& native, bool show) override {
        Record(native).shown = show;
        Record(native).minimized = false;
    }
    void MinimizeNative(NativeWindow& native) override { Record(native).minimized = true; }
    void MoveNative(NativeWindow& native, const gfx::Rect& screen) override {
        Record(native).screen = screen;
    }
    void SetNativeTitle(NativeWindow& native, const std::string& title) override {
        Record(native).title = title;
    }
    void SetNativeIcon(NativeWindow& native, const gfx::Bitmap& icon) override { Record(native).icon = icon; }
    void Present(NativeWindow&, const gfx::Bitmap&) override { ++presents_; }
    void SetTextInputRect(NativeWindow& native, const gfx::Rect& caret) override {
        Record(native).text_input_rects.push_back(caret);
    }
    void SetTextInputEnabled(bool on) override {
        text_input_ = on;
        ++text_input_calls_;
    }
    // Whether text input is on, and how often it was switched (off and on), for tests.
    bool TextInputEnabled() const { return text_input_; }
    int TextInputCalls() const { return text_input_calls_; }
    // The native windows alive, oldest first.
    const std::vector<std::unique_ptr<HeadlessNative>>& Natives() const { return natives_; }

    // 96 unless set.
    void SetDpi(int dpi) { dpi_ = dpi; }
    void SetStallLimit(std::chrono::milliseconds limit) { stall_limit_ = limit; }
    int Presents() const { return presents_; }

    // Runs the loop until the clock has moved ms forward and everything due by then is done (UI thread). The
    // clock steps from timer deadline to timer deadline, so each timer ticks once per period passed.
    void AdvanceClock(int64_t ms);
    // Runs everything ready now without moving the clock.
    void RunPending();

    // Input, queued as a display would deliver it. Points are screen coordinates; the *Window forms aim at
    // the window's client point (its centre by default).
    void MouseMove(gfx::Point screen);
    void MouseDown(gfx::Point screen, int button = 0);
    void MouseUp(gfx::Point screen, int button = 0);
    void Click(gfx::Point screen);
    void DoubleClick(gfx::Point screen);
    void Wheel(int delta, gfx::Point screen = {});
    void PointerLeft();
    gfx::Point ScreenPointOf(const Window& w, std::optional<gfx::Point> client = std::nullopt) const;
    void ClickWindow(const Window& w, std::optional<gfx::Point> client = std::nullopt);
    // Clicks the centre of parent's child with this id; false when there is none.
    bool ClickItem(const Window& parent, int id);
    void MoveToWindow(const Window& w, std::optional<gfx::Point> client = std::nullopt);
    void KeyDown(unsigned vk, unsigned modifiers = 0);
    void KeyUp(unsigned vk, unsigned modifiers = 0);
    void KeyPress(unsigned vk, unsigned modifiers = 0);  // down and up
    void Type(const std::string& utf8);                  // WM_CHAR per character
    // An input method: the composition shown so far (empty: it ended), and a commit, which ends the
    // composition and types its text.
    void Compose(const std::string& utf8);
    void Commit(const std::string& utf8);
    // The display's quit event (SIGTERM, SIGINT, a logout), as the SDL backend delivers it (any thread).
    void Quit();

  private:
    void Inject(const InputEvent& e);
    void Mouse(InputEvent::Type type, gfx::Point screen, int button);
    void Key(InputEvent::Type type, unsigned vk, unsigned modifiers);
    static HeadlessNative& Record(NativeWindow& native) { return static_cast<HeadlessNative&>(native); }
    // Sets the clock to t unless it is there already: it never goes back.
    void MoveClockTo(int64_t t);

    Clock clock_;
    std::atomic<int64_t> virtual_now_{0};
    std::atomic<int64_t> real_skipped_{0};  // the real clock: how far AdvanceClock moved it ahead
    std::chrono::steady_clock::time_point start_;
    int dpi_ = 96;
    int presents_ = 0;
    bool text_input_ = false;
    int text_input_calls_ = 0;
    std::vector<std::unique_ptr<HeadlessNative>> natives_;
    std::chrono::milliseconds stall_limit_{20000};
    std::mutex mutex_;
    std::condition_variable cv_;
    bool woken_ = false;
};

}  // namespace ui
