#include "dialogs/dialogfiltersetup.h"

#include <string>

#include "device/channelmodel.h"
#include "device/eqmodel.h"
#include "dialogs/sidetemplates.h"
#include "mainwnd/shellmessages.h"
#include "mainwnd/shellstrings.h"
#include "platform/ui/application.h"
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
      lists_{CMyComboBox(app), CMyComboBox(app), CMyComboBox(app), CMyComboBox(app)},
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
    // The main window lies below this modal dialog and takes no keys: Left and Right stay in here.
    highPassEdit_.SetPartner(&lowPassEdit_);
    lowPassEdit_.SetPartner(&highPassEdit_);
}

int CDialogFilterSetup::ArrowPng(int dpi) {
    if (dpi < 110) return 202;
    if (dpi < 132) return 316;
    if (dpi < 168) return 690;
    return 689;
}

int CDialogFilterSetup::FieldHeight(int dpi) {
    if (dpi < 110) return 18;
    if (dpi < 132) return 23;
    if (dpi < 188) return 30;
    return 40;
}

bool CDialogFilterSetup::OnInitDialog() {
    SizeItem(IDC_FILTER_HP_FREQ, {Scaled(70), Scaled(13)});
    SizeItem(IDC_FILTER_LP_FREQ, {Scaled(70), Scaled(13)});
    SetFrameFont({IDC_FILTER_HP_HEADING, IDC_FILTER_LP_HEADING}, 14);
    SetFrameFont({1482, 1483, 1484, 1485, 1486, 1487}, 12);
    // Types: Butterworth, Bessel. Slopes: 6..48 dB/Oct, then off. The item index is the model's value.
    for (int i : {0, 2}) {
        lists_[i].AddItem(res::LoadUiString(IDS_BUTTERWORTH), 0, dialogs::kWhite);
        lists_[i].AddItem(res::LoadUiString(IDS_BESSEL), 0, dialogs::kWhite);
    }
    for (int i : {1, 3}) {
        for (std::string_view slope : kSlopeTexts) lists_[i].AddItem(std::string(slope), 0, dialogs::kWhite);
        lists_[i].AddItem(res::LoadUiString(IDS_SLOPE_OFF), 0, dialogs::kWhite);
    }
    const int dpi = App().Dpi();
    for (CMyComboBox& list : lists_) {
        // Only the face is the list's own: a side dialog's open list is the system's drawing.
        list.SetTextFont(Scaled(12), "黑体", gfx::Rgb(1, 0, 0), dialogs::kNearWhite, 400);
        list.SetArrowImages(ArrowPng(dpi), ArrowPng(dpi));
        list.SetItemHeight(-1, FieldHeight(dpi));
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
