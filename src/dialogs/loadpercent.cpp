#include "dialogs/loadpercent.h"

#include <algorithm>

#include "device/status.h"

namespace {
constexpr ui::UINT_PTR kTimerId = 1;
constexpr unsigned kPeriodMs = 50;
constexpr int kWidth = 300;
constexpr int kHeight = 60;
}  // namespace

CLoadPercent::CLoadPercent(ui::Application* app) : ui::Dialog(nullptr, app) {
    SetInitialSize(kWidth, kHeight);
}

bool CLoadPercent::OnInitDialog() {
    SetTimer(kTimerId, kPeriodMs);
    return true;
}

void CLoadPercent::OnTimer(ui::UINT_PTR id) {
    if (id != kTimerId) return ui::Dialog::OnTimer(id);
    const std::uint64_t progress = g_Progress.load();
    position_ = int(std::clamp<std::uint64_t>(progress, 1, kProgressDone));
    Invalidate(false);
    if (progress >= kProgressDone) {
        KillTimer(kTimerId);
        EndDialog(1);
    }
}

void CLoadPercent::OnPaint(gfx::Canvas& canvas) {
    const gfx::Rect r = GetClientRect();
    const gfx::Rect bar{10, r.Height() / 2 - 8, r.Width() - 10, r.Height() / 2 + 8};
    canvas.FillRect(r, gfx::Rgb(0xF0, 0xF0, 0xF0));
    canvas.FillRect(bar, gfx::Rgb(0xD0, 0xD0, 0xD0));
    const int filled = bar.left + (bar.Width() * position_) / kProgressDone;
    canvas.FillRect({bar.left, bar.top, filled, bar.bottom}, gfx::Rgb(0x30, 0x90, 0x30));
}
