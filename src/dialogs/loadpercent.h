#pragma once
// The progress dialog of a load or a firmware upgrade (template 157, a plain dialog): two texts and a bar
// over 1..1000 that follows the low 32 bits of g_Progress every 50 ms; it ends itself (IDOK) once g_Progress
// reaches 1000. Its Cancel button shows but is disabled, and neither Enter nor Esc closes it.
#include "platform/ui/progressbar.h"
#include "platform/ui/templatedialog.h"

class CLoadPercent : public ui::TemplateDialog {
  public:
    explicit CLoadPercent(ui::Application* app = nullptr);
    int Position() const { return bar_.GetPos(); }

  protected:
    bool OnInitDialog() override;
    void OnTimer(ui::UINT_PTR id) override;
    void OnCancel() override {}
    void OnOK() override {}

  private:
    ui::ProgressBar bar_;
};
