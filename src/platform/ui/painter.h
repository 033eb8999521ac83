#pragma once
#include <cstdint>
#include <vector>

#include "platform/gfx/canvas.h"
#include "platform/gfx/geometry.h"

namespace ui {

class Application;
class Window;

// Coalesced painting. Invalidations add to their top-level window's invalid rectangle; a paint pass then
// draws, once per window, every visible window that meets that rectangle into the top-level's back buffer
// (parents before children, each clipped to itself and translated to its client origin) and presents the
// buffer.
class Painter {
  public:
    explicit Painter(Application& app) : app_(app) {}

    // rect in the top-level's client coordinates.
    void AddDirty(Window& top, const gfx::Rect& rect);
    bool HasDirty() const { return !dirty_.empty(); }
    // Paints every invalid top-level window; returns whether anything was painted.
    bool PaintAll();
    // Paints one top-level window now if it is invalid.
    void PaintNow(Window& top);
    void Forget(Window& top);

    // Paints w and its visible children onto canvas, with w's client origin at `origin` and everything
    // clipped to `clip` (both in the canvas's coordinates).
    static void PaintTree(Window& w, gfx::Canvas& canvas, gfx::Point origin, const gfx::Rect& clip);

  private:
    Application& app_;
    std::vector<uint32_t> dirty_;  // top-level handles
};

gfx::Rect Intersect(const gfx::Rect& a, const gfx::Rect& b);
gfx::Rect Union(const gfx::Rect& a, const gfx::Rect& b);

}  // namespace ui
