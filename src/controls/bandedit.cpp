#include "controls/bandedit.h"

#include <string>

#include "controls/editmessages.h"
#include "editing/indexes.h"
#include "editing/propagation.h"
#include "editing/textscan.h"
#include "editing/valuetext.h"

namespace controls {

namespace {

constexpr int kMinFreq = 20;
constexpr int kMaxFreq = 20000;
constexpr int kMaxGainCode = 300;

std::string QText(int ch, int band) {
    return editing::FormatFixed(g_EqQ[ch][band], 2);
}

}  // namespace

template <BandRow Row>
bool CBandEdit<Row>::Step(unsigned vk, int delta) {
    const int ch = editing::CurrentChannel();
    if (ch < 0 || band_ < 0 || band_ >= kBands) return false;
    const int b = band_;
    if constexpr (Row == BandRow::kFreq) {
        int above = g_EqFreq[ch][b] - kMinFreq;
        if (!editing::StepWithin(above, editing::KeyStep(static_cast<int>(vk)), kMaxFreq - kMinFreq)) return false;
        g_EqFreq[ch][b] = above + kMinFreq;
        SetWindowText(std::to_string(g_EqFreq[ch][b]));
        editing::PropagateBandFreq(b);
    } else if constexpr (Row == BandRow::kQ) {
        const bool moved =
            delta ? editing::StepQByWheel(delta, b) : editing::StepQByKey(static_cast<int>(vk), b);
        if (!moved) return false;
        const std::string text = QText(ch, b);
        editing::PropagateBandQ(b);
        SetWindowText(text);
    } else {
        // Up is louder: a smaller code.
        if (!editing::StepWithin(g_EqGain[ch][b], -editing::KeyStep(static_cast<int>(vk)), kMaxGainCode))
            return false;
        editing::PropagateBandGain(b);
        ShowStored();
        if (slider_) slider_->SetPos(g_EqGain[ch][b]);
    }
    return true;
}

template <BandRow Row>
void CBandEdit<Row>::ShowStored() {
    const int ch = editing::CurrentChannel();
    if (ch < 0) return;
    if constexpr (Row == BandRow::kFreq) {
        SetWindowText(std::to_string(g_EqFreq[ch][band_]));
    } else if constexpr (Row == BandRow::kQ) {
        SetWindowText(QText(ch, band_));
    } else {
        std::string text = GetWindowText();
        editing::FormatEqGain(text, band_);
        SetWindowText(text);
    }
}

template <BandRow Row>
void CBandEdit<Row>::Commit() {
    const int ch = editing::CurrentChannel();
    if (ch < 0 || band_ < 0 || band_ >= kBands) return;
    const std::string text = GetWindowText();
    if constexpr (Row == BandRow::kFreq) {
        // An accepted text stays as typed ("0101"); the parser has stored and copied it.
        if (!editing::SetFreqFromText(text, band_, editing::kFreqBand)) ShowStored();
    } else if constexpr (Row == BandRow::kQ) {
        // The Q is copied whether the text was taken or not.
        editing::SetBandQFromText(band_, text);
        const std::string shown = QText(ch, band_);
        editing::PropagateBandQ(band_);
        SetWindowText(shown);
        SelectAll();
    } else {
        if (editing::SetBandGainFromText(band_, text)) {
            if (slider_) slider_->SetPos(g_EqGain[ch][band_]);
            editing::PropagateBandGain(band_);
        }
        ShowStored();
        SelectAll();
    }
}

template <BandRow Row>
void CBandEdit<Row>::PreKeyDown(unsigned vk) {
    ui::Window* to = nullptr;
    switch (vk) {
        case ui::VK_RETURN:
            // A disabled edit (graphic mode) commits nothing.
            if (IsWindowEnabled()) Commit();
            return;
        case ui::VK_RIGHT:
            to = right_;
            break;
        case ui::VK_LEFT:
            to = left_;
            break;
        case ui::VK_NEXT:
            to = pageDown_;
            break;
        case ui::VK_PRIOR:
            to = pageUp_;
            break;
        default:
            return;
    }
    SendTo(to, WM_MOVE_FOCUS, 0, 0);
}

template <BandRow Row>
void CBandEdit<Row>::PreKeyUp(unsigned vk) {
    if constexpr (Row == BandRow::kFreq) {
        if (vk == ui::VK_RETURN) SelectAll();
    } else {
        (void)vk;
    }
}

template class CBandEdit<BandRow::kFreq>;
template class CBandEdit<BandRow::kQ>;
template class CBandEdit<BandRow::kGain>;

void ConnectBandGrid(std::array<CEditFre, kBands>& freq, std::array<CEditQ, kBands>& q,
                     std::array<CEditFreqGain, kBands>& gain) {
    for (int k = 0; k < kBands; ++k) {
        const int right = (k + 1) % kBands, left = (k + kBands - 1) % kBands;
        freq[k].SetBand(k);
        q[k].SetBand(k);
        gain[k].SetBand(k);
        // Page Down goes one row down and Page Up one row up, the rows wrapping around.
        freq[k].SetNeighbours(&freq[right], &freq[left], &q[k], &gain[k]);
        q[k].SetNeighbours(&q[right], &q[left], &gain[k], &freq[k]);
        gain[k].SetNeighbours(&gain[right], &gain[left], &freq[k], &q[k]);
    }
}

}  // namespace controls
