#pragma once
#include "platform/gfx/bitmap.h"
#include "platform/gfx/color.h"
#include "platform/gfx/geometry.h"

typedef struct _cairo cairo_t;

namespace gfx {

// Draws on a Bitmap. Coordinates are pixels of the target, with an origin that a window's paint moves to its own
// client area. The GDI-like calls the program uses all live here.
class Canvas {
public:
    explicit Canvas(Bitmap& target);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    Bitmap& Target() { return target_; }

    // Moves the origin and clips to the given rectangle (in current coordinates) until the matching Restore.
    void Save();
    void Restore();
    void Translate(int dx, int dy);
    void ClipRect(const Rect& r);

    void FillRect(const Rect& r, Color c);

    cairo_t* Cairo() { return cr_; }

private:
    Bitmap& target_;
    cairo_t* cr_ = nullptr;
};

}  // namespace gfx
