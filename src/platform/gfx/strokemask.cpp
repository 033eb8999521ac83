#include "platform/gfx/strokemask.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/gfx/aapath.h"
#include "platform/gfx/canvas.h"

namespace gfx {

namespace {

// Cairo's blend of an opaque colour by coverage a (its lerp spans), two channels at a time, so that a laid
// mask and a stroke round alike.
inline uint32_t Mul8x2(uint32_t v, uint32_t a) {
    uint32_t t = (v & 0xff00ff) * a + 0x7f007f;
    return ((t + ((t >> 8) & 0xff00ff)) >> 8) & 0xff00ff;
}
inline uint32_t Add8x2(uint32_t a, uint32_t b) {
    uint32_t t = a + b;
    t |= 0x1000100 - ((t >> 8) & 0xff00ff);
    return t & 0xff00ff;
}
inline uint32_t Lerp(uint32_t src, uint32_t a, uint32_t dst) {
    const uint32_t na = 255 - a;
    return Add8x2(Mul8x2(src, a), Mul8x2(dst, na)) | (Add8x2(Mul8x2(src >> 8, a), Mul8x2(dst >> 8, na)) << 8);
}

// Index of the first non-zero byte at or after x, or n.
int SkipZeros(const uint8_t* row, int x, int n) {
    // Most of a stroke's box is empty: look at 32 bytes at a time, then 8.
    while (x + 32 <= n) {
        uint64_t v[4];
        std::memcpy(v, row + x, sizeof v);
        if (v[0] | v[1] | v[2] | v[3]) break;
        x += 32;
    }
    while (x + 8 <= n) {
        uint64_t v;
        std::memcpy(&v, row + x, 8);
        if (v) break;
        x += 8;
    }
    while (x < n && !row[x]) ++x;
    return x;
}

// The surface strokes go into, kept clear between strokes and grown as needed, so a stroke neither
// allocates nor clears a client-sized surface.
class Scratch {
  public:
    static cairo_surface_t* Get(int width, int height) {
        static thread_local Scratch scratch;
        return scratch.Fit(width, height);
    }
    ~Scratch() {
        if (surface_) cairo_surface_destroy(surface_);
    }

  private:
    cairo_surface_t* Fit(int width, int height) {
        if (surface_ && cairo_image_surface_get_width(surface_) >= width &&
            cairo_image_surface_get_height(surface_) >= height)
            return surface_;
        if (surface_) {
            width = std::max(width, cairo_image_surface_get_width(surface_));
            height = std::max(height, cairo_image_surface_get_height(surface_));
            cairo_surface_destroy(surface_);
        }
        surface_ = cairo_image_surface_create(CAIRO_FORMAT_A8, width, height);
        if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS || !cairo_image_surface_get_data(surface_)) {
            cairo_surface_destroy(surface_);
            surface_ = nullptr;
        }
        return surface_;
    }

    cairo_surface_t* surface_ = nullptr;
};

}  // namespace

StrokeMask StrokeMask::Stroke(std::span<const std::vector<PointF>> chains, float width, const Rect& limit) {
    StrokeMask m;
    for (const auto& chain : chains) m.AddChain(chain, width, limit);
    return m;
}

void StrokeMask::AddChain(std::span<const PointF> chain, float width, const Rect& limit) {
    if (chain.size() < 4) return;
    float x0 = chain[0].x, x1 = x0, y0 = chain[0].y, y1 = y0;
    for (const PointF& p : chain) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) return;
        x0 = std::min(x0, p.x), x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
    }
    // The curve stays inside its control points; a mitre reaches up to ten half-widths past them (Cairo's
    // default limit), and anti-aliasing one pixel more.
    const double reach = 5.0 * (width > 0 ? width : 1.0) + 2;
    const double l = std::max<double>(limit.left, std::floor(x0 - reach));
    const double t = std::max<double>(limit.top, std::floor(y0 - reach));
    const double r = std::min<double>(limit.right, std::ceil(x1 + reach) + 1);
    const double b = std::min<double>(limit.bottom, std::ceil(y1 + reach) + 1);
    if (l >= r || t >= b) return;
    const Rect box{static_cast<int>(l), static_cast<int>(t), static_cast<int>(r), static_cast<int>(b)};

    // The stroke goes at the coordinates it has on the target: Cairo rounds a mitre from absolute
    // coordinates, so a stroke moved by whole pixels can differ in a pixel's last bit.
    const int ox = std::min(box.left, 0), oy = std::min(box.top, 0);
    cairo_surface_t* surface = Scratch::Get(box.right - ox, box.bottom - oy);
    if (!surface) return;
    cairo_t* cr = cairo_create(surface);
    cairo_translate(cr, -ox, -oy);
    cairo_rectangle(cr, box.left, box.top, box.Width(), box.Height());
    cairo_clip(cr);
    SetStrokeStyle(cr, width);
    cairo_set_source_rgba(cr, 0, 0, 0, 1);
    AppendBezierPath(cr, chain);
    cairo_stroke(cr);
    cairo_destroy(cr);
    cairo_surface_flush(surface);

    uint8_t* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const int w = box.Width();
    for (int y = box.top; y < box.bottom; ++y) {
        uint8_t* row = data + static_cast<ptrdiff_t>(y - oy) * stride + (box.left - ox);
        for (int x = SkipZeros(row, 0, w); x < w; x = SkipZeros(row, x, w)) {
            const int start = x;
            while (x < w && row[x]) ++x;
            runs_.push_back({box.left + start, y, x - start, static_cast<uint32_t>(coverage_.size())});
            coverage_.insert(coverage_.end(), row + start, row + x);
            // Leaves the scratch clear for the next stroke.
            std::memset(row + start, 0, x - start);
        }
    }
    cairo_surface_mark_dirty(surface);
}

void StrokeMask::Draw(Canvas& dc, Color c) const {
    cairo_t* cr = dc.Cairo();
    if (!cr || runs_.empty() || c.a == 0) return;
    cairo_surface_t* surface = cairo_get_target(cr);
    const cairo_format_t format = cairo_image_surface_get_format(surface);
    // The canvas moves its origin by whole pixels and clips to rectangles.
    double ox = 0, oy = 0;
    cairo_user_to_device(cr, &ox, &oy);
    double cx0, cy0, cx1, cy1;
    cairo_clip_extents(cr, &cx0, &cy0, &cx1, &cy1);
    const int dx = static_cast<int>(std::lround(ox)), dy = static_cast<int>(std::lround(oy));
    const int left = std::max(0, static_cast<int>(std::ceil(cx0 + ox)));
    const int top = std::max(0, static_cast<int>(std::ceil(cy0 + oy)));
    const int right = std::min(cairo_image_surface_get_width(surface), static_cast<int>(std::floor(cx1 + ox)));
    const int bottom = std::min(cairo_image_surface_get_height(surface), static_cast<int>(std::floor(cy1 + oy)));

    if (c.a != 255 || (format != CAIRO_FORMAT_ARGB32 && format != CAIRO_FORMAT_RGB24)) {
        // Translucent colours go through Cairo's own mask, which rounds a little differently from a stroke.
        int x0 = runs_[0].x, x1 = x0, y0 = runs_[0].y, y1 = y0;
        for (const Run& r : runs_) {
            x0 = std::min(x0, r.x), x1 = std::max(x1, r.x + r.count);
            y0 = std::min(y0, r.y), y1 = std::max(y1, r.y + 1);
        }
        cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, x1 - x0, y1 - y0);
        uint8_t* data = cairo_image_surface_get_data(mask);
        const int stride = cairo_image_surface_get_stride(mask);
        if (data) {
            for (const Run& r : runs_) {
                uint8_t* row = data + static_cast<ptrdiff_t>(r.y - y0) * stride + (r.x - x0);
                for (int i = 0; i < r.count; ++i)
                    row[i] = static_cast<uint8_t>(255 - (255 - row[i]) * (255 - coverage_[r.at + i]) / 255);
            }
            cairo_surface_mark_dirty(mask);
            cairo_save(cr);
            cairo_set_source_rgba(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0, c.a / 255.0);
            cairo_mask_surface(cr, mask, x0, y0);
            cairo_restore(cr);
        }
        cairo_surface_destroy(mask);
        return;
    }

    cairo_surface_flush(surface);
    uint8_t* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    if (!data) return;
    const uint32_t src = 0xff000000u | (uint32_t{c.r} << 16) | (uint32_t{c.g} << 8) | c.b;
    // Runs lie far apart in the target, each on a line of its own that is rarely in the cache: fetching the
    // lines a few runs ahead keeps the blend from waiting on memory at every run.
    constexpr size_t kAhead = 16;
    const int height = cairo_image_surface_get_height(surface);
    for (size_t i = 0; i < runs_.size(); ++i) {
        if (i + kAhead < runs_.size()) {
            const Run& next = runs_[i + kAhead];
            const int ny = next.y + dy, nx = next.x + dx;
            if (ny >= 0 && ny < height && nx >= 0 && nx < right)
                __builtin_prefetch(data + static_cast<ptrdiff_t>(ny) * stride + 4 * static_cast<ptrdiff_t>(nx), 1);
        }
        const Run& r = runs_[i];
        const int y = r.y + dy;
        if (y < top || y >= bottom) continue;
        const int from = std::max(r.x + dx, left), to = std::min(r.x + dx + r.count, right);
        if (from >= to) continue;
        uint32_t* row = reinterpret_cast<uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
        const uint8_t* cov = coverage_.data() + r.at + (from - (r.x + dx));
        for (int x = from; x < to; ++x, ++cov) row[x] = *cov == 255 ? src : Lerp(src, *cov, row[x]);
    }
    cairo_surface_mark_dirty(surface);
}

}  // namespace gfx
