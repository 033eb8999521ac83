// The channel strips (attenuation, mute, phase, delay), the master volume and the values a device-image
// load shows, on the real main window.
#include "editing/channelgaintext.h"
#include "editing/indexes.h"
#include "editingfixture.h"

namespace {

const std::string kMuted(kMuteOnText);
const std::string kNotMuted(kMuteOffText);

TEST_F(EditingWindowTest, AMuteClickMutesTheBridgedPairAndASecondRestoresBoth) {
    Run([&](EditingDlg&) {
        g_BridgeCh12 = 1;
        g_ChannelGain[0] = 30;
        g_ChannelGain[1] = 40;
        Click(1041);
        EXPECT_EQ(g_ChannelGain[0], 600);
        EXPECT_EQ(g_ChannelGain[1], 600);
        EXPECT_EQ(Text(1041), kMuted);
        EXPECT_EQ(Text(1042), kMuted);
        EXPECT_EQ(Text(1014), "OFF");
        EXPECT_EQ(Text(1015), "OFF");
        EXPECT_EQ(SliderPos(1193), 600);
        EXPECT_EQ(g_MuteMask, 0x3);
        const auto bytes = Written(Push());
        EXPECT_EQ(bytes.at(0) >> 4, 4);
        EXPECT_EQ(bytes.at(2) >> 4, 4);
        EXPECT_EQ(bytes.at(12), 0x58);
        EXPECT_EQ(bytes.at(13), 0x58);
        Click(1041);
        EXPECT_EQ(g_ChannelGain[0], 30);
        EXPECT_EQ(g_ChannelGain[1], 40);
        EXPECT_EQ(Text(1042), kNotMuted);
        EXPECT_EQ(Text(1015), "-4.0dB");
        EXPECT_EQ(g_MuteMask, 0);
    });
}

TEST_F(EditingWindowTest, ATypedAttenuationReachesTheBridgedPartner) {
    Run([&](EditingDlg&) {
        g_BridgeCh12 = 1;
        TypeInto(1014, "-12.5");
        Click(1016);
        EXPECT_EQ(g_ChannelGain[0], 125);
        EXPECT_EQ(g_ChannelGain[1], 125);
        EXPECT_EQ(Text(1014), "-12.5dB");
        EXPECT_EQ(Text(1015), "-12.5dB");
        EXPECT_EQ(SliderPos(1193), 125);
        // A refused text shows the stored value again.
        TypeInto(1014, "loud");
        Click(1016);
        EXPECT_EQ(Text(1014), "-12.5dB");
        EXPECT_EQ(g_ChannelGain[0], 125);
        // OFF typed marks the channel muted through the stepped refresh, without saving.
        TypeInto(1016, "off");
        Click(1017);
        EXPECT_EQ(g_ChannelGain[2], 600);
        EXPECT_EQ(Text(1043), kMuted);
        EXPECT_EQ(g_GainBeforeMute[2], 0);
    });
}

TEST_F(EditingWindowTest, SliderToTheBottomMutesThePairAndBackUpUnmutesIt) {
    Run([&](EditingDlg& dlg) {
        g_BridgeCh34 = 1;
        g_GainBeforeMute[2] = 77;
        auto& slider = dynamic_cast<ui::TrackBar&>(Item(1194));
        slider.SetFocus();
        hl().KeyPress(ui::VK_END);
        hl().RunPending();
        EXPECT_EQ(g_ChannelGain[2], 600);
        EXPECT_EQ(g_ChannelGain[3], 600);
        EXPECT_EQ(SliderPos(1195), 600);
        EXPECT_EQ(Text(1043), kMuted);
        EXPECT_EQ(Text(1044), kMuted);
        EXPECT_EQ(g_MuteMask, 0xC);
        EXPECT_EQ(g_GainBeforeMute[2], 77) << "a slider mute saves nothing";
        EXPECT_EQ(dlg.GetFocus(), &Item(1016));
        slider.SetFocus();
        hl().KeyPress(ui::VK_HOME);
        hl().RunPending();
        EXPECT_EQ(g_ChannelGain[3], 0);
        EXPECT_EQ(Text(1044), kNotMuted);
        EXPECT_EQ(g_MuteMask, 0);
        // Muted by the slider, unmuted by the button: the last mute click's value comes back.
        slider.SetFocus();
        hl().KeyPress(ui::VK_END);
        hl().RunPending();
        Click(1043);
        EXPECT_EQ(g_ChannelGain[2], 77);
    });
}

TEST_F(EditingWindowTest, PhaseClicksSetTheBitAndTheText) {
    Run([&](EditingDlg&) {
        const std::string phase0 = res::LoadUiString(IDS_PHASE_0);
        const std::string phase180 = res::LoadUiString(IDS_PHASE_180);
        Click(1038);
        EXPECT_EQ(g_PhaseMask, 0x8);
        EXPECT_EQ(Text(1038), phase180);
        const auto bytes = Written(Push());
        EXPECT_EQ(bytes.at(15) & 0x80, 0x80);
        Click(1038);
        EXPECT_EQ(g_PhaseMask, 0);
        EXPECT_EQ(Text(1038), phase0);
        // The pair partner follows; the quad link does not carry phase.
        g_BridgeCh56 = 1;
        g_QuadLinkMode = 1;
        Click(1040);
        EXPECT_EQ(g_PhaseMask, 0x30);
        EXPECT_EQ(Text(1039), phase180);
        Click(1035);
        EXPECT_EQ(g_PhaseMask, 0x31);
    });
}

TEST_F(EditingWindowTest, MasterMuteAndTypedMasterVolumes) {
    Run([&](EditingDlg&) {
        g_MasterVolume = 12;
        Click(IDC_MASTER_MUTE);
        EXPECT_EQ(g_MasterVolume, 60);
        EXPECT_EQ(Text(IDC_MASTER_MUTE), kMuted);
        EXPECT_EQ(Text(IDC_MASTER_EDIT), "OFF");
        EXPECT_EQ(Written(Push()).at(18), 0x3C);
        Click(IDC_MASTER_MUTE);
        EXPECT_EQ(g_MasterVolume, 12);
        EXPECT_EQ(SliderPos(IDC_MASTER_SLIDER), 12);
        const struct {
            const char* typed;
            int stored;
            const char* shown;
        } cases[] = {
            {"0dB", 0, "0dB"},  {"-5", 5, "-5dB"}, {"off", 60, "OFF"}, {"-05", 5, "-5dB"},
            {"-60", 5, "-5dB"}, {"İ", 5, "-5dB"},  {"0", 0, "0dB"},    {"-12dB", 0, "0dB"},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.typed);
            TypeInto(IDC_MASTER_EDIT, c.typed);
            Click(1014);
            EXPECT_EQ(g_MasterVolume, c.stored);
            EXPECT_EQ(Text(IDC_MASTER_EDIT), c.shown);
            EXPECT_EQ(Text(IDC_MASTER_MUTE), c.stored == 60 ? kMuted : kNotMuted);
        }
    });
}

TEST_F(EditingWindowTest, LeftAndRightMoveAroundTheTwoRings) {
    const struct {
        int from;
        unsigned key;
        int to;
    } cases[] = {
        {1005, ui::VK_RIGHT, 1007}, {1007, ui::VK_RIGHT, 1006}, {1006, ui::VK_RIGHT, 1237},
        {1250, ui::VK_RIGHT, 1002}, {1014, ui::VK_LEFT, 1245},  {1245, ui::VK_RIGHT, 1014},
        {1019, ui::VK_RIGHT, 1239}, {1004, ui::VK_UP, 1004},
    };
    Run([&](EditingDlg& dlg) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::to_string(c.from) + " -> " + std::to_string(c.to));
            Item(c.from).SetFocus();
            dlg.SendMessage(WM_MOVE_FOCUS, c.key);
            EXPECT_EQ(dlg.GetFocus(), &Item(c.to));
        }
    });
}

TEST_F(EditingWindowTest, ATypedDelayReachesTheBridgedPartner) {
    Run([&](EditingDlg& dlg) {
        g_BridgeCh12 = 1;
        TypeInto(1003, "5");
        Click(1004);
        EXPECT_EQ(dlg.Delays()[1], 240);
        EXPECT_EQ(dlg.Delays()[0], 240);
        EXPECT_EQ(Text(1003), "5.000");
        EXPECT_EQ(Text(1002), "5.000");
        const auto bytes = Written(Push());
        EXPECT_EQ(bytes.at(0), 0x00);
        EXPECT_EQ(bytes.at(1), 0xF0);
        EXPECT_EQ(bytes.at(2), 0x00);
        EXPECT_EQ(bytes.at(3), 0xF0);
        // The calculator's result: no copy, the distance kept.
        dlg.SendMessage(WM_DELAY_RESULT, 0, (120 << 16) | 60);
        EXPECT_EQ(dlg.Delays()[0], 60);
        EXPECT_EQ(Text(1002), "1.250");
        EXPECT_EQ(dlg.m_DelayCalcDistance[0], 120);
        EXPECT_EQ(dlg.Delays()[1], 240);
        dlg.SendMessage(WM_DELAY_RESULT, 12, 5);
        // Without the bridge the partner keeps its delay; a refused text shows the held one.
        g_BridgeCh12 = 0;
        TypeInto(1002, "2");
        TypeInto(1003, "x");
        Click(1004);
        EXPECT_EQ(dlg.Delays()[0], 96);
        EXPECT_EQ(dlg.Delays()[1], 240);
        EXPECT_EQ(Text(1003), "5.000");
    });
}

TEST_F(EditingWindowTest, AStepOfTheFocusedDelayEditReachesItsPartner) {
    Run([&](EditingDlg& dlg) {
        g_BridgeCh56 = 1;
        Item(1007).SetFocus();
        dlg.Delays()[4] = 10;  // as the CH5 edit's Up left it
        dlg.SendMessage(WM_DELAY_CHANGED);
        EXPECT_EQ(dlg.Delays()[5], 10);
        EXPECT_EQ(Text(1006), "0.208");
    });
}

TEST_F(EditingWindowTest, TheUnitToggleShowsEveryDelayInTheOtherUnit) {
    Run([&](EditingDlg& dlg) {
        dlg.SendMessage(WM_DELAY_RESULT, 2, 480);
        EXPECT_EQ(Text(1004), "10.000");
        Click(1264);
        EXPECT_EQ(g_DelayInCm, 1);
        EXPECT_EQ(Text(1004), "340.000");
        EXPECT_EQ(Text(1250), "0.000");
        Click(1477);
        EXPECT_EQ(Text(1004), "10.000");
        EXPECT_EQ(dlg.Delays()[2], 480);
    });
}

TEST_F(EditingWindowTest, ALoadShowsMuteAndPhaseStateInTheButtonTexts) {
    Run([&](EditingDlg& dlg) {
        {
            std::lock_guard lock(g_ImageMutex);
            g_DeviceImage[2] = 0x40;   // CH2: gain bits 10..7 = 4, delay 0
            g_DeviceImage[13] = 0xD8;  // 180 degrees, gain bits 6..0 = 0x58: 600
            g_DeviceImage[18] = 61;    // master above 60
        }
        dlg.SendMessage(WM_DEVICE_IMAGE_LOADED);
        EXPECT_EQ(Text(1042), kMuted);
        EXPECT_EQ(Text(1036), res::LoadUiString(IDS_PHASE_180));
        EXPECT_EQ(Text(1015), "OFF");
        EXPECT_EQ(SliderPos(1193), 600);
        EXPECT_EQ(Text(1041), kNotMuted);
        EXPECT_EQ(Text(1035), res::LoadUiString(IDS_PHASE_0));
        EXPECT_EQ(Text(IDC_MASTER_EDIT), "OFF");
        EXPECT_EQ(Text(IDC_MASTER_MUTE), kMuted);
        // The loaded state is what the next clicks read: unmuting CH2 brings back the saved 0 dB.
        Click(1042);
        EXPECT_EQ(g_ChannelGain[1], 0);
    });
}

TEST_F(EditingWindowTest, ASteppedGainIsShownOnEveryChannelTheCopyReached) {
    Run([&](EditingDlg& dlg) {
        g_QuadLinkMode = 1;
        ASSERT_TRUE(editing::StepGainByKey(editing::kKeyDown, 1, 0));
        dlg.SendMessage(WM_GAIN_STEPPED, 1);
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(g_ChannelGain[c], 1);
            EXPECT_EQ(SliderPos(g_ChannelGainSliderIds[c]), 1) << c;
            EXPECT_EQ(Text(g_ChannelGainEditIds[c]), "-0.1dB") << c;
        }
        EXPECT_EQ(Text(g_ChannelGainEditIds[4]), "0.0dB");
        dlg.SendMessage(WM_GAIN_STEPPED, 12);  // no such channel
    });
}

}  // namespace
