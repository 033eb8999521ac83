#pragma once
// The start-up model chooser (template 556, Chinese only), sized to its band's background. Two of its eleven
// options show; a click on a mark or its label chooses it (a double click on 1760 too). Confirming (the Enter
// button, OK or the Enter key) sets g_DeviceModel from the chosen option (2 when untouched), marks the model as
// chosen by hand and loads that model's default routing. Its 5 ms timer ends it, changing nothing, as soon as
// a device has identified itself. Closing it closes the main window, and with it the program.
#include "dialogs/sideframe.h"
#include "dialogs/sideids.h"

class CDialogLogo : public dialogs::CSideDialog {
  public:
    explicit CDialogLogo(ui::Application* app = nullptr);

    // The model an option stands for, 0 for none.
    static int ModelOfOption(int option);
    int ChosenOption() const { return option_; }

  protected:
    bool OnInitDialog() override;
    void OnTimer(ui::UINT_PTR id) override;
    void Accept() override;
    void OnCancel() override;
    bool DrawOwnItem(int id, ui::DrawItemStruct& dis) override;

  private:
    void Choose(int option);
    int option_ = 2;
};
