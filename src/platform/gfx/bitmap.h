#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/gfx/color.h"

typedef struct _cairo_surface cairo_surface_t;

namespace gfx {

// An ARGB32 image (premultiplied, as Cairo keeps it). Windows, offscreen buffers and skin pieces are Bitmaps.
class Bitmap {
  public:
    Bitmap() = default;
    Bitmap(int width, int height);
    ~Bitmap();
    Bitmap(const Bitmap& other);
    Bitmap& operator=(const Bitmap& other);
    Bitmap(Bitmap&& other) noexcept;
    Bitmap& operator=(Bitmap&& other) noexcept;

    bool IsNull() const { return surface_ == nullptr; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // The pixel at (x, y), un-premultiplied; transparent black outside the bitmap.
    Color PixelAt(int x, int y) const;

    bool SavePng(const std::string& path) const;

    // Decodes a PNG held in memory; a null Bitmap when the bytes are not a PNG Cairo can read.
    static Bitmap FromPng(std::span<const uint8_t> bytes);
    // The bitmap as PNG bytes; empty for a null bitmap.
    std::vector<uint8_t> EncodePng() const;

    cairo_surface_t* Surface() const { return surface_; }

  private:
    cairo_surface_t* surface_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace gfx
