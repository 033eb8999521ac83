#include "controls/newsliderwnd.h"

namespace controls {

bool CNewSliderWnd::Create(ui::Window* parent, int id) {
    return ui::Window::Create(parent, id, {}, "", ui::WS_VISIBLE);
}

void CNewSliderWnd::SetBitmap(const gfx::Bitmap& bitmap, int frameWidth, int frameHeight) {
    item_ = std::make_unique<CNewSliderItem>();
    item_->Init(bitmap, static_cast<unsigned>(std::max(0, frameWidth)), static_cast<unsigned>(std::max(0, frameHeight)));
    MoveWindow(gfx::RectFromSize(0, 0, static_cast<int>(item_->GetFrameWidth()),
                                 static_cast<int>(item_->GetFrameHeight())));
}

bool CNewSliderWnd::OnEraseBkgnd(gfx::Canvas& canvas) {
    if (item_) item_->DrawFrame(canvas, frame_);
    return true;
}

void CNewSliderWnd::ShowFrame(int frame) {
    if (frame == frame_) return;
    frame_ = frame;
    Invalidate();
}

void CNewSliderWnd::ShowReleased() {
    ShowFrame(item_ && item_->GetCount() > 1 ? 1 : 0);
}

void CNewSliderWnd::Forward(ui::UINT message, unsigned keys, gfx::Point p) {
    ui::Window* slider = GetParent();
    if (!forward_ || !slider) return;
    const gfx::Point at = slider->ScreenToClient(ClientToScreen(p));
    slider->SendMessage(message, keys, ui::MAKELPARAM(at.x, at.y));
}

void CNewSliderWnd::OnMouseMove(unsigned keys, gfx::Point p) {
    if (!tracking_) {
        TrackMouseEvent(ui::TME_HOVER | ui::TME_LEAVE, 1);
        tracking_ = true;
    }
    Forward(ui::WM_MOUSEMOVE, keys, p);
}

void CNewSliderWnd::OnLButtonDown(unsigned keys, gfx::Point p) {
    ShowFrame(item_ && item_->GetCount() > 2 ? 2 : 0);
    Forward(ui::WM_LBUTTONDOWN, keys, p);
}

void CNewSliderWnd::OnLButtonUp(unsigned keys, gfx::Point p) {
    ShowReleased();
    Forward(ui::WM_LBUTTONUP, keys, p);
}

}  // namespace controls
