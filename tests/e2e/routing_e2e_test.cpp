// The routing matrix, the input-volume dialog and the mix volume against the stand-in, over TCP and over
// the loopback HID: what the console changes reaches the device's routing image at the next push ticks, and
// what the device holds comes into the model.
#include <functional>
#include <string>

#include "device/commands.h"
#include "device/devicemodel.h"
#include "device/routingimage.h"
#include "dialogs/dialogchinputvol.h"
#include "dialogs/inputvolids.h"
#include "mainwnd/quenbarids.h"
#include "mainwnd/routingids.h"
#include "mainwnd/shellmessages.h"
#include "windowfixture.h"

namespace {

using namespace std::chrono_literals;

class RoutingE2eTest : public WindowE2eTest, public ::testing::WithParamInterface<bool> {
  protected:
    // The stand-in as prepare leaves it, then the window on the link of the test's parameter.
    void StartWith(standin::Options options, const std::function<void(standin::DeviceStandIn&)>& prepare) {
        stand = std::make_unique<standin::DeviceStandIn>(options);
        if (prepare) prepare(*stand);
        if (GetParam()) {
            usb = std::make_unique<standin::StandInUsb>(*stand, hid);
            usb->Plug();
            MakeWindow({&hid, "", 0});
        } else {
            server = std::make_unique<standin::StandInTcpServer>(*stand);
            ASSERT_TRUE(server->Start("127.0.0.1", 0));
            MakeWindow({nullptr, "127.0.0.1", server->Port()});
        }
        Synchronise();
    }
    static standin::Options Model(int model, int firmwareDate = 221130) {
        standin::Options o;
        o.modelCode = device::ModelCodeFor(model);
        o.firmwareDate = firmwareDate;
        return o;
    }
    std::uint8_t DeviceByte(int offset) const { return stand->RoutingImage()[offset]; }
    // The input-volume dialog opened from its button; `use` runs while it is open, then it closes.
    void WithInputVolume(const std::function<void(CDialogChInputVol&)>& use) {
        bool opened = false;
        app.SetModalObserver([&](ui::Window& w) {
            auto* vol = dynamic_cast<CDialogChInputVol*>(&w);
            if (!vol) return;
            opened = true;
            use(*vol);
            vol->EndDialog(ui::IDCANCEL);
        });
        dlg->SendMessage(ui::WM_COMMAND, ui::MAKEWPARAM(IDC_INPUT_VOLUME, ui::BN_CLICKED));
        EXPECT_TRUE(opened);
    }
};

INSTANTIATE_TEST_SUITE_P(Links, RoutingE2eTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Usb" : "Tcp"; });

TEST_P(RoutingE2eTest, ACellClickOnABridgedPairReachesBothMasks) {
    StartWith(Model(9, 190821), [](standin::DeviceStandIn& s) { s.SetRoutingImageByte(kRoutingBridgeByte, 0x01); });
    ASSERT_EQ(g_BridgeCh12, 1);
    dlg->SendMessage(ui::WM_COMMAND, ui::MAKEWPARAM(g_RoutingButtonIds[0][5], ui::BN_CLICKED));
    // One chunk at the next push tick; a few ticks leave room for a loaded machine.
    ASSERT_TRUE(RunUntil([&] { return DeviceByte(2) == 0x20 && DeviceByte(5) == 0x20; }, 3s));
    const std::vector<std::uint8_t> image = stand->RoutingImage();
    EXPECT_EQ(std::vector<std::uint8_t>(image.begin(), image.begin() + 6),
              (std::vector<std::uint8_t>{0x00, 0x00, 0x20, 0x00, 0x00, 0x20}));
}

TEST_P(RoutingE2eTest, ALevelTypedInTheDialogReachesTheDevice) {
    StartWith(Model(9), nullptr);
    ASSERT_EQ(g_DeviceModel.load(), 9);
    WithInputVolume([&](CDialogChInputVol& vol) {
        ui::Edit& edit = vol.EditCell(2, 17);
        ASSERT_EQ(edit.GetDlgCtrlID(), 1438);
        edit.SetFocus();
        edit.SetSel(0, -1);
        app.Headless()->Type("-12");
        app.Headless()->RunPending();
        // What the cell edit sends on Enter.
        vol.SendMessage(WM_GAIN_COMMIT, 2, 1 << 17);
        EXPECT_EQ(edit.GetWindowText(), "-12dB");
    });
    ASSERT_TRUE(RunUntil([&] { return DeviceByte(350) == 0x0C; }, 3s));
}

TEST_P(RoutingE2eTest, TheMixVolumeFromTheSettingsReachesByte48) {
    StartWith(Model(9), [](standin::DeviceStandIn& s) { s.SetRoutingImageByte(kRoutingMixByte, 0x80); });
    ASSERT_EQ(g_HighLevelMixIn, 1);
    dlg->SendMessage(WM_MIX_VOLUME_CHANGED, 12);
    ASSERT_TRUE(RunUntil([&] { return DeviceByte(kRoutingMixByte) == 0x8C; }, 3s));
}

TEST_P(RoutingE2eTest, TheDevicesLevelsFillTheModelAndTheDialogShowsThem) {
    StartWith(Model(9), [](standin::DeviceStandIn& s) {
        s.SetRoutingImageByte(kRoutingLevelsStart, 7);                       // CH1, Hi.1
        s.SetRoutingImageByte(kRoutingLevelsStart + 16 * 4 + 8, 60);         // CH5, AUX-1
        s.SetRoutingImageByte(kRoutingLevelsHighStart + 4 * 11 + 3, 33);     // CH12, Hi.12
        s.SetRoutingImageByte(kRoutingLevelsHighStart + 4 * 2 + 1, 200);     // CH3, Hi.10, out of range
    });
    WithInputVolume([&](CDialogChInputVol& vol) {
        EXPECT_EQ(vol.EditCell(0, 0).GetWindowText(), "-7dB");
        EXPECT_EQ(vol.EditCell(4, 6).GetWindowText(), "-60dB");
        EXPECT_EQ(vol.EditCell(11, 19).GetWindowText(), "-33dB");
        EXPECT_EQ(vol.SliderCell(11, 19).GetPos(), 33);
        EXPECT_EQ(vol.EditCell(2, 17).GetWindowText(), "");
        EXPECT_EQ(vol.EditCell(1, 0).GetWindowText(), "0dB");
    });
}

// The first pushes after a load change only the repairs of out-of-range values; the pair byte is read back
// from firmware 190821 on, and below it the console's own (cleared) flags go out.
TEST_P(RoutingE2eTest, TheFirstPushWritesOnlyTheRepairs) {
    for (int date : {190821, 190820}) {
        SCOPED_TRACE(date);
        std::vector<std::uint8_t> before;
        StartWith(Model(9, date), [&](standin::DeviceStandIn& s) {
            s.InjectOutOfRangeValues();
            s.SetRoutingImageByte(kRoutingBridgeByte, 0x01);
            before = s.RoutingImage();
        });
        std::vector<std::uint8_t> expected = before;
        expected[0] = 0x0F;
        expected[kRoutingMixByte] = 0x3C;
        expected[kRoutingLinkGroupsStart] = 0x0F;
        expected[kRoutingLinkGroupsStart + 1] = 0xFF;
        if (date < kRoutingReadBackFirmwareDate) expected[kRoutingBridgeByte] = 0x00;
        EXPECT_TRUE(RunUntil([&] { return stand->RoutingImage() == expected; }, 5s));
        // The rest of the image stays as the device had it.
        const std::vector<std::uint8_t> after = stand->RoutingImage();
        for (std::size_t i = 0; i < after.size(); ++i) EXPECT_EQ(after[i], expected[i]) << "byte " << i;
        TearDown();
        SetUp();
    }
}

}  // namespace
