// The routing matrix: 240 cell buttons, one per output and input, each showing one bit of the output's
// routing mask. A click changes the mask only (and, on a bridged pair, the partner's same bit); the change
// push takes it to the device at its next tick. The labels beside the matrix are coloured by the input
// source that feeds them. Also the mix volume that the settings dialog reports.
#include "device/channelmodel.h"
#include "device/status.h"
#include "mainwnd/quenbardlg.h"
#include "mainwnd/quenbarids.h"
#include "mainwnd/routingids.h"

namespace {

// The flags of the pairs CH1/2 .. CH11/12.
int* const kPairFlags[kPairs] = {&g_BridgeCh12, &g_BridgeCh34,  &g_BridgeCh56,
                                 &g_BridgeCh78, &g_BridgeCh910, &g_BridgeCh1112};

}  // namespace

void CQuenbarDlg::AddRoutingHandlers() {
    for (const auto& row : g_RoutingButtonIds) {
        for (int id : row) {
            AddCommand(
                id, [this](int clicked) { OnRoutingCellClicked(clicked); }, ui::BN_CLICKED);
        }
    }
}

void CQuenbarDlg::OnRoutingCellClicked(int id) {
    for (int o = 0; o < kChannels; ++o) {
        for (int j = 0; j < kInputs; ++j) {
            if (g_RoutingButtonIds[o][j] == id) return ToggleRoutingCell(o, j);
        }
    }
}

void CQuenbarDlg::ToggleRoutingCell(int o, int j) {
    const int bit = 1 << j;
    g_RoutingMask[o] ^= bit;
    const bool on = (g_RoutingMask[o] & bit) != 0;
    if (*kPairFlags[o / 2] == 1) {
        // The partner takes the new state; it is not toggled.
        const int partner = o ^ 1;
        if (on)
            g_RoutingMask[partner] |= bit;
        else
            g_RoutingMask[partner] &= ~bit;
        RedrawControl(g_RoutingButtonIds[partner][j]);
    }
    RedrawControl(g_RoutingButtonIds[o][j]);
}

void CQuenbarDlg::RedrawMatrixRow(int channel) {
    if (channel < 0 || channel >= kChannels) return;
    for (int id : g_RoutingButtonIds[channel]) RedrawControl(id);
}

void CQuenbarDlg::RedrawBridgeButtons() {
    for (int id : g_BridgeButtonIds) RedrawControl(id);
}

int CQuenbarDlg::GetInputLabelKind(int controlId) const {
    const bool model7 = g_DeviceModel.load() == 7;
    for (const auto& row : g_InputLabelIds) {
        for (int j = 0; j < kInputs; ++j) {
            if (row[j] != controlId) continue;
            switch (j) {
                case 6:
                case 7:
                    return 2;
                case 14:
                case 15:
                    return model7 ? 10 : 2;
                case 8:
                case 9:
                    return 5;
                case 10:
                case 11:
                    return 3;
                case 2:
                case 3:
                case 4:
                case 5:
                case 12:
                case 13:
                    return model7 ? 10 : 1;
                default:
                    return 1;
            }
        }
    }
    return 0;
}

void CQuenbarDlg::OnMixVolumeChanged(ui::WPARAM volume) {
    // Stored as given; the change push packs it (a value above 60 leaves the device's byte as it is).
    g_HighLevelMixVolume = int(volume);
}
