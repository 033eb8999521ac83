#include "editing/modelrouting.h"

#include "device/channelmodel.h"
#include "device/status.h"

namespace editing {

namespace {

// The building blocks: one high-level input, one AUX input, and optical and Bluetooth of the same side (left
// for odd channels, right for even ones).
constexpr int L1 = 0x541, R2 = 0xA82, L3 = 0x544, R4 = 0xA88, L5 = 0x550, R6 = 0xAA0, L7 = 0x1540,
              R8 = 0x2A80, L9 = 0x10540, R10 = 0x20A80;
constexpr int X1 = 0x4501, Y2 = 0x8A02, X3 = 0x4504, Y4 = 0x8A08, X5 = 0x4510, Y6 = 0x8A20, X7 = 0x5500,
              Y8 = 0xAA00, X11 = 0x44500, Y12 = 0x88A00;

using Row = int[12];

// [model - 1][0 = AUX-3/4 present, 1 = hidden]
constexpr Row kResetTable[9][2] = {
    {{L1, R2, X3, Y4, L5, R6, X1, Y2, 0, 0, 0, 0}, {L1, R2, L3, R4, L5, R6, L1, R2, 0, 0, 0, 0}},
    {{L1, R2, X3, Y4, L5, R6, X7, Y8, L1, R2, X3, Y4}, {L1, R2, L3, R4, L5, R6, L7, R8, L1, R2, L3, R4}},
    {{L1, R2, X3, Y4, L5, R6, X1, Y2, L3, R4, X5, Y6}, {L1, R2, X3, Y4, L5, R6, X1, Y2, L3, R4, X5, Y6}},
    {{L1, R2, L3, R4, L5, R6, L1, R2, L3, R4, 0, 0}, {L1, R2, L3, R4, L5, R6, L1, R2, L3, R4, 0, 0}},
    {{L1, R2, L3, R4, L1, R2, L3, R4, 0, 0, 0, 0}, {L1, R2, L3, R4, L1, R2, L3, R4, 0, 0, 0, 0}},
    {{L1, R2, X3, Y4, L5, R6, X7, Y8, 0, 0, 0, 0}, {L1, R2, X3, Y4, L5, R6, X7, Y8, 0, 0, 0, 0}},
    {{L1, R2, L1, R2, L1, R2, L1, R2, L1, R2, 0, 0}, {L1, R2, L1, R2, L1, R2, L1, R2, L1, R2, 0, 0}},
    {{L1, R2, L3, R4, L5, R6, L7, R8, L9, R10, L1, R2}, {L1, R2, L3, R4, L5, R6, L7, R8, L9, R10, L1, R2}},
    {{L1, R2, X3, Y4, L5, R6, X7, Y8, L9, R10, X11, Y12},
     {L1, R2, X3, Y4, L5, R6, X7, Y8, L9, R10, X11, Y12}},
};

// The chooser's rows where they differ from the reset table.
constexpr Row kChooserModel4Present = {L1, R2, X3, Y4, L5, R6, X1, Y2, L3, R4, 0, 0};
constexpr Row kChooserModel6Hidden = {L1, R2, L3, R4, L5, R6, L7, R8, 0, 0, 0, 0};

void WriteRouting(bool fromChooser) {
    int masks[12];
    if (DefaultRouting(g_DeviceModel, g_HideAux34 != 0, fromChooser, masks)) {
        for (int c = 0; c < kChannels; ++c) g_RoutingMask[c] = masks[c];
    }
}

}  // namespace

bool DefaultRouting(int model, bool hideAux34, bool fromChooser, int (&masks)[12]) {
    if (model < 1 || model > 9) return false;
    const int* row = kResetTable[model - 1][hideAux34 ? 1 : 0];
    if (fromChooser && model == 4 && !hideAux34) row = kChooserModel4Present;
    if (fromChooser && model == 6 && hideAux34) row = kChooserModel6Hidden;
    for (int c = 0; c < 12; ++c) masks[c] = row[c];
    return true;
}

void ResetModelRouting() {
    WriteRouting(false);
}

void ApplyModelRouting() {
    WriteRouting(true);
}

}  // namespace editing
