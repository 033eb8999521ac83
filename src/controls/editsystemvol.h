#pragma once
// The master volume edit: steps, parses and stores g_MasterVolume (attenuation in whole dB, 60 = "OFF")
// itself, moves the master slider and keeps the master mute (bit 0x40 of g_MuteMask and the mute button's
// text) in step on the release of Up, Down or Enter and after a wheel step. It sends no messages and is in no
// focus ring.
#include "controls/valueedit.h"
#include "platform/ui/trackbar.h"

namespace controls {

class CEditSystemVol : public ValueEdit {
  public:
    explicit CEditSystemVol(ui::Application* app = nullptr) : ValueEdit(app) {}

    void Init(ui::TrackBar* slider, ui::Window* muteButton) {
        slider_ = slider;
        muteButton_ = muteButton;
    }
    // 60 mutes the master (bit 0x40, "静音"); below 60 a set bit is cleared ("非静音").
    void UpdateMuteButton();

  protected:
    void OnStepKey(unsigned vk) override { Step(vk); }
    void OnKeyUp(unsigned vk, unsigned repeat, unsigned flags) override;
    void OnWheelKey(unsigned vk, int delta) override;
    void PreKeyDown(unsigned vk) override;
    void PreKeyUp(unsigned vk) override;
    bool TakesMoveFocus() const override { return false; }

  private:
    bool Step(unsigned vk);
    void Show();
    void MoveSlider();

    ui::TrackBar* slider_ = nullptr;
    ui::Window* muteButton_ = nullptr;
};

// The settings dialog's volume edit: the dialog holds the value; the edit turns Up, Down and the wheel into
// WM_GAIN_STEPPED (the key, 0) and Enter and the loss of the focus into WM_GAIN_COMMIT (0, 0), to its parent.
class CEditVol : public ValueEdit {
  public:
    explicit CEditVol(ui::Application* app = nullptr) : ValueEdit(app) {}

  protected:
    void OnStepKey(unsigned vk) override;
    void OnKillFocus(ui::Window* newFocus) override;
    void PreKeyDown(unsigned vk) override;
    bool TakesMoveFocus() const override { return false; }
};

}  // namespace controls

using controls::CEditSystemVol;
using controls::CEditVol;
