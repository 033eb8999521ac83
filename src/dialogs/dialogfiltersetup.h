#pragma once
// The filter-setup dialog (template 297): while it is open, a new choice in one of its four lists goes to the
// main window as WM_FILTER_SETUP (wParam 0 high-pass type, 1 high-pass slope, 2 low-pass type, 3 low-pass
// slope; lParam the chosen item).
#include <array>

#include "platform/ui/combobox.h"
#include "platform/ui/templatedialog.h"

constexpr int IDD_FILTER_SETUP = 297;

class CDialogFilterSetup : public ui::TemplateDialog {
  public:
    explicit CDialogFilterSetup(ui::Window* parent = nullptr, ui::Application* app = nullptr);
    // The list of a WM_FILTER_SETUP wParam (tests choose in it).
    ui::ComboBox& List(int which) { return lists_[which]; }

  protected:
    bool OnInitDialog() override;

  private:
    std::array<ui::ComboBox, 4> lists_;
};
