#pragma once
#include <array>

#include "platform/res/dpi.h"

// Ids of the main window's skin bitmaps and PNG images, by role. Where a role has one bitmap per DPI band,
// its BandIds hold them in band order (96, 120, 144, 168, 192 DPI): index the array with res::DpiBand(dpi).
namespace res::skinid {

using BandIds = std::array<int, kDpiBands>;

// --- Sliders. The track's "before" bitmap shows from the top of the track to the thumb, the "after" one from
// the thumb to the bottom; the gain and master tracks are lit below the thumb. SetTrackBitmaps takes
// (after, before).
inline constexpr BandIds kGainThumb{169, 204, 205, 671, 206};
inline constexpr BandIds kGainTrackAfter{197, 216, 217, 673, 218};
inline constexpr BandIds kGainTrackBefore{196, 210, 211, 681, 212};
inline constexpr BandIds kBandThumb{282, 352, 353, 615, 354};
inline constexpr BandIds kBandTrack{168, 207, 208, 667, 209};  // both sides of the thumb
inline constexpr BandIds kMasterThumb{273, 355, 356, 678, 357};
inline constexpr BandIds kMasterTrackAfter{198, 219, 220, 675, 221};
inline constexpr BandIds kMasterTrackBefore{171, 213, 214, 670, 215};
// The thumbs' offsets across the track; the tracks' grooves are drawn where these put the thumbs.
inline constexpr BandIds kGainThumbOffset{1, 1, 1, 1, 1};
inline constexpr BandIds kBandThumbOffset{0, 0, 0, 3, 2};
inline constexpr BandIds kMasterThumbOffset{1, 0, 1, 1, 1};

// --- Mute buttons: channel mute (wide for models 1, 3..7, narrow for 2, 8, 9) and the master mute.
inline constexpr BandIds kMuteOn{165, 364, 501, 663, 531};  // muted, both widths
inline constexpr BandIds kMuteOffWide{167, 365, 502, 679, 532};
inline constexpr BandIds kMuteOffNarrow{745, 750, 752, 754, 756};
inline constexpr BandIds kMasterMuteOn{271, 358, 359, 700, 360};
inline constexpr BandIds kMasterMuteOff{272, 361, 362, 699, 363};

// --- EQ band (bypass) buttons.
inline constexpr BandIds kBandButtonPressed{160, 703, 704, 665, 706};
inline constexpr BandIds kBandButtonFlat{161, 320, 321, 666, 322};    // gain 0 dB
inline constexpr BandIds kBandButtonActive{177, 317, 318, 664, 319};  // any other gain

// --- Top bar.
inline constexpr BandIds kMinimisePressed{276, 399, 400, 651, 401};
inline constexpr BandIds kMinimise{277, 402, 403, 652, 404};
inline constexpr BandIds kClosePressed{274, 387, 388, 619, 389};
inline constexpr BandIds kClose{275, 390, 391, 620, 392};
inline constexpr BandIds kSettingsPressed{285, 405, 406, 657, 407};
inline constexpr BandIds kSettings{286, 408, 409, 658, 410};

// --- Captioned buttons. The text buttons have one bitmap for every band; the second style shows the same
// pictures under ids of its own.
inline constexpr int kTextButtonPressed = 199;
inline constexpr int kTextButton = 200;
inline constexpr int kTextButton2Pressed = 278;
inline constexpr int kTextButton2 = 279;
inline constexpr BandIds kPhasePressed{269, 509, 510, 682, 533};
inline constexpr BandIds kPhase{229, 511, 512, 683, 534};
inline constexpr BandIds kDelayUnit{270, 411, 412, 634, 413};
// Channel select: lit (both widths), or not lit in the wide or the narrow variant.
inline constexpr BandIds kSelectLit{559, 567, 570, 659, 573};
inline constexpr BandIds kSelectWide{561, 569, 572, 661, 575};
inline constexpr BandIds kSelectNarrow{746, 749, 751, 753, 755};

// --- Routing matrix cells. The even and odd input bits have the same pictures.
inline constexpr BandIds kCellOnEven{238, 366, 367, 653, 368};
inline constexpr BandIds kCellOnOdd{280, 369, 370, 654, 371};
inline constexpr BandIds kCellOffEven{239, 372, 373, 655, 374};
inline constexpr BandIds kCellOffOdd{281, 375, 376, 656, 377};

// --- Graph overlay buttons, per channel CH1..CH12: "on" per band, "off" one bitmap for every band.
inline constexpr std::array<BandIds, 12> kOverlayOn{{
    {248, 323, 324, 621, 325},
    {250, 326, 327, 622, 328},
    {251, 329, 330, 623, 331},
    {252, 332, 333, 624, 334},
    {253, 335, 336, 625, 337},
    {254, 338, 339, 626, 340},
    {255, 341, 342, 627, 343},
    {256, 344, 345, 628, 346},
    {440, 441, 442, 629, 443},
    {444, 445, 446, 630, 447},
    {448, 449, 450, 631, 451},
    {452, 453, 454, 632, 455},
}};
inline constexpr std::array<int, 12> kOverlayOff{576, 577, 578, 579, 580, 581, 582, 583, 584, 585, 586, 587};

// --- Link buttons: one bitmap per link group 0..11 in every band, and one for a channel in no group.
inline constexpr std::array<BandIds, 12> kLinkGroup = [] {
    std::array<BandIds, 12> ids{};
    for (int g = 0; g < 12; ++g) ids[g] = {g < 8 ? 240 + g : 436 + (g - 8), 461 + g, 476 + g, 639 + g, 519 + g};
    return ids;
}();
inline constexpr BandIds kLinkNone{268, 460, 475, 638, 518};

// --- Bridge buttons (never shown) and the high-level mix button (hidden).
inline constexpr BandIds kBridgeDisabled{551, 552, 553, 617, 554};
inline constexpr BandIds kBridgeOn{266, 458, 473, 616, 516};
inline constexpr BandIds kBridgeOff{267, 459, 474, 695, 517};
inline constexpr BandIds kMixUnavailable{314, 417, 418, 635, 419};  // the source is high level
inline constexpr BandIds kMixOn{283, 420, 421, 636, 422};
inline constexpr BandIds kMixOff{284, 423, 424, 637, 425};

// --- Link pictures of the bottom bar. TCP by the client's state: 0 not connected, 1 connected, 2 network down.
inline constexpr BandIds kUsbConnected{192, 429, 430, 685, 431};
inline constexpr BandIds kUsbDisconnected{193, 432, 433, 680, 434};
inline constexpr BandIds kTcpDisconnected{191, 723, 724, 725, 726};
inline constexpr BandIds kTcpConnected{187, 719, 720, 721, 722};
inline constexpr BandIds kTcpNetworkDown{190, 727, 728, 729, 730};

// --- Logo and background (one background for every band, stretched over the client area).
inline constexpr BandIds kLogo{731, 732, 733, 734, 735};
inline constexpr int kBackgroundEnglish = 701;
inline constexpr int kBackgroundChinese = 151;

// --- PNG images: the combo boxes' drop arrow. The source combo takes one per band; the other combos take
// kComboArrow in every band.
inline constexpr int kComboArrow = 202;
inline constexpr BandIds kSourceComboArrow{202, 316, 690, 687, 689};

// --- The program's icon (a PNG image with transparency, 256 × 256).
inline constexpr int kAppIcon = 128;

}  // namespace res::skinid
