#include "platform/backend/headless.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/sys/textcodec.h"
#include "platform/ui/application.h"
#include "platform/ui/window.h"

namespace ui {

HeadlessBackend::HeadlessBackend(Clock clock) : clock_(clock), start_(std::chrono::steady_clock::now()) {}

NativeWindow* HeadlessBackend::CreateNative(const NativeWindowSpec& spec, std::string*) {
    natives_.push_back(std::make_unique<HeadlessNative>(spec));
    return natives_.back().get();
}

void HeadlessBackend::DestroyNative(NativeWindow* native) {
    std::erase_if(natives_, [&](const std::unique_ptr<HeadlessNative>& n) { return n.get() == native; });
}

int64_t HeadlessBackend::Now() const {
    if (clock_ == Clock::kVirtual) return virtual_now_.load();
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start_)
               .count() +
           real_skipped_.load();
}

void HeadlessBackend::MoveClockTo(int64_t t) {
    if (clock_ == Clock::kVirtual) {
        if (t > virtual_now_.load()) virtual_now_.store(t);
        return;
    }
    const int64_t ahead = t - Now();
    if (ahead > 0) real_skipped_ += ahead;
}

void HeadlessBackend::Wake() {
    {
        std::lock_guard lock(mutex_);
        woken_ = true;
    }
    cv_.notify_all();
}

void HeadlessBackend::Wait(std::optional<int64_t> deadline, WaitKind) {
    std::unique_lock lock(mutex_);
    if (clock_ == Clock::kReal) {
        if (deadline)
            cv_.wait_until(lock, start_ + std::chrono::milliseconds(*deadline - real_skipped_.load()),
                           [&] { return woken_; });
        else
            cv_.wait(lock, [&] { return woken_; });
        woken_ = false;
        return;
    }
    if (woken_) {
        woken_ = false;
        return;
    }
    if (deadline) {
        // Nothing else can happen before the next timer: the virtual clock jumps there.
        if (*deadline > virtual_now_.load()) virtual_now_.store(*deadline);
        return;
    }
    if (!cv_.wait_for(lock, stall_limit_, [&] { return woken_; })) {
        std::fprintf(stderr,
                     "headless loop stalled: a modal loop has no timer and nothing was queued for %lld ms\n",
                     static_cast<long long>(stall_limit_.count()));
        std::abort();
    }
    woken_ = false;
}

void HeadlessBackend::AdvanceClock(int64_t ms) {
    const int64_t target = Now() + ms;
    for (;;) {
        app_->RunUntilIdle();
        const auto next = app_->NextTimerDeadline();
        if (next && *next <= target) {
            MoveClockTo(*next);
            continue;
        }
        // A modal loop run meanwhile may have carried the clock past the target; it never goes back.
        MoveClockTo(target);
        app_->RunUntilIdle();
        return;
    }
}

void HeadlessBackend::RunPending() {
    app_->RunUntilIdle();
}

void HeadlessBackend::Inject(const InputEvent& e) {
    app_->PostInput(e);
}

void HeadlessBackend::Mouse(InputEvent::Type type, gfx::Point screen, int button) {
    InputEvent e;
    e.type = type;
    e.screen = screen;
    e.button = button;
    Inject(e);
}

void HeadlessBackend::MouseMove(gfx::Point screen) {
    Mouse(InputEvent::Type::kMouseMove, screen, 0);
}

void HeadlessBackend::MouseDown(gfx::Point screen, int button) {
    Mouse(InputEvent::Type::kMouseDown, screen, button);
}

void HeadlessBackend::MouseUp(gfx::Point screen, int button) {
    Mouse(InputEvent::Type::kMouseUp, screen, button);
}

void HeadlessBackend::Click(gfx::Point screen) {
    MouseMove(screen);
    MouseDown(screen);
    MouseUp(screen);
}

void HeadlessBackend::DoubleClick(gfx::Point screen) {
    Click(screen);
    MouseDown(screen);
    MouseUp(screen);
}

void HeadlessBackend::Wheel(int delta, gfx::Point screen) {
    InputEvent e;
    e.type = InputEvent::Type::kWheel;
    e.wheel_delta = delta;
    e.screen = screen;
    Inject(e);
}

void HeadlessBackend::PointerLeft() {
    InputEvent e;
    e.type = InputEvent::Type::kPointerLeft;
    Inject(e);
}

gfx::Point HeadlessBackend::ScreenPointOf(const Window& w, std::optional<gfx::Point> client) const {
    const gfx::Rect r = w.GetClientRect();
    return w.ClientToScreen(client ? *client : gfx::Point{r.Width() / 2, r.Height() / 2});
}

void HeadlessBackend::ClickWindow(const Window& w, std::optional<gfx::Point> client) {
    Click(ScreenPointOf(w, client));
}

bool HeadlessBackend::ClickItem(const Window& parent, int id) {
    const Window* item = parent.GetDlgItem(id);
    if (!item) return false;
    ClickWindow(*item);
    return true;
}

void HeadlessBackend::MoveToWindow(const Window& w, std::optional<gfx::Point> client) {
    MouseMove(ScreenPointOf(w, client));
}

void HeadlessBackend::Key(InputEvent::Type type, unsigned vk, unsigned modifiers) {
    InputEvent e;
    e.type = type;
    e.vk = vk;
    e.modifiers = modifiers;
    Inject(e);
}

void HeadlessBackend::KeyDown(unsigned vk, unsigned modifiers) {
    Key(InputEvent::Type::kKeyDown, vk, modifiers);
}

void HeadlessBackend::KeyUp(unsigned vk, unsigned modifiers) {
    Key(InputEvent::Type::kKeyUp, vk, modifiers);
}

void HeadlessBackend::Quit() {
    if (app_) app_->RequestQuit();
}

void HeadlessBackend::KeyPress(unsigned vk, unsigned modifiers) {
    KeyDown(vk, modifiers);
    KeyUp(vk, modifiers);
}

void HeadlessBackend::Compose(const std::string& utf8) {
    InputEvent e;
    e.type = InputEvent::Type::kComposition;
    e.text = utf8;
    Inject(e);
}

void HeadlessBackend::Commit(const std::string& utf8) {
    Compose("");
    Type(utf8);
}

void HeadlessBackend::Type(const std::string& utf8) {
    for (char32_t cp : sys::Utf8ToU32(utf8)) {
        InputEvent e;
        e.type = InputEvent::Type::kChar;
        e.ch = cp;
        Inject(e);
    }
}

}  // namespace ui
