#pragma once
// The main dialog with its link against the stand-in, on the headless backend with the real clock (the
// link's threads run in real time, so the window's timers must too). A timed rule (the load watchdog, the
// upgrade's silence) is not waited for: the test jumps the application's clock with AdvanceClock, which the
// link reads too.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "device-stand-in/standin.h"
#include "device-stand-in/tcpserver.h"
#include "device-stand-in/usbplayer.h"
#include "device/blocktracker.h"
#include "device/channelmodel.h"
#include "device/deviceimage.h"
#include "device/firmwarestate.h"
#include "device/images.h"
#include "device/linkstate.h"
#include "device/names.h"
#include "device/rings.h"
#include "device/status.h"
#include "device/upgradeblocks.h"
#include "dialogs/dialoglogo.h"
#include "dialogs/loadpercent.h"
#include "mainwnd/quenbardlg.h"
#include "platform/backend/headless.h"
#include "platform/hid/loopbackbackend.h"
#include "platform/ui/application.h"
#include "platform/ui/messagebox.h"
#include "resetlink.h"

class WindowE2eTest : public ::testing::Test {
  protected:
    WindowE2eTest() : app(std::make_unique<ui::HeadlessBackend>(ui::HeadlessBackend::Clock::kReal)) {
        app.SetModalObserver([this](ui::Window& w) {
            if (dynamic_cast<CLoadPercent*>(&w)) ++progressShown;
            if (dynamic_cast<CDialogLogo*>(&w)) {
                ++choosersShown;
                if (confirmChooser) w.PostMessage(ui::WM_COMMAND, ui::MAKEWPARAM(ui::IDOK, ui::BN_CLICKED));
            }
        });
    }
    void SetUp() override { ResetAll(); }
    void TearDown() override {
        dlg.reset();
        usb.reset();
        server.reset();
        ResetAll();
    }
    static void ResetAll() { ResetLinkGlobals(); }

    void MakeWindow(const device::LinkConfig& config) {
        dlg = std::make_unique<CQuenbarDlg>(&app);
        ASSERT_TRUE(dlg->CreateTopLevel(gfx::RectFromSize(0, 0, 640, 400), "console", ui::WS_VISIBLE));
        app.SetMainWindow(dlg.get());
        dlg->SetLinkConfig(config);
        dlg->StartLink();
    }
    void StartTcp(standin::Options options = {}) {
        stand = std::make_unique<standin::DeviceStandIn>(options);
        server = std::make_unique<standin::StandInTcpServer>(*stand);
        ASSERT_TRUE(server->Start("127.0.0.1", 0));
        MakeWindow({nullptr, "127.0.0.1", server->Port()});
    }
    void StartUsb(standin::Options options = {}) {
        stand = std::make_unique<standin::DeviceStandIn>(options);
        usb = std::make_unique<standin::StandInUsb>(*stand, hid);
        usb->Plug();
        MakeWindow({&hid, "", 0});
    }
    void Start(bool overUsb, standin::Options options = {}) {
        if (overUsb)
            StartUsb(options);
        else
            StartTcp(options);
    }

    // Runs the UI loop until done() holds; false after the limit.
    bool RunUntil(const std::function<bool()>& done,
                  std::chrono::milliseconds limit = std::chrono::seconds(15)) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        bool late = false;
        app.RunModalLoop([&] {
            late = std::chrono::steady_clock::now() > deadline;
            return late || done();
        });
        return !late;
    }
    // Connected, identified and both images read: the difference sync runs.
    void Synchronise() {
        ASSERT_TRUE(
            RunUntil([&] { return stand->CountReceived(CMD_REQUEST_ROUTING_IMAGE) > 0 && Synced(); }));
    }
    bool Synced() const {
        std::lock_guard lock(g_ImageMutex);
        return g_Progress.load() == 1000 && device::GetPendingRead() == device::PendingRead::None &&
               g_DeviceIdentified.load() == 1 && dlg->LoadState() == 8;
    }
    static std::vector<std::uint8_t> ConsoleImage(int size = EQ_USER_PARA_NUM) {
        std::lock_guard lock(g_ImageMutex);
        return {g_DeviceImage, g_DeviceImage + size};
    }
    // Runs action on its own thread once ready() holds (a test's UI thread may be inside a nested loop).
    std::jthread When(std::function<bool()> ready, std::function<void()> action) {
        return std::jthread([ready = std::move(ready), action = std::move(action)](std::stop_token stop) {
            while (!stop.stop_requested() && !ready())
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            if (!stop.stop_requested()) action();
        });
    }

    ui::Application app;
    ui::MessageBoxRecorder boxes{app};
    std::atomic<int> progressShown{0};  // progress dialogs shown so far
    std::atomic<int> choosersShown{0};  // model choosers shown so far
    bool confirmChooser = false;        // the user picks the preselected model at once
    hid::LoopbackBackend hid;
    std::unique_ptr<standin::DeviceStandIn> stand;
    std::unique_ptr<standin::StandInTcpServer> server;
    std::unique_ptr<standin::StandInUsb> usb;
    std::unique_ptr<CQuenbarDlg> dlg;
};
