#include <thread>

#include "device/commandbuilders.h"
#include "device/commands.h"
#include "device/devicemodel.h"
#include "device/frames.h"
#include "device/sendtodevice.h"
#include "device/storerequest.h"
#include "dialogs/dialoglogo.h"
#include "dialogs/loadpercent.h"
#include "mainwnd/quenbarids.h"
#include "mainwnd/routingids.h"
#include "res/skinids.h"
#include "windowfixture.h"

namespace {

using namespace std::chrono_literals;

constexpr int kStatusTickMs = 300;       // TIMER_STATUS
constexpr int kWatchdogRepeatMs = 1000;  // ten TIMER_LOAD_WATCHDOG ticks without a block

class BothLinksWindow : public WindowE2eTest, public ::testing::WithParamInterface<bool> {};

INSTANTIATE_TEST_SUITE_P(Link, BothLinksWindow, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Usb" : "Tcp"; });

TEST_P(BothLinksWindow, ConnectIdentifyReadAndSync) {
    Start(GetParam(), {device::ModelCodeFor(7), 211118, "MEDIA"});
    stand->SetChannelName(0, "Front");
    Synchronise();
    EXPECT_EQ(g_DeviceModel, 7);
    EXPECT_EQ(g_FirmwareDate, 211118);
    EXPECT_EQ(dlg->VersionText(), stand->VersionText());
    EXPECT_EQ(progressShown.load(), 1);
    EXPECT_EQ(ConsoleImage(), stand->MainImage());
    ASSERT_TRUE(RunUntil([&] {
        std::lock_guard lock(g_NameMutex);
        return std::string(g_ChannelNames[0]) == "Front";
    }));
    // A model change reaches the device's image byte for byte.
    g_EqGain[3][5] = 17;
    g_LowPassFreq[9] = 12345;
    g_RoutingMask[2] = 0x3F;
    ASSERT_TRUE(RunUntil(
        [&] {
            std::lock_guard lock(g_ImageMutex);
            return stand->MainImage() ==
                       std::vector<std::uint8_t>(g_DeviceImage, g_DeviceImage + EQ_USER_PARA_NUM) &&
                   stand->RoutingImage() ==
                       std::vector<std::uint8_t>(g_RoutingImage, g_RoutingImage + SAVE_PARA_2_END) &&
                   g_DeviceImage[device::DeviceRecordOffset(3) + 62 + 11] == 17;
        },
        5s));
    EXPECT_EQ(progressShown.load(), 1);  // the full read runs once per connection
}

// With the stand-in up, the start-up's chooser closes by itself once the device has said what it is, and the
// window is laid out for the model it reported, not the chooser's preselected one.
TEST_P(BothLinksWindow, TheChooserClosesByItselfAndTheWindowTakesTheDecodedModelsLayout) {
    awaitIdentification = true;
    Start(GetParam(), {device::ModelCodeFor(5), 211118, "MEDIA"});
    EXPECT_EQ(startupChoosers.load(), 1);
    EXPECT_EQ(g_DeviceModel, 5);
    EXPECT_EQ(g_ModelChosenManually, 0);
    ASSERT_TRUE(dlg->IsWindowVisible());
    EXPECT_GE(dlg->ModelLayoutsApplied(), 1);
    // Model 5: eight strips; Hi.1..Hi.4, AUX-1/2, optical and Bluetooth on each.
    for (int c = 0; c < kChannels; ++c) {
        EXPECT_EQ(dlg->GetDlgItem(g_ChannelSelectButtonIds[c])->IsWindowVisible(), c < 8) << c;
        for (int bit = 0; bit < kInputs; ++bit) {
            const bool shown = c < 8 && (bit < 4 || (bit >= 6 && bit < 12));
            EXPECT_EQ(dlg->GetDlgItem(g_RoutingButtonIds[c][bit])->IsWindowVisible(), shown) << c << " " << bit;
        }
    }
    for (int bit = 0; bit < kInputs; ++bit)
        EXPECT_EQ(dlg->GetDlgItem(g_InputLabelIds[0][bit])->IsWindowVisible(), bit < 4 || (bit >= 6 && bit < 12));
    Synchronise();
    EXPECT_EQ(ConsoleImage(), stand->MainImage());
    // The link's picture shows it up by the next status tick.
    const bool overUsb = GetParam();
    const int picture = overUsb ? IDC_PICTURE_USB : IDC_PICTURE_TCP;
    const int connected = overUsb ? res::skinid::kUsbConnected[0] : res::skinid::kTcpConnected[0];
    EXPECT_TRUE(RunUntil([&] { return dlg->StatusPictureBitmap(picture) == connected; }, 2s));
}

// A command too long for its link's frame is dropped and its box is posted: neither the UI thread nor a
// worker that queued it waits for the box, which the UI loop shows later.
TEST_P(BothLinksWindow, OverlongCommandShowsTheOverrunBoxFromTheUiLoop) {
    const bool overUsb = GetParam();
    Start(overUsb);
    ASSERT_TRUE(RunUntil([&] { return overUsb ? g_UsbConnected.load() == 1 : dlg->Link().TcpState() == 1; }));
    const std::string text = overUsb ? "USB发送buff越界!" : "串口发送buff越界： 1234";
    const std::vector<std::uint8_t> overlong(overUsb ? kUsbMaxPayload + 1 : kTcpMaxPayload + 1,
                                             CMD_WRITE_DEVICE_IMAGE);
    const auto send = [&] {
        EXPECT_EQ(device::TrySendToDevice(std::uint8_t(overlong.size()), overlong.data()),
                  device::SendResult::TooLong);
    };
    send();  // on the UI thread
    EXPECT_TRUE(boxes.Boxes().empty());
    std::thread(send).join();  // on another thread, as a dispatch thread would
    EXPECT_TRUE(boxes.Boxes().empty());
    app.RunUntilIdle();
    ASSERT_EQ(boxes.Boxes().size(), 2u);
    for (const ui::MessageBoxRecord& box : boxes.Boxes()) {
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.caption, "");
        EXPECT_EQ(box.flags, unsigned(ui::MB_OK));
    }
    // The link goes on: the next status query is answered.
    const int polls = stand->CountReceived(CMD_QUERY_STATUS);
    ASSERT_TRUE(RunUntil([&] { return stand->CountReceived(CMD_QUERY_STATUS) > polls; }));
    EXPECT_EQ(stand->CountReceived(CMD_WRITE_DEVICE_IMAGE), 0);
}

TEST_P(BothLinksWindow, SceneSaveStoresTheWholeSceneAndRecallLoadsIt) {
    Start(GetParam());
    Synchronise();
    for (int c = 0; c < kChannels; ++c) g_EqGain[c][30] = 40 + c;  // changes in many chunks
    device::RequestStore(4);
    g_CurrentModeSlot = 1;  // as a status reply might say meanwhile
    ASSERT_TRUE(
        RunUntil([&] { return stand->CountReceived(CMD_STORE_MODE) == 1 && !boxes.Boxes().empty(); }));
    const std::vector<std::uint8_t> saved = stand->SlotMainImage(4);
    EXPECT_EQ(saved, ConsoleImage());
    EXPECT_EQ(boxes.Boxes().back().text, "Save the data successfully!");
    // The device forgets the scene; a recall of slot 4 brings it back into the model.
    const std::uint8_t reset[] = {CMD_FACTORY_RESET};
    device::SendToDevice(1, reset);
    ASSERT_TRUE(RunUntil([&] { return stand->CountReceived(CMD_FACTORY_RESET) == 1; }));
    g_EqGain[0][30] = 150;
    dlg->StartRecallRead(4);
    ASSERT_TRUE(RunUntil([&] { return g_EqGain[0][30] == 40 && Synced(); }));
    EXPECT_EQ(g_EqGain[11][30], 51);
}

TEST_P(BothLinksWindow, MissingBlockMakesTheWatchdogRepeatTheRead) {
    Start(GetParam());
    standin::Faults f;
    f.missingBlock = 60;
    f.missingBlockReads = 1;
    stand->SetFaults(f);
    stand->InjectOutOfRangeValues();
    // The read stops short of completing at its last block; a second later (on the application's clock,
    // jumped from inside the progress dialog's loop) the watchdog repeats it.
    auto jump = When([&] { return g_Progress.load() == 999; },
                     [&] { app.Post([&] { app.Headless()->AdvanceClock(kWatchdogRepeatMs); }); });
    Synchronise();
    EXPECT_EQ(stand->CountReceived(CMD_READ_MODE), 2);
    // The model holds what the second read brought, repaired.
    EXPECT_EQ(g_ChannelGain[0], 0);
    EXPECT_EQ(g_MasterVolume, 60);
    EXPECT_EQ(g_EqFreq[0][0], 20);
    EXPECT_EQ(g_EqGain[0][0], 300);
    EXPECT_EQ(g_HighLevelMixVolume, 60);
    EXPECT_EQ(g_RoutingMask[0] & ~0xFFFFF, 0);
    // The repaired values go back to the device.
    ASSERT_TRUE(RunUntil([&] { return stand->MainImage()[18] == 60; }, 5s));
}

TEST_P(BothLinksWindow, FirmwareOf1121BytesIsTransferredAndVerified) {
    Start(GetParam());
    Synchronise();
    std::vector<std::uint8_t> file(1121);
    for (int i = 0; i < 1120; ++i) file[i] = std::uint8_t(i * 13 + 7) == 0xFF ? 1 : std::uint8_t(i * 13 + 7);
    file[1120] = device::Checksum8(file.data(), 1120);
    {
        std::lock_guard lock(g_FirmwareMutex);
        g_FirmwareImage = file;
        g_FirmwarePath = "system.img";
    }
    dlg->KillTimer(10);  // what choosing the file does
    device::SendSingleByteCommand(CMD_ENTER_UPGRADE);
    ASSERT_TRUE(RunUntil([&] { return stand->UpgradesCompleted() == 1; }, 20s));
    EXPECT_TRUE(stand->FirmwareVerified());
    EXPECT_EQ(stand->ReceivedFirmware(), std::vector<std::uint8_t>(file.begin(), file.end() - 1));
    EXPECT_EQ(g_UpgradeRunning, 0);
    {
        std::lock_guard lock(g_FirmwareMutex);
        EXPECT_TRUE(g_FirmwarePath.empty());
    }
    // The device comes back and is read again.
    ASSERT_TRUE(RunUntil([&] { return stand->CountReceived(CMD_READ_MODE) == 2 && Synced(); }, 20s));
}

TEST_F(WindowE2eTest, UsbRemovalDuringAReadEndsTheProgressAndBringsBackTheChooser) {
    StartUsb();
    standin::Faults f;
    f.silentReads = 1;
    stand->SetFaults(f);
    std::atomic<bool> progressEnded{false};
    // The removal comes while the progress dialog waits; the device returns while the chooser waits.
    // (After a status tick has seen the link: a device gone before that one is never shown as lost.)
    auto unplug = When([&] { return stand->CountReceived(CMD_READ_MODE) == 1; },
                       [&] {
                           app.Post([&] {
                               app.Headless()->AdvanceClock(kStatusTickMs);
                               usb->Unplug();
                           });
                       });
    auto replug = When([&] { return choosersShown.load() == 1; },
                       [&] {
                           progressEnded = g_Progress.load() == 1000;
                           usb->Plug();
                       });
    Synchronise();
    EXPECT_TRUE(progressEnded);
    EXPECT_EQ(choosersShown, 1);
    EXPECT_EQ(progressShown, 2);
    EXPECT_EQ(stand->CountReceived(CMD_READ_MODE), 2);
    EXPECT_GE(dlg->ModelLayoutsApplied(), 1);
}

TEST_F(WindowE2eTest, TcpDropDuringAReadEndsTheLoadAndAReconnectReadsAgain) {
    StartTcp();
    standin::Faults f;
    f.silentReads = 1;
    stand->SetFaults(f);
    auto drop =
        When([&] { return stand->CountReceived(CMD_READ_MODE) == 1; }, [&] { server->DropConnection(); });
    ASSERT_TRUE(RunUntil([&] { return stand->CountReceived(CMD_READ_MODE) == 2 && Synced(); }));
    EXPECT_EQ(progressShown, 2);
    EXPECT_EQ(choosersShown, 0);  // only a lost USB device brings the chooser back
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(WindowE2eTest, SilentDeviceEndsWithImportFailed) {
    StartTcp();
    standin::Faults f;
    f.silentReads = 100;
    stand->SetFaults(f);
    // The watchdog gives up after 7 s without a block; it runs on the application's clock, so the clock
    // jumps there, from inside the progress dialog's loop.
    int boxesAt6s = -1, boxesAt7s = -1;
    auto jump = When([&] { return stand->CountReceived(CMD_READ_MODE) == 1; },
                     [&] {
                         app.Post([&] {
                             app.Headless()->AdvanceClock(6500);
                             boxesAt6s = int(boxes.Boxes().size());
                             app.Headless()->AdvanceClock(1000);
                             boxesAt7s = int(boxes.Boxes().size());
                         });
                     });
    ASSERT_TRUE(RunUntil([&] { return boxesAt7s >= 0 && stand->CountReceived(CMD_READ_MODE) >= 4; }));
    EXPECT_EQ(boxesAt6s, 0);
    ASSERT_EQ(boxesAt7s, 1);
    EXPECT_EQ(boxes.Boxes()[0].text, "Import failed");
    EXPECT_EQ(stand->CountReceived(CMD_READ_MODE), 4);  // the request and three resends
    EXPECT_EQ(g_Progress, 1000u);
    EXPECT_EQ(dlg->LoadState(), 8);  // no new read until the link is lost
}

TEST_F(WindowE2eTest, UnknownProductShowsItsBoxAndClosesTheProgram) {
    auto other = hid.Plug(0x048E, 0x1234);
    MakeWindow({&hid, "", 0});
    ASSERT_TRUE(RunUntil([&] { return !dlg->Link().Running(); }));
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "USBD_PID_FS");
}

TEST_F(WindowE2eTest, UsbRemovalDuringAnUpgradeEndsItAsFailed) {
    StartUsb();
    Synchronise();
    std::vector<std::uint8_t> file(5000, 0x11);
    file.back() = device::Checksum8(file.data(), file.size() - 1);
    {
        std::lock_guard lock(g_FirmwareMutex);
        g_FirmwareImage = file;
        g_FirmwarePath = "system.img";
    }
    confirmChooser = true;
    auto unplug = When([&] { return stand->CountReceived(CMD_UPGRADE_BLOCK) >= 5; }, [&] { usb->Unplug(); });
    device::SendSingleByteCommand(CMD_ENTER_UPGRADE);
    ASSERT_TRUE(RunUntil([&] { return !boxes.Boxes().empty() && g_UpgradeRunning.load() == 0; }));
    EXPECT_EQ(boxes.Boxes()[0].text, "Upgrade failed!");
    EXPECT_EQ(g_UpgradeLastBlock, 0);
    EXPECT_EQ(g_Progress, 1000u);
    std::lock_guard lock(g_FirmwareMutex);
    EXPECT_FALSE(g_FirmwarePath.empty());  // kept for a device that comes back in upgrade mode
}

TEST_F(WindowE2eTest, ADeviceSilentForTenSecondsEndsTheUpgradeAsFailed) {
    StartTcp();
    Synchronise();
    std::vector<std::uint8_t> file(600, 0x22);
    file.back() = device::Checksum8(file.data(), file.size() - 1);
    {
        std::lock_guard lock(g_FirmwareMutex);
        g_FirmwareImage = file;
        g_FirmwarePath = "system.img";
    }
    // The device says it is ready and then never asks for a block.
    auto silence = When([&] { return stand->CountReceived(CMD_ENTER_UPGRADE) == 1; },
                        [&] {
                            standin::Faults f;
                            f.silent = true;
                            stand->SetFaults(f);
                        });
    // The transfer's progress dialog is up once CMD_UPGRADE_START went out: the clock jumps from inside its
    // loop, to just short of ten silent seconds and then past them.
    int boxesShortOf10s = -1, runningShortOf10s = -1, boxesPast10s = -1;
    auto jump = When([&] { return stand->CountReceived(CMD_UPGRADE_START) == 1; },
                     [&] {
                         app.Post([&] {
                             app.Headless()->AdvanceClock(9500);
                             boxesShortOf10s = int(boxes.Boxes().size());
                             runningShortOf10s = g_UpgradeRunning.load();
                             app.Headless()->AdvanceClock(1000);
                             boxesPast10s = int(boxes.Boxes().size());
                         });
                     });
    device::SendSingleByteCommand(CMD_ENTER_UPGRADE);
    ASSERT_TRUE(RunUntil([&] { return boxesPast10s >= 0; }));
    EXPECT_EQ(boxesShortOf10s, 0);
    EXPECT_EQ(runningShortOf10s, 1);
    ASSERT_EQ(boxesPast10s, 1);
    EXPECT_EQ(boxes.Boxes()[0].text, "Upgrade failed!");
    EXPECT_EQ(g_UpgradeRunning, 0);
    EXPECT_EQ(g_Progress, 1000u);
    EXPECT_EQ(stand->CountReceived(CMD_UPGRADE_START), 1);
    // Ordinary commands go out again.
    const int polls = stand->CountReceived(CMD_QUERY_STATUS);
    ASSERT_TRUE(RunUntil([&] { return stand->CountReceived(CMD_QUERY_STATUS) > polls; }));
}

}  // namespace
