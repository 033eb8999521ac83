#pragma once
// The delay calculator (template 306). Each output channel has a distance edit holding a count of 48 kHz
// sample steps, shown in centimetres; a typed distance is read on Enter and when its edit loses the focus.
// 1506 sends every channel its distance and its delay behind the farthest speaker as WM_DELAY_RESULT; 1510
// first sets every distance to 0. Closing sends nothing. The rows of CH9..CH12 show by device model; hidden
// rows still take part.
#include <array>

#include "controls/editdelay.h"
#include "dialogs/sideframe.h"
#include "dialogs/sideids.h"

class CDialogDelayCale : public dialogs::CSideDialog {
  public:
    explicit CDialogDelayCale(ui::Window* parent = nullptr, ui::Application* app = nullptr);
    void SetDistances(const int (&distances)[12]);
    // The held step counts (CH1 first).
    const std::array<int, 12>& Distances() const { return distances_; }
    CEditDelayCale& DistanceEdit(int channel) { return edits_[channel]; }

  protected:
    bool OnInitDialog() override;
    // Enter is the focused distance edit's own; it never closes the dialog.
    void OnOK() override {}

  private:
    void ShowDistance(int channel);
    // Reads the edit's text in centimetres; a refused text shows the held value again.
    void ParseDistance(int channel);
    void SendResults();

    // Each edit holds its channel's distance here.
    std::array<int, 12> distances_{};
    std::array<CEditDelayCale, 12> edits_;
};
