#include "platform/ui/painter.h"

#include <algorithm>

#include "platform/ui/application.h"
#include "platform/ui/window.h"

namespace ui {

gfx::Rect Intersect(const gfx::Rect& a, const gfx::Rect& b) {
    gfx::Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
    return r.IsEmpty() ? gfx::Rect{} : r;
}

gfx::Rect Union(const gfx::Rect& a, const gfx::Rect& b) {
    if (a.IsEmpty()) return b;
    if (b.IsEmpty()) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

void Painter::AddDirty(Window& top, const gfx::Rect& rect) {
    top.dirty_ = Union(top.dirty_, Intersect(rect, top.GetClientRect()));
    if (top.dirty_.IsEmpty()) return;
    if (std::find(dirty_.begin(), dirty_.end(), top.Handle()) == dirty_.end()) dirty_.push_back(top.Handle());
}

void Painter::Forget(Window& top) {
    std::erase(dirty_, top.Handle());
}

void Painter::PaintTree(Window& w, gfx::Canvas& canvas, gfx::Point origin, const gfx::Rect& clip) {
    const gfx::Rect own =
        Intersect(gfx::RectFromSize(origin.x, origin.y, w.rect_.Width(), w.rect_.Height()), clip);
    if (own.IsEmpty()) return;
    const uint32_t handle = w.Handle();
    canvas.Save();
    canvas.ClipRect(own);
    canvas.Translate(origin.x, origin.y);
    w.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(&canvas));
    if (w.Handle() == handle) w.SendMessage(WM_PAINT, 0, reinterpret_cast<LPARAM>(&canvas));
    canvas.Restore();
    if (w.Handle() != handle) return;
    // Children are painted bottom of the z-order first, so the front one ends on top.
    const std::vector<Window*> children = w.children_;
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        Window* c = *it;
        if (!c->IsCreated() || !c->GetStyleVisible()) continue;
        PaintTree(*c, canvas, {origin.x + c->rect_.left, origin.y + c->rect_.top}, own);
    }
}

void Painter::PaintNow(Window& top) {
    if (std::find(dirty_.begin(), dirty_.end(), top.Handle()) == dirty_.end()) return;
    std::erase(dirty_, top.Handle());
    const gfx::Rect clip = top.dirty_;
    top.dirty_ = {};
    if (!top.IsWindowVisible() || clip.IsEmpty()) return;
    if (top.back_buffer_.Width() != top.rect_.Width() || top.back_buffer_.Height() != top.rect_.Height())
        top.back_buffer_ = gfx::Bitmap(top.rect_.Width(), top.rect_.Height());
    {
        gfx::Canvas canvas(top.back_buffer_);
        PaintTree(top, canvas, {0, 0}, clip);
    }
    if (top.native_) app_.GetBackend().Present(*top.native_, top.back_buffer_);
}

bool Painter::PaintAll() {
    if (dirty_.empty()) return false;
    const std::vector<uint32_t> pending = dirty_;
    for (uint32_t h : pending) {
        if (Window* top = app_.FromHandle(h))
            PaintNow(*top);
        else
            std::erase(dirty_, h);
    }
    return true;
}

}  // namespace ui
