// Scenes against the stand-in: a scene saved to a device slot under a name, a recall, a scene file loaded
// into both images, the firmware upgrade from the settings dialog, and the settings dialog's commands.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "device/commandbuilders.h"
#include "device/commands.h"
#include "device/devicemodel.h"
#include "device/eqmodel.h"
#include "device/frames.h"
#include "dialogs/dialogfile.h"
#include "dialogs/dialogsetup.h"
#include "dialogs/modeslotdialog.h"
#include "files/firmwarefile.h"
#include "mainwnd/quenbarids.h"
#include "mainwnd/shellmessages.h"
#include "platform/ui/filedialogresponder.h"
#include "platform/ui/uilanguage.h"
#include "windowfixture.h"

namespace {

using namespace std::chrono_literals;

class ScenesE2eTest : public WindowE2eTest {
  protected:
    void SetUp() override {
        WindowE2eTest::SetUp();
        folder = std::filesystem::temp_directory_path() / ("scenes-e2e-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
    }
    void TearDown() override {
        WindowE2eTest::TearDown();
        std::filesystem::remove_all(folder);
        ui::SetUiLanguage(sys::kLangEnglish);
    }
    // The window's modal dialogs: the progress count, then the test's handling.
    void Observe(std::function<void(ui::Window&)> then) {
        app.SetModalObserver([this, then = std::move(then)](ui::Window& w) {
            if (dynamic_cast<CLoadPercent*>(&w)) ++progressShown;
            if (then) then(w);
        });
    }
    // The slot dialogs pick `slot` and, when saving, type `name`; then OK.
    void AnswerSlotDialogs(int slot, std::string name) {
        Observe([slot, name](ui::Window& w) {
            auto* slots = dynamic_cast<CModeSlotDialog*>(&w);
            if (!slots) return;
            slots->SlotList().SetCurSel(slot);
            slots->SendMessage(ui::WM_COMMAND, ui::MAKEWPARAM(IDC_SLOT_LIST, ui::CBN_SELCHANGE),
                               ui::LPARAM(&slots->SlotList()));
            if (dynamic_cast<CSaveModeToDsp*>(&w)) slots->NameEdit().SetWindowText(name);
            slots->PostMessage(ui::WM_COMMAND, ui::MAKEWPARAM(ui::IDOK, ui::BN_CLICKED));
        });
    }
    int BoxesSaying(const std::string& text) const {
        int n = 0;
        for (const auto& b : boxes.Boxes()) n += b.text == text;
        return n;
    }
    // The index in the stand-in's log of the first command `code` at or after `from`, or -1.
    int LogIndex(std::uint8_t code, int from = 0) const {
        const auto log = stand->Log();
        for (int i = from; i < int(log.size()); ++i) {
            if (!log[i].payload.empty() && log[i].payload[0] == code) return i;
        }
        return -1;
    }
    bool ImagesInStep() const {
        const int size = stand->MainImageSize();
        std::lock_guard lock(g_ImageMutex);
        return stand->MainImage() == std::vector<std::uint8_t>(g_DeviceImage, g_DeviceImage + size) &&
               stand->RoutingImage() == std::vector<std::uint8_t>(g_RoutingImage, g_RoutingImage + 405);
    }

    std::filesystem::path folder;
    ui::FileDialogRecorder files{app};
};

TEST_F(ScenesE2eTest, ASceneSavedToSlotThreeHoldsTheWholeSceneAndTheName) {
    StartTcp();
    Synchronise();
    g_ChannelGain[2] = 123;
    g_EqFreq[0][5] = 777;
    AnswerSlotDialogs(3, "Road");
    dlg->SendMessage(WM_SCENE_COMMAND, 1);
    ASSERT_TRUE(RunUntil([&] { return BoxesSaying("Save the data successfully!") == 1; }));
    EXPECT_EQ(stand->ModeName(3), "Road");
    EXPECT_EQ(stand->SaveSlot(), 3);
    EXPECT_EQ(stand->SlotMainImage(3), stand->MainImage());
    EXPECT_EQ(stand->SlotRoutingImage(3), stand->RoutingImage());
    EXPECT_TRUE(ImagesInStep()) << "the store followed every changed chunk";
    // A few status replies later the message is still there once.
    const int statusBefore = stand->CountReceived(CMD_QUERY_STATUS);
    ASSERT_TRUE(RunUntil([&] { return stand->CountReceived(CMD_QUERY_STATUS) >= statusBefore + 2; }));
    EXPECT_EQ(BoxesSaying("Save the data successfully!"), 1);
    EXPECT_EQ(stand->CountReceived(CMD_STORE_MODE), 1);
}

TEST_F(ScenesE2eTest, ASaveAskedBeforeTheDeviceIsFoundStoresNothing) {
    stand = std::make_unique<standin::DeviceStandIn>();
    server = std::make_unique<standin::StandInTcpServer>(*stand);
    dlg = std::make_unique<StartedDlg>(&app);
    ASSERT_TRUE(dlg->CreateTopLevel(gfx::RectFromSize(0, 0, 640, 400), "console", ui::WS_VISIBLE));
    app.SetMainWindow(dlg.get());
    AnswerSlotDialogs(2, "Early");
    dlg->SendMessage(WM_SCENE_COMMAND, 1);
    // Only now the device can be reached.
    ASSERT_TRUE(server->Start("127.0.0.1", 0));
    dlg->SetLinkConfig({nullptr, "127.0.0.1", server->Port()});
    dlg->StartLink();
    Synchronise();
    const int statusBefore = stand->CountReceived(CMD_QUERY_STATUS);
    ASSERT_TRUE(RunUntil([&] { return stand->CountReceived(CMD_QUERY_STATUS) >= statusBefore + 2; }));
    EXPECT_EQ(stand->CountReceived(CMD_STORE_MODE), 0);
    EXPECT_EQ(BoxesSaying("Save the data successfully!"), 0);
}

TEST_F(ScenesE2eTest, ARecallBringsTheSlotBackAndThePushWaitsForTheRoutingImage) {
    StartTcp();
    Synchronise();
    g_ChannelGain[2] = 123;
    AnswerSlotDialogs(3, "Road");
    dlg->SendMessage(WM_SCENE_COMMAND, 1);
    ASSERT_TRUE(RunUntil([&] { return stand->CountReceived(CMD_STORE_MODE) == 1; }));
    // An edit after the save, sent to the device.
    g_ChannelGain[2] = 400;
    ASSERT_TRUE(RunUntil([&] { return ImagesInStep(); }));
    stand->ClearLog();
    AnswerSlotDialogs(3, "");
    dlg->SendMessage(WM_SCENE_COMMAND, 0);
    ASSERT_TRUE(RunUntil([&] { return g_ChannelGain[2] == 123 && Synced() && ImagesInStep(); }));
    const int read = LogIndex(CMD_READ_MODE);
    ASSERT_GE(read, 0);
    EXPECT_EQ(stand->Log()[read].payload, (std::vector<std::uint8_t>{CMD_READ_MODE, 0x63, 3}));
    const int routing = LogIndex(CMD_REQUEST_ROUTING_IMAGE, read);
    ASSERT_GT(routing, read);
    for (std::uint8_t write : {CMD_WRITE_DEVICE_IMAGE, CMD_WRITE_ROUTING_IMAGE}) {
        const int first = LogIndex(write, read);
        EXPECT_TRUE(first < 0 || first > routing) << "no chunk before the routing image";
    }
    EXPECT_EQ(progressShown.load(), 1) << "only the connection's full read shows progress";
}

TEST_F(ScenesE2eTest, ALoadedSceneFileReachesBothImagesAndTheTwelveNames) {
    StartTcp();
    Synchronise();
    // The device's names have arrived before ours are set.
    const int statusBefore = stand->CountReceived(CMD_QUERY_STATUS);
    ASSERT_TRUE(RunUntil([&] { return stand->CountReceived(CMD_QUERY_STATUS) >= statusBefore + 2; }));
    const std::vector<std::uint8_t> factoryMain = stand->MainImage();
    g_ChannelGain[4] = 250;
    g_EqGain[7][3] = 40;
    g_RoutingMask[1] = 0x541;
    {
        std::lock_guard lock(g_NameMutex);
        std::snprintf(g_ChannelNames[5], kNameLen + 1, "%s", "Woofer");
    }
    ASSERT_TRUE(RunUntil([&] { return ImagesInStep() && stand->MainImage() != factoryMain; }));
    const std::string path = (folder / "scene.txt").string();
    files.QueueAnswer(path);
    dlg->SendMessage(WM_SCENE_COMMAND, 3);
    const std::vector<std::uint8_t> savedMain = stand->MainImage(), savedRouting = stand->RoutingImage();

    // Other values on the device, then the file.
    g_ChannelGain[4] = 0;
    g_EqGain[7][3] = 150;
    g_RoutingMask[1] = 0x2;
    ASSERT_TRUE(RunUntil([&] { return ImagesInStep() && stand->MainImage() != savedMain; }));
    stand->ClearLog();
    files.QueueAnswer(path);
    dlg->SendMessage(WM_SCENE_COMMAND, 2);
    ASSERT_TRUE(RunUntil([&] {
        return stand->CountReceived(CMD_SET_CHANNEL_NAME) == 12 && stand->MainImage() == savedMain &&
               stand->RoutingImage() == savedRouting;
    }));
    EXPECT_TRUE(ImagesInStep());
    EXPECT_EQ(stand->ChannelName(5), "Woofer");
}

TEST_F(ScenesE2eTest, TheSettingsDialogsUpgradeTransfersTheFileAndTheProgressClosesAtTheEnd) {
    constexpr int kModel = 4;
    StartTcp({device::ModelCodeFor(kModel), 221130, "MEDIA"});
    Synchronise();
    std::vector<std::uint8_t> file(1121);
    for (int i = 0; i < 1120; ++i) file[i] = std::uint8_t(i * 29 + 3) == 0xFF ? 2 : std::uint8_t(i * 29 + 3);
    file[1120] = device::Checksum8(file.data(), 1120);
    const auto path = folder / std::string(files::FirmwareNamesForModel(kModel)[0]);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()), 1121);
    files.QueueAnswer((folder / path.stem()).string());  // typed without its extension
    Observe([](ui::Window& w) {
        if (dynamic_cast<CDialogSetup*>(&w))
            w.PostMessage(ui::WM_COMMAND, ui::MAKEWPARAM(IDC_SETUP_UPGRADE, ui::BN_CLICKED));
    });
    dlg->SendMessage(ui::WM_COMMAND, ui::MAKEWPARAM(IDC_SETUP, ui::BN_CLICKED));
    ASSERT_TRUE(RunUntil([&] { return stand->UpgradesCompleted() == 1 && g_Progress.load() == 1000; }, 20s));
    EXPECT_TRUE(stand->FirmwareVerified());
    EXPECT_EQ(stand->ReceivedFirmware(), std::vector<std::uint8_t>(file.begin(), file.end() - 1));
    EXPECT_EQ(progressShown.load(), 2) << "the full read's and the upgrade's";
    app.RunUntilIdle();
}

TEST_F(ScenesE2eTest, TheSettingsDialogsResetAndMuteSwitchReachTheDeviceAndTheLabelFollows) {
    ui::SetUiLanguage(sys::kLangChinese);
    StartTcp();
    Synchronise();
    stand->ClearLog();
    const std::uint8_t before = g_HlNoSignalMute.load();
    boxes.QueueAnswer(ui::IDYES);
    bool labelFollowed = false;
    Observe([&](ui::Window& w) {
        auto* setup = dynamic_cast<CDialogSetup*>(&w);
        if (!setup) return;
        setup->SendMessage(ui::WM_COMMAND, ui::MAKEWPARAM(IDC_SETUP_NOSIGNAL_MUTE, ui::BN_CLICKED));
        EXPECT_EQ(setup->ShownMuteState(), before) << "the label waits for the device";
        // The dialog's own loop runs while the device answers.
        labelFollowed = RunUntil([&] { return setup->ShownMuteState() != before; });
        setup->PostMessage(ui::WM_COMMAND, ui::MAKEWPARAM(IDC_SETUP_FACTORY_RESET, ui::BN_CLICKED));
    });
    dlg->SendMessage(ui::WM_COMMAND, ui::MAKEWPARAM(IDC_SETUP, ui::BN_CLICKED));
    EXPECT_TRUE(labelFollowed);
    ASSERT_TRUE(RunUntil([&] { return stand->CountReceived(CMD_FACTORY_RESET) == 1; }));
    EXPECT_EQ(stand->CountReceived(CMD_SET_HL_NOSIGNAL_MUTE), 1);
}

}  // namespace
