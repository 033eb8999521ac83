#pragma once
// The input-volume dialog: one edit and one slider per output channel and input, the level of every input of
// every output (g_InputVolume). It lays itself out once, when it opens, by the device model, the AUX-3/4
// flag, the input source and the DPI band; afterwards each message touches one cell, and every change is in
// the model at once (the change push takes it to the device), so closing reverts nothing.
//
// The cell edits send the cell messages (stepped, committed, move the focus) that the handlers here answer;
// the sliders take the bitmaps that the layout chooses (and records, for the tests) for each of them.
#include <array>

#include "controls/editgain.h"
#include "controls/newsliderctrl.h"
#include "device/channelmodel.h"
#include "device/eqmodel.h"
#include "dialogs/inputvollayout.h"
#include "dialogs/inputvoltemplate.h"
#include "platform/gfx/font.h"
#include "platform/gfx/pen.h"
#include "platform/ui/templatedialog.h"

class CDialogChInputVol : public ui::TemplateDialog {
  public:
    using CellEdit = CEditGain;
    using CellSlider = CNewSliderCtrl;

    explicit CDialogChInputVol(unsigned templateId, ui::Window* parent = nullptr, ui::Application* app = nullptr);
    unsigned TemplateId() const { return templateId_; }

    CellEdit& EditCell(int channel, int bit) { return m_editCell[channel][bit]; }
    CellSlider& SliderCell(int channel, int bit) { return m_sliderCell[channel][bit]; }
    // The bitmaps the layout chose for a slider (thumb, tracks after and before the thumb, offset).
    struct SliderBitmaps {
        int thumbOffset = 0;
        int thumb = 0;
        gfx::Size thumbSize;
        int after = 0, before = 0;
    };
    const SliderBitmaps& SliderBitmapsOf(int channel, int bit) const { return sliderBitmaps_[channel][bit]; }

    // The row group of a control: 1 high level, 2 AUX, 3 Bluetooth/USB, 5 optical; 10 for any other control.
    static int GetRowGroup(int controlId);
    // The navigation's ranges for the current model, source and flag.
    static int GetFirstInputRow();
    static int GetLastInputRow();
    static int GetLastOutputChannel();

    ui::LRESULT WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) override;

  protected:
    bool OnInitDialog() override;
    const gfx::Brush* OnCtlColor(gfx::Canvas& canvas, ui::Window* control, int kind) override;
    bool OnDrawItem(int id, ui::DrawItemStruct& dis) override;
    void OnPaint(gfx::Canvas& canvas) override;
    ui::LRESULT OnNcHitTest(gfx::Point screen) override;
    void OnHScroll(unsigned code, int pos, ui::Window* bar) override;
    void OnOK() override {}

  private:
    // Set-up steps, in OnInitDialog's order.
    void PlaceCloseButton();
    void LayoutLabels();
    void LayoutGainEdits();
    void LayoutSliders();

    // Message handlers.
    ui::LRESULT OnCellStepped(ui::WPARAM channel, ui::LPARAM inputBit);
    ui::LRESULT OnCellCommit(ui::WPARAM channel, ui::LPARAM inputBit);
    ui::LRESULT OnCellNavigate(ui::WPARAM key);

    int Band();
    // The next cell from (o, r) in the key's direction that the layout shows and enables; false when the
    // search comes back to (o, r).
    bool NavigationTarget(unsigned key, int& o, int& r) const;

    unsigned templateId_;
    gfx::Font m_fontColumn;
    gfx::Font m_fontRow;
    int m_bmpBackground = 0;  // the background's skin id; 0: none
    gfx::Size m_bmBackground;
    gfx::Brush m_brushCell;
    std::array<std::array<CellEdit, kInputs>, kChannels> m_editCell;
    std::array<std::array<CellSlider, kInputs>, kChannels> m_sliderCell;
    std::array<std::array<SliderBitmaps, kInputs>, kChannels> sliderBitmaps_{};
};
