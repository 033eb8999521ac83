#pragma once
// CSpectrum: the EQ graph control of the main window (control 1233). SpectrumEditor holds the values,
// geometry and editing; this class is its window: it paints through the window's back buffer, takes the
// mouse, and keeps a drag alive outside the control through the drag hook, which it removes again on
// release and when the window goes away.
#include "controls/spectrumeditor.h"
#include "platform/ui/window.h"

class CSpectrum : public ui::Window, public SpectrumEditor {
  public:
    // The DPI of the application's backend chooses the scale of the frequency axis.
    explicit CSpectrum(ui::Application* app = nullptr);
    ~CSpectrum() override;

  protected:
    void OnPaint(gfx::Canvas& canvas) override;
    bool OnEraseBkgnd(gfx::Canvas& canvas) override;
    void OnLButtonDown(unsigned keys, gfx::Point p) override;
    void OnLButtonUp(unsigned keys, gfx::Point p) override;
    void OnMouseMove(unsigned keys, gfx::Point p) override;
    void OnDestroy() override;

    void RequestRedraw() override;
    bool InstallDragHook() override;
    void RemoveDragHook() override;
};
