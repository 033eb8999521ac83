#pragma once
#include <string>

namespace gfx {

// A font as the program asks for it: a face name as written in the program ("宋体", "MS Shell Dlg", ...), a
// height in pixels and a weight (400 normal, 700 bold). The height reads like a LOGFONT height: positive is
// the cell height (ascent + descent), negative the character (em) height.
struct Font {
    std::string face = "MS Shell Dlg";
    int height = 13;
    int weight = 400;
    bool operator==(const Font&) const = default;
};

// The installed families (a Pango family list) that stand in for a face of the program. The one table of
// faces.
const char* InstalledFamilies(const std::string& face);

// The em size in pixels that gives the font its requested height (see Font).
double EmPixels(const Font& font);

}  // namespace gfx
