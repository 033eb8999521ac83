// The About box, the save guard and the reset of all settings.
#include <cstring>

#include "quenbarfixture.h"

namespace {

using QuenbarResetTest = QuenbarWindowTest;

// ---- About ----

struct AboutCase {
    const char* name;
    std::string version;  // written into the whole field, no terminator when it fills it
    std::string media;
    int mediaReceived;
    std::string shownVersion;
    bool mediaShown;
    std::string shownMedia;
};

class AboutTest : public QuenbarWindowTest, public ::testing::WithParamInterface<AboutCase> {};

TEST_P(AboutTest, ShowsTheBuildTagAndTheReportedVersions) {
    const AboutCase& c = GetParam();
    {
        std::lock_guard lock(g_VersionMutex);
        std::memset(g_DeviceVersion, 'X', sizeof g_DeviceVersion);
        std::memset(g_MediaVersion, 'Y', sizeof g_MediaVersion);
        std::memcpy(g_DeviceVersion, c.version.data(),
                    std::min<size_t>(c.version.size() + 1, kDeviceVersionLen));
        std::memcpy(g_MediaVersion, c.media.data(), std::min<size_t>(c.media.size() + 1, kMediaVersionLen));
    }
    g_MediaVersionReceived = std::uint8_t(c.mediaReceived);
    onModal = [&](ui::Window& w) {
        auto* about = dynamic_cast<CAboutDlg*>(&w);
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(about->GetDlgItemText(IDC_ABOUT_APP), "6614K_221130V1");
        EXPECT_EQ(about->GetDlgItemText(IDC_ABOUT_MCU), c.shownVersion);
        EXPECT_EQ(about->GetDlgItem(IDC_ABOUT_MEDIA)->IsWindowVisible(), c.mediaShown);
        EXPECT_EQ(about->GetDlgItem(IDC_ABOUT_MEDIA_LABEL)->IsWindowVisible(), c.mediaShown);
        if (c.mediaShown) {
            EXPECT_EQ(about->GetDlgItemText(IDC_ABOUT_MEDIA), c.shownMedia);
        }
    };
    dlg->ShowAbout();
    EXPECT_EQ(opened.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Cases, AboutTest,
                         ::testing::Values(AboutCase{"NothingReported", "", "", 0, "", false, ""},
                                           AboutCase{"MediaNotYetReceived", "V1.2", "M9", 0, "V1.2", false,
                                                     ""},
                                           AboutCase{"BothReported", "V1.2", "M9", 1, "V1.2", true, "M9"},
                                           AboutCase{"FullFields", "ABCDEFGHIJKLMN", "abcdefghijk", 1,
                                                     "ABCDEFGHIJKLMN", true, "abcdefghijk"}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Save guard ----

TEST_F(QuenbarResetTest, TheSaveGuardRefusesMasterOffAndAsksForMutedFrontChannels) {
    struct Case {
        const char* name;
        int master;
        std::vector<int> offChannels;
        std::vector<int> answers;
        std::vector<int> asked;  // string ids of the boxes, in order
        bool result;
    } cases[] = {
        {"MasterOffWinsOverCh1", 60, {0}, {}, {147}, false},
        {"Ch1AndCh3YesYes", 0, {0, 2}, {ui::IDYES, ui::IDYES}, {148, 150}, true},
        {"NoAtCh1StopsAtOnce", 0, {0, 2}, {ui::IDNO}, {148}, false},
        {"RearChannelsNeverAsk", 0, {6, 11}, {}, {}, true},
        {"Ch6", 0, {5}, {ui::IDYES}, {153}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui::MessageBoxRecorder recorder(app, ui::IDYES);
        for (int a : c.answers) recorder.QueueAnswer(a);
        device::ResetChannelModel();
        g_MasterVolume = c.master;
        for (int ch : c.offChannels) g_ChannelGain[ch] = 600;
        EXPECT_EQ(dlg->CheckBeforeSave(), c.result);
        ASSERT_EQ(recorder.Boxes().size(), c.asked.size());
        for (size_t i = 0; i < c.asked.size(); ++i) {
            EXPECT_EQ(recorder.Boxes()[i].text, res::LoadUiString(c.asked[i]));
            EXPECT_EQ(recorder.Boxes()[i].caption, "Alert");
            const unsigned buttons = c.asked[i] == 147 ? ui::MB_OK : ui::MB_YESNO;
            EXPECT_EQ(recorder.Boxes()[i].flags, buttons | ui::MB_ICONEXCLAMATION);
        }
    }
}

// ---- Reset ----

TEST_F(QuenbarResetTest, ResetBringsTheFactoryValuesAndLeavesLinksAlone) {
    g_DeviceModel = 9;
    g_CurrentChannel = 7;
    g_ChannelGain[3] = 600;
    g_GainBeforeMute[3] = 120;
    g_MasterVolume = 60;
    g_MuteMask = 0x1FFF;
    g_PhaseMask = 0xFFF;
    g_HighLevelMixVolume = 30;
    g_HighLevelMixIn = 1;
    g_EqGain[4][7] = 3;
    g_EqGainSaved[4][7] = 9;
    g_EqFreq[11][30] = 99;
    g_EqQ[0][0] = 0.5;
    g_EqQIndex[0][0] = 3;
    g_EqGainShadow[4][7] = 3;
    g_HighPassFreq[2] = 500;
    g_HighPassSlope[2] = 1;
    g_LowPassType[2] = 1;
    g_InputVolume[3][4] = 20;
    g_LinkGroupMask[0] = 0x3;
    g_BridgeCh12 = 1;
    g_InputSource = 9;
    dlg->Delays()[5] = 300;
    dlg->m_DelayCalcDistance[5] = 40;
    dlg->SetDlgItemText(g_MuteButtonIds[4], std::string(kMuteOnText));

    dlg->ResetAllControls();

    EXPECT_EQ(g_CurrentChannel, 0);
    for (int c = 0; c < kChannels; ++c) {
        SCOPED_TRACE(c);
        EXPECT_EQ(g_ChannelGain[c], 0);
        EXPECT_EQ(g_GainBeforeMute[c], 0);
        EXPECT_EQ(dlg->Delays()[c], 0);
        EXPECT_EQ(dlg->m_DelayCalcDistance[c], 0);
        EXPECT_EQ(dlg->GetDlgItemText(g_DelayEditIds[c]), "0.000");
        EXPECT_EQ(dlg->GetDlgItemText(g_ChannelGainEditIds[c]), "0.0dB");
        EXPECT_EQ(dlg->GetDlgItemText(g_MuteButtonIds[c]), "非静音");
        EXPECT_EQ(dlg->GetDlgItemText(g_PhaseButtonIds[c]), res::LoadUiString(IDS_PHASE_0));
        EXPECT_EQ(dynamic_cast<ui::TrackBar*>(dlg->GetDlgItem(g_ChannelGainSliderIds[c]))->GetPos(), 0);
        for (int b = 0; b < kBands; ++b) {
            EXPECT_EQ(g_EqGain[c][b], 150);
            EXPECT_EQ(g_EqGainSaved[c][b], 150);
            EXPECT_EQ(g_EqGainShadow[c][b], 150);
            EXPECT_EQ(g_EqFreq[c][b], g_DefaultEqFreq[b]);
            EXPECT_EQ(g_EqFreqShadow[c][b], g_DefaultEqFreq[b]);
            EXPECT_DOUBLE_EQ(g_EqQ[c][b], 4.32);
            EXPECT_EQ(g_EqQIndex[c][b], 87);
        }
        EXPECT_EQ(g_HighPassFreq[c], 20);
        EXPECT_EQ(g_LowPassFreq[c], 20000);
        EXPECT_EQ(g_HighPassSlope[c], 8);
        EXPECT_EQ(g_LowPassSlope[c], 8);
        EXPECT_EQ(g_HighPassType[c], 0);
        EXPECT_EQ(g_LowPassType[c], 0);
        for (int j = 0; j < kInputs; ++j) EXPECT_EQ(g_InputVolume[c][j], 0);
    }
    EXPECT_EQ(g_MuteMask, 0);
    EXPECT_EQ(g_PhaseMask, 0);
    EXPECT_EQ(g_MasterVolume, 0);
    EXPECT_EQ(dlg->GetDlgItemText(IDC_MASTER_MUTE), "非静音");
    EXPECT_EQ(dlg->GetDlgItemText(IDC_MASTER_EDIT), "0dB");
    EXPECT_EQ(g_HighLevelMixVolume, 0);
    EXPECT_EQ(g_HighLevelMixIn, 1);
    // The model's default routing (model 9).
    int masks[12];
    ASSERT_TRUE(editing::DefaultRouting(9, g_HideAux34.load() != 0, false, masks));
    for (int c = 0; c < kChannels; ++c) EXPECT_EQ(g_RoutingMask[c], masks[c]);
    // Untouched.
    EXPECT_EQ(g_LinkGroupMask[0], 0x3);
    EXPECT_EQ(g_BridgeCh12, 1);
    EXPECT_EQ(g_InputSource.load(), 9);
    // The graph is handed the new values last, without a redraw.
    ASSERT_FALSE(dlg->log.empty());
    EXPECT_EQ(dlg->log.back(), "UpdateEqCurve(0)");
}

}  // namespace
