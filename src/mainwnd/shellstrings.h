#pragma once
// The texts of the main window's shell (captions, combo items, status texts, input labels, its message
// boxes), by their string-table ids, and the few texts the code holds itself. The link's texts are in
// linkstrings.h (among them 184 "Connected" and 185 "Disconnect" of the USB static).
#include <array>
#include <span>
#include <string_view>

#include "device/channelmodel.h"
#include "device/eqmodel.h"
#include "platform/res/stringtable.h"

constexpr int IDS_ABOUT = 101;  // the system menu's About entry
// Pair and quad lists.
constexpr int IDS_BRIDGE_OFF = 102;
constexpr int IDS_BASIS_CH1 = 103;  // 103..108: "Basis of CH1".."Basis of CH6"
constexpr int IDS_BASIS_CH2 = 104;
constexpr int IDS_BASIS_CH3 = 105;
constexpr int IDS_BASIS_CH4 = 106;
constexpr int IDS_BASIS_CH5 = 107;
constexpr int IDS_BASIS_CH6 = 108;
constexpr int IDS_BASIS_CH7 = 169;
constexpr int IDS_BASIS_CH8 = 170;
// Crossover lists.
constexpr int IDS_BUTTERWORTH = 109;
constexpr int IDS_BESSEL = 110;
constexpr int IDS_SLOPE_OFF = 111;
// Button captions.
constexpr int IDS_GEQ = 112;
constexpr int IDS_PEQ = 113;
constexpr int IDS_BYPASS_EQ = 120;
constexpr int IDS_RESET_EQ_BUTTON = 121;
constexpr int IDS_RESET_ALL_BUTTON = 122;
constexpr int IDS_PHASE_0 = 123;
constexpr int IDS_PHASE_180 = 124;
constexpr int IDS_UNIT_MS = 125;
constexpr int IDS_UNIT_CM = 126;
constexpr int IDS_SAVE_DSP = 161;
constexpr int IDS_SAVE_PC = 162;
constexpr int IDS_LOAD_DSP = 163;
constexpr int IDS_LOAD_PC = 164;
constexpr int IDS_SOURCE_BUTTON = 165;
constexpr int IDS_UPDATA = 166;
constexpr int IDS_FILTER = 173;
constexpr int IDS_INPUT_VOL = 174;
constexpr int IDS_FILE = 175;
constexpr int IDS_DELAY_CALE = 176;
// Default channel titles "CH1".."CH12" (kChannelTitleStringIds).
constexpr int IDS_CH1 = 114;
constexpr int IDS_CH7 = 167;
constexpr int IDS_CH8 = 168;
constexpr int IDS_CH9 = 212;
// Status texts.
constexpr int IDS_CURRENT_MODE = 127;
constexpr int IDS_SAVE_MODE = 128;
constexpr int IDS_DEFAULT_SLOT = 211;
constexpr int IDS_SOURCE_PREFIX = 140;  // "Source: ", also caption 1451
// Input sources (SourceNameStringId).
constexpr int IDS_SOURCE_HIGH_LEVEL = 129;
constexpr int IDS_SOURCE_LOW_LEVEL = 130;
constexpr int IDS_SOURCE_BLUETOOTH = 131;
constexpr int IDS_SOURCE_ANALOG_BT = 132;
constexpr int IDS_SOURCE_OPTICAL = 133;
constexpr int IDS_SOURCE_AUX12 = 134;
constexpr int IDS_SOURCE_INVALID = 135;
constexpr int IDS_SOURCE_USB = 240;
// Captions.
constexpr int IDS_CAPTION_BTL = 171;
constexpr int IDS_CAPTION_LINK_SHORT = 172;  // written first to 1454, then replaced by 222
constexpr int IDS_CAPTION_HIGH_LEVEL_MIX = 177;
constexpr int IDS_CAPTION_ID = 178;
constexpr int IDS_CAPTION_FREQ = 179;
constexpr int IDS_CAPTION_GAIN = 180;
constexpr int IDS_CAPTION_Q = 181;
constexpr int IDS_CAPTION_BYPASS = 182;
constexpr int IDS_CAPTION_DELAY = 183;
constexpr int IDS_CAPTION_VOLUME = 186;
constexpr int IDS_CAPTION_LINK = 222;
constexpr int IDS_CAPTION_PHASE = 223;
constexpr int IDS_CAPTION_CH_NAME = 224;
// Input labels; the table by input bit is kInputLabelStringIds.
constexpr int IDS_INPUT_HI1 = 187;  // 187..192: " Hi.1".." Hi.6"
constexpr int IDS_INPUT_AUX1 = 193;
constexpr int IDS_INPUT_AUX2 = 194;
constexpr int IDS_INPUT_OPT_L = 195;
constexpr int IDS_INPUT_OPT_R = 196;
constexpr int IDS_INPUT_BT_L = 197;
constexpr int IDS_INPUT_BT_R = 198;
constexpr int IDS_INPUT_HI7 = 216;
constexpr int IDS_INPUT_HI8 = 217;
constexpr int IDS_INPUT_AUX3 = 226;
constexpr int IDS_INPUT_AUX4 = 227;
constexpr int IDS_INPUT_HI9 = 238;
constexpr int IDS_INPUT_HI10 = 241;
constexpr int IDS_INPUT_HI11 = 764;
constexpr int IDS_INPUT_HI12 = 765;
constexpr int IDS_INPUT_RADIO_L = 231;  // model 7
constexpr int IDS_INPUT_RADIO_R = 232;
constexpr int IDS_INPUT_USB_L = 233;  // model 7, and source 9 on the others
constexpr int IDS_INPUT_USB_R = 234;
constexpr int IDS_INPUT_AUX_L = 235;  // model 7
constexpr int IDS_INPUT_AUX_R = 236;
// Message boxes.
constexpr int IDS_RESET_ALL_QUESTION = 145;
constexpr int IDS_SAVE_MASTER_OFF = 147;
constexpr int IDS_SAVE_CH1_MUTED = 148;  // 148..153: CH1..CH6, "... is set to silence. Is it saved?"
constexpr int IDS_FACTORY_RESET_WARNING = 210;

// The default titles of CH1..CH12, by channel.
inline constexpr std::array<int, kChannels> kChannelTitleStringIds = {114, 115, 116, 117, 118, 119,
                                                                      167, 168, 212, 213, 214, 215};
// The matrix labels by input bit. The AUX-3/AUX-4 pair is labelled higher number first: bit 14 reads
// " AUX-4" and bit 15 " AUX-3".
inline constexpr std::array<int, kInputs> kInputLabelStringIds = {
    187, 188, 189, 190, 191, 192, 193, 194, 195, 196, 197, 198, 216, 217, 227, 226, 238, 241, 764, 765};
// The source list 1286: high level, low level, Bluetooth, optical/coaxial, USB.
inline constexpr std::array<int, 5> kSourceComboStringIds = {129, 130, 131, 133, 240};
// The pair lists' items after "OFF" (1058, 1198, 1248, 1278) and the quad list's (1199).
inline constexpr std::array<std::array<int, 2>, 4> kBridgeComboStringIds = {{
    {IDS_BASIS_CH1, IDS_BASIS_CH2},
    {IDS_BASIS_CH3, IDS_BASIS_CH4},
    {IDS_BASIS_CH5, IDS_BASIS_CH6},
    {IDS_BASIS_CH7, IDS_BASIS_CH8},
}};
inline constexpr std::array<int, 4> kQuadComboStringIds = {IDS_BASIS_CH1, IDS_BASIS_CH2, IDS_BASIS_CH3,
                                                           IDS_BASIS_CH4};
// The save guard's questions for CH1..CH6.
inline constexpr std::array<int, 6> kSaveMutedStringIds = {148, 149, 150, 151, 152, 153};

// Texts the code holds itself, the same in both languages.
inline constexpr std::string_view kBuildTag = "6614K_221130V1";
inline constexpr std::string_view kMuteOnText = "静音";     // a mute button's text while muted
inline constexpr std::string_view kMuteOffText = "非静音";  // ... and while not
inline constexpr std::array<std::string_view, 8> kSlopeTexts = {
    "6dB/Oct", "12dB/Oct", "18dB/Oct", "24dB/Oct", "30dB/Oct", "36dB/Oct", "42dB/Oct", "48dB/Oct"};

namespace mainwnd {

// The string of an input source's name (InputSourceId); any source without a name reads "Invalid".
int SourceNameStringId(int source);

// Every text above with its string-table id; a text given only in English is English in Chinese too.
std::span<const res::StringEntry> ShellStrings();

// Adds the texts to `table`; an id it already holds keeps its text.
void RegisterShellStrings(res::StringTable& table);

}  // namespace mainwnd
