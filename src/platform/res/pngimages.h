#pragma once
#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

#include "platform/gfx/bitmap.h"

namespace res {

// PNG images by id, held as their bytes and decoded the first time they are asked for. UI thread only.
class PngImages {
  public:
    // Registers a copy of the bytes. False, and nothing changes, when the id is taken.
    bool Add(int id, std::span<const uint8_t> bytes);
    bool Contains(int id) const { return entries_.count(id) != 0; }
    // The decoded image; a null bitmap for an unknown id or bytes that are not a readable PNG (the caller
    // falls back as when a resource fails to load). The reference stays valid until Clear.
    const gfx::Bitmap& Get(int id);
    void Clear() { entries_.clear(); }

  private:
    struct Entry {
        std::vector<uint8_t> bytes;
        bool decoded = false;
        gfx::Bitmap bitmap;
    };
    std::unordered_map<int, Entry> entries_;
};

// The program's images.
PngImages& ProgramImages();

}  // namespace res
