// The routing matrix on the main window: clicks on the 240 cells, the pair rule, the label kinds, the
// routing image's reception (what it redraws, the push timer) and the mix volume from the settings dialog.
// The window records each control it redraws, so a test sees exactly which cells a step touched.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "device/channelmodel.h"
#include "device/images.h"
#include "device/routingimage.h"
#include "device/status.h"
#include "mainwnd/linkmessages.h"
#include "mainwnd/quenbardlg.h"
#include "mainwnd/quenbarids.h"
#include "mainwnd/routingids.h"
#include "mainwnd/shellmessages.h"
#include "mainwnd/shellstrings.h"
#include "platform/backend/headless.h"
#include "platform/ui/application.h"
#include "platform/ui/button.h"
#include "res/programstrings.h"

namespace {

class RecordingDlg : public CQuenbarDlg {
  public:
    using CQuenbarDlg::CQuenbarDlg;
    std::vector<int> redrawn;       // controls, in the order they were redrawn
    std::vector<std::string> hooks; // the link and overlay redraws
    void RedrawControl(int id) override {
        redrawn.push_back(id);
        CQuenbarDlg::RedrawControl(id);
    }

  protected:
    void RedrawLinkButtons() override { hooks.push_back("links"); }
    void RedrawOverlayButtons() override { hooks.push_back("overlay"); }
};

class RoutingMatrixTest : public ::testing::Test {
  protected:
    RoutingMatrixTest() : app(std::make_unique<ui::HeadlessBackend>()) {
        res::RegisterProgramStrings();
        mainwnd::RegisterShellStrings(res::ProgramStrings());
        dlg = std::make_unique<RecordingDlg>(&app);
        dlg->CreateTopLevel(gfx::RectFromSize(0, 0, 1272, 676), "console", ui::WS_VISIBLE);
        app.SetMainWindow(dlg.get());
        // The cells on a grid, so each can be clicked where it stands.
        for (int o = 0; o < kChannels; ++o) {
            for (int j = 0; j < kInputs; ++j) {
                auto b = std::make_unique<ui::Button>(&app);
                b->Create(dlg.get(), g_RoutingButtonIds[o][j], gfx::RectFromSize(10 + 30 * j, 10 + 30 * o, 20, 20));
                b->SetOwnerDraw(true);
                cells_.push_back(std::move(b));
            }
        }
        device::ResetChannelModel();
    }
    ~RoutingMatrixTest() override {
        dlg.reset();
        device::ResetChannelModel();
        device::ResetStatus();
        std::lock_guard lock(g_ImageMutex);
        std::fill(std::begin(g_RoutingImage), std::end(g_RoutingImage), 0);
    }

    void ClickCell(int o, int j) {
        // Far enough from the last click that a click on the same cell is no double click.
        app.Headless()->AdvanceClock(1000);
        dlg->redrawn.clear();
        ASSERT_TRUE(app.Headless()->ClickItem(*dlg, g_RoutingButtonIds[o][j]));
        app.Headless()->RunPending();
    }
    // The model as the device would send it back, into g_RoutingImage.
    static void ImageOfModel() {
        std::lock_guard lock(g_ImageMutex);
        device::PackRoutingImage(0, g_RoutingImage);
    }
    void Receive() {
        dlg->redrawn.clear();
        dlg->hooks.clear();
        dlg->SendMessage(WM_ROUTING_IMAGE_LOADED);
    }

    ui::Application app;
    std::unique_ptr<RecordingDlg> dlg;

  private:
    std::vector<std::unique_ptr<ui::Button>> cells_;
};

int* PairFlag(int o) {
    int* flags[] = {&g_BridgeCh12, &g_BridgeCh34, &g_BridgeCh56, &g_BridgeCh78, &g_BridgeCh910, &g_BridgeCh1112};
    return flags[o / 2];
}

// One table over (pair flag, own bit, partner bit), for a pair in the first and in the last place.
TEST_F(RoutingMatrixTest, ToggleSetsThePartnerOfABridgedPairToTheNewState) {
    struct Case {
        int flag, own, partner;
        int ownAfter, partnerAfter;
        bool partnerRedrawn;
    } cases[] = {
        {0, 0, 0, 1, 0, false}, {0, 0, 1, 1, 1, false}, {0, 1, 0, 0, 0, false}, {0, 1, 1, 0, 1, false},
        {1, 0, 0, 1, 1, true},  {1, 0, 1, 1, 1, true},  {1, 1, 0, 0, 0, true},  {1, 1, 1, 0, 0, true},
    };
    for (int o : {0, 1, 10, 11}) {
        for (const Case& c : cases) {
            const int j = 7, partner = o ^ 1;
            device::ResetChannelModel();
            *PairFlag(o) = c.flag;
            // Bits 20..23 from the device and a neighbour bit stay whatever happens.
            g_RoutingMask[o] = (c.own << j) | 0xF00000 | 1 << 8;
            g_RoutingMask[partner] = (c.partner << j) | 1 << 6;
            ClickCell(o, j);
            SCOPED_TRACE(testing::Message() << "o " << o << " flag " << c.flag << " own " << c.own << " partner "
                                            << c.partner);
            EXPECT_EQ(g_RoutingMask[o], (c.ownAfter << j) | 0xF00000 | 1 << 8);
            EXPECT_EQ(g_RoutingMask[partner], (c.partnerAfter << j) | 1 << 6);
            std::vector<int> expected;
            if (c.partnerRedrawn) expected.push_back(g_RoutingButtonIds[partner][j]);
            expected.push_back(g_RoutingButtonIds[o][j]);
            EXPECT_EQ(dlg->redrawn, expected);
            for (int other = 0; other < kChannels; ++other) {
                if (other != o && other != partner) {
                    EXPECT_EQ(g_RoutingMask[other], 0);
                }
            }
        }
    }
}

TEST_F(RoutingMatrixTest, EveryCellTogglesItsOwnBitAndRepaintsAtMostTwoCells) {
    for (int flags : {0, 1}) {
        device::ResetChannelModel();
        for (int o = 0; o < kChannels; o += 2) *PairFlag(o) = flags;
        for (int o = 0; o < kChannels; ++o) {
            for (int j = 0; j < kInputs; ++j) {
                const int before = g_RoutingMask[o];
                ClickCell(o, j);
                ASSERT_EQ(g_RoutingMask[o], before ^ (1 << j)) << o << "," << j;
                ASSERT_LE(dlg->redrawn.size(), 2u);
                ASSERT_EQ(dlg->redrawn.back(), g_RoutingButtonIds[o][j]);
            }
        }
    }
}

TEST_F(RoutingMatrixTest, LabelKindsByInputAndModel) {
    struct Case {
        int id, model, kind;
    } cases[] = {
        {g_RoutingButtonIds[0][2], 1, 0}, {g_InputLabelIds[0][2], 1, 1},   {g_InputLabelIds[0][2], 7, 10},
        {g_InputLabelIds[3][14], 1, 2},   {g_InputLabelIds[3][14], 7, 10}, {g_InputLabelIds[0][6], 7, 2},
        {g_InputLabelIds[11][6], 9, 2},   {g_InputLabelIds[0][0], 7, 1},   {g_InputLabelIds[5][13], 7, 10},
        {g_InputLabelIds[5][13], 2, 1},   {g_InputLabelIds[2][8], 7, 5},   {g_InputLabelIds[2][11], 7, 3},
        {g_InputLabelIds[11][19], 7, 1},  {g_InputLabelIds[0][15], 4, 2},  {1409, 1, 0},
    };
    for (const Case& c : cases) {
        g_DeviceModel = c.model;
        EXPECT_EQ(dlg->GetInputLabelKind(c.id), c.kind) << c.id << " model " << c.model;
    }
}

// No cell and not the mix button; the link buttons always, and with the pairs read back (firmware 190821
// on) the overlay and pair buttons too.
TEST_F(RoutingMatrixTest, AnImageEqualToTheModelRedrawsNoCellButTheLinkButtons) {
    for (int date : {190820, 190821}) {
        g_FirmwareDate = date;
        g_RoutingMask[3] = 0x541;
        g_HighLevelMixIn = 1;
        g_BridgeCh34 = 1;
        ImageOfModel();
        Receive();
        const bool read = date >= 190821;
        std::vector<int> pairs(g_BridgeButtonIds.begin(), g_BridgeButtonIds.end());
        EXPECT_EQ(dlg->redrawn, read ? pairs : std::vector<int>{});
        const std::vector<std::string> hooks =
            read ? std::vector<std::string>{"overlay", "links"} : std::vector<std::string>{"links"};
        EXPECT_EQ(dlg->hooks, hooks);
        EXPECT_EQ(g_RoutingMask[3], 0x541);
        EXPECT_EQ(g_BridgeCh34, 1);
    }
}

TEST_F(RoutingMatrixTest, AChangedMaskRedrawsItsRowAndAFlippedMixBitTheMixButton) {
    g_FirmwareDate = 190820;
    ImageOfModel();
    {
        std::lock_guard lock(g_ImageMutex);
        g_RoutingImage[3 * 4 + 2] = 0x01;  // CH5's Hi.1
    }
    Receive();
    std::vector<int> row5(g_RoutingButtonIds[4].begin(), g_RoutingButtonIds[4].end());
    EXPECT_EQ(dlg->redrawn, row5);
    EXPECT_EQ(g_RoutingMask[4], 1);

    {
        std::lock_guard lock(g_ImageMutex);
        g_RoutingImage[kRoutingMixByte] ^= 0x80;
    }
    Receive();
    EXPECT_EQ(dlg->redrawn, std::vector<int>{IDC_HIGH_LEVEL_MIX});
    EXPECT_EQ(g_HighLevelMixIn, 1);
}

// From firmware 190821 on the pair flags and the graph's overlay mask come back with the image.
TEST_F(RoutingMatrixTest, ReadBackPairsRedrawThePairButtonsAndTheGraphTakesTheOverlayMask) {
    for (int date : {190820, 190821}) {
        device::ResetChannelModel();
        g_FirmwareDate = date;
        dlg->Spectrum().SetChannelMask(0x0003);
        ImageOfModel();
        {
            std::lock_guard lock(g_ImageMutex);
            g_RoutingImage[kRoutingBridgeByte] = 0x21;
            g_RoutingImage[kRoutingOverlayMask] = 0x08;
            g_RoutingImage[kRoutingOverlayMask + 1] = 0x01;
        }
        Receive();
        const bool read = date >= 190821;
        EXPECT_EQ(g_BridgeCh12, read ? 1 : 0);
        EXPECT_EQ(g_BridgeCh1112, read ? 1 : 0);
        EXPECT_EQ(dlg->Spectrum().GetChannelMask(), read ? 0x0801 : 0x0003);
        std::vector<int> pairs(g_BridgeButtonIds.begin(), g_BridgeButtonIds.end());
        EXPECT_EQ(dlg->redrawn, read ? pairs : std::vector<int>{});
        const std::vector<std::string> hooks =
            read ? std::vector<std::string>{"overlay", "links"} : std::vector<std::string>{"links"};
        EXPECT_EQ(dlg->hooks, hooks);
    }
}

// The push packs the graph's own mask, so an overlay click made after the load is what goes out.
TEST_F(RoutingMatrixTest, ThePushPacksTheGraphsOverlayMaskAndASecondImageRestartsItsPeriod) {
    g_FirmwareDate = 190821;
    ImageOfModel();
    Receive();
    app.Headless()->AdvanceClock(60);
    Receive();  // re-arms the one timer
    dlg->Spectrum().SetChannelMask(0x0404);
    app.Headless()->AdvanceClock(60);
    {
        std::lock_guard lock(g_ImageMutex);
        EXPECT_EQ(g_RoutingImage[kRoutingOverlayMask + 1], 0x00) << "no tick 60 ms after the second image";
    }
    app.Headless()->AdvanceClock(40);
    std::lock_guard lock(g_ImageMutex);
    EXPECT_EQ(g_RoutingImage[kRoutingOverlayMask], 0x04);
    EXPECT_EQ(g_RoutingImage[kRoutingOverlayMask + 1], 0x04);
}

TEST_F(RoutingMatrixTest, MixVolumeFromTheSettingsIsStoredAndDrawsNothing) {
    for (int volume : {0, 12, 60}) {
        dlg->redrawn.clear();
        dlg->SendMessage(WM_MIX_VOLUME_CHANGED, ui::WPARAM(volume));
        EXPECT_EQ(g_HighLevelMixVolume, volume);
        EXPECT_TRUE(dlg->redrawn.empty());
    }
}

}  // namespace
