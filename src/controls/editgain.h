#pragma once
// A channel-gain edit: a channel's attenuation on the main window, or (with an input bit) one input-mix cell
// of the input-volume dialog. Up and Down (and the wheel while focused) step the model and tell the owner
// (WM_GAIN_STEPPED, channel and input bit); the text is never parsed here: Enter (and, for a mix cell, the
// loss of the focus) asks the owner to commit it (WM_GAIN_COMMIT). Left and Right (and Page Up and Page Down
// in a mix cell) ask the owner to move the focus (WM_MOVE_FOCUS with the key). The owner is the main window
// for a channel's gain, the parent for a mix cell.
//
// The speaker edits of CH1..CH6 behave alike, except that after a wheel step they select before they send
// (so the owner's new text stands unselected) and that their loss of the focus sends nothing.
#include "controls/valueedit.h"

namespace controls {

class CEditGain : public ValueEdit {
  public:
    explicit CEditGain(ui::Application* app = nullptr) : ValueEdit(app) {}

    void Init(int channel, int inputMask) {
        channel_ = channel;
        inputBit_ = inputMask;
    }
    // A speaker edit of CH1..CH6 (channel 0..5).
    void InitSpeaker(int channel) {
        Init(channel, 0);
        speaker_ = true;
    }
    int Channel() const { return channel_; }
    int InputBit() const { return inputBit_; }

  protected:
    void OnStepKey(unsigned vk) override;
    void OnWheelKey(unsigned vk, int delta) override;
    void OnKillFocus(ui::Window* newFocus) override;
    void PreKeyDown(unsigned vk) override;

  private:
    ui::Window* Owner() const;
    bool StepModel(unsigned vk) const;
    void Send(ui::UINT message, ui::WPARAM wParam) { SendTo(Owner(), message, wParam, inputBit_); }

    int channel_ = 0;
    int inputBit_ = 0;
    bool speaker_ = false;
};

}  // namespace controls

using controls::CEditGain;
