#include "app/placeholdermainwindow.h"

#include "platform/ui/application.h"

namespace app {

namespace {
int Scale(int n, int dpi) {
    return n * dpi / 96;
}
}  // namespace

PlaceholderMainWindow::PlaceholderMainWindow(ui::Application* app) : ui::Dialog(nullptr, app) {
    const int dpi = App().Dpi();
    SetInitialSize(Scale(1272, dpi), Scale(676, dpi));
    SetTitle("DSP Console");
    SetBackground(kBackground);
}

void PlaceholderMainWindow::OnPaint(gfx::Canvas& canvas) {
    const int dpi = App().Dpi();
    const gfx::Rect client = GetClientRect();
    canvas.FillRect(client, kBackground);
    gfx::Font title{"MS Shell Dlg", Scale(24, dpi), 700};
    canvas.DrawText(GetWindowText(), {0, Scale(16, dpi), client.right, Scale(56, dpi)}, title,
                    gfx::Rgb(0xE0, 0xE6, 0xF0), gfx::kTextCenter | gfx::kTextVCenter | gfx::kTextSingleLine);
}

}  // namespace app
