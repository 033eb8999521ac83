#pragma once
// The input-volume dialog on the template of the device model's matrix (308, 558 or 559). It edits the mix
// cells of the model directly while it is open, so its result means nothing.
#include "platform/ui/templatedialog.h"

constexpr int IDD_INPUT_VOL_308 = 308;
constexpr int IDD_INPUT_VOL_558 = 558;
constexpr int IDD_INPUT_VOL_559 = 559;

class CDialogChInputVol : public ui::TemplateDialog {
  public:
    explicit CDialogChInputVol(unsigned templateId, ui::Window* parent = nullptr,
                               ui::Application* app = nullptr);
    unsigned TemplateId() const { return templateId_; }

  private:
    unsigned templateId_;
};
