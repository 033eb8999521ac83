#pragma once
// The filter-setup dialog (template 297): type and slope of the current channel's high-pass and low-pass
// filters in four skinned lists, their cut frequencies in two cut edits. Each change of a list goes to the
// main window as WM_FILTER_SETUP (wParam 0 high-pass type, 1 high-pass slope, 2 low-pass type, 3 low-pass
// slope; lParam the chosen item); the dialog keeps no copy. The cut edits act on the model themselves, and
// Left and Right move between the dialog's own two. It reads the model once, when it opens.
#include <array>

#include "controls/editcutfreq.h"
#include "controls/mycombobox.h"
#include "dialogs/sideframe.h"
#include "dialogs/sideids.h"

class CDialogFilterSetup : public dialogs::CSideDialog {
  public:
    explicit CDialogFilterSetup(ui::Window* parent = nullptr, ui::Application* app = nullptr);
    // The list of a WM_FILTER_SETUP wParam (tests choose in it).
    CMyComboBox& List(int which) { return lists_[which]; }
    CEidtLowCutFreq& HighPassEdit() { return highPassEdit_; }
    CEditHighCutFreq& LowPassEdit() { return lowPassEdit_; }

    // The lists' drop arrow and the height of their selection field at a screen DPI.
    static int ArrowPng(int dpi);
    static int FieldHeight(int dpi);

  protected:
    bool OnInitDialog() override;
    const gfx::Brush* OnCtlColor(gfx::Canvas& canvas, ui::Window* control, int kind) override;

  private:
    std::array<CMyComboBox, 4> lists_;
    CEidtLowCutFreq highPassEdit_;
    CEditHighCutFreq lowPassEdit_;
};
