#include "platform/ui/progressbar.h"

#include <algorithm>
#include <utility>

namespace ui {

void ProgressBar::SetRange(int lower, int upper) {
    lower_ = lower;
    upper_ = std::max(lower, upper);
    pos_ = std::clamp(pos_, lower_, upper_);
    Invalidate();
}

int ProgressBar::SetPos(int pos) {
    const int old = pos_;
    pos_ = std::clamp(pos, lower_, upper_);
    if (pos_ != old) Invalidate();
    return old;
}

int ProgressBar::StepIt() {
    const int old = pos_;
    long long next = static_cast<long long>(pos_) + step_;
    if (next > upper_) next = lower_ + (next - upper_);
    pos_ = static_cast<int>(std::clamp<long long>(next, lower_, upper_));
    Invalidate();
    return old;
}

void ProgressBar::OnPaint(gfx::Canvas& canvas) {
    const gfx::Rect c = GetClientRect();
    canvas.FillRect(c, syscolor::kBorder);
    const gfx::Rect inner{c.left + 1, c.top + 1, c.right - 1, c.bottom - 1};
    canvas.FillRect(inner, syscolor::kProgressTrough);
    if (upper_ == lower_ || inner.IsEmpty()) return;
    const int w = static_cast<int>(static_cast<long long>(pos_ - lower_) * inner.Width() / (upper_ - lower_));
    canvas.FillRect({inner.left, inner.top, inner.left + w, inner.bottom}, syscolor::kProgressFill);
}

}  // namespace ui
