#pragma once
// The progress dialog of a load or a firmware upgrade: a bar over 1..1000 that follows g_Progress every
// 50 ms and ends the dialog (result 1) once it reaches 1000. Esc and Cancel do nothing.
#include "platform/ui/dialog.h"

class CLoadPercent : public ui::Dialog {
  public:
    explicit CLoadPercent(ui::Application* app = nullptr);
    int Position() const { return position_; }

  protected:
    bool OnInitDialog() override;
    void OnTimer(ui::UINT_PTR id) override;
    void OnPaint(gfx::Canvas& canvas) override;
    void OnCancel() override {}
    void OnOK() override {}

  private:
    int position_ = 1;
};
