#pragma once
// The scene menu (template 302). Each of its four buttons closes the menu and then asks the main window for
// its scene command: 1271 recall from the device, 1269 save to the device, 1272 load a scene file, 1270 save
// one.
#include "platform/ui/templatedialog.h"

constexpr int IDD_DIALOG_FILE = 302;
constexpr int IDC_FILE_SAVE_DSP = 1269;
constexpr int IDC_FILE_SAVE_PC = 1270;
constexpr int IDC_FILE_LOAD_DSP = 1271;
constexpr int IDC_FILE_LOAD_PC = 1272;

class CDialogFile : public ui::TemplateDialog {
  public:
    explicit CDialogFile(ui::Window* parent = nullptr, ui::Application* app = nullptr);
};
