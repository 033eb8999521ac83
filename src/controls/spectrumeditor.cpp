#include "controls/spectrumeditor.h"

#include "device/eqmodel.h"

using namespace controls;

namespace {

bool FreqInRange(int v) {
    return static_cast<unsigned>(v) >= kFreqMin && static_cast<unsigned>(v) <= kFreqMax;
}
bool GainCodeValid(int code) {
    return static_cast<unsigned>(code) <= kEqGainMax;
}
double GainCodeToDb(int code) {
    return 15.0 - code / 10.0;
}

// A slope index 0..7 is 6..48 dB/oct; any other index switches the filter off (0 dB/oct).
unsigned SlopeDb(unsigned index) {
    return index <= 7 ? 6 * (index + 1) : 0;
}

}  // namespace

SpectrumEditor::SpectrumEditor(int dpi)
    : m_nDpi(dpi), m_nHighPassFreq(kHighPassDefault), m_nLowPassFreq(kLowPassDefault) {
    // The graph starts from the model's defaults: default frequencies, flat gains, the default Q and both
    // filters off at the ends of the axis, so a paint before the first push shows a flat curve.
    for (int b = 0; b < kGraphBands; ++b) {
        m_nFreq[b] = g_DefaultEqFreq[b];
        m_dGain[b] = 0.0;
        m_dQ[b] = kDefaultQ;
    }
    for (int c = 0; c < kGraphChannels; ++c) {
        for (int b = 0; b < kGraphBands; ++b) {
            m_nAllFreq[c][b] = g_DefaultEqFreq[b];
            m_dAllGain[c][b] = 0.0;
            m_dAllQ[c][b] = kDefaultQ;
        }
        m_nAllHighPassFreq[c] = kHighPassDefault;
        m_nAllLowPassFreq[c] = kLowPassDefault;
        m_nAllHighPassSlope[c] = m_nAllLowPassSlope[c] = 0;
        m_nAllHighPassType[c] = m_nAllLowPassType[c] = 0;
        m_nAllFilterOff[c] = 3;
    }
}

void SpectrumEditor::SetGraphRect(int left, int top, int right, int bottom) {
    m_rcClient = {left, top, right, bottom};
    m_Layout = CalcGraphLayout(m_rcClient, m_nDpi);
    m_bLayoutSet = true;
    UpdateBandCurve(false, kGraphBands);
}

void SpectrumEditor::SetBandFreqs(const int* values, unsigned count) {
    if (!values || count > kGraphBands) return;
    for (unsigned i = 0; i < count; ++i)
        if (FreqInRange(values[i])) m_nFreq[i] = values[i];
}

void SpectrumEditor::SetBandGains(const int* codes, unsigned count) {
    if (!codes || count > kGraphBands) return;
    for (unsigned i = 0; i < count; ++i)
        if (GainCodeValid(codes[i])) m_dGain[i] = GainCodeToDb(codes[i]);
}

void SpectrumEditor::SetBandQs(const double* values, unsigned count) {
    if (!values || count > kGraphBands) return;
    for (unsigned i = 0; i < count; ++i) m_dQ[i] = values[i];
}

void SpectrumEditor::SetAllChannelFreqs(const int* values, unsigned count) {
    if (!values || count > kAllBands) return;
    for (unsigned i = 0; i < count; ++i)
        if (FreqInRange(values[i])) m_nAllFreq[i / kGraphBands][i % kGraphBands] = values[i];
}

void SpectrumEditor::SetAllChannelGains(const int* codes, unsigned count) {
    if (!codes || count > kAllBands) return;
    for (unsigned i = 0; i < count; ++i)
        if (GainCodeValid(codes[i])) m_dAllGain[i / kGraphBands][i % kGraphBands] = GainCodeToDb(codes[i]);
}

void SpectrumEditor::SetAllChannelQs(const double* values, unsigned count) {
    if (!values || count > kAllBands) return;
    for (unsigned i = 0; i < count; ++i) m_dAllQ[i / kGraphBands][i % kGraphBands] = values[i];
}

void SpectrumEditor::SetFilters(unsigned hpFreq, unsigned lpFreq, unsigned hpSlope, unsigned lpSlope,
                                unsigned hpType, unsigned lpType, bool redraw) {
    m_nHighPassFreq = hpFreq;
    m_nLowPassFreq = lpFreq;
    m_nHighPassType = hpType;
    m_nLowPassType = lpType;
    m_nHighPassSlope = SlopeDb(hpSlope);
    m_nLowPassSlope = SlopeDb(lpSlope);
    m_nFilterOff = (hpSlope <= 7 ? 0 : 1) | (lpSlope <= 7 ? 0 : 2);
    UpdateFilterCurves();
    if (redraw) RequestRedraw();
}

void SpectrumEditor::SetAllChannelFilters(const int* hpFreq, const int* lpFreq, const int* hpSlope,
                                          const int* lpSlope, const int* hpType, const int* lpType) {
    if (!hpFreq || !lpFreq || !hpSlope || !lpSlope || !hpType || !lpType) return;
    for (int c = 0; c < kGraphChannels; ++c) {
        unsigned hs = static_cast<unsigned>(hpSlope[c]), ls = static_cast<unsigned>(lpSlope[c]);
        m_nAllHighPassFreq[c] = static_cast<unsigned>(hpFreq[c]);
        m_nAllLowPassFreq[c] = static_cast<unsigned>(lpFreq[c]);
        m_nAllHighPassSlope[c] = SlopeDb(hs);
        m_nAllLowPassSlope[c] = SlopeDb(ls);
        m_nAllHighPassType[c] = static_cast<unsigned>(hpType[c]);
        m_nAllLowPassType[c] = static_cast<unsigned>(lpType[c]);
        m_nAllFilterOff[c] = (hs <= 7 ? 0u : 1u) | (ls <= 7 ? 0u : 2u);
    }
}

void SpectrumEditor::SetCurrentChannel(int channel, bool redraw) {
    if (channel < 0 || channel >= kGraphChannels) return;
    m_Bezier.SetChannel(channel);
    m_nChannel = channel;
    if (redraw) RequestRedraw();
}

void SpectrumEditor::SetFreeDrag(bool free) {
    m_bFreeDrag = free;
    RequestRedraw();
}

bool SpectrumEditor::SelectBand(int band) {
    if (band >= kGraphBands) return false;
    m_nSelBand = band < 0 ? -1 : band;
    m_nSelFilter = -1;
    RequestRedraw();
    return true;
}

void SpectrumEditor::SelectFilter(int which) {
    m_nSelFilter = which == 0 ? 0 : (which > 0 ? 1 : -1);
    m_nSelBand = -1;
}

int SpectrumEditor::ToggleChannel(int channel) {
    if (channel >= 0 && channel < kGraphChannels) m_nChannelMask ^= 1 << channel;
    return m_nChannelMask;
}

void SpectrumEditor::UpdateBandCurve(bool redraw, int band) {
    if (band < 0 || band > kGraphBands) return;
    int first = band == kGraphBands ? 0 : band;
    int last = band == kGraphBands ? kGraphBands - 1 : band;
    for (int b = first; b <= last; ++b) {
        BandPoints p = MakeBandPoints(m_Layout, m_nFreq[b], m_dGain[b], m_dQ[b]);
        m_Bezier.SetBandPoints(p.data(), b);
    }
    if (redraw) RequestRedraw();
}

void SpectrumEditor::UpdateChannelCurve(bool redraw, int channel) {
    if (channel < 0 || channel >= kGraphChannels) return;
    for (int b = 0; b < kGraphBands; ++b) {
        BandPoints p =
            MakeBandPoints(m_Layout, m_nAllFreq[channel][b], m_dAllGain[channel][b], m_dAllQ[channel][b]);
        m_Bezier.SetBandPoints(p.data(), b);
    }
    if (redraw) RequestRedraw();
}

namespace {

void StoreFilterPoints(const FilterPoints& p, Point* out) {
    for (int i = 0; i < 4; ++i) out[i] = p[i];
}

void UpdateFilters(const GraphLayout& g, CBezier& bz, unsigned hpFreq, unsigned hpType, unsigned hpSlope,
                   unsigned lpFreq, unsigned lpType, unsigned lpSlope) {
    FilterPoints p;
    if (MakeHighPassPoints(g, hpFreq, hpType, hpSlope, p)) StoreFilterPoints(p, bz.m_ptHighPass);
    if (MakeLowPassPoints(g, lpFreq, lpType, lpSlope, p)) StoreFilterPoints(p, bz.m_ptLowPass);
}

}  // namespace

void SpectrumEditor::UpdateFilterCurves() {
    UpdateFilters(m_Layout, m_Bezier, m_nHighPassFreq, m_nHighPassType, m_nHighPassSlope, m_nLowPassFreq,
                  m_nLowPassType, m_nLowPassSlope);
}

void SpectrumEditor::UpdateChannelFilterCurves(int channel) {
    if (channel < 0 || channel >= kGraphChannels) return;
    UpdateFilters(m_Layout, m_Bezier, m_nAllHighPassFreq[channel], m_nAllHighPassType[channel],
                  m_nAllHighPassSlope[channel], m_nAllLowPassFreq[channel], m_nAllLowPassType[channel],
                  m_nAllLowPassSlope[channel]);
}

void SpectrumEditor::UpdateBandQPoints(int band) {
    if (band < 0 || band >= kGraphBands) return;
    BandPoints p;
    for (int i = 0; i < kPointsPerBand; ++i) p[i] = m_Bezier.m_ptBand[band][i];
    SetBandQXs(p, p[3].x, m_dQ[band]);
    m_Bezier.SetBandPoints(p.data(), band);
}
