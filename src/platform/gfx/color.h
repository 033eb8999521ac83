#pragma once
#include <cstdint>

namespace gfx {

// A colour as Windows code writes it: RGB(r, g, b), with an alpha byte for the translucent brushes.
struct Color {
    uint8_t r = 0, g = 0, b = 0, a = 255;

    constexpr bool operator==(const Color&) const = default;
};

constexpr Color Rgb(uint8_t r, uint8_t g, uint8_t b) {
    return Color{r, g, b, 255};
}
constexpr Color Argb(uint8_t a, uint8_t r, uint8_t g, uint8_t b) {
    return Color{r, g, b, a};
}

}  // namespace gfx
