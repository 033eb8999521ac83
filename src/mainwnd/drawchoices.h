#pragma once
// What the main window draws, as pure functions of what it shows: the bitmap of an owner-drawn button from its
// kind, its state, the model value it shows, the DPI band and the width variant; the lit rule of the channel
// buttons; the link group of a channel; the captions; the input labels' colours; the pictures of the window's
// own paint. The window reads the model and hands the values in, so all of it is testable without a window.
#include <span>
#include <string>

#include "mainwnd/ownerdrawkinds.h"
#include "platform/gfx/color.h"

namespace mainwnd {

// The two bits of a draw request the pictures look at.
struct ButtonState {
    bool pressed = false;
    bool disabled = false;
};

// The model value a button shows, reduced to what picks its picture; each kind reads its own field.
struct ButtonValue {
    bool on = false;           // cell routed, channel or master muted, overlay shown, bridge set, mix in on
    bool flat = false;         // band button: the band's gain is 0 dB
    bool lit = false;          // channel select: ChannelSelectLit
    bool unavailable = false;  // high-level mix: the source is high level
    int linkGroup = -1;        // link: LinkGroupOf the channel, -1 for none
};

// Bitmap id of a button; 0 for kNone. band 0..4 (res::DpiBand).
int ButtonBitmap(const OwnerDrawItem& item, ButtonState state, const ButtonValue& value, int band, bool wide);

// The wide variant of the select and mute buttons: every model but the twelve-output ones (2, 8, 9).
bool WideModel(int model);

// A channel button is lit when its channel is current, when the current one is its bridged partner, or when
// a link group holds both. bridges: the six pair flags, CH1/2 first.
bool ChannelSelectLit(int channel, int current, std::span<const int, 6> bridges, std::span<const int, 12> groups);

// The first link group (0..11, lowest first) that shares a channel with mask; -1 when none does.
int LinkGroupOf(int mask, std::span<const int, 12> groups);
// The link button's bitmap of a group (-1: none) in a band.
int LinkBitmap(int group, int band);

// A button's caption: string stringId in face at DpiScale(baseHeight); stringId 0 draws none. A channel name
// replaces its default title (stringId) unless the name is empty.
struct Caption {
    int stringId = 0;
    bool channelName = false;
    const char* face = "";
    int baseHeight = 0;
};
Caption CaptionOf(const OwnerDrawItem& item, bool phase180, bool delayInCm, bool peqMode);
// A channel's name field (20 bytes of code page 936, up to its first zero) as shown, or fallback when empty.
std::string ChannelNameText(const char* field, const std::string& fallback);
// DrawText flags of a caption: centred, except a channel name at least as wide as its button.
unsigned CaptionFlags(bool channelName, int textWidth, int buttonWidth);

// The input group of a routing-matrix label (first row holding the id decides): 1 high level, 2 AUX,
// 3 Bluetooth, 5 optical, 10 model 7's grey group, 0 for no label.
int InputLabelGroup(int id, int model);
// The text colour of a static or button: white, or grey for an input label of a source not in use.
gfx::Color LabelTextColour(int group, int source);

// The pictures of the window's own paint.
int TcpPicture(int state, int band);  // 0 not connected, 1 connected, 2 network down
int UsbPicture(bool connected, int band);
int LogoBitmap(int band);
int BackgroundBitmap(int lang);

}  // namespace mainwnd
