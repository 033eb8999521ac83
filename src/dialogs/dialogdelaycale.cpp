#include "dialogs/dialogdelaycale.h"

#include <string>

#include "device/status.h"
#include "dialogs/sidestrings.h"
#include "dialogs/sidetemplates.h"
#include "editing/delaytext.h"
#include "mainwnd/shellmessages.h"
#include "res/skin/sidedialogskin.h"

namespace {

dialogs::FrameFeatures DelayFeatures() {
    namespace skin = res::sideskin;
    dialogs::FrameFeatures f = dialogs::PanelFrame(dialogs::kWhite, dialogs::EditColours::kWhiteOnBlue);
    f.buttons = {{IDC_DELAY_CALE_APPLY, skin::kTextButtonPressed, skin::kTextButton, dialogs::IDS_DELAY_CALCULATE},
                 {IDC_DELAY_CALE_CLEAR, skin::kTextButtonPressed, skin::kTextButton, dialogs::IDS_RESET}};
    return f;
}

// Whether the rows of CH9/CH10 and CH11/CH12 show for a device model.
struct ExtraRows {
    bool ch9and10;
    bool ch11and12;
};
ExtraRows ExtraRowsOf(int model) {
    switch (model) {
        case 3:
        case 4:
            return {true, false};
        case 1:
        case 5:
        case 6:
            return {false, false};
        default:  // 2, 8, 9 and any other value: as the template has them
            return {true, true};
    }
}

}  // namespace

CDialogDelayCale::CDialogDelayCale(ui::Window* parent, ui::Application* app)
    : dialogs::CSideDialog(dialogs::SideTemplate(IDD_DIALOG_DELAY_CALE), DelayFeatures(), parent, app),
      edits_{CEditDelayCale(app), CEditDelayCale(app), CEditDelayCale(app), CEditDelayCale(app),
             CEditDelayCale(app), CEditDelayCale(app), CEditDelayCale(app), CEditDelayCale(app),
             CEditDelayCale(app), CEditDelayCale(app), CEditDelayCale(app), CEditDelayCale(app)} {
    for (int ch = 0; ch < 12; ++ch) {
        edits_[ch].HoldValueAt(&distances_[ch]);
        BindItem(kDelayCaleEditIds[ch], edits_[ch]);
        AddCommand(
            kDelayCaleEditIds[ch], [this, ch](int) { ParseDistance(ch); }, ui::EN_KILLFOCUS);
    }
    AddCommand(
        IDC_DELAY_CALE_APPLY, [this](int) { SendResults(); }, ui::BN_CLICKED);
    AddCommand(
        IDC_DELAY_CALE_CLEAR,
        [this](int) {
            for (int ch = 0; ch < 12; ++ch) {
                distances_[ch] = 0;
                ShowDistance(ch);
            }
            SendResults();
        },
        ui::BN_CLICKED);
}

void CDialogDelayCale::SetDistances(const int (&distances)[12]) {
    std::copy(std::begin(distances), std::end(distances), distances_.begin());
}

bool CDialogDelayCale::OnInitDialog() {
    SetFrameFont({IDC_DELAY_CALE_UNIT, IDC_DELAY_CALE_TITLE}, 13);
    SetFrameFont({kDelayCaleLabelIds[0], kDelayCaleLabelIds[1], kDelayCaleLabelIds[2], kDelayCaleLabelIds[3],
                  kDelayCaleLabelIds[4], kDelayCaleLabelIds[5], kDelayCaleLabelIds[6], kDelayCaleLabelIds[7],
                  kDelayCaleLabelIds[8], kDelayCaleLabelIds[9], kDelayCaleLabelIds[10], kDelayCaleLabelIds[11]},
                 12);
    for (int ch = 0; ch < 12; ++ch) ShowDistance(ch);
    const ExtraRows rows = ExtraRowsOf(g_DeviceModel.load());
    for (int ch = 8; ch < 12; ++ch) {
        const bool shown = ch < 10 ? rows.ch9and10 : rows.ch11and12;
        ShowItem(kDelayCaleEditIds[ch], shown);
        ShowItem(kDelayCaleLabelIds[ch], shown);
    }
    return dialogs::CSideDialog::OnInitDialog();
}

void CDialogDelayCale::ShowDistance(int channel) {
    edits_[channel].UpdateText();
}

void CDialogDelayCale::ParseDistance(int channel) {
    std::string text = edits_[channel].GetWindowText();
    if (!editing::ParseDelayText(&distances_[channel], text, true)) editing::FormatDelay(&distances_[channel], text, true);
    edits_[channel].SetWindowText(text);
}

void CDialogDelayCale::SendResults() {
    // The farthest speaker is the reference; of equal ones the first counts.
    int reference = 0;
    for (int ch = 1; ch < 12; ++ch) {
        if (distances_[ch] > distances_[reference]) reference = ch;
    }
    for (int ch = 0; ch < 12; ++ch) {
        const int delay = distances_[reference] - distances_[ch];
        dialogs::SendToMainWindow(App(), WM_DELAY_RESULT, ui::WPARAM(ch),
                                  ui::LPARAM(distances_[ch]) << 16 | delay);
    }
}
