#include "dialogs/dialogfiltersetup.h"

#include "dialogs/standintemplate.h"
#include "mainwnd/shellmessages.h"
#include "mainwnd/shellstrings.h"
#include "res/uilanguage.h"

namespace {
// The lists by WM_FILTER_SETUP wParam: high-pass type, high-pass slope, low-pass type, low-pass slope.
constexpr std::array<int, 4> kListIds = {1054, 1056, 1055, 1057};

res::DialogTemplate MakeTemplate() {
    std::vector<res::DialogItem> items;
    for (int i = 0; i < 4; ++i)
        items.push_back({kListIds[i], res::ItemKind::kCombo,
                         gfx::RectFromSize(7 + 90 * (i / 2), 7 + 20 * (i % 2), 80, 80), res::kTabStop});
    return dialogs::StandInTemplate(IDD_FILTER_SETUP, {"Filter", "滤波器"}, {190, 70}, std::move(items));
}
}  // namespace

CDialogFilterSetup::CDialogFilterSetup(ui::Window* parent, ui::Application* app)
    : ui::TemplateDialog(MakeTemplate(), parent, app),
      lists_{ui::ComboBox(app), ui::ComboBox(app), ui::ComboBox(app), ui::ComboBox(app)} {
    for (int i = 0; i < 4; ++i) {
        BindItem(kListIds[i], lists_[i]);
        AddCommand(
            kListIds[i],
            [this, i](int) {
                dialogs::SendToMainWindow(App(), WM_FILTER_SETUP, ui::WPARAM(i), lists_[i].GetCurSel());
            },
            ui::CBN_SELCHANGE);
    }
}

bool CDialogFilterSetup::OnInitDialog() {
    // Types: Butterworth, Bessel. Slopes: 6..48 dB/Oct, then off.
    for (int i : {0, 2}) {
        lists_[i].AddString(res::LoadUiString(IDS_BUTTERWORTH));
        lists_[i].AddString(res::LoadUiString(IDS_BESSEL));
    }
    for (int i : {1, 3}) {
        for (std::string_view slope : kSlopeTexts) lists_[i].AddString(std::string(slope));
        lists_[i].AddString(res::LoadUiString(IDS_SLOPE_OFF));
    }
    return true;
}
