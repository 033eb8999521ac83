// The main window's scene commands with the file-dialog and message-box responders: the scene slots, the PC
// scene file, the C-source export and the firmware file choice. The link is not started.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <mutex>
#include <optional>

#include "device/eqmodel.h"
#include "device/firmwarestate.h"
#include "device/names.h"
#include "dialogs/modeslotdialog.h"
#include "dialogs/sidestrings.h"
#include "files/mcuexport.h"
#include "mainwnd/linkstrings.h"
#include "quenbarfixture.h"

namespace {

namespace fs = std::filesystem;

class QuenbarScenesTest : public QuenbarWindowTest {
  protected:
    QuenbarScenesTest() {
        mainwnd::RegisterLinkStrings();
        dialogs::RegisterSideDialogStrings();
        dlg->runScenes = true;
        dir = fs::temp_directory_path() /
              ("scenes-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        device::ResetNames();
        files::ResetNameFileCounter();
    }
    ~QuenbarScenesTest() override {
        fs::remove_all(dir);
        device::ResetNames();
        device::ResetFirmware();
        ui::SetUiLanguage(sys::kLangEnglish);
    }
    ui::HeadlessBackend& hl() { return *app.Headless(); }
    std::string Path(const std::string& name) const { return (dir / name).string(); }
    std::vector<std::string> BoxTexts() const {
        std::vector<std::string> out;
        for (const auto& b : boxes.Boxes()) out.push_back(b.text);
        return out;
    }
    // Answers the next slot dialog with a name typed over the shown one (nullopt: Cancel).
    void AnswerSlotDialog(std::optional<std::string> name, int pick = -1) {
        onModal = [this, name, pick](ui::Window& w) {
            auto* slots = dynamic_cast<CModeSlotDialog*>(&w);
            if (!slots || !name) return;
            if (pick >= 0) {
                slots->SlotList().SetCurSel(pick);
                slots->SendMessage(ui::WM_COMMAND, ui::MAKEWPARAM(IDC_SLOT_LIST, ui::CBN_SELCHANGE),
                                   ui::LPARAM(&slots->SlotList()));
            }
            hl().RunPending();
            slots->NameEdit().SetFocus();
            slots->NameEdit().SetSel(0, -1);
            hl().Type(*name);
            hl().KeyPress(ui::VK_RETURN);
            hl().RunPending();
        };
    }
    std::string SlotName(int slot) {
        std::lock_guard lock(g_NameMutex);
        return std::string(g_ModeNames[slot]);
    }

    fs::path dir;
};

TEST_F(QuenbarScenesTest, EachFileCommandAsksWithItsModeFilterTitleNameAndExtension) {
    struct Case {
        const char* name;
        std::function<void()> run;
        bool open;
        std::string filter, title, fileName, ext;
    } cases[] = {
        {"save scene", [this] { dlg->SendMessage(WM_SCENE_COMMAND, 3); }, false,
         "Text(*.txt)|*.txt|All(*.*)|*.*||", "Save", "CarModel_Data", "txt"},
        {"load scene", [this] { dlg->SendMessage(WM_SCENE_COMMAND, 2); }, true, "(*.txt)|*.txt|(*.*)|*.*||",
         "Open", "", "txt"},
        {"export", [this] { Click(IDC_EXPORT_MCU); }, false, "文本文件(*.c)|*.c|所有文件(*.*)|*.*||", "导出",
         "UserEq", "txt"},
        {"firmware", [this] { dlg->SendMessage(WM_SETUP_COMMAND, 0); }, true, "(*.img)|*.img|(*.*)|*.*||",
         "Open", "", "img"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const size_t before = files.Dialogs().size();
        files.QueueAnswer(std::nullopt);
        c.run();
        ASSERT_EQ(files.Dialogs().size(), before + 1);
        const ui::FileDialogRecord& r = files.Dialogs().back();
        EXPECT_EQ(r.open, c.open);
        EXPECT_EQ(r.filter, c.filter);
        EXPECT_EQ(r.title, c.title);
        EXPECT_EQ(r.file_name, c.fileName);
        EXPECT_EQ(r.default_ext, c.ext);
    }
    EXPECT_TRUE(boxes.Boxes().empty()) << "Cancel changes nothing";
}

TEST_F(QuenbarScenesTest, ASavedSceneLoadsBackIntoTheModelAndTheControls) {
    g_ChannelGain[1] = 600;
    g_PhaseMask = 0x1;
    g_MasterVolume = 12;
    g_EqGain[0][4] = 10;
    dlg->Delays()[2] = 48;
    {
        std::lock_guard lock(g_NameMutex);
        std::strcpy(g_ChannelNames[0], "Front");
    }
    files.QueueAnswer(Path("round"));  // the extension is added
    dlg->SendMessage(WM_SCENE_COMMAND, 3);
    ASSERT_TRUE(fs::exists(Path("round.txt")));
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Save the data successfully!"});

    // Everything back to its start, then the file.
    dlg->ResetAllControls();
    device::ResetNames();
    ASSERT_EQ(dlg->GetDlgItemText(g_ChannelGainEditIds[1]), "0.0dB");
    files.QueueAnswer(Path("round.txt"));
    dlg->SendMessage(WM_SCENE_COMMAND, 2);
    EXPECT_EQ(BoxTexts().size(), 1u) << "no message for a clean file";
    EXPECT_EQ(g_ChannelGain[1], 600);
    EXPECT_EQ(g_EqGain[0][4], 10);
    EXPECT_EQ(dlg->Delays()[2], 48);
    EXPECT_EQ(std::string(g_ChannelNames[0]), "Front");
    EXPECT_EQ(dlg->GetDlgItemText(g_ChannelGainEditIds[1]), "OFF");
    EXPECT_EQ(dlg->GetDlgItemText(g_MuteButtonIds[1]), "静音");
    EXPECT_EQ(dlg->GetDlgItemText(g_MuteButtonIds[0]), "非静音");
    EXPECT_EQ(dlg->GetDlgItemText(g_PhaseButtonIds[0]), " 180°");
    EXPECT_EQ(dlg->GetDlgItemText(g_PhaseButtonIds[1]), "  0°");
    EXPECT_EQ(dlg->GetDlgItemText(IDC_MASTER_EDIT), "-12dB");
    EXPECT_EQ(dynamic_cast<ui::TrackBar*>(dlg->GetDlgItem(IDC_MASTER_SLIDER))->GetPos(), 12);
    EXPECT_EQ(dlg->GetDlgItemText(g_DelayEditIds[2]), "1.000");
}

TEST_F(QuenbarScenesTest, AFailedWriteShowsItsReasonAndNoSuccess) {
    files.QueueAnswer("/proc/scene.txt");
    dlg->SendMessage(WM_SCENE_COMMAND, 3);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_NE(boxes.Boxes()[0].text.find("/proc/"), std::string::npos) << boxes.Boxes()[0].text;
    EXPECT_NE(boxes.Boxes()[0].text, "Save the data successfully!");
}

TEST_F(QuenbarScenesTest, ARefusedOrRepairedFileShowsItsMessage) {
    // A clean file first, then a copy with a broken first line and one with a delay out of range.
    files.QueueAnswer(Path("clean.txt"));
    dlg->SendMessage(WM_SCENE_COMMAND, 3);
    std::ifstream in(Path("clean.txt"), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    std::string refused = bytes;
    refused[2] = '8';  // "18"
    std::ofstream(Path("refused.txt"), std::ios::binary) << refused;
    std::string repaired = bytes;
    // Line 1, CH1's delay, starts after "19" CR LF (8 bytes): "-" is no number, so it becomes 0 with 242.
    repaired.replace(8, 2, std::string("-\0", 2));
    std::ofstream(Path("repaired.txt"), std::ios::binary) << repaired;

    g_MasterVolume = 7;
    dlg->SetDlgItemText(IDC_MASTER_EDIT, "untouched");
    files.QueueAnswer(Path("refused.txt"));
    dlg->SendMessage(WM_SCENE_COMMAND, 2);
    EXPECT_EQ(BoxTexts().back(), "Failure. File damage or model mismatch!");
    EXPECT_EQ(g_MasterVolume, 7);
    EXPECT_EQ(dlg->GetDlgItemText(IDC_MASTER_EDIT), "untouched");

    files.QueueAnswer(Path("repaired.txt"));
    dlg->SendMessage(WM_SCENE_COMMAND, 2);
    EXPECT_EQ(BoxTexts().back(), "File error");
    EXPECT_EQ(dlg->GetDlgItemText(IDC_MASTER_EDIT), "0dB");
}

TEST_F(QuenbarScenesTest, SavingToASlotStoresTheNameAndKeepsTheSlot) {
    g_CurrentModeSlot = 7;
    AnswerSlotDialog("Club");
    dlg->SendMessage(WM_SCENE_COMMAND, 1);
    EXPECT_EQ(g_CurrentModeSlot.load(), 7) << "slot 7 untouched comes back";
    EXPECT_EQ(SlotName(7), "Club");
    EXPECT_EQ(g_StoreModeRequest.load(), 1);

    g_StoreModeRequest = 0;
    AnswerSlotDialog(std::nullopt);
    dlg->SendMessage(WM_SCENE_COMMAND, 1);
    EXPECT_EQ(g_StoreModeRequest.load(), 0) << "Cancel stores nothing";

    // The master volume off refuses before any dialog.
    g_MasterVolume = 60;
    const size_t shown = opened.size();
    dlg->SendMessage(WM_SCENE_COMMAND, 1);
    EXPECT_EQ(opened.size(), shown);
    EXPECT_EQ(g_StoreModeRequest.load(), 0);
}

TEST_F(QuenbarScenesTest, TheExportWritesTwoFilesThenTheNameFileOfTheChosenSlot) {
    AnswerSlotDialog(std::nullopt);
    files.QueueAnswer(Path("UserEq.c"));
    Click(IDC_EXPORT_MCU);
    EXPECT_TRUE(fs::exists(Path("UserEq.c")));
    EXPECT_TRUE(fs::exists(Path("UserEq.c2")));
    EXPECT_FALSE(fs::exists(Path("Name1.c"))) << "Cancel in the slot dialog";
    EXPECT_TRUE(boxes.Boxes().empty());

    AnswerSlotDialog("Car", 2);
    files.QueueAnswer(Path("UserEq.c"));
    boxes.QueueAnswer(ui::IDYES);  // replace the first export
    Click(IDC_EXPORT_MCU);
    EXPECT_TRUE(fs::exists(Path("Name1.c")));
    EXPECT_EQ(SlotName(2), "Car");
    EXPECT_EQ(g_CurrentModeSlot.load(), 2);

    // A name file that cannot be written is reported (the counter has grown all the same).
    fs::create_directories(dir / "Name2.c" / "inside");
    AnswerSlotDialog("Car", 2);
    files.QueueAnswer(Path("UserEq.c"));
    boxes.QueueAnswer(ui::IDYES);
    const size_t before = boxes.Boxes().size();
    Click(IDC_EXPORT_MCU);
    ASSERT_EQ(boxes.Boxes().size(), before + 2);  // the overwrite question, then the failure
    EXPECT_NE(boxes.Boxes().back().text.find("Name2.c"), std::string::npos) << boxes.Boxes().back().text;
    EXPECT_EQ(files::g_NameFileCounter, 3);
}

TEST_F(QuenbarScenesTest, AFirmwareNameTypedWithoutExtensionGetsImgAndTheMessagesAreChinese) {
    g_DeviceModel = 4;
    std::ofstream(Path("system_K41F_9.img"), std::ios::binary) << std::string("\x01\x02\x03\x06", 4);
    files.QueueAnswer(Path("system_K41F_9"));
    dlg->SendMessage(WM_SETUP_COMMAND, 0);
    {
        std::lock_guard lock(g_FirmwareMutex);
        EXPECT_EQ(g_FirmwarePath, Path("system_K41F_9.img"));
    }
    EXPECT_TRUE(boxes.Boxes().empty());

    ui::SetUiLanguage(sys::kLangChinese);
    std::ofstream(Path("system_K41H.img"), std::ios::binary) << std::string("\x01\x02\x03\x06", 4);
    std::ofstream(Path("system_K41F_9.img"), std::ios::binary) << std::string("\x01\x02\x03\x07", 4);
    files.QueueAnswer(Path("system_K41H.img"));
    dlg->SendMessage(WM_SETUP_COMMAND, 0);
    files.QueueAnswer(Path("system_K41F_9.img"));
    dlg->SendMessage(WM_SETUP_COMMAND, 0);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"错误文件，升级失败！", "错误校验和，升级失败！"}));
}

}  // namespace
