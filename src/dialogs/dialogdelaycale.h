#pragma once
// The delay calculator (template 306), as far as the main window relies on it: it opens on the distances it
// was given (48 kHz sample steps, CH1 first). 1506 sends every channel its distance and its delay behind the
// farthest speaker as WM_DELAY_RESULT; 1510 first sets every distance to 0.
#include <array>

#include "platform/ui/templatedialog.h"

constexpr int IDD_DIALOG_DELAY_CALE = 306;
constexpr int IDC_DELAY_CALE_APPLY = 1506;
constexpr int IDC_DELAY_CALE_CLEAR = 1510;

class CDialogDelayCale : public ui::TemplateDialog {
  public:
    explicit CDialogDelayCale(ui::Window* parent = nullptr, ui::Application* app = nullptr);
    void SetDistances(const int (&distances)[12]);
    const std::array<int, 12>& Distances() const { return distances_; }

  private:
    void SendResults();
    std::array<int, 12> distances_{};
};
