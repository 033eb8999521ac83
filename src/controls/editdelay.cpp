#include "controls/editdelay.h"

#include <string>

#include "controls/editmessages.h"
#include "editing/delaytext.h"

namespace controls {

void CEditDelay::SetValue(int samples) {
    *value_ = samples;
    UpdateText();
}

void CEditDelay::UpdateText() {
    std::string text;
    editing::FormatDelay(value_, text, flags_.cm);
    SetWindowText(text);
}

void CEditDelay::Notify() {
    if (flags_.notify) SendTo(MainWindow(), WM_DELAY_CHANGED, 0, 0);
}

void CEditDelay::OnStepKey(unsigned vk) {
    if (!editing::StepDelayByKey(static_cast<int>(vk), value_)) return;
    UpdateText();
    Notify();
}

void CEditDelay::OnWheelKey(unsigned vk, int) {
    if (!editing::StepDelayByKey(static_cast<int>(vk), value_)) return;
    UpdateText();
    TakeFocusSelectAll();
    Notify();
}

void CEditDelay::PreKeyDown(unsigned vk) {
    if (vk == ui::VK_RETURN) {
        if (!IsWindowEnabled()) return;
        std::string text = GetWindowText();
        if (editing::ParseDelayText(value_, text, flags_.cm))
            Notify();
        else
            editing::FormatDelay(value_, text, flags_.cm);
        SetWindowText(text);
        SelectAll();
        return;
    }
    if (flags_.moves && (vk == ui::VK_LEFT || vk == ui::VK_RIGHT)) SendTo(MainWindow(), WM_MOVE_FOCUS, vk, 0);
}

}  // namespace controls
