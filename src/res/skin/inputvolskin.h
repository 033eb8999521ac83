#pragma once
// The input-volume dialog's bitmaps: its four backgrounds, the horizontal sliders' thumbs and tracks per DPI
// band, and the close button's pairs, which the side dialogs share. Each id is registered once; an id that
// some other window registered first is kept as it is.
#include "platform/res/skin.h"

namespace res {

void RegisterInputVolumeSkin(Skin& skin);

}  // namespace res
