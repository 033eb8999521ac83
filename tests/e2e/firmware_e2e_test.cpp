#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "device/commandbuilders.h"
#include "device/commands.h"
#include "device/devicemodel.h"
#include "files/firmwarefile.h"
#include "platform/ui/filedialogresponder.h"
#include "windowfixture.h"

namespace {

using namespace std::chrono_literals;

constexpr int kModel = 4;

class FirmwareWindowTest : public WindowE2eTest {
  protected:
    void SetUp() override {
        WindowE2eTest::SetUp();
        folder = std::filesystem::temp_directory_path() / ("firmware-e2e-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
    }
    void TearDown() override {
        WindowE2eTest::TearDown();
        std::filesystem::remove_all(folder);
    }

    // 1121 bytes: 1120 of data and their 8-bit sum.
    static std::vector<std::uint8_t> FirmwareBytes(bool goodSum = true) {
        std::vector<std::uint8_t> file(1121);
        for (int i = 0; i < 1120; ++i)
            file[i] = std::uint8_t(i * 29 + 3) == 0xFF ? 2 : std::uint8_t(i * 29 + 3);
        file[1120] = std::uint8_t(device::Checksum8(file.data(), 1120) + (goodSum ? 0 : 1));
        return file;
    }
    std::string WriteFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        const std::filesystem::path path = folder / name;
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return path.string();
    }
    static std::string ModelFileName() { return std::string(files::FirmwareNamesForModel(kModel)[0]); }
    static std::string LoadedPath() {
        std::lock_guard lock(g_FirmwareMutex);
        return g_FirmwarePath;
    }

    // The device starts in its upgrade mode, as after an interrupted upgrade.
    void StartUpgradeDevice() {
        stand = std::make_unique<standin::DeviceStandIn>();
        usb = std::make_unique<standin::StandInUsb>(*stand, hid);
        usb->Plug(standin::kProductUpgrade);
        MakeWindow({&hid, "", 0});
    }

    std::filesystem::path folder;
    ui::FileDialogRecorder files{app};
};

TEST_F(FirmwareWindowTest, UpgradeDeviceAsksForAFileAndGetsItTransferred) {
    g_DeviceModel = kModel;
    const std::vector<std::uint8_t> file = FirmwareBytes();
    files.QueueAnswer(WriteFile(ModelFileName(), file));
    StartUpgradeDevice();
    ASSERT_TRUE(RunUntil([&] { return stand->UpgradesCompleted() == 1; }, 20s));
    EXPECT_TRUE(stand->FirmwareVerified());
    EXPECT_EQ(stand->ReceivedFirmware(), std::vector<std::uint8_t>(file.begin(), file.end() - 1));
    ASSERT_FALSE(boxes.Boxes().empty());
    EXPECT_EQ(boxes.Boxes()[0].text, "Please import the upgrade file.");
    EXPECT_EQ(boxes.Boxes()[0].flags, unsigned(ui::MB_OK));
    ASSERT_EQ(files.Dialogs().size(), 1u);
    EXPECT_TRUE(files.Dialogs()[0].open);
    EXPECT_EQ(files.Dialogs()[0].filter, "(*.img)|*.img|(*.*)|*.*||");
    // The device was in upgrade mode already: no request to enter it went out.
    EXPECT_EQ(stand->CountReceived(CMD_ENTER_UPGRADE), 0);
    EXPECT_EQ(stand->CountReceived(CMD_UPGRADE_START), 1);
    ASSERT_TRUE(RunUntil([&] { return g_UpgradeRunning.load() == 0 && LoadedPath().empty(); }));
    EXPECT_TRUE(dlg->Link().Running());
}

TEST_F(FirmwareWindowTest, UpgradeStartAcceptsAnotherModelsFile) {
    g_DeviceModel = kModel;
    files.QueueAnswer(WriteFile(std::string(files::FirmwareNamesForModel(7)[0]), FirmwareBytes()));
    StartUpgradeDevice();
    ASSERT_TRUE(RunUntil([&] { return stand->UpgradesCompleted() == 1; }, 20s));
    EXPECT_TRUE(stand->FirmwareVerified());
}

TEST_F(FirmwareWindowTest, CancelledFileChoiceClosesTheProgram) {
    StartUpgradeDevice();  // the recorder answers Cancel
    ASSERT_TRUE(RunUntil([&] { return !dlg->Link().Running(); }));
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Please import the upgrade file.");
    EXPECT_EQ(files.Dialogs().size(), 1u);
    EXPECT_EQ(stand->CountReceived(CMD_UPGRADE_START), 0);
    EXPECT_EQ(g_UpgradeRunning, 0);
}

TEST_F(FirmwareWindowTest, RefusedFileAtTheUpgradeStartClosesTheProgram) {
    files.QueueAnswer(WriteFile("notes.img", FirmwareBytes()));
    StartUpgradeDevice();
    ASSERT_TRUE(RunUntil([&] { return !dlg->Link().Running(); }));
    ASSERT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_EQ(boxes.Boxes()[1].text, "Error file, upgrade failed!");
    EXPECT_EQ(stand->CountReceived(CMD_UPGRADE_START), 0);
}

// The file choice of the settings dialog: checks against the model, and the way into upgrade mode over TCP.
TEST_F(FirmwareWindowTest, FileChoiceChecksNameAndSumThenStartsTheUpgrade) {
    StartTcp({device::ModelCodeFor(kModel), 221130, "MEDIA"});
    Synchronise();
    ASSERT_EQ(g_DeviceModel, kModel);
    struct Case {
        std::string name;
        bool goodSum;
        std::string box;  // empty: accepted
    };
    const Case cases[] = {
        {std::string(files::FirmwareNamesForModel(7)[0]), true, "Error file, upgrade failed!"},
        {ModelFileName(), false, "Error checksum, upgrade failed!"},
        {ModelFileName(), true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::size_t before = boxes.Boxes().size();
        files.QueueAnswer(WriteFile(c.name, FirmwareBytes(c.goodSum)));
        dlg->LoadUpgradeFile();
        if (c.box.empty()) continue;
        ASSERT_EQ(boxes.Boxes().size(), before + 1);
        EXPECT_EQ(boxes.Boxes().back().text, c.box);
        EXPECT_EQ(boxes.Boxes().back().flags, unsigned(ui::MB_OK | ui::MB_ICONWARNING));
        EXPECT_TRUE(LoadedPath().empty());
        EXPECT_EQ(stand->CountReceived(CMD_ENTER_UPGRADE), 0);
    }
    ASSERT_TRUE(RunUntil([&] { return stand->UpgradesCompleted() == 1; }, 20s));
    EXPECT_EQ(stand->CountReceived(CMD_ENTER_UPGRADE), 1);
    EXPECT_TRUE(stand->FirmwareVerified());
    const std::vector<std::uint8_t> file = FirmwareBytes();
    EXPECT_EQ(stand->ReceivedFirmware(), std::vector<std::uint8_t>(file.begin(), file.end() - 1));
}

}  // namespace
