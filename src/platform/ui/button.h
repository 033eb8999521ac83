#pragma once
#include "platform/ui/control.h"

namespace ui {

// A push button, or an owner-drawn one.
//
// A press takes the focus and the capture and shows the button pushed while the pointer stays on it; the
// release on it sends BN_CLICKED. Space does the same from the keyboard. An owner-drawn button (or one with
// the notify style) turns the second press of a double click into BN_DOUBLECLICKED, after the first press's
// BN_CLICKED; a plain push button counts it as another click. An owner-drawn button is painted by its parent:
// the colour step (CTLCOLOR_BTN) and then WM_DRAWITEM run on the button's canvas, with its rectangle and the
// selected (pushed), disabled and focus states. The window text may hold a state of the program's own. Both
// looks are the default of one paint hook, PaintFace, which a skinned button overrides.
class Button : public Control {
  public:
    explicit Button(Application* app = nullptr) : Control(app) { SetWantsDoubleClicks(true); }

    void SetOwnerDraw(bool owner_draw);
    bool IsOwnerDraw() const { return owner_draw_; }
    // Pushed (ODS_SELECTED) now.
    bool IsPushed() const { return pushed_; }
    // As a click by the user (BM_CLICK).
    void Click();

  protected:
    // The whole button, after the colour step (as a button) gave `background`: the stock face (the client
    // area in that brush, the frame, the face and the centred text), or for an owner-drawn button the owner's
    // draw step. state: pressed (pushed now), hot, focused, disabled.
    virtual void PaintFace(gfx::Canvas& canvas, const gfx::Rect& client, const gfx::Brush& background,
                           const PaintState& state);

    void OnPaint(gfx::Canvas& canvas) override;
    bool OnEraseBkgnd(gfx::Canvas&) override { return true; }
    void OnControlStyleChanged() override;
    void OnLButtonDown(unsigned keys, gfx::Point p) override;
    void OnLButtonDblClk(unsigned keys, gfx::Point p) override;
    void OnMouseMove(unsigned keys, gfx::Point p) override;
    void OnLButtonUp(unsigned keys, gfx::Point p) override;
    void OnKeyDown(unsigned vk, unsigned repeat, unsigned flags) override;
    void OnKeyUp(unsigned vk, unsigned repeat, unsigned flags) override;
    void OnSetFocus(Window* old_focus) override;
    void OnKillFocus(Window* new_focus) override;
    void OnCaptureChanged(Window* gaining) override;

  private:
    void SetPushed(bool pushed);
    void Press();

    bool owner_draw_ = false;
    bool pushed_ = false;
    bool tracking_ = false;  // the left button went down on us and is still held
    bool space_ = false;     // Space went down on us
};

}  // namespace ui
