#pragma once
// The skinned slider. The stock track bar keeps its range, keys, drag and notices; this class draws the
// track from two bitmaps of the control's size that meet at the thumb (the "before" one from the start of the
// track, the "after" one to its end) and shows the thumb as a child window (CNewSliderWnd), centred on the
// stock thumb and shifted across the track by the thumb offset. Until the thumb and both track bitmaps exist
// it draws nothing at all.
#include <memory>

#include "controls/newslideritem.h"
#include "controls/newsliderwnd.h"
#include "platform/ui/trackbar.h"

namespace controls {

class CNewSliderCtrl : public ui::TrackBar {
  public:
    explicit CNewSliderCtrl(ui::Application* app = nullptr) : ui::TrackBar(app), thumb_(app) {}

    void SetThumbOffset(int pixels) { offset_ = pixels; }
    // Once per slider (a second call, or id 0, does nothing): the thumb window with the skin bitmap's strip.
    void SetThumbBitmap(int bitmapId, int width, int height);
    // Replaces both track bitmaps; the control takes the before bitmap's size where it stands.
    void SetTrackBitmaps(int afterId, int beforeId);
    void FreeTrackBitmaps();

    // The thumb window's place: centred on the stock thumb, shifted by the offset across the track.
    gfx::Rect CalcThumbRect() const;
    CNewSliderWnd& Thumb() { return thumb_; }
    int ThumbOffset() const { return offset_; }

  protected:
    void PaintChannel(gfx::Canvas& canvas, const Parts& parts, const gfx::Brush& background,
                      const ui::PaintState& state) override;
    void PaintThumb(gfx::Canvas&, const Parts&, const ui::PaintState&) override {}
    void OnLButtonUp(unsigned keys, gfx::Point p) override;

  private:
    CNewSliderWnd thumb_;
    std::unique_ptr<CNewSliderItem> before_;
    std::unique_ptr<CNewSliderItem> after_;
    int offset_ = 0;
};

}  // namespace controls

using controls::CNewSliderCtrl;
