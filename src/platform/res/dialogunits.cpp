#include "platform/res/dialogunits.h"

#include <climits>
#include <cstdlib>

namespace res {

namespace {

struct KnownFont {
    const char* face;
    int points;
    BaseUnits units;  // at 96 DPI
};

constexpr KnownFont kKnown[] = {
    {"MS Shell Dlg", 8, {6, 13}},
    {"MS Shell Dlg", 9, {7, 14}},
    {"MS Shell Dlg 2", 8, {6, 13}},
    {"MS Shell Dlg 2", 9, {7, 14}},
};

BaseUnits At96(const DialogFont& font) {
    for (const KnownFont& k : kKnown) {
        if (font.face == k.face && font.points == k.points) return k.units;
    }
    // Other fonts: the 8-point units scaled by the point size. No template of the program needs this.
    const int points = font.points > 0 ? font.points : 8;
    return {MulDiv(6, points, 8), MulDiv(13, points, 8)};
}

}  // namespace

int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    const long long p = static_cast<long long>(a) * b;
    const long long ap = std::llabs(p), ac = std::llabs(static_cast<long long>(c));
    long long q = (ap + ac / 2) / ac;
    if ((p < 0) != (c < 0)) q = -q;
    if (q > INT_MAX || q < INT_MIN) return -1;
    return static_cast<int>(q);
}

BaseUnits DialogBaseUnits(const DialogFont& font, int dpi) {
    if (dpi <= 0) dpi = 96;
    const BaseUnits b = At96(font);
    return {MulDiv(b.x, dpi, 96), MulDiv(b.y, dpi, 96)};
}

int DluToPixelsX(int units, const BaseUnits& base) {
    return MulDiv(units, base.x, 4);
}
int DluToPixelsY(int units, const BaseUnits& base) {
    return MulDiv(units, base.y, 8);
}

gfx::Size TemplatePixelSize(const DialogTemplate& t, int dpi) {
    if (t.flags & kPixels) return t.size;
    const BaseUnits b = DialogBaseUnits(t.font, dpi);
    return {DluToPixelsX(t.size.cx, b), DluToPixelsY(t.size.cy, b)};
}

gfx::Rect ItemPixelRect(const DialogTemplate& t, const DialogItem& item, int dpi) {
    if (t.flags & kPixels) return item.rect;
    const BaseUnits b = DialogBaseUnits(t.font, dpi);
    return gfx::RectFromSize(DluToPixelsX(item.rect.left, b), DluToPixelsY(item.rect.top, b),
                             DluToPixelsX(item.rect.Width(), b), DluToPixelsY(item.rect.Height(), b));
}

}  // namespace res
