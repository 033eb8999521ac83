#include "platform/ui/application.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>

#include "platform/backend/headless.h"
#include "platform/ui/dialog.h"
#include "platform/ui/window.h"

namespace ui {

namespace {
std::atomic<Application*> g_current{nullptr};
}  // namespace

Application::Application(std::unique_ptr<Backend> backend, AppConfig config)
    : backend_(std::move(backend)),
      config_(std::move(config)),
      ui_thread_(std::this_thread::get_id()),
      queue_([this] { backend_->Wake(); }),
      input_(*this),
      painter_(*this) {
    previous_current_ = g_current.exchange(this);
    backend_->Attach(*this);
}

Application::~Application() {
    // Windows still alive lose their windows now; their objects belong to their owners.
    while (!top_levels_.empty()) top_levels_.front()->DestroyWindow();
    queue_.ReleaseAll();
    Application* self = this;
    g_current.compare_exchange_strong(self, previous_current_);
}

Application* Application::Current() {
    return g_current.load();
}

void Application::AssertUiThread(const char* call) const {
#ifndef NDEBUG
    if (IsUiThread()) return;
    std::fprintf(stderr, "ui: %s called off the UI thread\n", call);
    std::abort();
#else
    (void)call;
#endif
}

HeadlessBackend* Application::Headless() {
    return dynamic_cast<HeadlessBackend*>(backend_.get());
}

uint32_t Application::RegisterWindow(Window* w) {
    const uint32_t h = next_handle_++;
    windows_[h] = w;
    return h;
}

void Application::UnregisterWindow(Window* w) {
    const uint32_t h = w->Handle();
    windows_.erase(h);
    timers_.KillAll(h);
    queue_.DropFor(h);
    queue_.ReleaseFor(h);
    input_.Forget(w);
    std::erase(modal_stack_, w);
    if (main_window_ == w) main_window_ = nullptr;
}

Window* Application::FromHandle(uint32_t handle) const {
    auto it = windows_.find(handle);
    return it == windows_.end() ? nullptr : it->second;
}

std::vector<Window*> Application::TopLevels() const {
    std::vector<Window*> out;
    for (Window* w : top_levels_) {
        if (w->IsWindowVisible()) out.push_back(w);
    }
    return out;
}

void Application::Post(std::function<void()> task) {
    QueueItem item;
    item.kind = QueueItem::Kind::kTask;
    item.task = std::move(task);
    queue_.Push(std::move(item));
}

bool Application::RunOnUiThread(std::function<void()> task, uint32_t target) {
    if (IsUiThread()) {
        task();
        return true;
    }
    QueueItem item;
    item.kind = QueueItem::Kind::kTask;
    item.target = target;
    item.task = std::move(task);
    return queue_.PushAndWait(std::move(item)) != 0;
}

void Application::PostInput(const InputEvent& event) {
    QueueItem item;
    item.kind = QueueItem::Kind::kInput;
    item.input = event;
    // A key stays addressed to the window that had the focus when it was queued.
    const bool keyed = event.type == InputEvent::Type::kKeyDown || event.type == InputEvent::Type::kKeyUp ||
                       event.type == InputEvent::Type::kChar || event.type == InputEvent::Type::kWheel ||
                       event.type == InputEvent::Type::kComposition;
    if (keyed) {
        if (IsUiThread()) {
            Window* to = input_.Focus() ? input_.Focus() : ActiveModal() ? ActiveModal() : main_window_;
            item.target = to ? to->Handle() : 0;
        } else {
            Post([this, event] { PostInput(event); });
            return;
        }
    }
    queue_.Push(std::move(item));
}

void Application::Dispatch(QueueItem& item) {
    switch (item.kind) {
        case QueueItem::Kind::kTask:
            item.task();
            queue_.Complete(item.send, 1);
            return;
        case QueueItem::Kind::kInput:
            if (item.input.type == InputEvent::Type::kComposition) ime_composing_ = !item.input.text.empty();
            input_.Deliver(item.input, FromHandle(item.target));
            return;
        case QueueItem::Kind::kSend: {
            Window* w = FromHandle(item.target);
            if (!w) {
                queue_.Complete(item.send, 0);
                return;
            }
            queue_.BeginServe(item.target, item.send);
            const LRESULT r = w->WindowProc(item.message, item.wParam, item.lParam);
            queue_.EndServe(item.send);
            queue_.Complete(item.send, r);
            return;
        }
        case QueueItem::Kind::kPost:
            // Posts reach disabled windows too (a window below a modal dialog keeps its posts).
            if (Window* w = FromHandle(item.target))
                input_.Route(MSG{w, item.message, item.wParam, item.lParam}, false);
            return;
    }
}

bool Application::FireTimer() {
    auto due = timers_.TakeDue(backend_->Now());
    if (!due) return false;
    if (due->action) {
        due->action();
    } else if (Window* w = FromHandle(due->window)) {
        w->WindowProc(WM_TIMER, due->id, 0);
    }
    return true;
}

bool Application::PumpOnce() {
    // Focus changes switch text input at once; this catches the rest (an edit disabled or made read-only
    // while focused, a dialog hidden or destroyed with the focus in it) before the display is read again.
    SyncTextInput();
    backend_->PollEvents();
    if (auto item = queue_.Pop()) {
        Dispatch(*item);
        return true;
    }
    if (painter_.PaintAll()) return true;
    if (FireTimer()) return true;
    SyncTextInput();
    SyncTextInputRect();
    return false;
}

void Application::SyncTextInput() {
    Window* focus = input_.Focus();
    Window* taker = focus && InputRouter::AcceptsInput(focus) && focus->TakesTextInput() ? focus : nullptr;
    const uint32_t now = taker ? taker->Handle() : 0;
    if (now == text_input_window_) return;
    const uint32_t before = text_input_window_;
    text_input_window_ = now;
    text_input_spot_.reset();  // the input method hears of the caret again
    if (!taker) {
        if (text_input_on_) backend_->SetTextInputEnabled(false);
        text_input_on_ = false;
    } else if (!text_input_on_) {
        backend_->SetTextInputEnabled(true);
        text_input_on_ = true;
    } else if (ime_composing_) {
        // From one edit to another in the middle of a composition: off and on again makes the input method
        // drop it, as the edit that showed it did, instead of carrying it into the new edit.
        backend_->SetTextInputEnabled(false);
        backend_->SetTextInputEnabled(true);
    }
    ime_composing_ = false;
    // A composition left in the window that took the text (its dialog hidden, it made read-only or
    // disabled) goes: the input method has dropped it. Last, as the handler may move the focus again.
    if (Window* old = FromHandle(before); old && old->IsComposing()) {
        const std::string ended;
        old->WindowProc(WM_IME_COMPOSITION, 0, reinterpret_cast<LPARAM>(&ended));
    }
}

void Application::SyncTextInputRect() {
    Window* focus = FromHandle(text_input_window_);
    const std::optional<gfx::Rect> caret = focus ? focus->TextInputCaret() : std::nullopt;
    Window* top = caret ? focus->GetTopLevel() : nullptr;
    if (!top || !top->Native()) {
        text_input_spot_.reset();
        return;
    }
    const gfx::Point top_origin = top->ClientToScreen({0, 0});
    const gfx::Point origin = focus->ClientToScreen({0, 0});
    const TextInputSpot spot{top->Handle(), top_origin,
                             caret->Offset(origin.x - top_origin.x, origin.y - top_origin.y)};
    if (text_input_spot_ == spot) return;
    text_input_spot_ = spot;
    backend_->SetTextInputRect(*top->Native(), spot.caret);
}

void Application::Idle(WaitKind kind) {
    backend_->Wait(timers_.NextDeadline(), kind);
}

void Application::RunModalLoop(const std::function<bool()>& done) {
    while (!done()) {
        if (!PumpOnce()) Idle(WaitKind::kModal);
    }
}

void Application::RunUntilIdle() {
    while (PumpOnce()) {
    }
}

void Application::PopModal(Window* w) {
    auto it = std::find(modal_stack_.rbegin(), modal_stack_.rend(), w);
    if (it != modal_stack_.rend()) modal_stack_.erase(std::next(it).base());
}

Window* Application::DefaultOwner() const {
    for (auto it = modal_stack_.rbegin(); it != modal_stack_.rend(); ++it) {
        if ((*it)->IsWindowVisible()) return *it;
    }
    return main_window_ && main_window_->IsCreated() ? main_window_ : nullptr;
}

void Application::RequestQuit() {
    if (quit_requested_.exchange(true)) return;
    Post([this] { EndModalsForQuit(); });
}

void Application::EndModalsForQuit() {
    // By handle: ending one dialog runs handlers that may destroy others.
    std::vector<uint32_t> open;
    for (Window* w : modal_stack_) {
        if (w != main_window_) open.push_back(w->Handle());
    }
    for (auto it = open.rbegin(); it != open.rend(); ++it) {
        if (auto* dialog = dynamic_cast<Dialog*>(FromHandle(*it))) dialog->EndForQuit();
    }
    // Posted: the main window closes once the loops of the ended dialogs have returned.
    if (main_window_) main_window_->PostMessage(WM_CLOSE);
}

int Application::MessageBox(Window* owner, const std::string& text, const std::string& caption,
                            unsigned flags) {
    if (responder_) return responder_(MessageBoxRecord{text, caption, flags});
    return ShowMessageBox(*this, owner, text, caption, flags);
}

void Application::PostMessageBox(const std::string& text, const std::string& caption, unsigned flags,
                                 std::function<void(int)> then) {
    Post([this, text, caption, flags, then = std::move(then)] {
        const int answer = MessageBox(nullptr, text, caption, flags);
        if (then) then(answer);
    });
}

}  // namespace ui
