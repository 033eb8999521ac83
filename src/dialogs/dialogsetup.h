#pragma once
// The settings dialog (template 304), as far as the main window relies on it: 1495 closes it and asks for the
// firmware upgrade, 1496 asks string 210 and on Yes closes it and asks for the factory reset, 1497 closes it
// and asks for the About box (WM_SETUP_COMMAND 0, 1, 2); button 3 asks for the no-signal mute toggle
// (WM_SETUP_COMMAND 3) and keeps it open.
#include "platform/ui/templatedialog.h"

constexpr int IDD_DIALOG_SETUP = 304;
constexpr int IDC_SETUP_UPGRADE = 1495;
constexpr int IDC_SETUP_FACTORY_RESET = 1496;
constexpr int IDC_SETUP_ABOUT = 1497;
constexpr int IDC_SETUP_NOSIGNAL_MUTE = 3;

class CDialogSetup : public ui::TemplateDialog {
  public:
    explicit CDialogSetup(int highLevelMixVolume, ui::Window* parent = nullptr,
                          ui::Application* app = nullptr);
    int HighLevelMixVolume() const { return volume_; }

  private:
    // Closes the dialog, then sends the command.
    void CloseAndSend(int command);
    int volume_;
};
