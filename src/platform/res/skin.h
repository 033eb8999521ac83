#pragma once
#include <array>
#include <functional>
#include <unordered_map>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/geometry.h"
#include "platform/res/dpi.h"

namespace res {

// Paints one skin bitmap of the given size; the canvas starts opaque black.
using SkinPainter = std::function<void(gfx::Canvas&, gfx::Size)>;

// The skin: bitmap ids with their pixel sizes, each painted by our own code the first time it is asked for
// and kept from then on. Skin bitmaps are opaque, like the 24-bit bitmaps they stand for. UI thread only.
class Skin {
  public:
    // Registers one bitmap. False, and nothing changes, when the id is taken, the size is empty or there is
    // no painter.
    bool Add(int id, gfx::Size size, SkinPainter paint);
    // Registers one element in all five DPI bands: ids[b] of sizes[b], all painted by paint. An id that
    // appears in several bands (the same picture in every band) is registered once and needs the same size
    // each time.
    bool AddBands(const std::array<int, kDpiBands>& ids, const std::array<gfx::Size, kDpiBands>& sizes,
                  SkinPainter paint);

    bool Contains(int id) const { return entries_.count(id) != 0; }
    // The registered size, or an empty size for an unknown id.
    gfx::Size SizeOf(int id) const;
    // The bitmap, painted on first use; a null bitmap (zero size) for an unknown id. The reference stays
    // valid until Clear.
    const gfx::Bitmap& Get(int id);
    void Clear() { entries_.clear(); }

  private:
    struct Entry {
        gfx::Size size;
        SkinPainter paint;
        gfx::Bitmap bitmap;  // null until painted
    };
    std::unordered_map<int, Entry> entries_;
};

}  // namespace res
