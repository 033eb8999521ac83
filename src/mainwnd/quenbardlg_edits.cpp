// The start-up step that links the value edits to the rest of the window.
#include "mainwnd/quenbardlg.h"
#include "mainwnd/quenbarids.h"

void CQuenbarDlg::InitValueEdits() {
    controls::ConnectBandGrid(m_EditFre, m_EditQ, m_EditFreqGain);
    for (int k = 0; k < kBands; ++k) m_EditFreqGain[k].SetSlider(&m_SliderBand[k]);
    for (int c = 0; c < kChannels; ++c) {
        if (c < 6)
            m_EditGain[c].InitSpeaker(c);
        else
            m_EditGain[c].Init(c, 0);
        m_EditDelay[c].HoldValueAt(&m_Delays[c]);
    }
    m_EditLowCut.SetPartner(&m_EditHighCut);
    m_EditHighCut.SetPartner(&m_EditLowCut);
    m_EditMaster.Init(&m_SliderMaster, GetDlgItem(IDC_MASTER_MUTE));
}
