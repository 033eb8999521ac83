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
    auto unpremul = [a](uint32_t c) -> uint8_t {
        return a == 0 ? 0 : static_cast<uint8_t>((c * 255 + a / 2) / a);
    };
    return Color{unpremul((px >> 16) & 0xFF), unpremul((px >> 8) & 0xFF), unpremul(px & 0xFF), a};
}

bool Bitmap::SavePng(const std::string& path) const {
    if (!surface_) return false;
    return cairo_surface_write_to_png(surface_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

namespace {

struct PngReader {
    std::span<const uint8_t> bytes;
    size_t pos = 0;
};

cairo_status_t ReadPng(void* closure, unsigned char* data, unsigned int length) {
    auto* reader = static_cast<PngReader*>(closure);
    if (length > reader->bytes.size() - reader->pos) return CAIRO_STATUS_READ_ERROR;
    std::memcpy(data, reader->bytes.data() + reader->pos, length);
    reader->pos += length;
    return CAIRO_STATUS_SUCCESS;
}

cairo_status_t WritePng(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::vector<uint8_t>*>(closure)->insert(static_cast<std::vector<uint8_t>*>(closure)->end(),
                                                        data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

}  // namespace

Bitmap Bitmap::FromPng(std::span<const uint8_t> bytes) {
    PngReader reader{bytes};
    cairo_surface_t* png = cairo_image_surface_create_from_png_stream(ReadPng, &reader);
    Bitmap out;
    if (cairo_surface_status(png) == CAIRO_STATUS_SUCCESS) {
        // Cairo hands back RGB24 for opaque images; every Bitmap is ARGB32.
        out = Bitmap(cairo_image_surface_get_width(png), cairo_image_surface_get_height(png));
        if (!out.IsNull()) {
            cairo_t* cr = cairo_create(out.surface_);
            cairo_set_source_surface(cr, png, 0, 0);
            cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
            cairo_paint(cr);
            cairo_destroy(cr);
            cairo_surface_flush(out.surface_);
        }
    }
    cairo_surface_destroy(png);
    return out;
}

std::vector<uint8_t> Bitmap::EncodePng() const {
    std::vector<uint8_t> out;
    if (!surface_) return out;
    cairo_surface_flush(surface_);
    if (cairo_surface_write_to_png_stream(surface_, WritePng, &out) != CAIRO_STATUS_SUCCESS) out.clear();
    return out;
}

}  // namespace gfx
