#include "controls/graphbaselayer.h"

#include "platform/gfx/canvas.h"

namespace controls {

void GraphBaseLayer::Paint(gfx::Canvas& dc, const gfx::Rect& client, Key key,
                           const std::function<void(gfx::Canvas&)>& draw) {
    if (client.IsEmpty()) {
        draw(dc);
        return;
    }
    if (!valid_ || client != client_ || key != key_) {
        if (image_.IsNull() || image_.Width() != client.Width() || image_.Height() != client.Height())
            image_ = gfx::Bitmap(client.Width(), client.Height());
        gfx::Canvas layer(image_);
        // Whole-pixel offsets leave Cairo's anti-aliasing as it is on the target.
        layer.Translate(-client.left, -client.top);
        draw(layer);
        client_ = client;
        key_ = std::move(key);
        valid_ = true;
        ++draws_;
    }
    dc.BitBlt({client.left, client.top}, image_);
}

}  // namespace controls
