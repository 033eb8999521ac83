#pragma once
// The part of the graph that a drag leaves alone: background, frame, grid, axis labels and the overlay
// channels' curves, kept as an image of the client rectangle. It is drawn again only when what it shows
// changed, which the graph tells by the bytes of everything it was drawn from (a key), so no setter can
// forget to mark it stale. A frame then copies it and draws the current channel on top, which is exactly
// what painting everything in that order gives.
#include <cstring>
#include <functional>
#include <vector>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/geometry.h"

namespace gfx {
class Canvas;
}  // namespace gfx

namespace controls {

class GraphBaseLayer {
  public:
    using Key = std::vector<unsigned char>;

    // Copies the layer into dc at the client rectangle, drawing it first through draw (in dc's coordinates)
    // when the key or the rectangle differ from the last drawing.
    void Paint(gfx::Canvas& dc, const gfx::Rect& client, Key key,
               const std::function<void(gfx::Canvas&)>& draw);
    // How often the layer was drawn; the graph's tests read it to show that a drag leaves it alone.
    int Draws() const { return draws_; }

  private:
    gfx::Bitmap image_;
    gfx::Rect client_{};
    Key key_;
    bool valid_ = false;
    int draws_ = 0;
};

// Appends the bytes of values to a key.
template <typename T>
void AppendKey(GraphBaseLayer::Key& key, const T* values, size_t count) {
    const size_t at = key.size();
    key.resize(at + count * sizeof(T));
    std::memcpy(key.data() + at, values, count * sizeof(T));
}

}  // namespace controls
