#include "dialogs/dialoglogo.h"

#include "device/status.h"
#include "dialogs/dialoglogoids.h"
#include "editing/modelrouting.h"
#include "platform/ui/application.h"

namespace {
constexpr ui::UINT_PTR kTimerId = 1;
constexpr unsigned kPeriodMs = 5;
}  // namespace

CDialogLogo::CDialogLogo(ui::Application* app) : ui::Dialog(nullptr, app) {
    SetInitialSize(360, 240);
    AddCommand(
        IDC_LOGO_CONFIRM, [this](int) { OnOK(); }, ui::BN_CLICKED);
}

int CDialogLogo::ModelOfOption(int option) {
    static constexpr int kModels[] = {0, 5, 4, 2, 6, 7, 1, 8, 9};
    return option >= 1 && option <= 8 ? kModels[option] : 0;
}

bool CDialogLogo::OnInitDialog() {
    SetTimer(kTimerId, kPeriodMs);
    return true;
}

void CDialogLogo::OnTimer(ui::UINT_PTR id) {
    if (id != kTimerId) return ui::Dialog::OnTimer(id);
    if (g_DeviceIdentified.load() == 1) {
        KillTimer(kTimerId);
        EndDialog(ui::IDOK);
    }
}

void CDialogLogo::OnOK() {
    const int model = ModelOfOption(option_);
    if (model != 0) {
        g_DeviceModel = model;
        g_ModelChosenManually = 1;
        editing::ApplyModelRouting();
    }
    EndDialog(ui::IDOK);
}

void CDialogLogo::OnCancel() {
    if (ui::Window* main = App().MainWindow()) main->SendMessage(ui::WM_CLOSE);
    EndDialog(ui::IDCANCEL);
}
