#include "controls/editsystemvol.h"

#include <string>

#include "controls/editmessages.h"
#include "device/channelmodel.h"
#include "editing/indexes.h"
#include "editing/mastervolumetext.h"

namespace controls {

namespace {
constexpr int kMasterOff = 60;
constexpr int kMasterMuteBit = 0x40;
}  // namespace

void CEditSystemVol::Show() {
    std::string text;
    editing::FormatMasterVolume(text);
    SetWindowText(text);
}

void CEditSystemVol::MoveSlider() {
    if (!slider_) return;
    slider_->SetPos(g_MasterVolume);
    slider_->Invalidate();
}

bool CEditSystemVol::Step(unsigned vk) {
    // Up is louder: less attenuation.
    if (!editing::StepWithin(g_MasterVolume, -editing::KeyStep(static_cast<int>(vk)), kMasterOff)) return false;
    Show();
    MoveSlider();
    return true;
}

void CEditSystemVol::UpdateMuteButton() {
    if (g_MasterVolume == kMasterOff) {
        g_MuteMask |= kMasterMuteBit;
        if (muteButton_) muteButton_->SetWindowText("静音");
    } else if (g_MuteMask & kMasterMuteBit) {
        g_MuteMask &= ~kMasterMuteBit;
        if (muteButton_) muteButton_->SetWindowText("非静音");
    }
}

void CEditSystemVol::OnKeyUp(unsigned vk, unsigned repeat, unsigned flags) {
    ValueEdit::OnKeyUp(vk, repeat, flags);
    if (vk == ui::VK_UP || vk == ui::VK_DOWN) UpdateMuteButton();
}

void CEditSystemVol::OnWheelKey(unsigned vk, int) {
    if (!Step(vk)) return;
    SelectAll();
    UpdateMuteButton();
}

void CEditSystemVol::PreKeyDown(unsigned vk) {
    if (vk != ui::VK_RETURN || !IsWindowEnabled()) return;
    // The same reading as the main window's commit on the loss of the focus.
    if (const std::optional<int> v = editing::ParseMasterVolumeText(GetWindowText())) {
        g_MasterVolume = *v;
        MoveSlider();
    }
    Show();
}

void CEditSystemVol::PreKeyUp(unsigned vk) {
    if (vk != ui::VK_RETURN) return;
    SelectAll();
    UpdateMuteButton();
}

void CEditVol::OnStepKey(unsigned vk) {
    SendTo(GetParent(), WM_GAIN_STEPPED, vk, 0);
}

void CEditVol::OnKillFocus(ui::Window* newFocus) {
    ValueEdit::OnKillFocus(newFocus);
    SendTo(GetParent(), WM_GAIN_COMMIT, 0, 0);
}

void CEditVol::PreKeyDown(unsigned vk) {
    if (vk == ui::VK_RETURN) SendTo(GetParent(), WM_GAIN_COMMIT, 0, 0);
}

}  // namespace controls
