#pragma once
#include "platform/gfx/bitmap.h"
#include "platform/gfx/color.h"
#include "platform/gfx/geometry.h"

#include <string>

typedef struct _cairo cairo_t;

namespace gfx {

// A font as the program asks for it: a face name as written in the program ("宋体", "MS Shell Dlg", ...), a height
// in pixels (the cell height, like a negative LOGFONT height) and a weight (400 normal, 700 bold).
struct Font {
    std::string face = "MS Shell Dlg";
    int height = 13;
    int weight = 400;
    bool operator==(const Font&) const = default;
};

// Text layout flags, named after the DrawText ones the program uses.
enum TextFlags : unsigned {
    kTextLeft = 0,
    kTextCenter = 1u << 0,
    kTextRight = 1u << 1,
    kTextVCenter = 1u << 2,
    kTextSingleLine = 1u << 3,
    kTextEndEllipsis = 1u << 4,
};

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

    // Text in UTF-8, laid out inside r by flags, with a transparent background.
    void DrawText(const std::string& utf8, const Rect& r, const Font& font, Color color, unsigned flags);
    // The size the text takes on one line.
    Size MeasureText(const std::string& utf8, const Font& font);

    cairo_t* Cairo() { return cr_; }

private:
    Bitmap& target_;
    cairo_t* cr_ = nullptr;
};

}  // namespace gfx
