#pragma once
// What every value edit shares: a press takes the focus and selects the whole text instead of placing the
// caret; WM_MOVE_FOCUS (0, 0) does the same without scrolling (for the edits that take it); the wheel acts
// only while the edit has the focus and only for a delta of exactly +120 (as Up) or -120 (as Down);
// the release of Up or Down selects all; pre-translate sees the edit's own key-downs and key-ups, acts, and
// consumes nothing, so Enter still reaches the dialog's IDOK.
#include "platform/ui/edit.h"

namespace controls {

class ValueEdit : public ui::Edit {
  public:
    explicit ValueEdit(ui::Application* app = nullptr) : ui::Edit(app) {}

    ui::LRESULT WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) override;
    bool PreTranslateMessage(ui::MSG& msg) override;

  protected:
    // Key-downs and key-ups addressed to this edit, before they are dispatched (also while it is disabled).
    virtual void PreKeyDown(unsigned vk) { (void)vk; }
    virtual void PreKeyUp(unsigned vk) { (void)vk; }
    // Up or Down pressed (each key-down, auto-repeats included).
    virtual void OnStepKey(unsigned vk) { (void)vk; }
    // A wheel notch while focused: VK_UP for +120, VK_DOWN for -120. As the key unless overridden.
    virtual void OnWheelKey(unsigned vk, int delta) {
        (void)delta;
        OnStepKey(vk);
    }
    // Whether WM_MOVE_FOCUS (0, 0) is taken.
    virtual bool TakesMoveFocus() const { return true; }

    void OnKeyDown(unsigned vk, unsigned repeat, unsigned flags) override;
    void OnKeyUp(unsigned vk, unsigned repeat, unsigned flags) override;
    void OnLButtonDown(unsigned keys, gfx::Point p) override;
    bool OnMouseWheel(unsigned keys, int delta, gfx::Point screen) override;

    void SelectAll(bool noScroll = true) { SetSel(0, -1, noScroll); }
    void TakeFocusSelectAll() {
        SetFocus();
        SelectAll();
    }
    // The application's main window (the messages' owner for the main window's edits).
    ui::Window* MainWindow() const;
    ui::LRESULT SendTo(ui::Window* to, ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam = 0) {
        return to ? to->SendMessage(message, wParam, lParam) : 0;
    }
};

}  // namespace controls
