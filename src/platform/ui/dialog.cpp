#include "platform/ui/dialog.h"

#include <algorithm>

#include "platform/ui/application.h"

namespace ui {

Dialog::Dialog(Window* owner, Application* app) : Window(app), owner_(owner) {}

int Dialog::DoModal() {
    Application& app = App();
    if (app.QuitRequested()) {
        // Nothing opens while the program quits.
        ended_ = true;
        result_ = QuitResult();
        return result_;
    }
    Window* owner = owner_ && owner_->IsCreated() ? owner_ : app.DefaultOwner();
    if (owner == this) owner = nullptr;
    gfx::Rect r = initial_;
    if (!positioned_) {
        const gfx::Rect around =
            owner ? owner->GetTopLevel()->GetWindowRect() : app.GetBackend().ScreenRect();
        const int x = around.left + (around.Width() - r.Width()) / 2;
        const int y = around.top + (around.Height() - r.Height()) / 2;
        r = gfx::RectFromSize(x, y, r.Width(), r.Height());
    }
    ended_ = false;
    result_ = 0;
    create_error_.clear();
    if (!CreateTopLevel(r, title_, frame_style_, &create_error_)) return -1;
    const uint32_t self = Handle();
    focus_before_ = app.GetFocus() ? app.GetFocus()->Handle() : 0;
    disabled_owner_ = 0;
    if (owner && owner->IsWindowEnabled()) {
        owner->EnableWindow(false);
        disabled_owner_ = owner->Handle();
    }
    app.PushModal(this);
    CreateItems();
    const bool focus_first = ended_ ? false : SendMessage(WM_INITDIALOG) != 0;
    if (!ended_ && app.FromHandle(self) == this) {
        ShowWindow(SW_SHOW);
        if (focus_first) NextDlgCtrl();
        app.NotifyModalShown(*this);
        in_loop_ = true;
        app.RunModalLoop([&] { return ended_ || app.FromHandle(self) != this; });
        in_loop_ = false;
    }
    app.PopModal(this);
    if (!ended_) EndDialog(result_);  // destroyed from outside: still give the owner back
    DestroyWindow();
    return result_;
}

void Dialog::EndDialog(int result) {
    result_ = result;
    ended_ = true;
    Application& app = App();
    if (IsCreated()) ShowWindow(SW_HIDE);
    if (Window* owner = app.FromHandle(disabled_owner_)) owner->EnableWindow(true);
    disabled_owner_ = 0;
    // The focus goes back where it was before the dialog opened.
    Window* focus = app.GetFocus();
    bool focus_inside = !focus;
    for (Window* f = focus; f; f = f->GetParent()) focus_inside = focus_inside || f == this;
    if (focus_inside) {
        Window* back = app.FromHandle(focus_before_);
        if (back && back != this && back->IsWindowVisible())
            back->SetFocus();
        else if (focus)
            app.Input().SetFocus(nullptr);
    }
}

void Dialog::EndForQuit() {
    if (!ended_) EndDialog(QuitResult());
}

void Dialog::NextDlgCtrl(bool previous) {
    std::vector<Window*> stops;
    for (Window* c : Children()) {
        if ((c->Style() & WS_TABSTOP) && c->IsWindowEnabled() && c->GetStyleVisible()) stops.push_back(c);
    }
    if (stops.empty()) return;
    Window* focus = App().GetFocus();
    auto it = std::find(stops.begin(), stops.end(), focus);
    size_t next = 0;
    if (it != stops.end()) {
        const size_t i = static_cast<size_t>(it - stops.begin());
        next = previous ? (i + stops.size() - 1) % stops.size() : (i + 1) % stops.size();
    } else if (previous) {
        next = stops.size() - 1;
    }
    stops[next]->SetFocus();
}

void Dialog::OnClose() {
    SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED));
}

LRESULT Dialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog() ? 1 : 0;
        case WM_COMMAND: {
            // What neither OnCommand nor a command range takes: OK and Cancel.
            const CommandArgs c = CrackCommand(wParam, lParam);
            if (HandleCommand(c.id, c.code, c.control)) return 0;
            if (c.id == IDOK)
                OnOK();
            else if (c.id == IDCANCEL)
                OnCancel();
            return 0;
        }
        default:
            return Window::WindowProc(message, wParam, lParam);
    }
}

bool Dialog::PreTranslateMessage(MSG& msg) {
    if (msg.message != WM_KEYDOWN) return false;
    switch (msg.wParam) {
        case VK_RETURN: {
            // A focused push button takes Enter; otherwise the default id gets it, shown or not.
            Window* focus = App().GetFocus();
            const bool button = focus && focus->GetParent() == this && (focus->Style() & WS_PUSHBUTTON);
            const int id = button ? focus->GetDlgCtrlID() : def_id_;
            SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(id), BN_CLICKED),
                        button ? reinterpret_cast<LPARAM>(focus) : 0);
            return true;
        }
        case VK_ESCAPE:
            SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED));
            return true;
        case VK_TAB:
            NextDlgCtrl(App().GetKeyState(VK_SHIFT) < 0);
            return true;
        default:
            return false;
    }
}

}  // namespace ui
