#include "res/skin/programimages.h"

#include "platform/gfx/canvas.h"
#include "platform/res/dpi.h"
#include "res/skin/painters.h"
#include "res/skin/skinsizes.h"
#include "res/skinids.h"

namespace res {

namespace {

// Paints on a transparent bitmap: these images are blended over what lies under them.
template <typename Paint>
gfx::Bitmap PaintTransparent(gfx::Size size, Paint paint) {
    gfx::Bitmap bitmap(size.cx, size.cy);
    {
        gfx::Canvas canvas(bitmap);
        paint(canvas, size);
    }
    return bitmap;
}

bool AddPng(PngImages& images, int id, const gfx::Bitmap& bitmap) {
    return images.Add(id, bitmap.EncodePng());
}

}  // namespace

gfx::Bitmap PaintProgramIcon(int size) {
    return PaintTransparent({size, size}, &painters::Icon);
}

bool RegisterProgramImages(PngImages& images, int dpi) {
    bool all = true;
    for (int b = 0; b < kDpiBands; ++b) {
        const int id = skinid::kSourceComboArrow[b];
        // The shared arrow fits the arrow box of the band the screen is in.
        const gfx::Size size = id == skinid::kComboArrow ? skinsize::kComboArrow[DpiBand(dpi)]
                                                          : skinsize::kComboArrow[b];
        all = AddPng(images, id, PaintTransparent(size, &painters::ComboArrow)) && all;
    }
    all = AddPng(images, skinid::kAppIcon, PaintProgramIcon(skinsize::kIconSize)) && all;
    return all;
}

}  // namespace res
