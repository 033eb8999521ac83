// Bridges, link groups, overlays, the source labels and channel naming on the real main window.
#include <cstring>

#include "device/names.h"
#include "dialogs/savechannelname.h"
#include "dialogs/sideids.h"
#include "editingfixture.h"
#include "mainwnd/editstrings.h"
#include "mainwnd/routingids.h"

namespace {

// Channel c's record of the device image, as the last push packed it.
std::vector<std::uint8_t> Record(int c) {
    std::lock_guard lock(g_ImageMutex);
    const int at = device::DeviceRecordOffset(c);
    return {g_DeviceImage + at, g_DeviceImage + at + kFormARecordSize};
}

void ShapeEq(int c, int seed) {
    for (int k = 0; k < kBands; ++k) {
        g_EqGain[c][k] = (seed + 7 * k) % 300;
        g_EqFreq[c][k] = 40 + seed + 13 * k;
        g_EqQ[c][k] = g_QTable[(seed + k) % kQTableSize];
    }
    g_HighPassFreq[c] = 30 + seed;
    g_LowPassType[c] = 1;
}

TEST_F(EditingWindowTest, JoiningALinkGroupAsksCopiesAndReachesTheDevice) {
    Run([&](EditingDlg&) {
        ShapeEq(0, 5);
        Click(g_ChannelSelectButtonIds[0]);
        InStep();
        const std::vector<std::uint8_t> ch3 = Record(2);
        boxes.QueueAnswer(ui::IDNO);
        Click(1401);
        EXPECT_EQ(g_LinkGroupMask[0], 0);
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, "Are you sure to copy CH1 setting of EQ and Filter to CH3？");
        EXPECT_TRUE(Push(20).empty()) << "No changes nothing";
        EXPECT_EQ(Record(2), ch3);
        Click(1401);
        EXPECT_EQ(g_LinkGroupMask[0], 0x5);
        EXPECT_EQ(g_EqQShadow[2][4], g_EqQShadow[0][4]);
        const auto chunks = Push(20);
        const auto routing = Written(chunks, CMD_WRITE_ROUTING_IMAGE);
        EXPECT_EQ(routing.at(306), 0x00);
        EXPECT_EQ(routing.at(307), 0x05);
        // The routing image's chunk 5 (bytes 280..335) is the only routing write.
        int routingWrites = 0;
        for (const Chunk& c : chunks) {
            if (c.command != CMD_WRITE_ROUTING_IMAGE) continue;
            ++routingWrites;
            EXPECT_EQ(c.offset, 280);
        }
        EXPECT_EQ(routingWrites, 1);
        EXPECT_EQ(Record(2), Record(0));
        EXPECT_NE(Record(1), Record(0));
    });
}

TEST_F(EditingWindowTest, LinkButtonsLeaveDissolveAndJoin) {
    Run([&](EditingDlg&) {
        ShapeEq(0, 9);
        ShapeEq(1, 30);
        // A new group of the current channel alone asks nothing.
        Click(g_ChannelSelectButtonIds[1]);
        Click(1400);
        EXPECT_EQ(g_LinkGroupMask[1], 0x2);
        EXPECT_TRUE(boxes.Boxes().empty());
        Click(1400);  // its own channel's button dissolves it
        EXPECT_EQ(g_LinkGroupMask[1], 0);
        // Group 0 = {CH1, CH2}; with CH2 current, CH4 joins and takes CH1's EQ.
        g_LinkGroupMask[0] = 0x3;
        Click(1402);
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, "Are you sure to copy CH2 setting of EQ and Filter to CH4？");
        EXPECT_EQ(g_LinkGroupMask[0], 0xB);
        EXPECT_EQ(g_EqFreq[3][7], g_EqFreq[0][7]);
        EXPECT_EQ(g_EqFreq[1][7], g_EqFreq[0][7]);
        // With CH5 current, CH4 leaves without a question; CH1's button dissolves the rest.
        Click(g_ChannelSelectButtonIds[4]);
        Click(1402);
        EXPECT_EQ(g_LinkGroupMask[0], 0x3);
        Click(1399);
        EXPECT_EQ(g_LinkGroupMask[0], 0);
        EXPECT_EQ(boxes.Boxes().size(), 1u);
    });
}

TEST_F(EditingWindowTest, ALoadedGroupWithoutItsOwnChannelCopiesFromInside) {
    Run([&](EditingDlg&) {
        ShapeEq(1, 3);
        ShapeEq(3, 60);
        g_LinkGroupMask[3] = 0x12;  // CH2 and CH5, as a device sent it
        Click(g_ChannelSelectButtonIds[1]);
        Click(1403);  // CH6 joins CH2's group
        EXPECT_EQ(g_LinkGroupMask[3], 0x32);
        for (int c : {4, 5}) {
            EXPECT_EQ(g_EqGain[c][6], g_EqGain[1][6]) << c;
            EXPECT_EQ(g_HighPassFreq[c], g_HighPassFreq[1]) << c;
        }
        EXPECT_EQ(g_EqGain[3][6], (60 + 42) % 300) << "CH4 is outside the group";
    });
}

TEST_F(EditingWindowTest, BridgingCopiesThePairAndUnbridgingCopiesNothing) {
    Run([&](EditingDlg& dlg) {
        ShapeEq(2, 11);
        g_ChannelGain[2] = 600;
        dynamic_cast<ui::TrackBar&>(Item(1194)).SetPos(600);
        g_RoutingMask[2] = 0x41;
        g_PhaseMask = 0x4;
        dlg.SendMessage(WM_DELAY_RESULT, 2, 33);
        dlg.ToggleBridge34();
        EXPECT_EQ(g_BridgeCh34, 1);
        EXPECT_EQ(g_ChannelGain[3], 600);
        EXPECT_EQ(g_MuteMask & 0x8, 0x8);
        EXPECT_EQ(Text(1044), std::string(kMuteOnText));
        EXPECT_EQ(Text(1016), "OFF");
        EXPECT_EQ(Text(1017), "OFF");
        EXPECT_EQ(g_RoutingMask[3], 0x41);
        EXPECT_EQ(g_PhaseMask, 0xC);
        EXPECT_EQ(Text(1038), res::LoadUiString(IDS_PHASE_180));
        EXPECT_EQ(dlg.Delays()[3], 33);
        EXPECT_EQ(g_CurrentChannel, 2);
        EXPECT_EQ(g_EqQ[3][9], g_EqQ[2][9]);
        EXPECT_EQ(g_EqQIndex[3][9], device::QIndexFor(g_EqQ[2][9]));
        EXPECT_EQ(g_LowPassType[3], 1);
        EXPECT_EQ(Text(g_BandFreqEditIds[0]), std::to_string(g_EqFreq[2][0]));
        EXPECT_EQ(Written(Push(12), CMD_WRITE_ROUTING_IMAGE).at(340), 0x02);
        g_EqGain[2][0] = 3;
        dlg.ToggleBridge34();
        EXPECT_EQ(g_BridgeCh34, 0);
        EXPECT_NE(g_EqGain[3][0], 3);
        // A pair list toggles like its button, whatever entry it shows.
        auto& list = dynamic_cast<ui::ComboBox&>(Item(IDC_COMBO_BRIDGE12));
        dlg.SendMessage(WM_COMBO_CHANGED, reinterpret_cast<ui::WPARAM>(&list));
        EXPECT_EQ(g_BridgeCh12, 1);
    });
}

TEST_F(EditingWindowTest, OverlayButtonsToggleTheGraphsMaskWhichThePushCarries) {
    Run([&](EditingDlg& dlg) {
        Click(1732);
        EXPECT_EQ(dlg.Spectrum().GetChannelMask(), 0x100);
        auto routing = Written(Push(), CMD_WRITE_ROUTING_IMAGE);
        EXPECT_EQ(routing.at(338), 0x01);
        EXPECT_EQ(routing.at(339), 0x00);
        Click(1732);
        EXPECT_EQ(dlg.Spectrum().GetChannelMask(), 0);
        routing = Written(Push(), CMD_WRITE_ROUTING_IMAGE);
        EXPECT_EQ(routing.at(338), 0x00);
        // A read-back from a device that keeps the overlays sets the graph's.
        g_FirmwareDate = 190821;
        {
            std::lock_guard lock(g_ImageMutex);
            g_RoutingImage[338] = 0x00;
            g_RoutingImage[339] = 0x21;
        }
        dlg.SendMessage(WM_ROUTING_IMAGE_LOADED);
        EXPECT_EQ(dlg.Spectrum().GetChannelMask(), 0x21);
    });
}

TEST_F(EditingWindowTest, SourceNineWritesTheUsbLabelsAndSelectsItsListEntry) {
    Run([&](EditingDlg&) {
        g_InputSource = 9;
        hl().AdvanceClock(310);
        for (int c = 0; c < kChannels; ++c) {
            EXPECT_EQ(Text(g_InputLabelIds[c][10]), "USB-L") << c;
            EXPECT_EQ(Text(g_InputLabelIds[c][11]), "USB-R") << c;
        }
        EXPECT_EQ(dynamic_cast<ui::ComboBox&>(Item(IDC_COMBO_SOURCE)).GetCurSel(), 4);
        g_InputSource = 5;
        hl().AdvanceClock(310);
        EXPECT_EQ(dynamic_cast<ui::ComboBox&>(Item(IDC_COMBO_SOURCE)).GetCurSel(), 3);
        EXPECT_EQ(Text(g_InputLabelIds[0][10]), "USB-L") << "kept until 3 or 9 or a layout pass";
        g_InputSource = 3;
        hl().AdvanceClock(310);
        EXPECT_EQ(Text(g_InputLabelIds[0][10]), res::LoadUiString(IDS_INPUT_BT_L));
    });
}

TEST(LinkBitmaps, TheLowestGroupAtTheDpiBandPicksTheBitmap) {
    const struct {
        int dpi;
        int groups[kChannels];
        int bitmap;
    } cases[] = {
        {96, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x8, 0}, 438},
        {120, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x8, 0}, 471},
        {200, {}, 518},
        {96, {0, 0, 0x8, 0, 0, 0x8, 0, 0, 0, 0, 0, 0}, 242},
        {144, {0x8}, 476},
    };
    const int dpi = g_ScreenDpiX;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bitmap);
        g_ScreenDpiX = c.dpi;
        std::memcpy(g_LinkGroupMask, c.groups, sizeof g_LinkGroupMask);
        EXPECT_EQ(CQuenbarDlg::LinkBitmapId(0x8), c.bitmap);
    }
    g_ScreenDpiX = dpi;
    device::ResetChannelModel();
}

TEST_F(EditingWindowTest, ADoubleClickRenamesTheChannelAndTheDeviceGetsTheName) {
    std::string typed;
    bool cancel = false;
    onModal = [&](ui::Window& w) {
        if (!dynamic_cast<CSaveChannelName*>(&w)) return;
        w.SetDlgItemText(IDC_NEW_NAME_EDIT, typed);
        w.PostMessage(ui::WM_COMMAND, ui::MAKEWPARAM(cancel ? ui::IDCANCEL : ui::IDOK, ui::BN_CLICKED));
    };
    const struct {
        const char* typed;
        bool cancel;
        std::vector<std::uint8_t> bytes;  // the 20 bytes sent, none when nothing is sent
        const char* title;
    } cases[] = {
        {"", false, std::vector<std::uint8_t>(20, 0), "CH3"},
        {"Door", true, {}, "CH3"},
        {"abcdefghijklmnopqrstuvw",
         false,
         {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j', 'k', 'l', 'm', 'n', 'o', 'p', 'q', 'r', 's', 't'},
         "abcdefghijklmnopqrst"},
        // 19 bytes and a two-byte character that would not fit: the character is left out whole.
        {"abcdefghijklmnopqrs中",
         false,
         {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j', 'k', 'l', 'm', 'n', 'o', 'p', 'q', 'r', 's', 0},
         "abcdefghijklmnopqrs"},
    };
    Run([&](EditingDlg& dlg) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.typed);
            {
                std::lock_guard lock(g_NameMutex);
                std::memcpy(g_ChannelNames[2], "Old", 4);
            }
            typed = c.typed;
            cancel = c.cancel;
            Push();
            others.clear();
            hl().AdvanceClock(510);
            hl().DoubleClick(hl().ScreenPointOf(Item(1010)));
            hl().RunPending();
            EXPECT_EQ(g_CurrentChannel, 2) << "the first click selected";
            Push(1);
            if (c.bytes.empty()) {
                EXPECT_TRUE(others.empty());
                EXPECT_EQ(CQuenbarDlg::ChannelSelectTitle(2), "Old");
                continue;
            }
            ASSERT_EQ(others.size(), 1u);
            std::vector<std::uint8_t> expected = {CMD_SET_CHANNEL_NAME, 2};
            expected.insert(expected.end(), c.bytes.begin(), c.bytes.end());
            EXPECT_EQ(others[0], expected);
            EXPECT_EQ(CQuenbarDlg::ChannelSelectTitle(2), c.title);
        }
        dlg.SendMessage(WM_CHANNEL_NAME_CHANGED, 12);  // a channel the window does not have
    });
}

}  // namespace
