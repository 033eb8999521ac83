#include "dialogs/dialogdelaycale.h"

#include <algorithm>

#include "dialogs/standintemplate.h"
#include "mainwnd/shellmessages.h"

namespace {
res::DialogTemplate MakeTemplate() {
    using gfx::RectFromSize;
    using res::ItemKind;
    return dialogs::StandInTemplate(IDD_DIALOG_DELAY_CALE, {"DelayCale", "延时计算"}, {180, 70},
                                    {{IDC_DELAY_CALE_APPLY,
                                      ItemKind::kButton,
                                      RectFromSize(7, 7, 80, 14),
                                      res::kTabStop,
                                      {"Apply", "计算"}},
                                     {IDC_DELAY_CALE_CLEAR,
                                      ItemKind::kButton,
                                      RectFromSize(93, 7, 80, 14),
                                      res::kTabStop,
                                      {"Clear", "清零"}}});
}
}  // namespace

CDialogDelayCale::CDialogDelayCale(ui::Window* parent, ui::Application* app)
    : ui::TemplateDialog(MakeTemplate(), parent, app) {
    AddCommand(
        IDC_DELAY_CALE_APPLY, [this](int) { SendResults(); }, ui::BN_CLICKED);
    AddCommand(
        IDC_DELAY_CALE_CLEAR,
        [this](int) {
            distances_.fill(0);
            SendResults();
        },
        ui::BN_CLICKED);
}

void CDialogDelayCale::SetDistances(const int (&distances)[12]) {
    std::copy(std::begin(distances), std::end(distances), distances_.begin());
}

void CDialogDelayCale::SendResults() {
    // The farthest speaker gets no delay; the first of equal ones counts.
    const int farthest = *std::max_element(distances_.begin(), distances_.end());
    for (int i = 0; i < 12; ++i) {
        const int d = distances_[i];
        dialogs::SendToMainWindow(App(), WM_DELAY_RESULT, ui::WPARAM(i),
                                  ui::LPARAM(d) << 16 | (farthest - d));
    }
}
