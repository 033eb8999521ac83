#pragma once
// The kinds of the main window's owner-drawn buttons: one table from control id to kind, with the channel,
// band, pair or input bit the button stands for. Drawing, and the tests that hold the template to it, look
// a button up here and nowhere else.
#include <span>

namespace mainwnd {

enum class ButtonKind {
    kNone,           // no owner-drawn button of the window
    kMatrixCell,     // routing-matrix cell: channel and input bit
    kBandButton,     // EQ band bypass button: band
    kChannelSelect,  // channel
    kPhase,          // channel
    kChannelMute,    // channel
    kMasterMute,
    kTextButton,   // the plain text plate (199/200)
    kTextButton2,  // the launchers' plate (278/279)
    kDelayUnit,    // channel
    kMinimise,
    kClose,
    kSettings,
    kOverlay,  // graph overlay: channel
    kLink,     // link group: channel
    kBridge,   // pair 0..5
    kHighLevelMix,
};

struct OwnerDrawItem {
    int id = 0;
    ButtonKind kind = ButtonKind::kNone;
    int index = 0;  // channel, band or pair, by kind; 0 where the kind has none
    int bit = 0;    // input bit of a matrix cell
};

// The item of a control id; kind kNone for an id that is no owner-drawn button.
OwnerDrawItem OwnerDrawItemOf(int id);
// Every owner-drawn button of the window, ordered by id.
std::span<const OwnerDrawItem> OwnerDrawItems();

}  // namespace mainwnd
