#include "controls/newsliderctrl.h"

#include "platform/ui/application.h"

namespace controls {

void CNewSliderCtrl::SetThumbBitmap(int bitmapId, int width, int height) {
    if (thumb_.IsCreated() || bitmapId == 0) return;
    if (!thumb_.Create(this, 0)) return;
    thumb_.SetBitmap(App().Skin().Get(bitmapId), width, height);
    thumb_.SetForwardMouse(true);
}

void CNewSliderCtrl::SetTrackBitmaps(int afterId, int beforeId) {
    FreeTrackBitmaps();
    after_ = std::make_unique<CNewSliderItem>();
    after_->Init(App().Skin().Get(afterId), 0, 0);
    before_ = std::make_unique<CNewSliderItem>();
    before_->Init(App().Skin().Get(beforeId), 0, 0);
    const gfx::Rect r = RectInParent();
    MoveWindow(gfx::RectFromSize(r.left, r.top, before_->GetBitmapWidth(), before_->GetBitmapHeight()));
    BringWindowToTop();
}

void CNewSliderCtrl::FreeTrackBitmaps() {
    before_.reset();
    after_.reset();
}

gfx::Rect CNewSliderCtrl::CalcThumbRect() const {
    const gfx::Rect c = thumb_.GetClientRect();
    const int w = c.Width(), h = c.Height();
    const gfx::Rect t = GetThumbRect();
    if (IsVertical()) {
        const int left = offset_ + t.left + (t.Width() - w) / 2;
        const int top = t.top + (t.Height() - h) / 2;
        return gfx::RectFromSize(left, top, w, h);
    }
    const int top = offset_ + t.top + (t.Height() - h) / 2;
    const int left = t.left + (t.Width() - w) / 2;
    return gfx::RectFromSize(left, top, w, h);
}

void CNewSliderCtrl::PaintChannel(gfx::Canvas& canvas, const Parts& parts, const gfx::Brush&,
                                  const ui::PaintState&) {
    if (!thumb_.IsCreated() || !before_ || !after_) return;
    const gfx::Rect c = parts.client;
    const gfx::Rect r = CalcThumbRect();
    // The before part also covers the strip under the thumb.
    if (IsVertical()) {
        if (r.bottom > 0) before_->DrawRegion(canvas, 0, 0, c.Width(), r.bottom, 0, 0);
        if (c.bottom > r.bottom) after_->DrawRegion(canvas, 0, r.bottom, c.Width(), c.bottom - r.bottom, 0, r.bottom);
    } else {
        if (r.right > 0) before_->DrawRegion(canvas, 0, 0, r.right, c.Height(), 0, 0);
        if (c.right > r.right) after_->DrawRegion(canvas, r.right, 0, c.right - r.right, c.Height(), r.right, 0);
    }
    if (thumb_.RectInParent() != r) thumb_.MoveWindow(r);
}

void CNewSliderCtrl::OnLButtonUp(unsigned keys, gfx::Point p) {
    // The drag held the capture, so the thumb did not see its release.
    thumb_.ShowReleased();
    ui::TrackBar::OnLButtonUp(keys, p);
}

}  // namespace controls
