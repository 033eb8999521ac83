#include "mainwnd/drawchoices.h"

#include <unordered_map>

#include "device/channelmodel.h"
#include "device/names.h"
#include "mainwnd/quenbarids.h"
#include "mainwnd/routingids.h"
#include "mainwnd/shellstrings.h"
#include "platform/gfx/canvas.h"
#include "platform/sys/langid.h"
#include "platform/sys/textcodec.h"
#include "res/skinids.h"

namespace mainwnd {

namespace skin = res::skinid;

namespace {

constexpr const char* kCaptionFace = "宋体";
constexpr const char* kNameFace = "黑体";
constexpr int kCaptionHeight = 12;
constexpr int kNameHeight = 16;

// The caption of each text button.
int TextButtonStringId(int id, bool peqMode) {
    switch (id) {
        case IDC_BYPASS_ALL: return IDS_BYPASS_EQ;
        case IDC_EQ_MODE: return peqMode ? IDS_PEQ : IDS_GEQ;
        case IDC_RESET_ALL: return IDS_RESET_ALL_BUTTON;
        case IDC_RESET_EQ: return IDS_RESET_EQ_BUTTON;
        case IDC_SAVE_DSP: return IDS_SAVE_DSP;
        case IDC_SAVE_PC: return IDS_SAVE_PC;
        case IDC_LOAD_DSP: return IDS_LOAD_DSP;
        case IDC_LOAD_PC: return IDS_LOAD_PC;
        case IDC_SOURCE_BUTTON: return IDS_SOURCE_BUTTON;
        case IDC_UPGRADE: return IDS_UPDATA;
        case IDC_FILTER_SETUP: return IDS_FILTER;
        case IDC_INPUT_VOLUME: return IDS_INPUT_VOL;
        case IDC_SCENE: return IDS_FILE;
        case IDC_DELAY_CALC: return IDS_DELAY_CALE;
        default: return 0;
    }
}

}  // namespace

int ButtonBitmap(const OwnerDrawItem& item, ButtonState state, const ButtonValue& value, int band, bool wide) {
    const int b = band < 0 ? 0 : band >= res::kDpiBands ? res::kDpiBands - 1 : band;
    const bool odd = item.bit % 2 != 0;
    switch (item.kind) {
        case ButtonKind::kNone:
            return 0;
        case ButtonKind::kMatrixCell:
            if (value.on) return (odd ? skin::kCellOnOdd : skin::kCellOnEven)[b];
            return (odd ? skin::kCellOffOdd : skin::kCellOffEven)[b];
        case ButtonKind::kBandButton:
            if (state.pressed) return skin::kBandButtonPressed[b];
            return (value.flat ? skin::kBandButtonFlat : skin::kBandButtonActive)[b];
        case ButtonKind::kChannelSelect:
            if (value.lit) return skin::kSelectLit[b];
            return (wide ? skin::kSelectWide : skin::kSelectNarrow)[b];
        case ButtonKind::kPhase:
            return (state.pressed ? skin::kPhasePressed : skin::kPhase)[b];
        case ButtonKind::kChannelMute:
            if (value.on) return skin::kMuteOn[b];
            return (wide ? skin::kMuteOffWide : skin::kMuteOffNarrow)[b];
        case ButtonKind::kMasterMute:
            return (value.on ? skin::kMasterMuteOn : skin::kMasterMuteOff)[b];
        case ButtonKind::kTextButton:
            return state.pressed ? skin::kTextButtonPressed : skin::kTextButton;
        case ButtonKind::kTextButton2:
            return state.pressed ? skin::kTextButton2Pressed : skin::kTextButton2;
        case ButtonKind::kDelayUnit:
            return skin::kDelayUnit[b];
        case ButtonKind::kMinimise:
            return (state.pressed ? skin::kMinimisePressed : skin::kMinimise)[b];
        case ButtonKind::kClose:
            return (state.pressed ? skin::kClosePressed : skin::kClose)[b];
        case ButtonKind::kSettings:
            return (state.pressed ? skin::kSettingsPressed : skin::kSettings)[b];
        case ButtonKind::kOverlay:
            return value.on ? skin::kOverlayOn[item.index][b] : skin::kOverlayOff[item.index];
        case ButtonKind::kLink:
            return LinkBitmap(value.linkGroup, b);
        case ButtonKind::kBridge:
            if (state.disabled) return skin::kBridgeDisabled[b];
            return (value.on ? skin::kBridgeOn : skin::kBridgeOff)[b];
        case ButtonKind::kHighLevelMix:
            if (value.unavailable) return skin::kMixUnavailable[b];
            return (value.on ? skin::kMixOn : skin::kMixOff)[b];
    }
    return 0;
}

bool WideModel(int model) {
    return model != 2 && model != 8 && model != 9;
}

bool ChannelSelectLit(int channel, int current, std::span<const int, 6> bridges, std::span<const int, 12> groups) {
    if (channel == current) return true;
    if ((channel ^ 1) == current && bridges[channel / 2] != 0) return true;
    const int both = (1 << channel) | (1 << current);
    for (int g : groups) {
        if ((g & both) == both) return true;
    }
    return false;
}

int LinkGroupOf(int mask, std::span<const int, 12> groups) {
    for (int g = 0; g < kChannels; ++g) {
        if (groups[g] & mask) return g;
    }
    return -1;
}

int LinkBitmap(int group, int band) {
    return group >= 0 && group < kChannels ? skin::kLinkGroup[group][band] : skin::kLinkNone[band];
}

Caption CaptionOf(const OwnerDrawItem& item, bool phase180, bool delayInCm, bool peqMode) {
    switch (item.kind) {
        case ButtonKind::kChannelSelect:
            return {kChannelTitleStringIds[item.index], true, kNameFace, kNameHeight};
        case ButtonKind::kPhase:
            return {phase180 ? IDS_PHASE_180 : IDS_PHASE_0, false, kCaptionFace, kCaptionHeight};
        case ButtonKind::kDelayUnit:
            return {delayInCm ? IDS_UNIT_CM : IDS_UNIT_MS, false, kCaptionFace, kCaptionHeight};
        case ButtonKind::kTextButton:
        case ButtonKind::kTextButton2:
            return {TextButtonStringId(item.id, peqMode), false, kCaptionFace, kCaptionHeight};
        default:
            return {};
    }
}

std::string ChannelNameText(const char* field, const std::string& fallback) {
    std::string name = sys::GbkFieldToUtf8(field, kNameLen).text;
    return name.empty() ? fallback : name;
}

unsigned CaptionFlags(bool channelName, int textWidth, int buttonWidth) {
    const unsigned left = gfx::kTextVCenter | gfx::kTextSingleLine;
    return channelName && textWidth >= buttonWidth ? left : left | gfx::kTextCenter;
}

int InputLabelGroup(int id, int model) {
    // Every static and button asks on every paint: the input bit of each label id, found once.
    static const std::unordered_map<int, int> bitOfLabel = [] {
        std::unordered_map<int, int> m;
        for (const auto& row : g_InputLabelIds) {
            for (int j = 0; j < kInputs; ++j) m.emplace(row[j], j);  // the first row holding an id decides
        }
        return m;
    }();
    const auto it = bitOfLabel.find(id);
    if (it == bitOfLabel.end()) return 0;
    const int j = it->second;
    if (model == 7 && ((j >= 2 && j <= 5) || (j >= 12 && j <= 15))) return 10;
    if (j == 6 || j == 7 || j == 14 || j == 15) return 2;
    if (j == 8 || j == 9) return 5;
    if (j == 10 || j == 11) return 3;
    return 1;
}

gfx::Color LabelTextColour(int group, int source) {
    static constexpr gfx::Color kWhite = gfx::Rgb(0xFF, 0xFF, 0xFF);
    static constexpr gfx::Color kGrey = gfx::Rgb(0x69, 0x69, 0x69);
    if (group == 0) return kWhite;
    const bool inUse = (group == 1 && source == 1) || (group == 2 && source == 2) ||
                       (group == 3 && (source == 3 || source == 9)) || (group == 5 && source == 5);
    return inUse ? kWhite : kGrey;
}

int TcpPicture(int state, int band) {
    if (state == 1) return skin::kTcpConnected[band];
    if (state == 2) return skin::kTcpNetworkDown[band];
    return skin::kTcpDisconnected[band];
}

int UsbPicture(bool connected, int band) {
    return (connected ? skin::kUsbConnected : skin::kUsbDisconnected)[band];
}

int LogoBitmap(int band) {
    return skin::kLogo[band];
}

int BackgroundBitmap(int lang) {
    return lang == sys::kLangEnglish ? skin::kBackgroundEnglish : skin::kBackgroundChinese;
}

}  // namespace mainwnd
