#pragma once
// The skinned slider's thumb: a child window that shows one frame of its strip and hands the mouse on to the
// slider, so the slider's own drag runs as when its thumb is pressed. A press shows frame 2 and a release
// frame 1, where the strip has them; otherwise frame 0.
#include <memory>

#include "controls/newslideritem.h"
#include "platform/ui/window.h"

namespace controls {

class CNewSliderWnd : public ui::Window {
  public:
    explicit CNewSliderWnd(ui::Application* app = nullptr) : ui::Window(app) {}

    bool Create(ui::Window* parent, int id);
    // Moves the window to (0, 0) with the strip's frame size.
    void SetBitmap(const gfx::Bitmap& bitmap, int frameWidth, int frameHeight);
    void SetForwardMouse(bool on) { forward_ = on; }
    int Frame() const { return frame_; }
    const CNewSliderItem* Item() const { return item_.get(); }
    // The press is over (the slider took the release while it held the capture).
    void ShowReleased();

  protected:
    void OnPaint(gfx::Canvas&) override {}
    bool OnEraseBkgnd(gfx::Canvas& canvas) override;
    void OnMouseMove(unsigned keys, gfx::Point p) override;
    void OnLButtonDown(unsigned keys, gfx::Point p) override;
    void OnLButtonUp(unsigned keys, gfx::Point p) override;

  private:
    void Forward(ui::UINT message, unsigned keys, gfx::Point p);
    void ShowFrame(int frame);

    int frame_ = 0;
    std::unique_ptr<CNewSliderItem> item_;
    bool forward_ = false;
    bool tracking_ = false;
};

}  // namespace controls

using controls::CNewSliderWnd;
