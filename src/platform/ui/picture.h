#pragma once
#include "platform/gfx/bitmap.h"
#include "platform/ui/static.h"

namespace ui {

// A picture static (SS_BITMAP): its bitmap stretched over its whole rectangle, or drawn at its own size in
// the middle with kCenterImage. Without a bitmap it paints only the colour step's background.
class Picture : public Static {
  public:
    explicit Picture(Application* app = nullptr) : Static(app) {}

    void SetBitmap(const gfx::Bitmap& bitmap);
    void ClearBitmap();
    const gfx::Bitmap& GetBitmap() const { return bitmap_; }

  protected:
    void OnPaint(gfx::Canvas& canvas) override;

  private:
    gfx::Bitmap bitmap_;
};

}  // namespace ui
