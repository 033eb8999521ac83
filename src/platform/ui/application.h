#pragma once
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

#include "platform/backend/backend.h"
#include "platform/res/dialogtable.h"
#include "platform/res/skin.h"
#include "platform/ui/appconfig.h"
#include "platform/ui/inputevent.h"
#include "platform/ui/inputrouter.h"
#include "platform/ui/messagebox.h"
#include "platform/ui/messagequeue.h"
#include "platform/ui/painter.h"
#include "platform/ui/timerqueue.h"

namespace ui {

class HeadlessBackend;
class Window;

/*
 * The application: one UI thread, one queue, one clock, and the windows that live on them.
 *
 * The loop. Every loop of the program (the main dialog's, a modal dialog's, a message box's, a headless
 * test's AdvanceClock) pumps the same queue with PumpOnce, which does one piece of work in this order: native
 * events are moved into the queue; the oldest queue item runs (a posted message, a send from another thread,
 * a task, or input); invalid windows are painted; the earliest due timer ticks. When there is nothing to do
 * the loop waits in the backend until the nearest timer deadline or a wake-up, so an idle program blocks
 * instead of spinning.
 *
 * Timers belong to windows and fire on the UI thread inside whatever loop runs, nested modal loops included.
 * A tick is made when the loop finds its timer due, so KillTimer drops a pending tick and there is never more
 * than one. The next deadline is set before the handler runs: a tick whose handler runs a modal loop sees its
 * own timer fire again inside it. On the headless backend's virtual clock the loop steps from deadline to
 * deadline, so a clock jump gives each timer one tick per period passed, in time order.
 *
 * Modal windows. A modal dialog disables its owner, shows itself and runs a nested loop until it is ended;
 * ending hides it and re-enables the owner at once, but its DoModal returns only when every loop opened above
 * it has returned. Input to a disabled window (or a window inside one) is dropped, while timers, posts and
 * sends keep being served by whichever loop runs.
 *
 * Quitting. RequestQuit (any thread; SIGTERM and SIGINT reach it through the backend) ends the program from
 * whatever loop runs: every open modal dialog ends, innermost first, as its Cancel or close would (even one
 * that ignores both), then the main window gets WM_CLOSE and closes as its own close does. From then on a
 * new modal dialog or message box returns its cancel answer at once instead of opening.
 *
 * Threads. Window trees are touched by the UI thread only. SendMessage from another thread queues the message
 * and blocks until the UI thread's handler has returned, and returns its result; it returns 0 instead when
 * the target is destroyed, or when ReleasePendingSends is called while the workers are being stopped. Window
 * calls made on other threads (text, show, enable, invalidate) are marshalled through the same queue, so they
 * keep their order with the thread's sends and posts.
 *
 * The program. The layer knows no program: what it needs of one (names, see AppConfig) comes in with the
 * constructor, and the program registers its dialog templates and skin bitmaps on the application, so two
 * applications in one process never see each other's.
 */
class Application {
  public:
    explicit Application(std::unique_ptr<Backend> backend, AppConfig config = {});
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The application most recently constructed and still alive (what windows made without one use).
    static Application* Current();

    Backend& GetBackend() { return *backend_; }
    HeadlessBackend* Headless();  // null unless the backend is headless
    bool IsUiThread() const { return std::this_thread::get_id() == ui_thread_; }
    // Debug builds: ends the program with a message naming `call` when it runs off the UI thread (window
    // state belongs to the UI thread). Release builds: nothing.
    void AssertUiThread(const char* call) const;
    int Dpi() const { return backend_->Dpi(); }
    int64_t Now() const { return backend_->Now(); }

    const AppConfig& Config() const { return config_; }
    // The program's dialog templates (TemplateDialog looks its template up here) and skin bitmaps. UI thread.
    res::DialogTable& Dialogs() { return dialogs_; }
    res::Skin& Skin() { return skin_; }

    Window* MainWindow() const { return main_window_; }
    void SetMainWindow(Window* w) { main_window_ = w; }
    Window* FromHandle(uint32_t handle) const;
    // Visible top-level windows, front first.
    std::vector<Window*> TopLevels() const;

    // One piece of work; false when there was nothing to do. Never waits.
    bool PumpOnce();
    // Pumps, waiting when idle, until done() is true (checked after every piece of work).
    void RunModalLoop(const std::function<bool()>& done);
    // Pumps until nothing is ready now.
    void RunUntilIdle();
    std::optional<int64_t> NextTimerDeadline() const { return timers_.NextDeadline(); }

    // Any thread: queues a task for the UI thread.
    void Post(std::function<void()> task);
    // Any thread: runs the task on the UI thread and waits for it (directly when called on the UI thread).
    // Returns false when it was released instead of run.
    bool RunOnUiThread(std::function<void()> task, uint32_t target = 0);
    // Any thread: queues input as a backend delivers it. Keys and the wheel are addressed to the focus now.
    void PostInput(const InputEvent& event);

    // Completes every pending cross-thread send with 0 and makes new ones return 0 at once, until
    // AcceptSends. Called while the worker threads are being stopped, so that joining them cannot deadlock.
    void ReleasePendingSends() { queue_.ReleaseAll(); }
    void AcceptSends() { queue_.AcceptSends(); }

    InputRouter& Input() { return input_; }
    Window* GetFocus() const { return input_.Focus(); }
    Window* GetCapture() const { return input_.Capture(); }
    void ReleaseCapture() { input_.SetCapture(nullptr); }
    // High bit set while the key is down, as Windows' GetKeyState.
    short GetKeyState(unsigned vk) const { return input_.KeyState(vk); }
    // A process-wide low-level mouse hook: sees every mouse move and left-button release (WM_MOUSEMOVE,
    // WM_LBUTTONUP) in screen coordinates, on the UI thread before the event is dispatched; it swallows
    // nothing.
    int AddMouseHook(std::function<void(UINT message, gfx::Point screen)> hook) {
        return input_.AddHook(std::move(hook));
    }
    void RemoveMouseHook(int id) { input_.RemoveHook(id); }

    // Modal windows, innermost last.
    void PushModal(Window* w) { modal_stack_.push_back(w); }
    void PopModal(Window* w);
    Window* ActiveModal() const { return modal_stack_.empty() ? nullptr : modal_stack_.back(); }
    // The owner a dialog made without one gets: the innermost modal window, else the main window.
    Window* DefaultOwner() const;
    // Called with every modal window just after it was shown, before its loop starts (tests drive dialogs
    // here).
    void SetModalObserver(std::function<void(Window&)> observer) { modal_observer_ = std::move(observer); }
    void NotifyModalShown(Window& w) {
        if (modal_observer_) modal_observer_(w);
    }

    // Any thread: ends the open modal windows and closes the main window (see above). Later calls do nothing.
    void RequestQuit();
    bool QuitRequested() const { return quit_requested_.load(); }

    // Message boxes (see messagebox.h). With a responder installed no box is shown: the responder answers.
    int MessageBox(Window* owner, const std::string& text, const std::string& caption, unsigned flags);
    void SetMessageBoxResponder(MessageBoxResponder responder) { responder_ = std::move(responder); }
    // Any thread: shows the box on the UI thread later; the caller does not wait. `then` gets the answer.
    void PostMessageBox(const std::string& text, const std::string& caption, unsigned flags,
                        std::function<void(int)> then = {});

  private:
    friend class Window;
    friend class InputRouter;
    friend class Painter;
    uint32_t RegisterWindow(Window* w);
    void UnregisterWindow(Window* w);
    void Dispatch(QueueItem& item);
    bool FireTimer();
    void Idle(WaitKind kind);
    void EndModalsForQuit();
    // Turns the backend's text input on while the focus is a window that takes typed text (and every window
    // above it is enabled), off otherwise; called on every focus change or loss and before every pump of
    // native events, so keys are read in the state their target needs. Calls the backend only on a change.
    void SyncTextInput();
    // Tells the backend where the focused edit's caret is, when it or its window moved.
    void SyncTextInputRect();

    std::unique_ptr<Backend> backend_;
    AppConfig config_;
    res::DialogTable dialogs_;
    res::Skin skin_;
    std::thread::id ui_thread_;
    Application* previous_current_ = nullptr;
    MessageQueue queue_;
    TimerQueue timers_;
    InputRouter input_;
    Painter painter_;
    std::unordered_map<uint32_t, Window*> windows_;
    std::vector<Window*> top_levels_;  // front first
    uint32_t next_handle_ = 1;
    Window* main_window_ = nullptr;
    std::vector<Window*> modal_stack_;
    std::function<void(Window&)> modal_observer_;
    MessageBoxResponder responder_;
    std::atomic<bool> quit_requested_{false};
    // What the backend was last told: the top-level's handle, its screen position and the caret in it.
    struct TextInputSpot {
        uint32_t top = 0;
        gfx::Point origin;
        gfx::Rect caret;
        bool operator==(const TextInputSpot&) const = default;
    };
    std::optional<TextInputSpot> text_input_spot_;
    bool text_input_on_ = false;      // what the backend was last told (it starts off)
    uint32_t text_input_window_ = 0;  // the window text input is on for
    bool ime_composing_ = false;      // the last composition the display reported was not empty
};

}  // namespace ui
