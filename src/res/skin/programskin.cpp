#include "res/skin/programskin.h"

#include "res/skin/painters.h"
#include "res/skin/skinpalette.h"

namespace res {

namespace {

using skinid::BandIds;
using skinsize::BandSizes;

BandIds Same(int id) {
    return {id, id, id, id, id};
}
BandSizes Same(gfx::Size s) {
    return {s, s, s, s, s};
}

}  // namespace

std::vector<SkinEntry> ProgramSkinEntries(int dpi, const ChannelColour& channel_colour) {
    using namespace skinid;
    namespace sz = skinsize;
    namespace p = painters;
    std::vector<SkinEntry> e;
    auto add = [&e](std::string name, const BandIds& ids, const BandSizes& sizes, SkinPainter paint) {
        e.push_back({std::move(name), ids, sizes, std::move(paint)});
    };

    // Sliders.
    add("gain thumb", kGainThumb, sz::kThumb, [](gfx::Canvas& c, gfx::Size s) { p::Thumb(c, s, palette::kGroove); });
    add("band thumb", kBandThumb, sz::kThumb, [](gfx::Canvas& c, gfx::Size s) { p::Thumb(c, s, palette::kAccent); });
    add("master thumb", kMasterThumb, sz::kThumb,
        [](gfx::Canvas& c, gfx::Size s) { p::Thumb(c, s, palette::kGroove); });
    struct TrackSet {
        const char* name;
        const BandIds& ids;
        const BandSizes& sizes;
        const BandIds& offsets;
        bool lit, centre_mark;
    };
    const TrackSet tracks[] = {
        {"gain track after", kGainTrackAfter, sz::kGainTrack, kGainThumbOffset, true, false},
        {"gain track before", kGainTrackBefore, sz::kGainTrack, kGainThumbOffset, false, false},
        {"band track", kBandTrack, sz::kBandTrack, kBandThumbOffset, false, true},
        {"master track after", kMasterTrackAfter, sz::kMasterTrack, kMasterThumbOffset, true, false},
        {"master track before", kMasterTrackBefore, sz::kMasterTrack, kMasterThumbOffset, false, false},
    };
    for (const TrackSet& t : tracks) {
        // Each band's groove lies under that band's thumb, so every band is an entry of its own.
        for (int b = 0; b < kDpiBands; ++b) {
            const p::TrackStyle style{t.lit, t.centre_mark, t.offsets[b], sz::ThumbMargin(b)};
            add(std::string(t.name) + " B" + std::to_string(b + 1), Same(t.ids[b]), Same(t.sizes[b]),
                [style](gfx::Canvas& c, gfx::Size s) { p::Track(c, s, style); });
        }
    }

    // Mute buttons.
    auto mute = [](bool muted) { return [muted](gfx::Canvas& c, gfx::Size s) { p::Mute(c, s, muted); }; };
    add("mute on", kMuteOn, sz::kMuteWide, mute(true));
    add("mute off wide", kMuteOffWide, sz::kMuteWide, mute(false));
    add("mute off narrow", kMuteOffNarrow, sz::kMuteNarrow, mute(false));
    add("master mute on", kMasterMuteOn, sz::kMasterMute, mute(true));
    add("master mute off", kMasterMuteOff, sz::kMasterMute, mute(false));

    // EQ band buttons.
    auto band = [](p::BandState st) { return [st](gfx::Canvas& c, gfx::Size s) { p::BandButton(c, s, st); }; };
    add("band button pressed", kBandButtonPressed, sz::kBandButton, band(p::BandState::kPressed));
    add("band button flat", kBandButtonFlat, sz::kBandButton, band(p::BandState::kFlat));
    add("band button active", kBandButtonActive, sz::kBandButton, band(p::BandState::kActive));

    // Top bar.
    auto top = [](p::TopGlyph g, bool pressed) {
        return [g, pressed](gfx::Canvas& c, gfx::Size s) { p::TopButton(c, s, g, pressed); };
    };
    add("minimise pressed", kMinimisePressed, sz::kTopButton, top(p::TopGlyph::kMinimise, true));
    add("minimise", kMinimise, sz::kTopButton, top(p::TopGlyph::kMinimise, false));
    add("close pressed", kClosePressed, sz::kTopButton, top(p::TopGlyph::kClose, true));
    add("close", kClose, sz::kTopButton, top(p::TopGlyph::kClose, false));
    add("settings pressed", kSettingsPressed, sz::kTopButton, top(p::TopGlyph::kSettings, true));
    add("settings", kSettings, sz::kTopButton, top(p::TopGlyph::kSettings, false));

    // Captioned buttons.
    auto plate = [](bool pressed) { return [pressed](gfx::Canvas& c, gfx::Size s) { p::Plate(c, s, pressed); }; };
    const BandSizes text = Same(skinsize::TextButton(dpi));
    add("text button pressed", Same(kTextButtonPressed), text, plate(true));
    add("text button", Same(kTextButton), text, plate(false));
    add("text button 2 pressed", Same(kTextButton2Pressed), text, plate(true));
    add("text button 2", Same(kTextButton2), text, plate(false));
    add("phase pressed", kPhasePressed, sz::kPhase, plate(true));
    add("phase", kPhase, sz::kPhase, plate(false));
    add("delay unit", kDelayUnit, sz::kDelayUnit, plate(false));
    auto bar = [](bool lit) { return [lit](gfx::Canvas& c, gfx::Size s) { p::ChannelBar(c, s, lit); }; };
    add("select lit", kSelectLit, sz::kSelectWide, bar(true));
    add("select wide", kSelectWide, sz::kSelectWide, bar(false));
    add("select narrow", kSelectNarrow, sz::kSelectNarrow, bar(false));

    // Routing matrix.
    auto cell = [](bool on) { return [on](gfx::Canvas& c, gfx::Size s) { p::MatrixCell(c, s, on); }; };
    add("cell on even", kCellOnEven, sz::kCell, cell(true));
    add("cell on odd", kCellOnOdd, sz::kCell, cell(true));
    add("cell off even", kCellOffEven, sz::kCell, cell(false));
    add("cell off odd", kCellOffOdd, sz::kCell, cell(false));

    // Graph overlay and link buttons.
    for (int ch = 0; ch < 12; ++ch) {
        const gfx::Color colour = channel_colour ? channel_colour(ch) : palette::kGlyph;
        const std::string n = std::to_string(ch + 1);
        add("overlay on CH" + n, kOverlayOn[ch], sz::kOverlay,
            [colour](gfx::Canvas& c, gfx::Size s) { p::Overlay(c, s, colour, true); });
        add("overlay off CH" + n, Same(kOverlayOff[ch]), Same(skinsize::OverlayButton(dpi)),
            [colour](gfx::Canvas& c, gfx::Size s) { p::Overlay(c, s, colour, false); });
    }
    for (int g = 0; g < 12; ++g) {
        add("link group " + std::to_string(g + 1), kLinkGroup[g], sz::kLink,
            [g](gfx::Canvas& c, gfx::Size s) { p::Link(c, s, g); });
    }
    add("link none", kLinkNone, sz::kLink, [](gfx::Canvas& c, gfx::Size s) { p::Link(c, s, -1); });

    // Bridge and high-level mix.
    auto bridge = [](p::BridgeState st) { return [st](gfx::Canvas& c, gfx::Size s) { p::Bridge(c, s, st); }; };
    add("bridge disabled", kBridgeDisabled, sz::kBridge, bridge(p::BridgeState::kDisabled));
    add("bridge on", kBridgeOn, sz::kBridge, bridge(p::BridgeState::kOn));
    add("bridge off", kBridgeOff, sz::kBridge, bridge(p::BridgeState::kOff));
    auto mix = [](p::MixState st) { return [st](gfx::Canvas& c, gfx::Size s) { p::MixButton(c, s, st); }; };
    add("mix unavailable", kMixUnavailable, sz::kMix, mix(p::MixState::kUnavailable));
    add("mix on", kMixOn, sz::kMix, mix(p::MixState::kOn));
    add("mix off", kMixOff, sz::kMix, mix(p::MixState::kOff));

    // Status pictures, logo and background.
    auto usb = [](bool on) { return [on](gfx::Canvas& c, gfx::Size s) { p::UsbStatus(c, s, on); }; };
    auto tcp = [](int st) { return [st](gfx::Canvas& c, gfx::Size s) { p::TcpStatus(c, s, st); }; };
    add("usb connected", kUsbConnected, sz::kUsbStatus, usb(true));
    add("usb disconnected", kUsbDisconnected, sz::kUsbStatus, usb(false));
    add("tcp disconnected", kTcpDisconnected, sz::kTcpStatus, tcp(0));
    add("tcp connected", kTcpConnected, sz::kTcpStatus, tcp(1));
    add("tcp network down", kTcpNetworkDown, sz::kTcpStatus, tcp(2));
    add("logo", kLogo, sz::kLogo, &p::Logo);
    add("background english", Same(kBackgroundEnglish), Same(sz::kBackground), &p::Background);
    add("background chinese", Same(kBackgroundChinese), Same(sz::kBackground), &p::Background);
    return e;
}

bool RegisterProgramSkin(Skin& skin, int dpi, const ChannelColour& channel_colour) {
    bool all = true;
    for (const SkinEntry& entry : ProgramSkinEntries(dpi, channel_colour)) {
        all = skin.AddBands(entry.ids, entry.sizes, entry.paint) && all;
    }
    return all;
}

}  // namespace res
