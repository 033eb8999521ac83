#pragma once
#include "platform/gfx/canvas.h"
#include "platform/gfx/color.h"
#include "platform/gfx/geometry.h"

// One painter per role of the main window's skin. Each draws at the size it is given, which is the bitmap's
// own size in its DPI band, so no band is a scaled copy of another. Skin bitmaps are opaque: a painter covers
// its whole size, starting with the colour of the surface the control stands on.
namespace res::painters {

// Text, phase and delay-unit buttons: a grey plate, blue while pressed; the window writes the caption.
void Plate(gfx::Canvas& canvas, gfx::Size size, bool pressed);
// Channel select buttons: a blue bar when lit, a grey bar otherwise; the window writes the channel's name.
void ChannelBar(gfx::Canvas& canvas, gfx::Size size, bool lit);
// Routing-matrix cells: a lit blue square when on, a dark square when off.
void MatrixCell(gfx::Canvas& canvas, gfx::Size size, bool on);

enum class MixState { kOn, kOff, kUnavailable };
// The high-level mix button: blue square, dark square, or a square with a bar when the source forbids it.
void MixButton(gfx::Canvas& canvas, gfx::Size size, MixState state);

enum class BandState { kFlat, kActive, kPressed };
// EQ band buttons: a ring, blue when the band is boosted or cut, grey at 0 dB, a sunken grey one while pressed.
void BandButton(gfx::Canvas& canvas, gfx::Size size, BandState state);

// Channel and master mute: a blue crossed speaker when muted, a grey speaker with its waves otherwise.
void Mute(gfx::Canvas& canvas, gfx::Size size, bool muted);

enum class TopGlyph { kMinimise, kClose, kSettings };
// Top-bar buttons: a bar, a cross or a gear, white when released and coloured (blue, red, blue) while pressed.
void TopButton(gfx::Canvas& canvas, gfx::Size size, TopGlyph glyph, bool pressed);

// Graph overlay buttons: a swatch of the channel's curve colour, with a tick when the curve is shown.
void Overlay(gfx::Canvas& canvas, gfx::Size size, gfx::Color channel, bool on);

// Link buttons: a chain in the colour of the link group (0..11) with its number, or grey with no group (-1).
void Link(gfx::Canvas& canvas, gfx::Size size, int group);
// The colour of a link group, 0..11.
gfx::Color LinkGroupColour(int group);

enum class BridgeState { kOn, kOff, kDisabled };
// Bridge buttons: an orange disc when on, a grey disc when off, a grey disc with a bar when disabled.
void Bridge(gfx::Canvas& canvas, gfx::Size size, BridgeState state);

// Slider thumbs: a fader cap with an indicator line in the given colour.
void Thumb(gfx::Canvas& canvas, gfx::Size size, gfx::Color indicator);

struct TrackStyle {
    bool lit = false;          // the groove filled with the accent colour
    bool centre_mark = false;  // a 0 dB mark across the middle
    int offset = 0;            // the groove's shift right of the centre, as the thumb's
    int margin = 8;            // the thumb's centre stops this far from each end
};
// Vertical slider tracks: a groove with rounded ends between the thumb's end stops.
void Track(gfx::Canvas& canvas, gfx::Size size, const TrackStyle& style);

// Link pictures of the bottom bar.
void UsbStatus(gfx::Canvas& canvas, gfx::Size size, bool connected);
// TCP: 0 not connected, 1 connected, 2 network down.
void TcpStatus(gfx::Canvas& canvas, gfx::Size size, int state);

// The logo: a plain wordmark on the top bar.
void Logo(gfx::Canvas& canvas, gfx::Size size);
// The window's background: the panels behind the controls, stretched by the window over its client area.
void Background(gfx::Canvas& canvas, gfx::Size size);

// The combo boxes' drop arrow, on a transparent ground (it is blended over the combo's face).
void ComboArrow(gfx::Canvas& canvas, gfx::Size size);
// The program's icon, on a transparent ground.
void Icon(gfx::Canvas& canvas, gfx::Size size);

}  // namespace res::painters
