#pragma once
// The main dialog with its link against the stand-in, on the headless backend with the real clock (the
// link's threads run in real time, so the window's timers must too). A timed rule (the load watchdog, the
// upgrade's silence) is not waited for: the test jumps the application's clock with AdvanceClock, which the
// link reads too.
//
// The window goes through the program's own start-up (its template, OnInitDialog with the model chooser,
// then shown); the test's loops then run it in place of its modal loop. The start-up's chooser is confirmed
// at once, as a user picking the preselected model, unless the test waits for it to close by itself.
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
#include "mainwnd/quenbartemplate.h"
#include "platform/backend/headless.h"
#include "platform/hid/loopbackbackend.h"
#include "platform/ui/application.h"
#include "platform/ui/messagebox.h"
#include "platform/ui/uilanguage.h"
#include "resetlink.h"

// The main window started the way DoModal starts it, up to its loop.
class StartedDlg : public CQuenbarDlg {
  public:
    using CQuenbarDlg::CQuenbarDlg;
    bool StartUp() {
        const res::DialogTemplate* t = App().Dialogs().Find(ui::UiLanguage(), IDD_QUENBAR_DIALOG);
        if (!t) return false;
        ResetTemplate(*t);
        if (!CreateTopLevel(gfx::RectFromSize(0, 0, 1272, 676), "console", 0)) return false;
        CreateItems();
        SendMessage(ui::WM_INITDIALOG);
        if (!IsEnded()) ShowWindow(ui::SW_SHOW);
        return true;
    }
};

class WindowE2eTest : public ::testing::Test {
  protected:
    WindowE2eTest() : app(std::make_unique<ui::HeadlessBackend>(ui::HeadlessBackend::Clock::kReal)) {
        app.SetModalObserver([this](ui::Window& w) { OnModal(w); });
    }
    // The fixture's part of every modal window: counts, and the chooser's answer.
    void OnModal(ui::Window& w) {
        if (dynamic_cast<CLoadPercent*>(&w)) ++progressShown;
        if (!dynamic_cast<CDialogLogo*>(&w)) return;
        const auto confirm = [&w] { w.PostMessage(ui::WM_COMMAND, ui::MAKEWPARAM(ui::IDOK, ui::BN_CLICKED)); };
        if (startingUp) {
            ++startupChoosers;
            if (!awaitIdentification) confirm();
            return;
        }
        ++choosersShown;
        if (confirmChooser) confirm();
    }
    void SetUp() override { ResetAll(); }
    void TearDown() override {
        // The link's threads call the window: they end before its destructors change what it is.
        if (dlg) dlg->StopLink();
        dlg.reset();
        usb.reset();
        server.reset();
        ResetAll();
    }
    static void ResetAll() { ResetLinkGlobals(); }

    void MakeWindow(const device::LinkConfig& config) {
        dlg = std::make_unique<StartedDlg>(&app);
        app.SetMainWindow(dlg.get());
        dlg->SetLinkConfig(config);
        startingUp = true;
        ASSERT_TRUE(dlg->StartUp());
        startingUp = false;
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
    std::atomic<int> choosersShown{0};    // model choosers shown after the start-up
    std::atomic<int> startupChoosers{0};  // ... and by the start-up
    bool confirmChooser = false;          // the user picks the preselected model at once
    bool awaitIdentification = false;     // the start-up's chooser is left to close by itself
    bool startingUp = false;
    hid::LoopbackBackend hid;
    std::unique_ptr<standin::DeviceStandIn> stand;
    std::unique_ptr<standin::StandInTcpServer> server;
    std::unique_ptr<standin::StandInUsb> usb;
    std::unique_ptr<StartedDlg> dlg;
};
