#pragma once
#include "platform/ui/dialog.h"

namespace app {

// The main window until the real main dialog lands: the skin's size (1272 x 676 at 96 DPI), a plain dark
// background and a title. Like the main dialog it runs modally, ignores Enter and Esc and ends on WM_CLOSE.
class PlaceholderMainWindow : public ui::Dialog {
  public:
    static constexpr gfx::Color kBackground = gfx::Rgb(0x21, 0x2C, 0x3D);
    explicit PlaceholderMainWindow(ui::Application* app = nullptr);

  protected:
    void OnPaint(gfx::Canvas& canvas) override;
    void OnOK() override {}
    void OnCancel() override {}
    void OnClose() override { EndDialog(ui::IDCANCEL); }
};

}  // namespace app
