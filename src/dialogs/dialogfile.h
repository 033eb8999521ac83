#pragma once
// The scene menu (template 302). Each of its four buttons closes the menu and then asks the main window for
// its scene command, which runs before DoModal returns: 1271 recall from the device (0), 1269 save to the
// device (1), 1272 load a scene file (2), 1270 save one (3).
#include "dialogs/sideframe.h"
#include "dialogs/sideids.h"

class CDialogFile : public dialogs::CSideDialog {
  public:
    explicit CDialogFile(ui::Window* parent = nullptr, ui::Application* app = nullptr);

  protected:
    bool OnInitDialog() override;
};
