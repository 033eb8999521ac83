// A typed band gain on the real main window reaches the device stand-in byte for byte, over both links.
#include <cstring>

#include "device/commands.h"
#include "device/devicemodel.h"
#include "mainwnd/quenbarids.h"
#include "windowfixture.h"

namespace {

using namespace std::chrono_literals;

class ValueEditsE2e : public WindowE2eTest, public ::testing::WithParamInterface<bool> {
  protected:
    // The window from its template, run modally against the stand-in; body runs once the window shows.
    void RunWindow(bool overUsb, const std::function<void()>& body) {
        stand = std::make_unique<standin::DeviceStandIn>(standin::Options{device::ModelCodeFor(4), 211118, "M"});
        device::LinkConfig config;
        if (overUsb) {
            usb = std::make_unique<standin::StandInUsb>(*stand, hid);
            usb->Plug();
            config = {&hid, "", 0};
        } else {
            server = std::make_unique<standin::StandInTcpServer>(*stand);
            ASSERT_TRUE(server->Start("127.0.0.1", 0));
            config = {nullptr, "127.0.0.1", server->Port()};
        }
        dlg = std::make_unique<StartedDlg>(&app);
        dlg->SetLinkConfig(config);
        app.SetMainWindow(dlg.get());
        app.SetModalObserver([&](ui::Window& w) {
            if (dynamic_cast<CDialogLogo*>(&w)) w.PostMessage(ui::WM_COMMAND, ui::MAKEWPARAM(ui::IDOK, ui::BN_CLICKED));
            if (&w != dlg.get()) return;
            body();
            dlg->PostMessage(ui::WM_CLOSE);
        });
        dlg->DoModal();
        app.SetMainWindow(nullptr);
    }
    static bool InStep() {
        std::lock_guard lock(g_ImageMutex);
        return std::memcmp(g_DeviceImage, g_DeviceImageShadow, EQ_USER_PARA_NUM) == 0;
    }
};

INSTANTIATE_TEST_SUITE_P(Link, ValueEditsE2e, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Usb" : "Tcp"; });

TEST_P(ValueEditsE2e, ATypedBandGainReachesTheDeviceAndNothingElse) {
    RunWindow(GetParam(), [&] {
        ASSERT_TRUE(RunUntil([&] { return Synced() && InStep(); }));
        const std::vector<std::uint8_t> before = stand->MainImage();
        ASSERT_EQ(g_CurrentChannel, 0);
        ui::Window* edit = dlg->GetDlgItem(1102);
        ASSERT_NE(edit, nullptr);
        edit->SetFocus();
        ui::HeadlessBackend& hl = *app.Headless();
        hl.KeyPress('A', ui::kModControl);
        hl.Type("-3.5");
        hl.KeyPress(ui::VK_RETURN);
        hl.RunPending();
        EXPECT_EQ(g_EqGain[0][4], 185);
        ASSERT_TRUE(RunUntil([&] {
            const std::vector<std::uint8_t> now = stand->MainImage();
            return now[89] == 0x00 && now[90] == 0xB9 && InStep();
        }));
        std::vector<std::uint8_t> expected = before;
        expected[89] = 0x00;
        expected[90] = 0xB9;
        EXPECT_EQ(stand->MainImage(), expected);
    });
}

}  // namespace
