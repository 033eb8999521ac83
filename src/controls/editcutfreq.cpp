#include "controls/editcutfreq.h"

#include <string>

#include "controls/editmessages.h"
#include "device/eqmodel.h"
#include "editing/freqtext.h"
#include "editing/indexes.h"
#include "editing/propagation.h"

namespace controls {

namespace {
constexpr int kMinFreq = 20;
constexpr int kMaxFreq = 20000;
}  // namespace

int* CutFreqEdit::Corner() const {
    const int ch = editing::CurrentChannel();
    if (ch < 0) return nullptr;
    return kind_ == editing::kFreqHighPass ? &g_HighPassFreq[ch] : &g_LowPassFreq[ch];
}

void CutFreqEdit::Show() {
    if (const int* v = Corner()) SetWindowText(std::to_string(*v));
}

void CutFreqEdit::OnStepKey(unsigned vk) {
    int* v = Corner();
    if (!v) return;
    int above = *v - kMinFreq;
    if (!editing::StepWithin(above, editing::KeyStep(static_cast<int>(vk)), kMaxFreq - kMinFreq)) return;
    *v = above + kMinFreq;
    Show();
    if (kind_ == editing::kFreqHighPass)
        editing::PropagateHighPassFreq();
    else
        editing::PropagateLowPassFreq();
}

void CutFreqEdit::PreKeyDown(unsigned vk) {
    if (vk == ui::VK_RETURN) {
        if (!IsWindowEnabled()) return;
        // An accepted text stays as typed; the parser has stored and copied it.
        if (!editing::SetFreqFromText(GetWindowText(), 0, kind_)) {
            Show();
            SelectAll();
        }
        return;
    }
    if (vk == ui::VK_LEFT || vk == ui::VK_RIGHT) SendTo(partner_, WM_MOVE_FOCUS, 0, 0);
}

void CutFreqEdit::PreKeyUp(unsigned vk) {
    if (vk == ui::VK_RETURN) SelectAll();
}

}  // namespace controls
