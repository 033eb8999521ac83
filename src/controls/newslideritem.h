#pragma once
// A bitmap strip divided into equal frames, stacked top to bottom when the bitmap is no wider than high (a
// square one counts as stacked), else side by side. A strip whose bitmap did not load (size 0) is empty: no
// frames, and it draws nothing.
#include "platform/gfx/bitmap.h"
#include "platform/gfx/canvas.h"

namespace controls {

class CNewSliderItem {
  public:
    // A frame size of 0 stands for the bitmap's whole width or height.
    void Init(const gfx::Bitmap& bitmap, unsigned frameWidth, unsigned frameHeight);

    // Copies the cx x cy rectangle at (srcX, srcY) of the bitmap to (x, y); 0 for cx or cy is the bitmap's
    // full width or height. False when there is nothing to copy.
    bool DrawRegion(gfx::Canvas& canvas, int x, int y, int cx, int cy, int srcX, int srcY) const;
    // Frame index at (0, 0); false when the index is not below the count.
    bool DrawFrame(gfx::Canvas& canvas, int index) const;
    bool GetFrameRect(gfx::Rect& out, int index) const;

    int GetCount() const { return count_; }
    unsigned GetFrameWidth() const { return frameWidth_; }
    unsigned GetFrameHeight() const { return frameHeight_; }
    int GetBitmapWidth() const { return bitmap_.Width(); }
    int GetBitmapHeight() const { return bitmap_.Height(); }
    bool IsVertical() const { return vertical_; }

  private:
    gfx::Bitmap bitmap_;
    int count_ = 0;
    unsigned frameWidth_ = 0;
    unsigned frameHeight_ = 0;
    bool vertical_ = true;
};

}  // namespace controls

using controls::CNewSliderItem;
