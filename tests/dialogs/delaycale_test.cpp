// The delay calculator's results: each channel's distance and its delay behind the farthest speaker.
#include <gtest/gtest.h>

#include <vector>

#include "dialogs/dialogdelaycale.h"
#include "mainwnd/shellmessages.h"
#include "platform/backend/headless.h"
#include "platform/ui/application.h"
#include "platform/ui/window.h"

namespace {

// A main window that keeps every WM_DELAY_RESULT.
class ResultWindow : public ui::Window {
  public:
    using ui::Window::Window;
    std::vector<std::pair<ui::WPARAM, ui::LPARAM>> results;
    ui::LRESULT WindowProc(ui::UINT m, ui::WPARAM w, ui::LPARAM l) override {
        if (m == WM_DELAY_RESULT) results.emplace_back(w, l);
        return ui::Window::WindowProc(m, w, l);
    }
};

TEST(DelayCaleTest, ButtonsSendDistanceAndDelayBehindTheFarthestForEveryChannel) {
    ui::Application app(std::make_unique<ui::HeadlessBackend>());
    ResultWindow main(&app);
    main.CreateTopLevel(gfx::RectFromSize(0, 0, 300, 200), "main", ui::WS_VISIBLE);
    app.SetMainWindow(&main);
    const int distances[12] = {10, 300, 40, 300, 0, 5, 6, 7, 8, 9, 1, 2};
    struct Case {
        int button;
        std::vector<std::pair<ui::WPARAM, ui::LPARAM>> expected;
    } cases[] = {{IDC_DELAY_CALE_APPLY, {}}, {IDC_DELAY_CALE_CLEAR, {}}};
    for (int i = 0; i < 12; ++i) {
        cases[0].expected.emplace_back(i, ui::LPARAM(distances[i]) << 16 | (300 - distances[i]));
        cases[1].expected.emplace_back(i, 0);
    }
    for (const Case& c : cases) {
        main.results.clear();
        CDialogDelayCale dialog(nullptr, &app);
        dialog.SetDistances(distances);
        app.SetModalObserver([&](ui::Window& w) {
            w.SendMessage(ui::WM_COMMAND, ui::MAKEWPARAM(c.button, ui::BN_CLICKED));
            static_cast<ui::Dialog&>(w).EndDialog(ui::IDOK);
        });
        dialog.DoModal();
        EXPECT_EQ(main.results, c.expected) << c.button;
    }
}

}  // namespace
