#pragma once
// The EQ grid's edits: one column per band, three rows (frequency at the top, Q in the middle, gain at the
// bottom). Each edit works on its band of the current channel: Up and Down step the stored value (never the
// text; each key-down steps once), the wheel does the same while focused, Enter commits the typed text
// through the value's parser, and every change is copied to the tied channels. Right and Left move along the
// row (band 31 wraps to 1), Page Down one row down (frequency -> Q -> gain -> frequency), Page Up one row up.
// A disabled edit (the frequency and Q rows in the graphic mode) still passes its keys on, so the focus keys
// work there, but changes nothing.
#include <array>

#include "controls/valueedit.h"
#include "device/eqmodel.h"
#include "platform/ui/trackbar.h"

namespace controls {

enum class BandRow { kFreq, kQ, kGain };

template <BandRow Row>
class CBandEdit : public ValueEdit {
  public:
    explicit CBandEdit(ui::Application* app = nullptr) : ValueEdit(app) {}

    int Band() const { return band_; }
    void SetBand(int band) { band_ = band; }
    // The four edits the focus keys lead to.
    void SetNeighbours(ui::Window* right, ui::Window* left, ui::Window* pageDown, ui::Window* pageUp) {
        right_ = right, left_ = left, pageDown_ = pageDown, pageUp_ = pageUp;
    }
    // The gain row's slider, moved with every change of the gain (none: skipped).
    void SetSlider(ui::TrackBar* slider) { slider_ = slider; }

  protected:
    void OnStepKey(unsigned vk) override { Step(vk, 0); }
    // No selection follows a wheel step: the new text stands unselected.
    void OnWheelKey(unsigned vk, int delta) override { Step(vk, delta); }
    void PreKeyDown(unsigned vk) override;
    void PreKeyUp(unsigned vk) override;

  private:
    // One step of the stored value; true when it moved (the row's text, copy and slider have followed).
    bool Step(unsigned vk, int delta);
    void Commit();
    void ShowStored();

    int band_ = 0;
    ui::Window* right_ = nullptr;
    ui::Window* left_ = nullptr;
    ui::Window* pageDown_ = nullptr;
    ui::Window* pageUp_ = nullptr;
    ui::TrackBar* slider_ = nullptr;
};

using CEditFre = CBandEdit<BandRow::kFreq>;
using CEditQ = CBandEdit<BandRow::kQ>;
using CEditFreqGain = CBandEdit<BandRow::kGain>;

// Gives the 93 grid edits their bands and neighbours (row k is band k + 1).
void ConnectBandGrid(std::array<CEditFre, kBands>& freq, std::array<CEditQ, kBands>& q,
                     std::array<CEditFreqGain, kBands>& gain);

}  // namespace controls

using controls::CEditFre;
using controls::CEditFreqGain;
using controls::CEditQ;
