// Round trip of a SendMessage from a worker thread to the UI loop and back.
#include <benchmark/benchmark.h>

#include <atomic>
#include <thread>

#include "platform/backend/headless.h"
#include "platform/ui/application.h"
#include "platform/ui/window.h"

namespace {

class Echo : public ui::Window {
  public:
    using ui::Window::Window;
    bool stop = false;
    ui::LRESULT WindowProc(ui::UINT m, ui::WPARAM w, ui::LPARAM l) override {
        if (m == ui::WM_USER + 2) stop = true;
        return m == ui::WM_USER + 1 ? static_cast<ui::LRESULT>(w) + 1 : ui::Window::WindowProc(m, w, l);
    }
};

// The benchmark's thread plays the worker; a second thread owns the application and runs its loop.
void BM_SendFromWorker(benchmark::State& state) {
    std::atomic<ui::Application*> app{nullptr};
    std::atomic<Echo*> echo{nullptr};
    std::thread ui_thread([&] {
        ui::Application a(std::make_unique<ui::HeadlessBackend>(ui::HeadlessBackend::Clock::kReal));
        Echo e(&a);
        e.CreateTopLevel(gfx::RectFromSize(0, 0, 10, 10), "echo");
        echo = &e;
        app = &a;
        a.RunModalLoop([&] { return e.stop; });
    });
    while (!echo.load() || !app.load()) std::this_thread::yield();
    ui::WPARAM n = 0;
    for (auto _ : state) {
        const ui::LRESULT r = echo.load()->SendMessage(ui::WM_USER + 1, n);
        benchmark::DoNotOptimize(r);
        ++n;
    }
    echo.load()->SendMessage(ui::WM_USER + 2);  // the handler ends the loop
    ui_thread.join();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SendFromWorker)->UseRealTime();

}  // namespace
