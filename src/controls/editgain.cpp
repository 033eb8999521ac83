#include "controls/editgain.h"

#include "controls/editmessages.h"
#include "editing/channelgaintext.h"

namespace controls {

ui::Window* CEditGain::Owner() const {
    return inputBit_ ? GetParent() : MainWindow();
}

bool CEditGain::StepModel(unsigned vk) const {
    return editing::StepGainByKey(static_cast<int>(vk), channel_, inputBit_);
}

void CEditGain::OnStepKey(unsigned vk) {
    if (StepModel(vk)) Send(WM_GAIN_STEPPED, channel_);
}

void CEditGain::OnWheelKey(unsigned vk, int) {
    if (!StepModel(vk)) return;
    if (speaker_) {
        TakeFocusSelectAll();
        Send(WM_GAIN_STEPPED, channel_);
    } else {
        Send(WM_GAIN_STEPPED, channel_);
        TakeFocusSelectAll();
    }
}

void CEditGain::OnKillFocus(ui::Window* newFocus) {
    ValueEdit::OnKillFocus(newFocus);
    if (inputBit_ && !speaker_) Send(WM_GAIN_COMMIT, channel_);
}

void CEditGain::PreKeyDown(unsigned vk) {
    switch (vk) {
        case ui::VK_RETURN:
            if (!IsWindowEnabled()) return;
            Send(WM_GAIN_COMMIT, channel_);
            SelectAll();
            return;
        case ui::VK_LEFT:
        case ui::VK_RIGHT:
            SendTo(Owner(), WM_MOVE_FOCUS, vk, 0);
            return;
        case ui::VK_PRIOR:
        case ui::VK_NEXT:
            if (inputBit_) SendTo(Owner(), WM_MOVE_FOCUS, vk, 0);
            return;
        default:
            return;
    }
}

}  // namespace controls
