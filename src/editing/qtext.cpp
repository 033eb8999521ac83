#include "editing/qtext.h"

#include "device/eqmodel.h"
#include "editing/indexes.h"
#include "editing/textscan.h"
#include "editing/valueshape.h"

namespace editing {

namespace {
constexpr long kQWholeLimit = 10;
}

bool SetBandQFromText(int band, std::string_view text) {
    const int ch = CurrentChannel();
    if (ch < 0 || !IsBand(band)) return false;
    const auto shaped = CheckValueShape(text, false, kQWholeLimit);
    if (!shaped) return false;
    const double q = ReadNumber(shaped->number);
    if (!(q >= kEqQMin && q <= kEqQMax)) return false;
    if (g_EqQ[ch][band] == q) return false;
    g_EqQ[ch][band] = q;
    g_EqQIndex[ch][band] = device::QIndexFor(q);
    return true;
}

bool StepQByKey(int key, int band) {
    const int ch = CurrentChannel();
    if (ch < 0 || !IsBand(band)) return false;
    const int step = KeyStep(key);
    if (step == 0) return true;
    int index = g_EqQIndex[ch][band];
    // At or beyond the end it would cross: a limit, nothing changes.
    if (step > 0 ? index >= kQTableSize - 1 : index <= 0) return false;
    // An index from outside the table would be read past its end; take the one the Q stands at instead.
    if (index >= kQTableSize || index < 0) index = device::QIndexFor(g_EqQ[ch][band]);
    if (!StepWithin(index, step, kQTableSize - 1)) return false;
    g_EqQIndex[ch][band] = index;
    g_EqQ[ch][band] = g_QTable[index];
    return true;
}

bool StepQByWheel(int delta, int band) {
    if (delta == kWheelStep) return StepQByKey(kKeyUp, band);
    if (delta == -kWheelStep) return StepQByKey(kKeyDown, band);
    return false;
}

}  // namespace editing
