// What the skin's painters draw: opaque pictures with something on them, different where states differ.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "controls/bezier.h"
#include "platform/res/dpi.h"
#include "platform/res/skin.h"
#include "res/skin/programskin.h"
#include "res/skinids.h"

namespace res {
namespace {

bool SamePixels(const gfx::Bitmap& a, const gfx::Bitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x) {
            if (!(a.PixelAt(x, y) == b.PixelAt(x, y))) return false;
        }
    }
    return true;
}

TEST(SkinPaint, EveryBitmapIsOpaqueAndShowsSomething) {
    for (int dpi : {96, 192}) {
        Skin skin;
        ASSERT_TRUE(RegisterProgramSkin(skin, dpi, &CBezier::ChannelColor));
        const int band = DpiBand(dpi);
        for (const SkinEntry& e : ProgramSkinEntries(dpi, &CBezier::ChannelColor)) {
            const gfx::Bitmap& bmp = skin.Get(e.ids[band]);
            ASSERT_FALSE(bmp.IsNull()) << e.name;
            std::set<std::tuple<int, int, int>> colours;
            int translucent = 0;
            for (int y = 0; y < bmp.Height(); ++y) {
                for (int x = 0; x < bmp.Width(); ++x) {
                    const gfx::Color c = bmp.PixelAt(x, y);
                    if (c.a != 255) ++translucent;
                    if (colours.size() < 4) colours.insert({c.r, c.g, c.b});
                }
            }
            EXPECT_EQ(translucent, 0) << e.name << " at " << dpi;
            EXPECT_GE(colours.size(), 3u) << e.name << " at " << dpi << " is (nearly) one flat colour";
        }
    }
}

TEST(SkinPaint, StatesThatMustDifferDiffer) {
    for (int dpi : {96, 120, 144, 168, 192}) {
        Skin skin;
        ASSERT_TRUE(RegisterProgramSkin(skin, dpi, &CBezier::ChannelColor));
        const int b = DpiBand(dpi);
        // Each group holds the pictures of one control kind in its states; all of a group differ.
        const struct {
            const char* kind;
            std::vector<int> ids;
        } groups[] = {
            {"text button", {skinid::kTextButtonPressed, skinid::kTextButton}},
            {"text button 2", {skinid::kTextButton2Pressed, skinid::kTextButton2}},
            {"phase", {skinid::kPhasePressed[b], skinid::kPhase[b]}},
            {"select", {skinid::kSelectLit[b], skinid::kSelectWide[b]}},
            {"mute", {skinid::kMuteOn[b], skinid::kMuteOffWide[b]}},
            {"master mute", {skinid::kMasterMuteOn[b], skinid::kMasterMuteOff[b]}},
            {"band button",
             {skinid::kBandButtonPressed[b], skinid::kBandButtonFlat[b], skinid::kBandButtonActive[b]}},
            {"minimise", {skinid::kMinimisePressed[b], skinid::kMinimise[b]}},
            {"close", {skinid::kClosePressed[b], skinid::kClose[b]}},
            {"settings", {skinid::kSettingsPressed[b], skinid::kSettings[b]}},
            {"top bar glyphs", {skinid::kMinimise[b], skinid::kClose[b], skinid::kSettings[b]}},
            {"cell", {skinid::kCellOnEven[b], skinid::kCellOffEven[b]}},
            {"bridge", {skinid::kBridgeOn[b], skinid::kBridgeOff[b], skinid::kBridgeDisabled[b]}},
            {"mix", {skinid::kMixOn[b], skinid::kMixOff[b], skinid::kMixUnavailable[b]}},
            {"usb", {skinid::kUsbConnected[b], skinid::kUsbDisconnected[b]}},
            {"tcp", {skinid::kTcpDisconnected[b], skinid::kTcpConnected[b], skinid::kTcpNetworkDown[b]}},
            {"overlay CH1", {skinid::kOverlayOn[0][b], skinid::kOverlayOff[0]}},
            {"overlay CH12", {skinid::kOverlayOn[11][b], skinid::kOverlayOff[11]}},
        };
        for (const auto& g : groups) {
            for (size_t i = 0; i < g.ids.size(); ++i) {
                for (size_t j = i + 1; j < g.ids.size(); ++j) {
                    EXPECT_FALSE(SamePixels(skin.Get(g.ids[i]), skin.Get(g.ids[j])))
                        << g.kind << ": " << g.ids[i] << " and " << g.ids[j] << " at " << dpi;
                }
            }
        }
        // Every link group, and no group, has a picture of its own; so has every channel's overlay.
        std::vector<int> links{skinid::kLinkNone[b]}, overlays;
        for (int g = 0; g < 12; ++g) links.push_back(skinid::kLinkGroup[g][b]);
        for (int ch = 0; ch < 12; ++ch) overlays.push_back(skinid::kOverlayOn[ch][b]);
        for (const auto* set : {&links, &overlays}) {
            for (size_t i = 0; i < set->size(); ++i) {
                for (size_t j = i + 1; j < set->size(); ++j) {
                    EXPECT_FALSE(SamePixels(skin.Get((*set)[i]), skin.Get((*set)[j])))
                        << (*set)[i] << " and " << (*set)[j] << " at " << dpi;
                }
            }
        }
        // The even and odd cells, and the two text-button styles, are the same pictures.
        EXPECT_TRUE(SamePixels(skin.Get(skinid::kCellOnEven[b]), skin.Get(skinid::kCellOnOdd[b])));
        EXPECT_TRUE(SamePixels(skin.Get(skinid::kCellOffEven[b]), skin.Get(skinid::kCellOffOdd[b])));
        EXPECT_TRUE(SamePixels(skin.Get(skinid::kTextButton), skin.Get(skinid::kTextButton2)));
        EXPECT_TRUE(SamePixels(skin.Get(skinid::kTextButtonPressed), skin.Get(skinid::kTextButton2Pressed)));
    }
}

// The tracks' grooves lie where the slider puts its thumb: centred, shifted by the thumb's offset.
TEST(SkinPaint, GroovesRunUnderTheThumbs) {
    Skin skin;
    ASSERT_TRUE(RegisterProgramSkin(skin, 96, &CBezier::ChannelColor));
    const struct {
        const skinid::BandIds& ids;
        const skinid::BandIds& offsets;
    } tracks[] = {
        {skinid::kGainTrackBefore, skinid::kGainThumbOffset},
        {skinid::kGainTrackAfter, skinid::kGainThumbOffset},
        {skinid::kBandTrack, skinid::kBandThumbOffset},
        {skinid::kMasterTrackBefore, skinid::kMasterThumbOffset},
        {skinid::kMasterTrackAfter, skinid::kMasterThumbOffset},
    };
    const gfx::Color back = gfx::Rgb(0x21, 0x2C, 0x3D);
    for (const auto& t : tracks) {
        for (int b = 0; b < kDpiBands; ++b) {
            const gfx::Bitmap& bmp = skin.Get(t.ids[b]);
            const int x = bmp.Width() / 2 + t.offsets[b];
            // Sampled a little off the middle, clear of the band track's 0 dB mark.
            const int y = bmp.Height() / 2 + bmp.Height() / 8;
            EXPECT_NE(bmp.PixelAt(x, y), back) << t.ids[b];
            EXPECT_EQ(bmp.PixelAt(0, y), back) << t.ids[b];
            EXPECT_EQ(bmp.PixelAt(bmp.Width() - 1, y), back) << t.ids[b];
        }
    }
    // Lit below the thumb, dark above it.
    const gfx::Color lit = skin.Get(skinid::kGainTrackAfter[0]).PixelAt(11, 40);
    const gfx::Color dark = skin.Get(skinid::kGainTrackBefore[0]).PixelAt(11, 40);
    EXPECT_GT(lit.b, 200);
    EXPECT_LT(dark.b, 60);
}

}  // namespace
}  // namespace res
