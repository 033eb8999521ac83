#include "platform/gfx/bitmap.h"

#include <cairo.h>

#include <cstring>
#include <utility>

namespace gfx {

Bitmap::Bitmap(int width, int height) {
    if (width <= 0 || height <= 0) return;
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface_);
        surface_ = nullptr;
        return;
    }
    width_ = width;
    height_ = height;
}

Bitmap::~Bitmap() {
    if (surface_) cairo_surface_destroy(surface_);
}

Bitmap::Bitmap(const Bitmap& other) : Bitmap(other.width_, other.height_) {
    if (!surface_ || !other.surface_) return;
    cairo_surface_flush(other.surface_);
    cairo_surface_flush(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    std::memcpy(cairo_image_surface_get_data(surface_), cairo_image_surface_get_data(other.surface_),
                static_cast<size_t>(stride) * height_);
    cairo_surface_mark_dirty(surface_);
}

Bitmap& Bitmap::operator=(const Bitmap& other) {
    if (this != &other) {
        Bitmap copy(other);
        *this = std::move(copy);
    }
    return *this;
}

Bitmap::Bitmap(Bitmap&& other) noexcept
    : surface_(std::exchange(other.surface_, nullptr)),
      width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)) {}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
    if (this != &other) {
        if (surface_) cairo_surface_destroy(surface_);
        surface_ = std::exchange(other.surface_, nullptr);
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
    }
    return *this;
}

Color Bitmap::PixelAt(int x, int y) const {
    if (!surface_ || x < 0 || y < 0 || x >= width_ || y >= height_) return Color{0, 0, 0, 0};
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    uint32_t px;
    std::memcpy(&px, data + static_cast<size_t>(y) * stride + static_cast<size_t>(x) * 4, 4);
    const uint8_t a = px >> 24;
    auto unpremul = [a](uint32_t c) -> uint8_t { return a == 0 ? 0 : static_cast<uint8_t>((c * 255 + a / 2) / a); };
    return Color{unpremul((px >> 16) & 0xFF), unpremul((px >> 8) & 0xFF), unpremul(px & 0xFF), a};
}

bool Bitmap::SavePng(const std::string& path) const {
    if (!surface_) return false;
    return cairo_surface_write_to_png(surface_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace gfx
