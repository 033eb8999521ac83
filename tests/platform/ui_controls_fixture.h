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

  protected:
    bool OnCommand(int id, unsigned code, Window*) override {
        log.push_back("COMMAND " + std::to_string(id) + " " + std::to_string(code));
        return true;
    }
    void OnHScroll(unsigned code, int pos, Window*) override {
        log.push_back("HSCROLL " + std::to_string(code) + " " + std::to_string(pos));
    }
    void OnVScroll(unsigned code, int pos, Window*) override {
        log.push_back("VSCROLL " + std::to_string(code) + " " + std::to_string(pos));
    }
    const gfx::Brush* OnCtlColor(gfx::Canvas& canvas, Window* control, int kind) override {
        if (log_colors) log.push_back("CTLCOLOR " + std::to_string(kind));
        return Window::OnCtlColor(canvas, control, kind);
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
