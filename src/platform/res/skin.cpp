#include "platform/res/skin.h"

#include <utility>

namespace res {

bool Skin::Add(int id, gfx::Size size, SkinPainter paint) {
    if (size.cx <= 0 || size.cy <= 0 || !paint || entries_.count(id)) return false;
    entries_.emplace(id, Entry{size, std::move(paint), gfx::Bitmap()});
    return true;
}

bool Skin::AddBands(const std::array<int, kDpiBands>& ids, const std::array<gfx::Size, kDpiBands>& sizes,
                    SkinPainter paint) {
    // Check the whole set first so a refused call leaves nothing half registered.
    for (int b = 0; b < kDpiBands; ++b) {
        if (sizes[b].cx <= 0 || sizes[b].cy <= 0 || Contains(ids[b])) return false;
        for (int e = 0; e < b; ++e) {
            if (ids[e] == ids[b] && sizes[e] != sizes[b]) return false;
        }
    }
    if (!paint) return false;
    for (int b = 0; b < kDpiBands; ++b) {
        if (!Contains(ids[b])) Add(ids[b], sizes[b], paint);
    }
    return true;
}

gfx::Size Skin::SizeOf(int id) const {
    auto it = entries_.find(id);
    return it == entries_.end() ? gfx::Size{} : it->second.size;
}

const gfx::Bitmap& Skin::Get(int id) {
    static const gfx::Bitmap kNone;
    auto it = entries_.find(id);
    if (it == entries_.end()) return kNone;
    Entry& e = it->second;
    if (e.bitmap.IsNull()) {
        gfx::Bitmap bitmap(e.size.cx, e.size.cy);
        {
            gfx::Canvas canvas(bitmap);
            canvas.FillRect({0, 0, e.size.cx, e.size.cy}, gfx::Rgb(0, 0, 0));
            e.paint(canvas, e.size);
        }
        e.bitmap = std::move(bitmap);
    }
    return e.bitmap;
}

}  // namespace res
