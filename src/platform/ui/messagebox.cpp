#include "platform/ui/messagebox.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/ui/application.h"
#include "platform/ui/dialog.h"
#include "platform/ui/syscolor.h"

namespace ui {

namespace {

// The box's own push button: a click (press and release inside) sends BN_CLICKED to the box.
class BoxButton : public Window {
  public:
    using Window::Window;

  protected:
    void OnPaint(gfx::Canvas& c) override {
        const gfx::Rect r = GetClientRect();
        c.FillRect(r, HasFocus() ? syscolor::kHighlight : syscolor::kLightBorder);
        c.FillRect({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1},
                   pressed_ ? syscolor::kPressedFace : syscolor::kButtonFace);
        c.DrawText(GetWindowText(), r, GetFont(), syscolor::kWindowText,
                   gfx::kTextCenter | gfx::kTextVCenter | gfx::kTextSingleLine);
    }
    void OnLButtonDown(unsigned, gfx::Point) override {
        SetFocus();
        SetCapture();
        pressed_ = true;
        Invalidate();
    }
    void OnLButtonUp(unsigned, gfx::Point p) override {
        if (!pressed_) return;
        pressed_ = false;
        App().ReleaseCapture();
        Invalidate();
        if (GetClientRect().Contains(p)) NotifyParent(BN_CLICKED);
    }
    void OnSetFocus(Window* old) override {
        Window::OnSetFocus(old);
        Invalidate();
    }
    void OnKillFocus(Window* next) override {
        Window::OnKillFocus(next);
        Invalidate();
    }

  private:
    bool pressed_ = false;
};

class MessageBoxDialog : public Dialog {
  public:
    MessageBoxDialog(Application& app, Window* owner, const MessageBoxRecord& box)
        : Dialog(owner, &app), box_(box), yes_no_((box.flags & MB_TYPEMASK) == MB_YESNO) {
        scale_ = std::max(app.Dpi(), 48) / 96.0;
        font_.face = "MS Shell Dlg";
        font_.height = Scaled(13);
        gfx::Bitmap probe(1, 1);
        gfx::Canvas measure(probe);
        const gfx::Size text = measure.MeasureText(box_.text.empty() ? " " : box_.text, font_);
        const int icon = box_.flags & MB_ICONMASK ? Scaled(32) + Scaled(12) : 0;
        const int buttons = (yes_no_ ? 2 : 1) * Scaled(81);
        width_ = std::clamp(std::max(icon + text.cx, buttons) + Scaled(48), Scaled(200), Scaled(700));
        text_height_ = std::max(text.cy, box_.flags & MB_ICONMASK ? Scaled(32) : 0);
        SetInitialSize(width_, text_height_ + Scaled(24 + 24 + 23 + 14));
        SetTitle(box_.caption);
        SetFrameStyle(WS_CAPTION);
        SetDefID(yes_no_ ? ((box_.flags & MB_DEFBUTTON2) ? IDNO : IDYES) : IDOK);
    }

  protected:
    void CreateItems() override {
        const gfx::Rect client = GetClientRect();
        const int bw = Scaled(75), bh = Scaled(23), gap = Scaled(6);
        const int y = client.bottom - Scaled(14) - bh;
        std::vector<std::pair<int, const char*>> ids;
        if (yes_no_)
            ids = {{IDYES, "&Yes"}, {IDNO, "&No"}};
        else
            ids = {{IDOK, "OK"}};
        int x = client.right - Scaled(12) - static_cast<int>(ids.size()) * (bw + gap) + gap;
        for (auto& [id, label] : ids) {
            auto b = std::make_unique<BoxButton>(&App());
            std::string text = label;
            std::erase(text, '&');
            b->Create(this, id, gfx::RectFromSize(x, y, bw, bh), text,
                      WS_VISIBLE | WS_TABSTOP | WS_PUSHBUTTON);
            b->SetFont(font_, false);
            buttons_.push_back(std::move(b));
            x += bw + gap;
        }
    }
    bool OnInitDialog() override {
        if (Window* def = GetDlgItem(GetDefID())) def->SetFocus();
        return false;
    }
    void OnPaint(gfx::Canvas& c) override {
        const gfx::Rect client = GetClientRect();
        c.FillRect(client, syscolor::kWindow);
        c.FillRect({0, client.bottom - Scaled(14 + 23 + 14), client.right, client.bottom}, syscolor::kFace);
        int x = Scaled(24);
        if (box_.flags & MB_ICONMASK) {
            DrawIcon(c, gfx::RectFromSize(x, Scaled(24), Scaled(32), Scaled(32)));
            x += Scaled(32 + 12);
        }
        c.DrawText(box_.text, {x, Scaled(24), client.right - Scaled(24), Scaled(24) + text_height_}, font_,
                   syscolor::kWindowText, gfx::kTextVCenter);
    }
    void OnCancel() override {
        // Esc answers an OK box; a Yes/No box has no cancel.
        if (!yes_no_) EndDialog(IDOK);
    }
    // A quit answers an OK box with its only button and a Yes/No box with No, the answer that changes
    // nothing.
    int QuitResult() const override { return yes_no_ ? IDNO : IDOK; }
    bool OnCommand(int id, unsigned, Window*) override {
        if (id == IDYES || id == IDNO || id == IDOK) {
            EndDialog(id);
            return true;
        }
        return false;
    }

  private:
    int Scaled(int n) const { return static_cast<int>(n * scale_); }
    void DrawIcon(gfx::Canvas& c, const gfx::Rect& r) {
        const unsigned icon = box_.flags & MB_ICONMASK;
        gfx::Color color = syscolor::kInfoIcon;
        const char* mark = "i";
        if (icon == MB_ICONERROR) color = syscolor::kErrorIcon, mark = "×";
        if (icon == MB_ICONWARNING) color = syscolor::kWarningIcon, mark = "!";
        if (icon == MB_ICONQUESTION) mark = "?";
        c.FillRect(r, color);
        gfx::Font f = font_;
        f.height = r.Height();
        f.weight = 700;
        c.DrawText(mark, r, f, syscolor::kHighlightText,
                   gfx::kTextCenter | gfx::kTextVCenter | gfx::kTextSingleLine);
    }

    MessageBoxRecord box_;
    bool yes_no_;
    double scale_ = 1.0;
    gfx::Font font_;
    int width_ = 0;
    int text_height_ = 0;
    std::vector<std::unique_ptr<BoxButton>> buttons_;
};

}  // namespace

int ShowMessageBox(Application& app, Window* owner, const std::string& text, const std::string& caption,
                   unsigned flags) {
    MessageBoxDialog box(app, owner, MessageBoxRecord{text, caption, flags});
    const int r = box.DoModal();
    const bool yes_no = (flags & MB_TYPEMASK) == MB_YESNO;
    if (r <= 0) return yes_no ? IDNO : IDOK;
    return r;
}

MessageBoxRecorder::MessageBoxRecorder(Application& app, int fallback) : app_(app), fallback_(fallback) {
    app_.SetMessageBoxResponder([this](const MessageBoxRecord& box) {
        boxes_.push_back(box);
        if (answers_.empty()) return fallback_;
        const int a = answers_.front();
        answers_.erase(answers_.begin());
        return a;
    });
}

MessageBoxRecorder::~MessageBoxRecorder() {
    app_.SetMessageBoxResponder({});
}

}  // namespace ui
