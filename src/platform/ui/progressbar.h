#pragma once
#include <utility>

#include "platform/ui/control.h"

namespace ui {

// A progress bar: a range (0..100 at first) and a position kept inside it, drawn as a filled part of its
// width. It notifies nothing.
class ProgressBar : public Control {
  public:
    explicit ProgressBar(Application* app = nullptr) : Control(app) {}

    void SetRange(int lower, int upper);
    void GetRange(int& lower, int& upper) const { lower = lower_, upper = upper_; }
    int SetPos(int pos);  // returns the previous position
    int GetPos() const { return pos_; }
    int SetStep(int step) { return std::exchange(step_, step); }
    int StepIt();  // advances by the step, wrapping to the start past the end as Windows does

  protected:
    void OnPaint(gfx::Canvas& canvas) override;
    bool OnEraseBkgnd(gfx::Canvas&) override { return true; }

  private:
    int lower_ = 0, upper_ = 100, pos_ = 0, step_ = 10;
};

}  // namespace ui
