#include "controls/newslideritem.h"

namespace controls {

void CNewSliderItem::Init(const gfx::Bitmap& bitmap, unsigned frameWidth, unsigned frameHeight) {
    bitmap_ = bitmap;
    const unsigned w = static_cast<unsigned>(bitmap_.IsNull() ? 0 : bitmap_.Width());
    const unsigned h = static_cast<unsigned>(bitmap_.IsNull() ? 0 : bitmap_.Height());
    vertical_ = w <= h;
    frameWidth_ = frameWidth ? frameWidth : w;
    frameHeight_ = frameHeight ? frameHeight : h;
    // An empty bitmap gives frame sizes of 0: nothing to divide by, and no frames.
    const unsigned along = vertical_ ? h : w, frame = vertical_ ? frameHeight_ : frameWidth_;
    count_ = frame ? static_cast<int>(along / frame) : 0;
}

bool CNewSliderItem::DrawRegion(gfx::Canvas& canvas, int x, int y, int cx, int cy, int srcX, int srcY) const {
    if (bitmap_.IsNull()) return false;
    if (cx == 0) cx = bitmap_.Width();
    if (cy == 0) cy = bitmap_.Height();
    if (cx < 0 || cy < 0) return false;
    canvas.BitBlt(gfx::RectFromSize(x, y, cx, cy), bitmap_, {srcX, srcY});
    return true;
}

bool CNewSliderItem::GetFrameRect(gfx::Rect& out, int index) const {
    if (index < 0 || index >= count_) return false;
    const int fw = static_cast<int>(frameWidth_), fh = static_cast<int>(frameHeight_);
    out = vertical_ ? gfx::RectFromSize(0, index * fh, fw, fh) : gfx::RectFromSize(index * fw, 0, fw, fh);
    return true;
}

bool CNewSliderItem::DrawFrame(gfx::Canvas& canvas, int index) const {
    gfx::Rect r;
    if (!GetFrameRect(r, index)) return false;
    return DrawRegion(canvas, 0, 0, r.Width(), r.Height(), r.left, r.top);
}

}  // namespace controls
