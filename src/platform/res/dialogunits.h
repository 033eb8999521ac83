#pragma once
#include "platform/gfx/geometry.h"
#include "platform/res/dialogtemplate.h"

namespace res {

// a * b / c rounded half away from zero, with a 64-bit product; -1 when c is 0 or the result does not fit an
// int, as Windows' MulDiv answers.
int MulDiv(int a, int b, int c);

// The dialog base units of a template font at a DPI. "MS Shell Dlg" at 8 points is 6 x 13 pixels and at 9
// points 7 x 14 at 96 DPI; each is scaled by dpi / 96 with MulDiv. They are fixed numbers, never measured
// from the installed substitute font, so every layout is the same on every machine.
struct BaseUnits {
    int x = 0, y = 0;
    bool operator==(const BaseUnits&) const = default;
};
BaseUnits DialogBaseUnits(const DialogFont& font, int dpi);

// Horizontal and vertical dialog units to pixels: x * base.x / 4 and y * base.y / 8.
int DluToPixelsX(int units, const BaseUnits& base);
int DluToPixelsY(int units, const BaseUnits& base);

// The client size of a template in pixels.
gfx::Size TemplatePixelSize(const DialogTemplate& t, int dpi);
// An item's rectangle in client pixels. Position and size convert separately, as a dialog creates its
// controls.
gfx::Rect ItemPixelRect(const DialogTemplate& t, const DialogItem& item, int dpi);

}  // namespace res
