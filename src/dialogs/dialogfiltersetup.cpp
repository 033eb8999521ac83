#include "dialogs/dialogfiltersetup.h"

#include <string>

#include "device/channelmodel.h"
#include "device/eqmodel.h"
#include "dialogs/sidetemplates.h"
#include "mainwnd/shellmessages.h"
#include "mainwnd/shellstrings.h"
#include "res/skin/sidedialogskin.h"
#include "res/uilanguage.h"

namespace {

// The lists by WM_FILTER_SETUP wParam: high-pass type, high-pass slope, low-pass type, low-pass slope.
constexpr std::array<int, 4> kListIds = {IDC_FILTER_HP_TYPE, IDC_FILTER_HP_SLOPE, IDC_FILTER_LP_TYPE,
                                         IDC_FILTER_LP_SLOPE};

dialogs::FrameFeatures FilterFeatures() {
    return dialogs::PanelFrame(dialogs::kGreyLabel, dialogs::EditColours::kFilterOnBlack);
}

}  // namespace

CDialogFilterSetup::CDialogFilterSetup(ui::Window* parent, ui::Application* app)
    : dialogs::CSideDialog(dialogs::SideTemplate(IDD_FILTER_SETUP), FilterFeatures(), parent, app),
      lists_{ui::ComboBox(app), ui::ComboBox(app), ui::ComboBox(app), ui::ComboBox(app)},
      highPassEdit_(app),
      lowPassEdit_(app) {
    for (int i = 0; i < 4; ++i) {
        BindItem(kListIds[i], lists_[i]);
        AddCommand(
            kListIds[i],
            [this, i](int) {
                dialogs::SendToMainWindow(App(), WM_FILTER_SETUP, ui::WPARAM(i), lists_[i].GetCurSel());
            },
            ui::CBN_SELCHANGE);
    }
    BindItem(IDC_FILTER_HP_FREQ, highPassEdit_);
    BindItem(IDC_FILTER_LP_FREQ, lowPassEdit_);
}

bool CDialogFilterSetup::OnInitDialog() {
    SizeItem(IDC_FILTER_HP_FREQ, {Scaled(70), Scaled(13)});
    SizeItem(IDC_FILTER_LP_FREQ, {Scaled(70), Scaled(13)});
    SetFrameFont({IDC_FILTER_HP_HEADING, IDC_FILTER_LP_HEADING}, 14);
    SetFrameFont({1482, 1483, 1484, 1485, 1486, 1487}, 12);
    // Types: Butterworth, Bessel. Slopes: 6..48 dB/Oct, then off.
    for (int i : {0, 2}) {
        lists_[i].AddString(res::LoadUiString(IDS_BUTTERWORTH));
        lists_[i].AddString(res::LoadUiString(IDS_BESSEL));
    }
    for (int i : {1, 3}) {
        for (std::string_view slope : kSlopeTexts) lists_[i].AddString(std::string(slope));
        lists_[i].AddString(res::LoadUiString(IDS_SLOPE_OFF));
    }
    const int ch = g_CurrentChannel >= 0 && g_CurrentChannel < kChannels ? g_CurrentChannel : 0;
    lowPassEdit_.SetWindowText(std::to_string(g_LowPassFreq[ch]));
    lists_[2].SetCurSel(g_LowPassType[ch]);
    lists_[3].SetCurSel(g_LowPassSlope[ch]);
    highPassEdit_.SetWindowText(std::to_string(g_HighPassFreq[ch]));
    lists_[0].SetCurSel(g_HighPassType[ch]);
    lists_[1].SetCurSel(g_HighPassSlope[ch]);
    return dialogs::CSideDialog::OnInitDialog();
}

const gfx::Brush* CDialogFilterSetup::OnCtlColor(gfx::Canvas& canvas, ui::Window* control, int kind) {
    const gfx::Brush* brush = dialogs::CSideDialog::OnCtlColor(canvas, control, kind);
    // The headings stand out from the other labels.
    if (kind == ui::CTLCOLOR_STATIC && control &&
        (control->GetDlgCtrlID() == IDC_FILTER_HP_HEADING || control->GetDlgCtrlID() == IDC_FILTER_LP_HEADING))
        canvas.SetTextColor(dialogs::kNearWhite);
    return brush;
}
