#pragma once
#include <string>

#include "platform/gfx/bitmap.h"
#include "platform/ui/control.h"

namespace ui {

// A single-line edit control.
//
// The text is the window text; a text set from code (SetWindowText) raises no notice and puts the caret at
// the start. The user's typing, Backspace and Delete replace the selection and raise EN_CHANGE. The caret is
// the end of the selection; SetSel(0, -1) selects everything, a start of -1 removes the selection. The
// selection shows while the control has the focus. Left/Up, Right/Down, Home and End move the caret (Shift
// extends the selection). Focus changes send EN_SETFOCUS and EN_KILLFOCUS to the parent. A read-only or
// disabled edit asks the colour step as a static, an editable one as an edit. Enter is left to the dialog.
// Ctrl+A selects all, Ctrl+C copies, Ctrl+X cuts and Ctrl+V (or Shift+Insert) pastes, as the characters
// 0x01, 0x03, 0x18 and 0x16 the key translation sends; a paste acts as typing.
// Control styles: kTextCenter, kTextRight, kReadOnly, kNumber, kBorder. It paints through two hooks that a
// skinned edit overrides one at a time: the frame (PaintFrame), then the text over it (PaintText).
class Edit : public Control {
  public:
    explicit Edit(Application* app = nullptr);

    void SetSel(int start, int end, bool no_scroll = false);
    void GetSel(int& start, int& end) const;
    // Replaces the selection with text (from code: no notice; the text limit does not apply).
    void ReplaceSel(const std::string& text);
    void SetLimitText(int max_chars);  // 0: no limit
    int GetLimitText() const { return limit_; }
    void SetReadOnly(bool read_only);
    bool IsReadOnly() const { return HasControlStyle(res::kReadOnly); }
    int GetTextLength() const { return static_cast<int>(ToU32(GetWindowText()).size()); }
    // The clipboard keys' actions: the selection to the clipboard; the clipboard's first line typed over the
    // selection (a read-only edit takes no paste).
    void Copy();
    void Paste();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool IsComposing() const override { return !composition_.empty(); }
    // The input method's composition, shown at the caret and not part of the text until committed.
    const std::u32string& Composition() const { return composition_; }
    // Neither read-only nor disabled.
    bool TakesTextInput() const override { return !IsReadOnly() && IsWindowEnabled(); }
    // The caret (where a composition starts), one pixel wide and a line high, while the edit takes text.
    std::optional<gfx::Rect> TextInputCaret() override;

    // The text as PaintText gets it, in client coordinates.
    struct TextLayout {
        std::u32string text;
        gfx::Rect area;                  // inside the border and the margin; the stock text is clipped to it
        int left = 0;                    // x of the first character, after the alignment and the scrolling
        int line = 0;                    // the line's height; the text stands at the top of the area
        int sel_start = 0, sel_end = 0;  // in characters; equal when nothing is selected
        int caret = 0;
    };

  protected:
    // The frame: the client area from the colour step's brush (asked as a static when read-only or disabled,
    // else as an edit) and the border with kBorder. state: hot, focused, disabled.
    virtual void PaintFrame(gfx::Canvas& canvas, const gfx::Rect& client, const gfx::Brush& background,
                            const PaintState& state);
    // The text in the colour step's text colour (grey when disabled) over its background mode and colour;
    // while focused, the selection in the highlight colours and the caret. state: focused, disabled.
    virtual void PaintText(gfx::Canvas& canvas, const TextLayout& layout, const PaintState& state);
    // The width in pixels of the first `chars` characters of text in the edit's font: where a character
    // stands is layout.left plus this.
    int TextWidth(const std::u32string& text, int chars);

    void OnPaint(gfx::Canvas& canvas) override;
    bool OnEraseBkgnd(gfx::Canvas&) override { return true; }
    void OnSetFocus(Window* old_focus) override;
    void OnKillFocus(Window* new_focus) override;
    void OnKeyDown(unsigned vk, unsigned repeat, unsigned flags) override;
    void OnChar(char32_t ch, unsigned repeat, unsigned flags) override;
    void OnLButtonDown(unsigned keys, gfx::Point p) override;
    void OnLButtonDblClk(unsigned keys, gfx::Point p) override;
    void OnMouseMove(unsigned keys, gfx::Point p) override;
    void OnLButtonUp(unsigned keys, gfx::Point p) override;

  private:
    // Replaces the selection as the user does: limit, read-only and EN_CHANGE apply.
    bool UserReplace(const std::u32string& with);
    void OnComposition(const std::string& utf8);
    void Collapse(int caret, bool extend);
    int TextLeft(const std::u32string& text);  // x of the first character in client coordinates
    int CharFromPoint(gfx::Point p);
    void ScrollToCaret();
    gfx::Rect TextRect() const;
    // The text with the composition at the caret, as it shows.
    std::u32string ShownText() const;

    int anchor_ = 0;
    int caret_ = 0;
    int limit_ = 32767;
    int scroll_ = 0;  // pixels the text is shifted left
    bool dragging_ = false;
    std::u32string composition_;
    gfx::Bitmap probe_{1, 1};
};

}  // namespace ui
