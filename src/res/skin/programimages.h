#pragma once
#include "platform/gfx/bitmap.h"
#include "platform/res/pngimages.h"

namespace res {

// Puts the PNG images of the main window into images: the combo boxes' drop arrows (one per DPI band; id 202,
// which the other combos take in every band, at the size of the screen's band) and the program's icon 128 at
// 256 × 256. Images hold PNG bytes, so these are painted and encoded here, once. False when an id was taken.
bool RegisterProgramImages(PngImages& images, int dpi);

// The program's icon at size × size, on a transparent ground; icon 128 is this at 256. For the places that
// want it smaller and sharp (a window's small icon, the About box).
gfx::Bitmap PaintProgramIcon(int size);

}  // namespace res
