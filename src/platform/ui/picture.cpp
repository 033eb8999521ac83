#include "platform/ui/picture.h"

namespace ui {

void Picture::SetBitmap(const gfx::Bitmap& bitmap) {
    bitmap_ = bitmap;
    Invalidate();
}

void Picture::ClearBitmap() {
    bitmap_ = gfx::Bitmap();
    Invalidate();
}

void Picture::OnPaint(gfx::Canvas& canvas) {
    PaintBackground(canvas);
    if (bitmap_.IsNull()) return;
    const gfx::Rect src{0, 0, bitmap_.Width(), bitmap_.Height()};
    const gfx::Rect c = GetClientRect();
    if (HasControlStyle(res::kCenterImage)) {
        const int x = (c.Width() - bitmap_.Width()) / 2, y = (c.Height() - bitmap_.Height()) / 2;
        canvas.BitBlt({x, y}, bitmap_);
    } else {
        canvas.StretchBlt(c, bitmap_, src);
    }
}

}  // namespace ui
