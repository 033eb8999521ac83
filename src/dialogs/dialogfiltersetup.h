#pragma once
// The filter-setup dialog (template 297): type and slope of the current channel's high-pass and low-pass
// filters in four lists, their cut frequencies in two edits. Each change of a list goes to the main window
// as WM_FILTER_SETUP (wParam 0 high-pass type, 1 high-pass slope, 2 low-pass type, 3 low-pass slope; lParam
// the chosen item); the dialog keeps no copy. It reads the model once, when it opens.
#include <array>

#include "dialogs/sideframe.h"
#include "dialogs/sideids.h"
#include "platform/ui/combobox.h"
#include "platform/ui/edit.h"

class CDialogFilterSetup : public dialogs::CSideDialog {
  public:
    explicit CDialogFilterSetup(ui::Window* parent = nullptr, ui::Application* app = nullptr);
    // The list of a WM_FILTER_SETUP wParam (tests choose in it).
    ui::ComboBox& List(int which) { return lists_[which]; }
    ui::Edit& HighPassEdit() { return highPassEdit_; }
    ui::Edit& LowPassEdit() { return lowPassEdit_; }

  protected:
    bool OnInitDialog() override;
    const gfx::Brush* OnCtlColor(gfx::Canvas& canvas, ui::Window* control, int kind) override;

  private:
    std::array<ui::ComboBox, 4> lists_;
    ui::Edit highPassEdit_;
    ui::Edit lowPassEdit_;
};
