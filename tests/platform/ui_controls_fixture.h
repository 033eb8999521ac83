#pragma once
#include <string>
#include <vector>

#include "platform/ui/controlmessages.h"
#include "ui_fixture.h"

namespace ui::testing {

// A parent window that records what its controls tell it: "COMMAND id code", "HSCROLL code pos",
// "VSCROLL code pos", and the colour step kinds asked ("CTLCOLOR kind").
class NoticeParent : public Window {
  public:
    explicit NoticeParent(Application* app) : Window(app) {}
    std::vector<std::string> log;
    bool log_colors = false;

    std::vector<std::string> Take() { return std::exchange(log, {}); }
    int Count(const std::string& entry) const {
        return static_cast<int>(std::count(log.begin(), log.end(), entry));
    }

    LRESULT WindowProc(UINT m, WPARAM w, LPARAM l) override {
        switch (m) {
            case WM_COMMAND:
                log.push_back("COMMAND " + std::to_string(LOWORD(w)) + " " + std::to_string(HIWORD(w)));
                return 0;
            case WM_HSCROLL:
            case WM_VSCROLL:
                log.push_back(std::string(m == WM_HSCROLL ? "HSCROLL " : "VSCROLL ") +
                              std::to_string(LOWORD(w)) + " " + std::to_string(HIWORD(w)));
                return 0;
            default:
                if (m >= WM_CTLCOLORMSGBOX && m <= WM_CTLCOLORSTATIC && log_colors)
                    log.push_back("CTLCOLOR " + std::to_string(m - WM_CTLCOLORMSGBOX));
                return Window::WindowProc(m, w, l);
        }
    }
};

class ControlTest : public UiTest {
  protected:
    ControlTest() : parent(&app) { parent.Create(&top, 1, gfx::RectFromSize(0, 0, 400, 300)); }
    // Paints the top-level window now (the loop paints invalid windows; this forces one whole pass).
    void PaintAll() {
        top.Invalidate();
        hl.RunPending();
    }
    NoticeParent parent;
};

}  // namespace ui::testing
