#include "platform/res/pngimages.h"

namespace res {

bool PngImages::Add(int id, std::span<const uint8_t> bytes) {
    return entries_.emplace(id, Entry{std::vector<uint8_t>(bytes.begin(), bytes.end()), false, gfx::Bitmap()})
        .second;
}

const gfx::Bitmap& PngImages::Get(int id) {
    static const gfx::Bitmap kNone;
    auto it = entries_.find(id);
    if (it == entries_.end()) return kNone;
    Entry& e = it->second;
    if (!e.decoded) {
        e.bitmap = gfx::Bitmap::FromPng(e.bytes);
        e.decoded = true;
    }
    return e.bitmap;
}

PngImages& ProgramImages() {
    static PngImages images;
    return images;
}

}  // namespace res
