#pragma once
#include "platform/ui/control.h"

namespace ui {

// A static text. Without the notify style it is transparent to the hit test, so a press on it reaches the
// window below (a dialog dragged by its labels); with kNotify it takes clicks and sends STN_CLICKED
// (= BN_CLICKED) and STN_DBLCLK to its parent. It never takes the focus. It asks the colour step as a static
// and draws its text in the colour the step sets, left, centred (kTextCenter) or right (kTextRight), wrapping
// at its width; a disabled one draws grey.
class Static : public Control {
  public:
    explicit Static(Application* app = nullptr);

  protected:
    void OnPaint(gfx::Canvas& canvas) override;
    bool OnEraseBkgnd(gfx::Canvas&) override { return true; }
    void OnControlStyleChanged() override;
    void OnLButtonDown(unsigned keys, gfx::Point p) override;
    void OnLButtonDblClk(unsigned keys, gfx::Point p) override;
    // The background and the text; a picture draws its bitmap in between.
    gfx::Brush PaintBackground(gfx::Canvas& canvas);
    void PaintText(gfx::Canvas& canvas);
};

}  // namespace ui
