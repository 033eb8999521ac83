#pragma once
// The start-up model chooser: confirming maps the chosen option (2 preselected) to g_DeviceModel, marks the
// model as chosen by hand and loads that model's default routing; Cancel closes the main window first. Its
// 5 ms timer ends it, changing nothing, as soon as a device has identified itself.
#include "platform/ui/dialog.h"

class CDialogLogo : public ui::Dialog {
  public:
    explicit CDialogLogo(ui::Application* app = nullptr);

    // The model an option stands for, 0 for none.
    static int ModelOfOption(int option);

  protected:
    bool OnInitDialog() override;
    void OnTimer(ui::UINT_PTR id) override;
    void OnOK() override;
    void OnCancel() override;

  private:
    int option_ = 2;
};
