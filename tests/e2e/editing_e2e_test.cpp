// Editing on the real main window (its template, its handlers) against the device stand-in over loopback TCP
// and the loopback HID: what a click or a rename changes reaches the device's own tables byte for byte, and
// nothing else changes there.
#include <cstring>

#include "device/commands.h"
#include "device/devicemodel.h"
#include "dialogs/savechannelname.h"
#include "dialogs/sideids.h"
#include "mainwnd/quenbarids.h"
#include "windowfixture.h"

namespace {

using namespace std::chrono_literals;

class EditingE2e : public WindowE2eTest, public ::testing::WithParamInterface<bool> {
  protected:
    // Runs the window from its template against a stand-in of a twelve-output model; body sees it once the
    // full read is done and the change push runs.
    void RunWindow(const std::function<void(CQuenbarDlg&)>& body) {
        stand =
            std::make_unique<standin::DeviceStandIn>(standin::Options{device::ModelCodeFor(2), 221130, "M"});
        stand->SetChannelName(2, "Old");
        if (prepare) prepare(*stand);
        device::LinkConfig config;
        if (GetParam()) {
            usb = std::make_unique<standin::StandInUsb>(*stand, hid);
            usb->Plug();
            config = {&hid, "", 0};
        } else {
            server = std::make_unique<standin::StandInTcpServer>(*stand);
            ASSERT_TRUE(server->Start("127.0.0.1", 0));
            config = {nullptr, "127.0.0.1", server->Port()};
        }
        CQuenbarDlg window(&app);
        window.SetLinkConfig(config);
        app.SetMainWindow(&window);
        bool ran = false;
        app.SetModalObserver([&](ui::Window& w) {
            if (onModal) onModal(w);
            if (&w != &window || ran) return;
            ran = true;
            const bool synced = RunUntil([&] {
                std::lock_guard lock(g_ImageMutex);
                return stand->CountReceived(CMD_REQUEST_ROUTING_IMAGE) > 0 && g_Progress.load() == 1000 &&
                       device::GetPendingRead() == device::PendingRead::None && window.LoadState() == 8;
            });
            EXPECT_TRUE(synced);
            if (synced) body(window);
            window.PostMessage(ui::WM_CLOSE);
        });
        window.DoModal();
        app.SetMainWindow(nullptr);
        EXPECT_TRUE(ran);
    }
    // Runs the loop until the stand-in's main image equals the console's.
    bool InStep() {
        return RunUntil(
            [&] {
                std::lock_guard lock(g_ImageMutex);
                return stand->MainImage() ==
                       std::vector<std::uint8_t>(g_DeviceImage, g_DeviceImage + EQ_USER_PARA_NUM);
            },
            5s);
    }
    // Opens CH3's rename dialog with a double-click, once the full read's names are in (so their answer
    // cannot overwrite the rename); onModal answers it.
    bool RenameCh3(CQuenbarDlg& window) {
        const bool named = RunUntil(
            [&] {
                std::lock_guard lock(g_NameMutex);
                return std::string(g_ChannelNames[2]) == "Old";
            },
            5s);
        if (named)
            app.Headless()->DoubleClick(
                app.Headless()->ScreenPointOf(*window.GetDlgItem(g_ChannelSelectButtonIds[2])));
        return named;
    }
    std::function<void(ui::Window&)> onModal;
    std::function<void(standin::DeviceStandIn&)> prepare;  // before the window starts
};

INSTANTIATE_TEST_SUITE_P(Link, EditingE2e, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Usb" : "Tcp"; });

TEST_P(EditingE2e, ABypassClickChangesExactlyItsTwoBytesOnTheDevice) {
    RunWindow([&](CQuenbarDlg& window) {
        g_EqGain[0][4] = 180;  // CH1 band 5 at -3.0 dB
        ASSERT_TRUE(RunUntil([&] { return stand->MainImage()[90] == 0xB4; }, 5s));
        ASSERT_TRUE(InStep());
        const std::vector<std::uint8_t> before = stand->MainImage();
        ASSERT_EQ(before[90], 0xB4);
        app.Headless()->ClickWindow(*window.GetDlgItem(g_BandButtonIds[4]));
        ASSERT_TRUE(RunUntil([&] { return stand->MainImage()[90] == 0x96; }, 5s));
        ASSERT_TRUE(InStep());
        const std::vector<std::uint8_t> after = stand->MainImage();
        EXPECT_EQ(after[89], 0x00);
        for (std::size_t i = 0; i < after.size(); ++i) {
            if (i != 90) {
                EXPECT_EQ(after[i], before[i]) << "byte " << i;
            }
        }
    });
}

TEST_P(EditingE2e, ARenameReachesTheDevicesNameTable) {
    onModal = [](ui::Window& w) {
        if (!dynamic_cast<CSaveChannelName*>(&w)) return;
        w.SetDlgItemText(IDC_NEW_NAME_EDIT, "Rear 左");
        w.PostMessage(ui::WM_COMMAND, ui::MAKEWPARAM(ui::IDOK, ui::BN_CLICKED));
    };
    RunWindow([&](CQuenbarDlg& window) {
        ASSERT_TRUE(RenameCh3(window));
        // The device keeps the GBK bytes.
        ASSERT_TRUE(RunUntil([&] { return stand->ChannelName(2) == "Rear \xD7\xF3"; }, 5s));
        char expected[20] = {'R', 'e', 'a', 'r', ' ', char(0xD7), char(0xF3)};
        std::lock_guard lock(g_NameMutex);
        EXPECT_EQ(std::memcmp(g_ChannelNames[2], expected, 20), 0);
    });
}

// The device answers the full read's names request with the names it held when asked. Here that answer is
// held back until a rename has gone out: it still carries the old name, which must not replace the new one;
// the other names of the same answer are taken.
TEST_P(EditingE2e, ANamesAnswerCrossingARenameLeavesTheNewName) {
    prepare = [](standin::DeviceStandIn& d) {
        d.SetChannelName(4, "Five");
        standin::Faults f;
        f.namesAnswerAfterRename = true;
        d.SetFaults(f);
    };
    onModal = [](ui::Window& w) {
        if (!dynamic_cast<CSaveChannelName*>(&w)) return;
        w.SetDlgItemText(IDC_NEW_NAME_EDIT, "Rear");
        w.PostMessage(ui::WM_COMMAND, ui::MAKEWPARAM(ui::IDOK, ui::BN_CLICKED));
    };
    const auto name = [](int channel) {
        std::lock_guard lock(g_NameMutex);
        return std::string(g_ChannelNames[channel]);
    };
    RunWindow([&](CQuenbarDlg& window) {
        ASSERT_TRUE(RunUntil([&] { return stand->CountReceived(CMD_REQUEST_NAMES) > 0; }, 5s));
        EXPECT_EQ(name(4), "") << "the answer is held";
        app.Headless()->DoubleClick(
            app.Headless()->ScreenPointOf(*window.GetDlgItem(g_ChannelSelectButtonIds[2])));
        // CH5's name comes after CH3's in the answer.
        ASSERT_TRUE(RunUntil([&] { return name(4) == "Five"; }, 5s));
        EXPECT_EQ(name(2), "Rear");
        EXPECT_EQ(CQuenbarDlg::ChannelSelectTitle(2), "Rear");
        EXPECT_EQ(stand->ChannelName(2), "Rear");
    });
}

// The new-name edit has no length limit: the whole paste stands in it, and the name is cut on its way into the
// 20-byte field, before the character that does not fit, so ten two-byte characters fill it exactly.
TEST_P(EditingE2e, ElevenChineseCharactersPastedAsCh3sNameKeepTheFirstTenAsTwentyGbkBytes) {
    std::string inEdit;
    onModal = [&](ui::Window& w) {
        if (!dynamic_cast<CSaveChannelName*>(&w)) return;
        ASSERT_EQ(app.GetFocus(), w.GetDlgItem(IDC_NEW_NAME_EDIT));
        app.GetBackend().SetClipboardText("左前高音右前高音中置低");
        app.Headless()->KeyPress('V', ui::kModControl);
        app.Post([&] { inEdit = w.GetDlgItemText(IDC_NEW_NAME_EDIT); });
        w.PostMessage(ui::WM_COMMAND, ui::MAKEWPARAM(ui::IDOK, ui::BN_CLICKED));
    };
    RunWindow([&](CQuenbarDlg& window) {
        ASSERT_TRUE(RenameCh3(window));
        const std::string gbk =
            "\xD7\xF3\xC7\xB0\xB8\xDF\xD2\xF4\xD3\xD2\xC7\xB0\xB8\xDF\xD2\xF4\xD6\xD0\xD6\xC3";
        ASSERT_TRUE(RunUntil([&] { return stand->ChannelName(2) == gbk; }, 5s)) << stand->ChannelName(2);
        EXPECT_EQ(inEdit, "左前高音右前高音中置低");
        std::lock_guard lock(g_NameMutex);
        EXPECT_EQ(std::string(g_ChannelNames[2], 20), gbk);
    });
}

}  // namespace
