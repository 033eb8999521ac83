// The side dialogs' requests that reach the device, against the stand-in, and a close during an upgrade.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "device/commandbuilders.h"
#include "device/commands.h"
#include "device/devicemodel.h"
#include "device/frames.h"
#include "dialogs/inputaudiosource.h"
#include "files/firmwarefile.h"
#include "mainwnd/shellmessages.h"
#include "platform/ui/filedialogresponder.h"
#include "windowfixture.h"

namespace {

using namespace std::chrono_literals;

class ShellCommandsTest : public WindowE2eTest {
  protected:
    // The window's modal dialogs: the fixture's handling, then the test's.
    void Observe(std::function<void(ui::Window&)> then) {
        app.SetModalObserver([this, then = std::move(then)](ui::Window& w) {
            OnModal(w);
            if (then) then(w);
        });
    }
    // The payloads of every command `code` the stand-in received.
    std::vector<std::vector<std::uint8_t>> Received(std::uint8_t code) const {
        std::vector<std::vector<std::uint8_t>> out;
        for (const auto& r : stand->Log()) {
            if (!r.payload.empty() && r.payload[0] == code) out.push_back(r.payload);
        }
        return out;
    }
    // The device reports source `source` and the console shows it.
    void SetDeviceSource(int source) {
        g_InputSource = source;
        ASSERT_TRUE(device::SendInputSource(true));
        ASSERT_TRUE(RunUntil([&] { return stand->InputSource() == source; }));
    }
};

TEST_F(ShellCommandsTest, TheSourceDialogOpensOnUsbAndItsChoiceReachesTheDevice) {
    StartTcp();
    Synchronise();
    SetDeviceSource(9);
    stand->ClearLog();
    int preselected = -2;
    Observe([&](ui::Window& w) {
        auto* source = dynamic_cast<CInputAudioSource*>(&w);
        if (!source) return;
        preselected = source->SourceList().GetCurSel();
        // As the user's choice: the list's change notice tells the dialog.
        source->SourceList().SetCurSel(3);
        source->SendMessage(ui::WM_COMMAND, ui::MAKEWPARAM(IDC_SOURCE_LIST, ui::CBN_SELCHANGE),
                            ui::LPARAM(&source->SourceList()));
        source->PostMessage(ui::WM_COMMAND, ui::MAKEWPARAM(ui::IDOK, ui::BN_CLICKED));
    });
    dlg->SelectInputSource();
    EXPECT_EQ(preselected, 4);
    EXPECT_EQ(g_InputSource.load(), 5);
    ASSERT_TRUE(RunUntil([&] { return stand->InputSource() == 5; }));
    EXPECT_EQ(Received(CMD_SET_INPUT_SOURCE),
              (std::vector<std::vector<std::uint8_t>>{{CMD_SET_INPUT_SOURCE, 5}}));
}

TEST_F(ShellCommandsTest, CancelInTheSourceDialogSendsNothing) {
    StartTcp();
    Synchronise();
    SetDeviceSource(2);
    stand->ClearLog();
    Observe([&](ui::Window& w) {
        if (auto* source = dynamic_cast<CInputAudioSource*>(&w)) {
            source->SourceList().SetCurSel(4);
            source->PostMessage(ui::WM_COMMAND, ui::MAKEWPARAM(ui::IDCANCEL, ui::BN_CLICKED));
        }
    });
    dlg->SelectInputSource();
    // A few status replies later nothing was sent and the source is the device's.
    const int statusBefore = stand->CountReceived(CMD_QUERY_STATUS);
    ASSERT_TRUE(RunUntil([&] { return stand->CountReceived(CMD_QUERY_STATUS) >= statusBefore + 2; }));
    EXPECT_EQ(stand->CountReceived(CMD_SET_INPUT_SOURCE), 0);
    EXPECT_EQ(g_InputSource.load(), 2);
}

// The settings dialog's requests that are commands: the factory reset and the no-signal mute toggle.
TEST_F(ShellCommandsTest, SetupRequestsSendTheirCommands) {
    StartTcp();
    Synchronise();
    stand->ClearLog();
    dlg->SendMessage(WM_SETUP_COMMAND, 1);
    dlg->SendMessage(WM_SETUP_COMMAND, 3);
    dlg->SendMessage(WM_SETUP_COMMAND, 4);
    ASSERT_TRUE(RunUntil([&] {
        return stand->CountReceived(CMD_FACTORY_RESET) == 1 &&
               stand->CountReceived(CMD_SET_HL_NOSIGNAL_MUTE) == 1;
    }));
    EXPECT_EQ(Received(CMD_FACTORY_RESET), (std::vector<std::vector<std::uint8_t>>{{CMD_FACTORY_RESET}}));
}

// The link's threads read the firmware image during a transfer: the close stops them first, frees the
// buffers, and ends the progress dialog, so the window's run can return (clean under ASan).
TEST_F(ShellCommandsTest, CloseDuringAnUpgradeStopsTheLinkThenFrees) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("shellcmd-e2e-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::vector<std::uint8_t> file(64 * 1024 + 1);
    for (std::size_t i = 0; i + 1 < file.size(); ++i)
        file[i] = std::uint8_t(i * 7 + 1) == 0xFF ? 3 : std::uint8_t(i * 7 + 1);
    file.back() = device::Checksum8(file.data(), file.size() - 1);
    const auto path = folder / std::string(files::FirmwareNamesForModel(4)[0]);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
    ui::FileDialogRecorder files(app);
    files.QueueAnswer(path.string());
    g_DeviceModel = 4;

    std::jthread closer;
    Observe([&](ui::Window& w) {
        if (!dynamic_cast<CLoadPercent*>(&w)) return;
        closer = When([] { return g_Progress.load() > 0 && g_Progress.load() < 1000; },
                      [this] { dlg->PostMessage(ui::WM_CLOSE); });
    });
    stand = std::make_unique<standin::DeviceStandIn>();
    usb = std::make_unique<standin::StandInUsb>(*stand, hid);
    usb->Plug(standin::kProductUpgrade);
    MakeWindow({&hid, "", 0});
    ASSERT_TRUE(RunUntil([&] { return dlg->IsEnded(); }, 20s));
    EXPECT_FALSE(dlg->Link().Running());
    EXPECT_EQ(progressShown.load(), 1);
    EXPECT_EQ(stand->UpgradesCompleted(), 0);
    {
        std::lock_guard lock(g_FirmwareMutex);
        EXPECT_TRUE(g_FirmwareImage.empty());
    }
    EXPECT_EQ(g_UpgradeRunning.load(), 0);
    // The progress dialog has ended and no failure is reported for a transfer the user broke off.
    app.RunUntilIdle();
    for (const auto& box : boxes.Boxes()) EXPECT_NE(box.text, "Upgrade failed!");
    std::filesystem::remove_all(folder);
}

}  // namespace
