// Sizes of the main window's skin bitmaps: those the layout fixes, and those that take their control's size.
#include <gtest/gtest.h>

#include <set>

#include "controls/bezier.h"
#include "platform/res/dpi.h"
#include "platform/res/skin.h"
#include "res/skin/programskin.h"
#include "res/skinids.h"

namespace res {
namespace {

using skinid::BandIds;
using Sizes = std::array<gfx::Size, kDpiBands>;

constexpr int kDpis[] = {96, 120, 144, 168, 192};

Sizes Sq(int a, int b, int c, int d, int e) {
    return {{{a, a}, {b, b}, {c, c}, {d, d}, {e, e}}};
}
// The window's sizes at 96 DPI scaled to each band, as the layout scales its plain pixel sizes.
Sizes ScaledFrom96(int w, int h) {
    Sizes s{};
    for (int b = 0; b < kDpiBands; ++b) s[b] = {DpiScale(w, kDpis[b]), DpiScale(h, kDpis[b])};
    return s;
}

TEST(ProgramSkin, RegistersWithoutCollisions) {
    for (int dpi : {96, 100, 120, 130, 144, 168, 192, 240}) {
        Skin skin;
        EXPECT_TRUE(RegisterProgramSkin(skin, dpi, &CBezier::ChannelColor)) << dpi;
        Skin again = skin;
        EXPECT_FALSE(RegisterProgramSkin(again, dpi, &CBezier::ChannelColor)) << "every id is taken already";
    }
}

TEST(ProgramSkin, SizesTheLayoutFixes) {
    const struct {
        const char* what;
        BandIds ids;
        Sizes sizes;
    } cases[] = {
        {"gain thumb", skinid::kGainThumb, Sq(16, 20, 24, 26, 32)},
        {"band thumb", skinid::kBandThumb, Sq(16, 20, 24, 26, 32)},
        {"master thumb", skinid::kMasterThumb, Sq(16, 20, 24, 26, 32)},
        {"gain track after", skinid::kGainTrackAfter, {{{20, 80}, {25, 109}, {30, 132}, {34, 138}, {40, 186}}}},
        {"gain track before", skinid::kGainTrackBefore, {{{20, 80}, {25, 109}, {30, 132}, {34, 138}, {40, 186}}}},
        {"band track", skinid::kBandTrack, {{{26, 91}, {33, 118}, {39, 137}, {51, 166}, {52, 182}}}},
        {"master track after", skinid::kMasterTrackAfter, {{{20, 140}, {25, 172}, {30, 195}, {34, 233}, {40, 260}}}},
        {"master track before", skinid::kMasterTrackBefore,
         {{{20, 140}, {25, 172}, {30, 195}, {34, 233}, {40, 260}}}},
        {"master mute on", skinid::kMasterMuteOn, {{{24, 16}, {30, 20}, {36, 24}, {43, 28}, {48, 32}}}},
        {"master mute off", skinid::kMasterMuteOff, {{{24, 16}, {30, 20}, {36, 24}, {43, 28}, {48, 32}}}},
        {"band flat", skinid::kBandButtonFlat, {{{16, 14}, {16, 14}, {20, 18}, {24, 20}, {24, 22}}}},
        {"band active", skinid::kBandButtonActive, {{{16, 14}, {16, 14}, {20, 18}, {24, 20}, {24, 22}}}},
        {"band pressed", skinid::kBandButtonPressed, {{{16, 14}, {16, 14}, {20, 18}, {24, 20}, {24, 22}}}},
        {"minimise", skinid::kMinimisePressed, {{{46, 30}, {62, 36}, {65, 46}, {81, 52}, {92, 60}}}},
        {"minimise", skinid::kMinimise, {{{46, 30}, {62, 36}, {65, 46}, {81, 52}, {92, 60}}}},
        {"close", skinid::kClosePressed, {{{46, 30}, {62, 36}, {65, 46}, {81, 52}, {92, 60}}}},
        {"close", skinid::kClose, {{{46, 30}, {62, 36}, {65, 46}, {81, 52}, {92, 60}}}},
        {"settings", skinid::kSettingsPressed, {{{46, 30}, {62, 36}, {65, 46}, {81, 52}, {92, 60}}}},
        {"settings", skinid::kSettings, {{{46, 30}, {62, 36}, {65, 46}, {81, 52}, {92, 60}}}},
        {"logo", skinid::kLogo, {{{170, 33}, {220, 42}, {280, 52}, {320, 59}, {340, 68}}}},
        // Controls the layout sizes in pixels at 96 DPI, scaled in the other bands.
        {"select lit", skinid::kSelectLit, ScaledFrom96(100, 22)},
        {"select wide", skinid::kSelectWide, ScaledFrom96(100, 22)},
        {"select narrow", skinid::kSelectNarrow, ScaledFrom96(78, 22)},
        {"phase", skinid::kPhase, ScaledFrom96(62, 18)},
        {"phase pressed", skinid::kPhasePressed, ScaledFrom96(62, 18)},
        {"mute on", skinid::kMuteOn, ScaledFrom96(62, 18)},
        {"mute off wide", skinid::kMuteOffWide, ScaledFrom96(62, 18)},
        {"mute off narrow", skinid::kMuteOffNarrow, ScaledFrom96(48, 18)},
        {"delay unit", skinid::kDelayUnit, ScaledFrom96(33, 18)},
        {"link none", skinid::kLinkNone, ScaledFrom96(33, 18)},
        {"cell on even", skinid::kCellOnEven, ScaledFrom96(12, 12)},
        {"cell off odd", skinid::kCellOffOdd, ScaledFrom96(12, 12)},
        {"mix unavailable", skinid::kMixUnavailable, ScaledFrom96(12, 12)},
        {"mix on", skinid::kMixOn, ScaledFrom96(12, 12)},
        {"bridge on", skinid::kBridgeOn, ScaledFrom96(16, 16)},
    };
    Skin skin;
    ASSERT_TRUE(RegisterProgramSkin(skin, 96, &CBezier::ChannelColor));
    for (const auto& c : cases) {
        for (int b = 0; b < kDpiBands; ++b) {
            EXPECT_EQ(skin.SizeOf(c.ids[b]), c.sizes[b]) << c.what << " B" << b + 1 << " id " << c.ids[b];
        }
    }
    EXPECT_EQ(skin.SizeOf(skinid::kBackgroundEnglish), (gfx::Size{1272, 676}));
    EXPECT_EQ(skin.SizeOf(skinid::kBackgroundChinese), (gfx::Size{1272, 676}));
    EXPECT_EQ(skin.SizeOf(skinid::kSelectLit[4]).cy, 44) << "the select row is 44 high at 192 DPI";
    for (int ch = 0; ch < 12; ++ch) {
        const Sizes overlay = Sq(12, 14, 18, 21, 24);
        for (int b = 0; b < kDpiBands; ++b) EXPECT_EQ(skin.SizeOf(skinid::kOverlayOn[ch][b]), overlay[b]);
    }
    for (int g = 0; g < 12; ++g) {
        for (int b = 0; b < kDpiBands; ++b) EXPECT_EQ(skin.SizeOf(skinid::kLinkGroup[g][b]), ScaledFrom96(33, 18)[b]);
    }
}

TEST(ProgramSkin, StatusPicturesRunFromTheFirstToTheLastBandSize) {
    Skin skin;
    ASSERT_TRUE(RegisterProgramSkin(skin, 96, &CBezier::ChannelColor));
    const struct {
        BandIds ids;
        gfx::Size first, last;
    } cases[] = {
        {skinid::kUsbConnected, {66, 29}, {130, 62}},    {skinid::kUsbDisconnected, {66, 29}, {130, 62}},
        {skinid::kTcpDisconnected, {35, 29}, {66, 62}},  {skinid::kTcpConnected, {35, 29}, {66, 62}},
        {skinid::kTcpNetworkDown, {35, 29}, {66, 62}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(skin.SizeOf(c.ids[0]), c.first);
        EXPECT_EQ(skin.SizeOf(c.ids[4]), c.last);
        for (int b = 1; b < kDpiBands; ++b) {
            EXPECT_GT(skin.SizeOf(c.ids[b]).cx, skin.SizeOf(c.ids[b - 1]).cx) << c.ids[b];
            EXPECT_GT(skin.SizeOf(c.ids[b]).cy, skin.SizeOf(c.ids[b - 1]).cy) << c.ids[b];
        }
    }
    // Pictures of one control share their size in each band, so a state change does not resize it.
    for (int b = 0; b < kDpiBands; ++b) {
        EXPECT_EQ(skin.SizeOf(skinid::kTcpConnected[b]), skin.SizeOf(skinid::kTcpNetworkDown[b]));
        EXPECT_EQ(skin.SizeOf(skinid::kUsbConnected[b]), skin.SizeOf(skinid::kUsbDisconnected[b]));
    }
}

TEST(ProgramSkin, SharedIdsTakeTheirControlsSizeAtTheScreensDpi) {
    for (int dpi : {96, 100, 120, 144, 168, 192}) {
        Skin skin;
        ASSERT_TRUE(RegisterProgramSkin(skin, dpi, &CBezier::ChannelColor));
        const gfx::Size text{DpiScale(84, dpi), DpiScale(18, dpi)};
        for (int id : {skinid::kTextButtonPressed, skinid::kTextButton, skinid::kTextButton2Pressed,
                       skinid::kTextButton2}) {
            EXPECT_EQ(skin.SizeOf(id), text) << id << " at " << dpi;
        }
        const int overlay = std::array{12, 14, 18, 21, 24}[DpiBand(dpi)];
        for (int id : skinid::kOverlayOff) EXPECT_EQ(skin.SizeOf(id), (gfx::Size{overlay, overlay})) << id;
        // The per-band ids keep their band's size whatever the screen.
        EXPECT_EQ(skin.SizeOf(skinid::kGainThumb[4]), (gfx::Size{32, 32}));
    }
}

TEST(ProgramSkin, EveryEntryIsRegisteredAtItsSize) {
    Skin skin;
    ASSERT_TRUE(RegisterProgramSkin(skin, 144, &CBezier::ChannelColor));
    std::set<int> ids;
    for (const SkinEntry& e : ProgramSkinEntries(144, &CBezier::ChannelColor)) {
        for (int b = 0; b < kDpiBands; ++b) {
            EXPECT_EQ(skin.SizeOf(e.ids[b]), e.sizes[b]) << e.name;
            ids.insert(e.ids[b]);
        }
    }
    EXPECT_EQ(ids.size(), 363u) << "every bitmap id of the main window, once";
}

}  // namespace
}  // namespace res
