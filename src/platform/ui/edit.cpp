#include "platform/ui/edit.h"

#include <algorithm>

#include "platform/ui/application.h"

namespace ui {

namespace {

constexpr int kMargin = 1;  // pixels between the border and the text
constexpr int kNoLimit = 0x7FFFFFFE;

bool ShiftDown(Application& app) {
    return app.GetKeyState(VK_SHIFT) < 0;
}

}  // namespace

Edit::Edit(Application* app) : Control(app) {
    SetFocusNotices(EN_SETFOCUS, EN_KILLFOCUS);
    SetWantsDoubleClicks(true);
}

void Edit::SetSel(int start, int end, bool no_scroll) {
    const int len = GetTextLength();
    if (start < 0) {
        // A start of -1 removes the selection and leaves the caret where it is.
        anchor_ = caret_;
    } else {
        anchor_ = std::min(start, len);
        caret_ = end < 0 ? len : std::min(end, len);
    }
    if (!no_scroll) ScrollToCaret();
    Invalidate();
}

void Edit::GetSel(int& start, int& end) const {
    start = std::min(anchor_, caret_);
    end = std::max(anchor_, caret_);
}

void Edit::ReplaceSel(const std::string& text) {
    std::u32string t = ToU32(GetWindowText());
    int s, e;
    GetSel(s, e);
    const std::u32string with = ToU32(text);
    t.replace(s, e - s, with);
    const int caret = s + static_cast<int>(with.size());
    DefWindowProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(ToUtf8(t).c_str()));
    anchor_ = caret_ = caret;
    ScrollToCaret();
}

void Edit::SetLimitText(int max_chars) {
    limit_ = max_chars <= 0 ? kNoLimit : max_chars;
}

void Edit::SetReadOnly(bool read_only) {
    ModifyControlStyle(read_only ? 0u : uint32_t{res::kReadOnly}, read_only ? uint32_t{res::kReadOnly} : 0u);
}

LRESULT Edit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETTEXT: {
            const LRESULT r = Control::WindowProc(message, wParam, lParam);
            anchor_ = caret_ = 0;
            scroll_ = 0;
            return r;
        }
        case EM_SETSEL:
            SetSel(static_cast<int>(static_cast<intptr_t>(wParam)), static_cast<int>(lParam));
            return 0;
        case EM_GETSEL: {
            int s, e;
            GetSel(s, e);
            return MAKELPARAM(s, e);
        }
        case EM_LIMITTEXT:
            SetLimitText(static_cast<int>(wParam));
            return 0;
        case EM_SETREADONLY:
            SetReadOnly(wParam != 0);
            return 1;
        case WM_IME_COMPOSITION:
            if (lParam) OnComposition(*reinterpret_cast<const std::string*>(lParam));
            return 0;
        default:
            return Control::WindowProc(message, wParam, lParam);
    }
}

bool Edit::UserReplace(const std::u32string& with) {
    if (IsReadOnly()) return false;
    std::u32string t = ToU32(GetWindowText());
    int s, e;
    GetSel(s, e);
    if (with.empty() && s == e) return false;
    if (static_cast<long long>(t.size()) - (e - s) + static_cast<long long>(with.size()) > limit_) {
        NotifyParent(EN_MAXTEXT);
        return false;
    }
    t.replace(s, e - s, with);
    DefWindowProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(ToUtf8(t).c_str()));
    anchor_ = caret_ = s + static_cast<int>(with.size());
    ScrollToCaret();
    NotifyParent(EN_CHANGE);
    return true;
}

void Edit::Collapse(int caret, bool extend) {
    caret_ = std::clamp(caret, 0, GetTextLength());
    if (!extend) anchor_ = caret_;
    ScrollToCaret();
    Invalidate();
}

void Edit::OnKeyDown(unsigned vk, unsigned, unsigned) {
    const bool extend = ShiftDown(App());
    switch (vk) {
        case VK_LEFT:
        case VK_UP:
            Collapse(caret_ - 1, extend);
            break;
        case VK_RIGHT:
        case VK_DOWN:
            Collapse(caret_ + 1, extend);
            break;
        case VK_HOME:
            Collapse(0, extend);
            break;
        case VK_END:
            Collapse(GetTextLength(), extend);
            break;
        case VK_DELETE:
            if (IsReadOnly()) break;
            if (anchor_ == caret_) {
                if (caret_ >= GetTextLength()) break;
                anchor_ = caret_ + 1;
            }
            UserReplace({});
            break;
        default:
            break;
    }
}

void Edit::OnChar(char32_t ch, unsigned, unsigned) {
    if (ch == 0x08) {  // Backspace
        if (IsReadOnly()) return;
        if (anchor_ == caret_) {
            if (caret_ == 0) return;
            anchor_ = caret_ - 1;
        }
        UserReplace({});
        return;
    }
    if (ch == 0x01) {  // Ctrl+A
        SetSel(0, -1);
        return;
    }
    if (ch == 0x03) return Copy();
    if (ch == 0x18) {
        if (IsReadOnly()) return;
        Copy();
        UserReplace({});
        return;
    }
    if (ch == 0x16) return Paste();
    if (ch < 0x20 || ch == 0x7F) return;  // Enter, Esc, Tab and other controls type nothing
    if (HasControlStyle(res::kNumber) && (ch < U'0' || ch > U'9')) return;
    UserReplace(std::u32string(1, ch));
}

void Edit::Copy() {
    int s, e;
    GetSel(s, e);
    if (s == e) return;
    App().GetBackend().SetClipboardText(ToUtf8(ToU32(GetWindowText()).substr(s, e - s)));
}

void Edit::Paste() {
    if (IsReadOnly()) return;
    // As typing the clipboard's first line: what typing refuses is left out, and what passes the limit.
    std::u32string with;
    for (char32_t ch : ToU32(App().GetBackend().GetClipboardText())) {
        if (ch == U'\r' || ch == U'\n') break;
        if (ch < 0x20 || ch == 0x7F) continue;
        if (HasControlStyle(res::kNumber) && (ch < U'0' || ch > U'9')) continue;
        with += ch;
    }
    int s, e;
    GetSel(s, e);
    const long long room = std::max(0LL, static_cast<long long>(limit_) - (GetTextLength() - (e - s)));
    const bool cut = static_cast<long long>(with.size()) > room;
    if (cut) with.resize(static_cast<std::size_t>(room));
    if (!with.empty() || s != e) UserReplace(with);
    if (cut) NotifyParent(EN_MAXTEXT);
}

void Edit::OnComposition(const std::string& utf8) {
    // A read-only or disabled edit takes no text, composed or not; nor does one that lost the focus after
    // the composition was queued (it would show there for good).
    const std::u32string text = TakesTextInput() && HasFocus() ? ToU32(utf8) : std::u32string();
    if (text == composition_) return;
    composition_ = text;
    Invalidate();
}

std::optional<gfx::Rect> Edit::TextInputCaret() {
    if (!TakesTextInput()) return std::nullopt;
    // Where OnPaint puts it: at the start of the composition, which moves the text as it grows.
    const std::u32string shown = ShownText();
    const gfx::Rect area = TextRect();
    const int x = TextLeft(shown) + TextWidth(shown, caret_);
    gfx::Canvas measure(probe_);
    return gfx::Rect{x, area.top, x + 1, area.top + measure.MeasureText("Ag", GetFont()).cy};
}

std::u32string Edit::ShownText() const {
    std::u32string shown = ToU32(GetWindowText());
    shown.insert(std::min(static_cast<std::size_t>(caret_), shown.size()), composition_);
    return shown;
}

gfx::Rect Edit::TextRect() const {
    const int b = HasControlStyle(res::kBorder) ? 1 : 0;
    const gfx::Rect c = GetClientRect();
    return {c.left + b + kMargin, c.top + b, c.right - b - kMargin, c.bottom - b};
}

int Edit::TextWidth(const std::u32string& text, int chars) {
    if (chars <= 0) return 0;
    gfx::Canvas measure(probe_);
    return measure.MeasureText(ToUtf8(text.substr(0, chars)), GetFont()).cx;
}

int Edit::TextLeft(const std::u32string& text) {
    const gfx::Rect r = TextRect();
    const int width = TextWidth(text, static_cast<int>(text.size()));
    if (width <= r.Width()) {
        if (HasControlStyle(res::kTextCenter)) return r.left + (r.Width() - width) / 2;
        if (HasControlStyle(res::kTextRight)) return r.right - width;
    }
    return r.left - scroll_;
}

void Edit::ScrollToCaret() {
    const std::u32string t = ToU32(GetWindowText());
    const gfx::Rect r = TextRect();
    const int width = TextWidth(t, static_cast<int>(t.size()));
    if (width <= r.Width()) {
        scroll_ = 0;
        return;
    }
    const int x = TextWidth(t, caret_);
    if (x - scroll_ < 0) scroll_ = x;
    if (x - scroll_ > r.Width() - 1) scroll_ = x - r.Width() + 1;
    scroll_ = std::clamp(scroll_, 0, std::max(0, width - r.Width() + 1));
}

int Edit::CharFromPoint(gfx::Point p) {
    const std::u32string t = ToU32(GetWindowText());
    const int left = TextLeft(t);
    int prev = 0;
    for (int i = 1; i <= static_cast<int>(t.size()); ++i) {
        const int x = TextWidth(t, i);
        if (p.x < left + (prev + x) / 2) return i - 1;
        prev = x;
    }
    return static_cast<int>(t.size());
}

void Edit::OnLButtonDown(unsigned, gfx::Point p) {
    SetFocus();
    if (!HasFocus()) return;
    const bool extend = ShiftDown(App());
    Collapse(CharFromPoint(p), extend);
    dragging_ = true;
    SetCapture();
}

void Edit::OnLButtonDblClk(unsigned, gfx::Point) {
    SetSel(0, -1);
}

void Edit::OnMouseMove(unsigned, gfx::Point p) {
    if (dragging_) Collapse(CharFromPoint(p), true);
}

void Edit::OnLButtonUp(unsigned, gfx::Point) {
    if (!dragging_) return;
    dragging_ = false;
    if (App().GetCapture() == this) App().ReleaseCapture();
}

void Edit::OnSetFocus(Window* old_focus) {
    Control::OnSetFocus(old_focus);
    Invalidate();
}

void Edit::OnKillFocus(Window* new_focus) {
    dragging_ = false;
    composition_.clear();
    Control::OnKillFocus(new_focus);
    Invalidate();
}

void Edit::OnPaint(gfx::Canvas& canvas) {
    const PaintState state = BaseState();
    const gfx::Brush brush =
        AskCtlColor(*this, canvas, IsReadOnly() || state.disabled ? CTLCOLOR_STATIC : CTLCOLOR_EDIT);
    PaintFrame(canvas, GetClientRect(), brush, state);
    TextLayout layout;
    layout.text = ShownText();
    layout.area = TextRect();
    layout.line = canvas.MeasureText("Ag", GetFont()).cy;
    GetSel(layout.sel_start, layout.sel_end);
    layout.caret = caret_;
    // A composition shows at the caret, underlined, with the caret after it; the text is not changed.
    const int composed = static_cast<int>(composition_.size());
    if (composed > 0) {
        layout.sel_start = layout.sel_end = layout.caret = caret_ + composed;
    }
    layout.left = TextLeft(layout.text);
    PaintText(canvas, layout, state);
    if (composed > 0) {
        const int x0 = layout.left + TextWidth(layout.text, caret_);
        const int x1 = layout.left + TextWidth(layout.text, caret_ + composed);
        const int y = layout.area.top + layout.line - 1;
        canvas.FillRect({x0, y, x1, y + 1}, canvas.TextColor());
    }
}

void Edit::PaintFrame(gfx::Canvas& canvas, const gfx::Rect& client, const gfx::Brush& background,
                      const PaintState&) {
    canvas.FillRect(client, background);
    if (HasControlStyle(res::kBorder)) {
        canvas.SetPen(gfx::Pen::Solid(1, syscolor::kBorder));
        canvas.SetBrush(gfx::Brush::Null());
        canvas.Rectangle(client);
    }
}

void Edit::PaintText(gfx::Canvas& canvas, const TextLayout& layout, const PaintState& state) {
    const gfx::Color text_color = state.disabled ? syscolor::kGrayText : canvas.TextColor();
    const std::u32string& t = layout.text;
    const gfx::Rect& r = layout.area;
    const int left = layout.left, line = layout.line;
    canvas.Save();
    canvas.ClipRect(r);
    const gfx::Rect text_box{left, r.top, r.right + scroll_ + 10000, r.top + line};
    // The colour step's background mode and colour apply behind the text, as in a device context.
    canvas.SetFont(GetFont());
    canvas.SetTextColor(text_color);
    canvas.DrawText(ToUtf8(t), text_box, gfx::kTextSingleLine);
    const int s = layout.sel_start, e = layout.sel_end;
    if (state.focused && s != e) {
        const int x0 = left + TextWidth(t, s), x1 = left + TextWidth(t, e);
        const gfx::Rect sel{x0, r.top, x1, r.top + line};
        canvas.FillRect(sel, syscolor::kHighlight);
        canvas.DrawText(ToUtf8(t.substr(s, e - s)), {x0, r.top, x1 + 10000, r.top + line}, GetFont(),
                        syscolor::kHighlightText, gfx::kTextSingleLine);
    }
    if (state.focused) {
        const int x = left + TextWidth(t, layout.caret);
        canvas.FillRect({x, r.top, x + 1, r.top + line}, text_color);
    }
    canvas.Restore();
}

}  // namespace ui
