#include "platform/ui/window.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "platform/ui/application.h"
#include "platform/ui/syscolor.h"
#include "platform/ui/uilanguage.h"

namespace ui {

namespace {

void AssertUi(const Application* app, const char* call) {
    if (app) app->AssertUiThread(call);
}

}  // namespace

Window::Window(Application* app) : app_(app ? app : Application::Current()) {}

std::vector<MenuItem> Window::SystemMenu() const {
    std::vector<MenuItem> items{{SC_CLOSE, UiLanguage() == sys::kLangChinese ? "关闭" : "Close"}};
    items.insert(items.end(), system_menu_.begin(), system_menu_.end());
    return items;
}

Window::~Window() {
    DestroyWindow();
}

bool Window::Register(Window* parent, int id, const gfx::Rect& rect, const std::string& text,
                      unsigned style) {
    if (IsCreated() || !app_) return false;
    id_ = id;
    parent_ = parent;
    rect_ = rect;
    text_ = text;
    style_ = style;
    handle_.store(app_->RegisterWindow(this));
    if (parent_) parent_->children_.push_back(this);
    return true;
}

bool Window::Create(Window* parent, int id, const gfx::Rect& rect, const std::string& text, unsigned style) {
    AssertUi(app_, "Create");
    if (!parent || !parent->IsCreated()) return false;
    if (!Register(parent, id, rect, text, style)) return false;
    SendMessage(WM_CREATE);
    InvalidateInParent();
    return true;
}

bool Window::CreateTopLevel(const gfx::Rect& screen_rect, const std::string& title, unsigned style,
                            std::string* error) {
    AssertUi(app_, "CreateTopLevel");
    if (!Register(nullptr, 0, screen_rect, title, style & ~WS_VISIBLE)) {
        if (error) *error = "the window exists already";
        return false;
    }
    back_buffer_ = gfx::Bitmap(rect_.Width(), rect_.Height());
    if (!background_) background_ = syscolor::kFace;
    std::string why;
    native_ = app_->GetBackend().CreateNative({Handle(), rect_, text_, (style & WS_CAPTION) != 0}, &why);
    if (!native_) {
        if (error) *error = why;
        DestroyWindow();
        return false;
    }
    if (!icon_.IsNull()) app_->GetBackend().SetNativeIcon(*native_, icon_);
    app_->top_levels_.insert(app_->top_levels_.begin(), this);
    SendMessage(WM_CREATE);
    if (style & WS_VISIBLE) ShowWindow(SW_SHOW);
    return true;
}

void Window::DestroyTree() {
    // Children first lose their windows; their objects stay with their owners.
    while (!children_.empty()) children_.front()->DestroyWindow();
}

void Window::DestroyWindow() {
    if (!IsCreated()) return;
    AssertUi(app_, "DestroyWindow");
    SendMessage(WM_DESTROY);
    DestroyTree();
    if (parent_) {
        InvalidateInParent();
        std::erase(parent_->children_, this);
    } else {
        if (native_) app_->GetBackend().DestroyNative(std::exchange(native_, nullptr));
        std::erase(app_->top_levels_, this);
        app_->painter_.Forget(*this);
    }
    app_->UnregisterWindow(this);
    handle_.store(0);
    parent_ = nullptr;
}

Window* Window::GetTopLevel() {
    Window* w = this;
    while (w->parent_) w = w->parent_;
    return w;
}

Window* Window::GetDlgItem(int id) const {
    Window* found = nullptr;
    auto find = [&] {
        for (Window* c : children_) {
            if (c->id_ == id) {
                found = c;
                return;
            }
        }
    };
    // The tree belongs to the UI thread; a worker asks it.
    if (IsCreated() && !app_->IsUiThread())
        app_->RunOnUiThread(find, Handle());
    else
        find();
    return found;
}

void Window::SetZOrder(Window* after) {
    AssertUi(app_, "SetZOrder");
    if (!parent_ || after == this || (after && after->parent_ != parent_)) return;
    auto& list = parent_->children_;
    std::erase(list, this);
    auto at = after ? std::find(list.begin(), list.end(), after) + 1 : list.begin();
    list.insert(at, this);
    InvalidateInParent();
}

gfx::Rect Window::GetWindowRect() const {
    gfx::Point p = ClientToScreen({0, 0});
    return gfx::RectFromSize(p.x, p.y, rect_.Width(), rect_.Height());
}

gfx::Point Window::ClientToScreen(gfx::Point p) const {
    for (const Window* w = this; w; w = w->parent_) {
        p.x += w->rect_.left;
        p.y += w->rect_.top;
    }
    return p;
}

gfx::Point Window::ScreenToClient(gfx::Point p) const {
    gfx::Point o = ClientToScreen({0, 0});
    return {p.x - o.x, p.y - o.y};
}

void Window::MoveWindow(const gfx::Rect& rect, bool repaint) {
    AssertUi(app_, "MoveWindow");
    const bool resized = rect.Width() != rect_.Width() || rect.Height() != rect_.Height();
    if (parent_ && repaint) InvalidateInParent();
    rect_ = rect;
    if (!IsCreated()) return;
    if (!parent_) {
        if (resized) back_buffer_ = gfx::Bitmap(rect_.Width(), rect_.Height());
        if (native_) app_->GetBackend().MoveNative(*native_, rect_);
    }
    if (resized) SendMessage(WM_SIZE, 0, MAKELPARAM(rect_.Width(), rect_.Height()));
    if (repaint) {
        if (parent_)
            InvalidateInParent();
        else
            Invalidate();
    }
}

// A window call made on another thread: runs `call` on the UI thread while the caller waits, and returns
// its answer, or false when the sends were released or the window went first. Nothing of the window is read
// on the calling thread.
bool Window::OnUiThread(std::function<bool()> call) {
    auto answer = std::make_shared<bool>(false);
    app_->RunOnUiThread(
        [this, h = Handle(), answer, call = std::move(call)] {
            if (app_->FromHandle(h) == this) *answer = call();
        },
        Handle());
    return *answer;
}

bool Window::ShowWindow(int cmd) {
    if (IsCreated() && !app_->IsUiThread()) return OnUiThread([this, cmd] { return ShowWindow(cmd); });
    AssertUi(app_, "ShowWindow");
    const bool was = GetStyleVisible();
    if (cmd == SW_SHOWMINIMIZED && !parent_ && native_) {
        // The desktop hides a minimised window; for the program it stays shown.
        if (!was) ShowWindow(SW_SHOW);
        app_->GetBackend().MinimizeNative(*native_);
        return was;
    }
    const bool show = cmd != SW_HIDE;
    if (show == was || !IsCreated()) {
        if (!IsCreated()) style_ = show ? (style_ | WS_VISIBLE) : (style_ & ~WS_VISIBLE);
        return was;
    }
    if (!show && parent_) InvalidateInParent();
    style_ = show ? (style_ | WS_VISIBLE) : (style_ & ~WS_VISIBLE);
    if (!show) app_->input_.Forget(this);  // a hidden window keeps neither focus nor capture
    SendMessage(WM_SHOWWINDOW, show ? 1 : 0);
    if (!parent_) {
        if (show) {
            std::erase(app_->top_levels_, this);
            app_->top_levels_.insert(app_->top_levels_.begin(), this);
        }
        if (native_) app_->GetBackend().ShowNative(*native_, show);
    }
    if (show) Invalidate();
    return was;
}

bool Window::IsWindowVisible() const {
    AssertUi(app_, "IsWindowVisible");
    if (!IsCreated()) return false;
    for (const Window* w = this; w; w = w->parent_) {
        if (!w->GetStyleVisible()) return false;
    }
    return true;
}

bool Window::EnableWindow(bool enable) {
    if (IsCreated() && !app_->IsUiThread())
        return OnUiThread([this, enable] { return EnableWindow(enable); });
    AssertUi(app_, "EnableWindow");
    const bool was_disabled = !IsWindowEnabled();
    if (enable == !was_disabled) return was_disabled;
    style_ = enable ? (style_ & ~WS_DISABLED) : (style_ | WS_DISABLED);
    if (IsCreated()) {
        if (!enable && app_->GetCapture() == this) app_->ReleaseCapture();
        SendMessage(WM_ENABLE, enable ? 1 : 0);
        Invalidate();
    }
    return was_disabled;
}

void Window::SetWindowText(const std::string& text) {
    if (IsCreated() && !app_->IsUiThread()) {
        // As a cross-thread WM_SETTEXT: the caller waits, and the text is a copy the UI thread owns.
        auto copy = std::make_shared<std::string>(text);
        app_->RunOnUiThread(
            [this, h = Handle(), copy] {
                if (app_->FromHandle(h) == this)
                    SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(copy->c_str()));
            },
            Handle());
        return;
    }
    if (!IsCreated()) {
        text_ = text;
        return;
    }
    SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string Window::GetWindowText() const {
    if (!IsCreated() || app_->IsUiThread()) return text_;
    std::string copy;
    app_->RunOnUiThread([&] { copy = text_; }, Handle());
    return copy;
}

void Window::ModifyStyle(unsigned remove, unsigned add) {
    AssertUi(app_, "ModifyStyle");
    style_ = (style_ & ~remove) | add;
}

void Window::SetFont(const gfx::Font& font, bool redraw) {
    AssertUi(app_, "SetFont");
    font_ = font;
    if (redraw && IsCreated()) Invalidate();
}

LRESULT Window::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const uint32_t h = Handle();
    if (h == 0 || !app_) return 0;
    if (app_->IsUiThread()) return WindowProc(message, wParam, lParam);
    return app_->queue_.PushAndWait(QueueItem::Message(QueueItem::Kind::kSend, h, message, wParam, lParam));
}

bool Window::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const uint32_t h = Handle();
    if (h == 0 || !app_) return false;
    app_->queue_.Push(QueueItem::Message(QueueItem::Kind::kPost, h, message, wParam, lParam));
    return true;
}

LRESULT Window::NotifyParent(unsigned code) {
    if (!parent_) return 0;
    return parent_->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(id_), code),
                                reinterpret_cast<LPARAM>(this));
}

UINT_PTR Window::SetTimer(UINT_PTR id, unsigned elapse_ms) {
    AssertUi(app_, "SetTimer");
    if (!IsCreated() || !app_->IsUiThread()) return 0;
    app_->timers_.Set(Handle(), id, elapse_ms, app_->Now());
    return id;
}

bool Window::KillTimer(UINT_PTR id) {
    AssertUi(app_, "KillTimer");
    if (!IsCreated() || !app_->IsUiThread()) return false;
    return app_->timers_.Kill(Handle(), id);
}

void Window::Invalidate(bool erase) {
    InvalidateRect(nullptr, erase);
}

void Window::InvalidateRect(const gfx::Rect* rect, bool erase) {
    if (!IsCreated()) return;
    if (!app_->IsUiThread()) {
        std::optional<gfx::Rect> r;
        if (rect) r = *rect;
        app_->Post([this, h = Handle(), r, erase] {
            if (app_->FromHandle(h) == this) InvalidateRect(r ? &*r : nullptr, erase);
        });
        return;
    }
    if (!IsWindowVisible()) return;
    gfx::Rect r = rect ? Intersect(*rect, GetClientRect()) : GetClientRect();
    if (r.IsEmpty()) return;
    Window* top = GetTopLevel();
    gfx::Point o = top->ScreenToClient(ClientToScreen({0, 0}));
    app_->painter_.AddDirty(*top, r.Offset(o.x, o.y));
}

void Window::InvalidateInParent() {
    if (parent_ && GetStyleVisible()) parent_->InvalidateRect(&rect_);
}

void Window::UpdateWindow() {
    AssertUi(app_, "UpdateWindow");
    if (IsCreated()) app_->painter_.PaintNow(*GetTopLevel());
}

void Window::SetIcon(const gfx::Bitmap& icon) {
    icon_ = icon;
    if (native_ && !icon_.IsNull()) app_->GetBackend().SetNativeIcon(*native_, icon_);
}

gfx::Bitmap Window::Render() {
    gfx::Bitmap bitmap(rect_.Width(), rect_.Height());
    if (!IsCreated() || bitmap.IsNull()) return bitmap;
    gfx::Canvas canvas(bitmap);
    Painter::PaintTree(*this, canvas, {0, 0}, GetClientRect());
    return bitmap;
}

void Window::SetDlgItemText(int id, const std::string& text) {
    if (Window* item = GetDlgItem(id)) item->SetWindowText(text);
}

std::string Window::GetDlgItemText(int id) const {
    const Window* item = GetDlgItem(id);
    return item ? item->GetWindowText() : std::string();
}

Window* Window::SetFocus() {
    AssertUi(app_, "SetFocus");
    return app_->input_.SetFocus(this);
}

Window* Window::GetFocus() const {
    return app_->GetFocus();
}

void Window::ReleaseCapture() const {
    app_->ReleaseCapture();
}

bool Window::HasFocus() const {
    return IsCreated() && app_->GetFocus() == this;
}

Window* Window::SetCapture() {
    AssertUi(app_, "SetCapture");
    return app_->input_.SetCapture(this);
}

void Window::TrackMouseEvent(unsigned flags, int hover_ms) {
    AssertUi(app_, "TrackMouseEvent");
    app_->input_.TrackMouse(this, flags, hover_ms);
}

int Window::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    AssertUi(app_, "MessageBox");
    return app_->MessageBox(this, text, caption, flags);
}

bool Window::PreTranslateMessage(MSG&) {
    return false;
}

}  // namespace ui
