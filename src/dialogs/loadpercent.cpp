#include "dialogs/loadpercent.h"

#include "device/status.h"
#include "dialogs/sideids.h"
#include "dialogs/sidetemplates.h"

namespace {
constexpr ui::UINT_PTR TIMER_PROGRESS = 1;
constexpr unsigned kPeriodMs = 50;
}  // namespace

CLoadPercent::CLoadPercent(ui::Application* app)
    : ui::TemplateDialog(dialogs::SideTemplate(IDD_LOAD_PERCENT), nullptr, app), bar_(app) {
    BindItem(IDC_PROGRESS_BAR, bar_);
}

bool CLoadPercent::OnInitDialog() {
    SetTimer(TIMER_PROGRESS, kPeriodMs);
    bar_.SetRange(1, int(kProgressDone));
    return ui::TemplateDialog::OnInitDialog();
}

void CLoadPercent::OnTimer(ui::UINT_PTR id) {
    if (id != TIMER_PROGRESS) return ui::TemplateDialog::OnTimer(id);
    const std::uint64_t progress = g_Progress.load();
    bar_.SetPos(static_cast<int>(static_cast<std::uint32_t>(progress)));
    if (progress >= kProgressDone) {
        KillTimer(TIMER_PROGRESS);
        EndDialog(ui::IDOK);
    }
}
