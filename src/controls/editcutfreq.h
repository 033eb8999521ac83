#pragma once
// The crossover corner edits of the current channel: the low cut (high-pass corner) and the high cut
// (low-pass corner). Up and Down (and the wheel while focused) step the corner by 1 Hz within 20..20000 and
// copy it to the tied channels; Enter commits the typed text; Left and Right move the focus to the partner,
// the other cut edit of the same window.
#include "controls/valueedit.h"

namespace controls {

class CutFreqEdit : public ValueEdit {
  public:
    // kind: 1 the high-pass corner, 2 the low-pass corner.
    CutFreqEdit(int kind, ui::Application* app) : ValueEdit(app), kind_(kind) {}

    void SetPartner(ui::Window* partner) { partner_ = partner; }

  protected:
    void OnStepKey(unsigned vk) override;
    void PreKeyDown(unsigned vk) override;
    void PreKeyUp(unsigned vk) override;

  private:
    int* Corner() const;  // null without a valid current channel
    void Show();

    int kind_;
    ui::Window* partner_ = nullptr;
};

class CEidtLowCutFreq : public CutFreqEdit {
  public:
    explicit CEidtLowCutFreq(ui::Application* app = nullptr) : CutFreqEdit(1, app) {}
};

class CEditHighCutFreq : public CutFreqEdit {
  public:
    explicit CEditHighCutFreq(ui::Application* app = nullptr) : CutFreqEdit(2, app) {}
};

}  // namespace controls

using controls::CEditHighCutFreq;
using controls::CEidtLowCutFreq;
