// The console's CPU use with no device present: the main window's link timers and every link thread run for
// 10 s against a loopback port nobody listens on and a HID backend with no device. The target is under 1% of
// one core.
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <ctime>

#include "mainwnd/quenbardlg.h"
#include "platform/backend/headless.h"
#include "platform/hid/loopbackbackend.h"
#include "platform/ui/application.h"

namespace {

double ProcessCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

// A loopback port with nothing listening: bound, then closed.
std::uint16_t UnusedLoopbackPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    socklen_t len = sizeof addr;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
    ::close(fd);
    return ntohs(addr.sin_port);
}

void BM_IdleCpuWithoutDevice(benchmark::State& state) {
    ui::Application app(std::make_unique<ui::HeadlessBackend>(ui::HeadlessBackend::Clock::kReal));
    hid::LoopbackBackend hid;  // no device plugged in
    CQuenbarDlg dlg(&app);
    dlg.CreateTopLevel(gfx::RectFromSize(0, 0, 200, 100), "console");
    app.SetMainWindow(&dlg);
    dlg.SetLinkConfig({&hid, "127.0.0.1", UnusedLoopbackPort()});
    dlg.StartLink();
    const auto seconds = std::chrono::seconds(state.range(0));
    for (auto _ : state) {
        const double cpuBefore = ProcessCpuSeconds();
        const auto end = std::chrono::steady_clock::now() + seconds;
        app.RunModalLoop([&] { return std::chrono::steady_clock::now() >= end; });
        const double cpu = ProcessCpuSeconds() - cpuBefore;
        state.counters["cpu_percent_of_one_core"] = 100.0 * cpu / double(seconds.count());
        state.SetIterationTime(double(seconds.count()));
    }
    dlg.StopLink();
}

BENCHMARK(BM_IdleCpuWithoutDevice)->Arg(10)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
