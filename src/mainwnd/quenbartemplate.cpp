#include "mainwnd/quenbartemplate.h"

#include <algorithm>
#include <string>
#include <vector>

#include "mainwnd/aboutdlgtemplate.h"
#include "mainwnd/quenbarids.h"
#include "mainwnd/routingids.h"
#include "mainwnd/shellstrings.h"

namespace mainwnd {

namespace {

using res::ItemKind;

// Styles by kind. The band edits are centred, auto-scrolling, borderless and out of the tab order (Tab
// never enters the grid); the other value edits are made the same. The sliders are vertical track bars
// without ticks, the lists owner-drawn drop lists.
constexpr uint32_t kEdit = res::kTextCenter | res::kAutoHScroll;
constexpr uint32_t kSlider = res::kVertical | res::kNoTicks | res::kTabStop;
constexpr uint32_t kCombo = res::kOwnerDrawList | res::kVScroll | res::kTabStop;
constexpr uint32_t kPush = res::kTabStop;
constexpr uint32_t kHiddenOff = res::kHidden | res::kDisabled;

// Pixels of the 96 DPI layout to dialog units: 7 x 14 base units make both factors 4/7.
int Units(int px) {
    return (px * 4 + 3) / 7;
}
gfx::Rect Px(int x, int y, int w, int h) {
    return gfx::RectFromSize(Units(x), Units(y), std::max(1, Units(w)), std::max(1, Units(h)));
}

// The text of a shell string as the Chinese table holds it; most captions of the template are these.
std::string Chinese(int id) {
    for (const res::StringEntry& e : ShellStrings()) {
        if (e.id == id) return std::string(e.chinese.value_or(e.english));
    }
    return {};
}

// The 96 DPI grid of the EQ bands and of the twelve-output channel strips, where the layout first puts them.
constexpr int kBandX = 157, kBandPitch = 32, kBandEditWidth = 30, kBandEditHeight = 13;
constexpr int kStripPitch = 94;
constexpr int kMatrixLeftX = 135, kMatrixRightX = 150, kMatrixY0 = 496, kMatrixPitch = 12, kCell = 10;

// The matrix row of each input bit when all twenty inputs are shown: the pairs Hi.1/2 .. Hi.11/12, then
// AUX-1/2, AUX-3/4, optical, Bluetooth.
constexpr int kRowOfBit[kInputs] = {0, 0, 1, 1, 2, 2, 6, 6, 8, 8, 9, 9, 3, 3, 7, 7, 4, 4, 5, 5};

class Builder {
  public:
    explicit Builder(int lang) : lang_(lang) {}

    void Add(int id, ItemKind kind, gfx::Rect rect, uint32_t style = 0, res::LangText text = {}) {
        items_.emplace_back(id, kind, rect, style, std::move(text));
    }
    bool English() const { return lang_ != sys::kLangChinese; }
    std::vector<res::DialogItem> Take() { return std::move(items_); }

  private:
    int lang_;
    std::vector<res::DialogItem> items_;
};

void AddTopBar(Builder& b) {
    b.Add(IDC_PICTURE_LOGO, ItemKind::kPicture, Px(0, 0, 170, 33));
    b.Add(IDC_SETUP, ItemKind::kOwnerDrawButton, Px(1118, 2, 46, 30), kPush);
    b.Add(IDC_MINIMIZE, ItemKind::kOwnerDrawButton, Px(1164, 2, 46, 30), kPush);
    b.Add(IDC_CLOSE, ItemKind::kOwnerDrawButton, Px(1210, 2, 46, 30), kPush);
}

// The graph with the overlay column at its left, and the crossover controls in the column beside it.
void AddGraphAndCrossover(Builder& b) {
    b.Add(IDC_SPECTRUM, ItemKind::kCustom, Px(150, 44, 1000, 216), res::kNotify);
    for (int c = 0; c < kChannels; ++c)
        b.Add(g_OverlayButtonIds[c], ItemKind::kOwnerDrawButton, Px(132, 48 + 16 * c, 12, 12), kPush);

    const bool en = b.English();
    struct Block {
        int caption, typeCaption, type, freqCaption, freq, slopeCaption, slope, y;
        const char* en;
        const char* zh;
        const char* freqZh;
    };
    const Block blocks[] = {
        {IDC_CAPTION_HIGH_PASS, IDC_CAPTION_HP_TYPE, IDC_COMBO_HP_TYPE, IDC_CAPTION_HP_FREQ, IDC_EDIT_LOW_CUT,
         IDC_CAPTION_HP_SLOPE, IDC_COMBO_HP_SLOPE, 50, "High-Pass", "高  通", "频率:"},
        {IDC_CAPTION_LOW_PASS, IDC_CAPTION_LP_TYPE, IDC_COMBO_LP_TYPE, IDC_CAPTION_LP_FREQ, IDC_EDIT_HIGH_CUT,
         IDC_CAPTION_LP_SLOPE, IDC_COMBO_LP_SLOPE, 150, "Low_Pass", "低  通", "频率："},
    };
    for (const Block& k : blocks) {
        b.Add(k.caption, ItemKind::kStatic, Px(14, k.y, 100, 16), 0, en ? k.en : k.zh);
        b.Add(k.typeCaption, ItemKind::kStatic, Px(14, k.y + 20, 40, 16), 0, en ? "Type:" : "类型：");
        b.Add(k.type, ItemKind::kCombo, Px(56, k.y + 18, 70, 21), kCombo);
        b.Add(k.freqCaption, ItemKind::kStatic, Px(14, k.y + 44, 40, 16), 0, en ? "Freq:" : k.freqZh);
        b.Add(k.freq, ItemKind::kEdit, Px(56, k.y + 44, 70, 16), kEdit);
        b.Add(k.slopeCaption, ItemKind::kStatic, Px(14, k.y + 66, 40, 16), 0, en ? "Slope:" : "斜率：");
        b.Add(k.slope, ItemKind::kCombo, Px(56, k.y + 64, 70, 21), kCombo);
    }
}

// The band grid: numbers, frequency, Q and gain edits, sliders and band buttons, with their row captions.
void AddEqGrid(Builder& b) {
    for (int k = 0; k < kBands; ++k) {
        const int x = kBandX + k * kBandPitch;
        b.Add(g_BandNumberLabelIds[k], ItemKind::kStatic, Px(x, 266, kBandEditWidth, kBandEditHeight),
              res::kTextCenter, std::to_string(k + 1));
        b.Add(g_BandFreqEditIds[k], ItemKind::kEdit, Px(x, 281, kBandEditWidth, kBandEditHeight), kEdit);
        b.Add(g_BandQEditIds[k], ItemKind::kEdit, Px(x, 297, kBandEditWidth, kBandEditHeight), kEdit);
        b.Add(g_BandGainEditIds[k], ItemKind::kEdit, Px(x, 313, kBandEditWidth, kBandEditHeight), kEdit);
        b.Add(g_BandSliderIds[k], ItemKind::kTrackBar, Px(159 + k * kBandPitch, 327, 26, 91), kSlider);
        b.Add(g_BandButtonIds[k], ItemKind::kOwnerDrawButton, Px(164 + k * kBandPitch, 421, 16, 14), kPush);
    }
    const struct {
        int id, stringId, y, h;
    } rows[] = {
        {IDC_CAPTION_ID, IDS_CAPTION_ID, 266, 13},         {IDC_CAPTION_FREQ, IDS_CAPTION_FREQ, 281, 13},
        {IDC_CAPTION_Q, IDS_CAPTION_Q, 297, 13},           {IDC_CAPTION_GAIN, IDS_CAPTION_GAIN, 313, 13},
        {IDC_CAPTION_BYPASS, IDS_CAPTION_BYPASS, 421, 14},
    };
    for (const auto& r : rows) b.Add(r.id, ItemKind::kStatic, Px(105, r.y, 48, r.h), 0, Chinese(r.stringId));
}

// The master volume column and the buttons under it.
void AddMasterAndButtons(Builder& b) {
    b.Add(IDC_STATIC_VOLUME, ItemKind::kStatic, Px(1175, 44, 90, 16), res::kTextCenter,
          Chinese(IDS_CAPTION_VOLUME));
    b.Add(IDC_MASTER_SLIDER, ItemKind::kTrackBar, Px(1203, 63, 20, 140), kSlider);
    const char* marks[kMasterScaleMarks] = {"0", "-20", "-40", "OFF"};
    for (int i = 0; i < kMasterScaleMarks; ++i) {
        b.Add(g_MasterScaleLeftLabelIds[i], ItemKind::kStatic, Px(1162, 66 + 40 * i, 30, 16), 0, marks[i]);
        b.Add(g_MasterScaleRightLabelIds[i], ItemKind::kStatic, Px(1234, 66 + 40 * i, 30, 16), 0, marks[i]);
    }
    b.Add(IDC_MASTER_MUTE, ItemKind::kOwnerDrawButton, Px(1171, 206, 24, 16), kPush,
          std::string(kMuteOffText));
    b.Add(IDC_MASTER_EDIT, ItemKind::kEdit, Px(1195, 206, 60, 16), kEdit);

    const struct {
        int id, stringId, x, y;
    } buttons[] = {
        {IDC_RESET_ALL, IDS_RESET_ALL_BUTTON, 1171, 233}, {IDC_EQ_MODE, IDS_PEQ, 1171, 263},
        {IDC_RESET_EQ, IDS_RESET_EQ_BUTTON, 1171, 293},   {IDC_BYPASS_ALL, IDS_BYPASS_EQ, 1171, 323},
        {IDC_INPUT_VOLUME, IDS_INPUT_VOL, 17, 373},       {IDC_SCENE, IDS_FILE, 1171, 373},
        {IDC_DELAY_CALC, IDS_DELAY_CALE, 17, 406},        {IDC_SOURCE_BUTTON, IDS_SOURCE_BUTTON, 1171, 406},
    };
    for (const auto& t : buttons)
        b.Add(t.id, ItemKind::kOwnerDrawButton, Px(t.x, t.y, 84, 18), kPush, Chinese(t.stringId));
}

// The twelve channel strips as the twelve-output layout puts them, with the captions at their left.
void AddChannelStrips(Builder& b) {
    b.Add(IDC_CAPTION_CH_NAME, ItemKind::kStatic, Px(14, 454, 90, 14), 0, Chinese(IDS_CAPTION_CH_NAME));
    b.Add(IDC_CAPTION_LINK, ItemKind::kStatic, Px(10, 477, 51, 14), 0, Chinese(IDS_CAPTION_LINK));
    b.Add(IDC_CAPTION_PHASE, ItemKind::kStatic, Px(58, 477, 51, 14), 0, Chinese(IDS_CAPTION_PHASE));
    const char* marks[kGainScaleMarks] = {"0", "-30", "OFF"};
    for (int c = 0; c < kChannels; ++c) {
        const int dx = kStripPitch * c;
        b.Add(g_ChannelSelectButtonIds[c], ItemKind::kOwnerDrawButton, Px(135 + dx, 449, 78, 22), kPush,
              Chinese(kChannelTitleStringIds[c]));
        b.Add(g_LinkButtonIds[c], ItemKind::kOwnerDrawButton, Px(135 + dx, 474, 32, 18), kPush);
        b.Add(g_PhaseButtonIds[c], ItemKind::kOwnerDrawButton, Px(170 + dx, 474, 43, 18), kPush,
              Chinese(IDS_PHASE_0));
        b.Add(g_ChannelGainEditIds[c], ItemKind::kEdit, Px(170 + dx, 495, 43, 16), kEdit);
        b.Add(g_ChannelGainSliderIds[c], ItemKind::kTrackBar, Px(192 + dx, 514, 20, 80), kSlider);
        for (int m = 0; m < kGainScaleMarks; ++m)
            b.Add(g_GainScaleLabelIds[c][m], ItemKind::kStatic, Px(165 + dx, 517 + 30 * m, 27, 16), 0,
                  marks[m]);
        b.Add(g_MuteButtonIds[c], ItemKind::kOwnerDrawButton, Px(165 + dx, 596, 48, 18), kPush,
              std::string(kMuteOffText));
        b.Add(g_DelayUnitButtonIds[c], ItemKind::kOwnerDrawButton, Px(135 + dx, 616, 27, 18), kPush,
              Chinese(IDS_UNIT_MS));
        b.Add(g_DelayEditIds[c], ItemKind::kEdit, Px(165 + dx, 617, 48, 16), kEdit);
        // Only CH1's caption stays in sight; the layout hides the others in a row to its right.
        b.Add(g_DelayCaptionIds[c], ItemKind::kStatic, Px(20 + 70 * c, 620, 70, 14), 0,
              Chinese(IDS_CAPTION_DELAY));
    }
}

// The matrix as the twenty-input layout puts it; every output's labels stand on the rows of CH1's, which
// are the only ones the window shows.
void AddRoutingMatrix(Builder& b) {
    for (int c = 0; c < kChannels; ++c) {
        for (int j = 0; j < kInputs; ++j) {
            const int x = ((j % 2) ? kMatrixRightX : kMatrixLeftX) + kStripPitch * c;
            const int y = kMatrixY0 + kMatrixPitch * kRowOfBit[j];
            b.Add(g_RoutingButtonIds[c][j], ItemKind::kOwnerDrawButton, Px(x, y, kCell, kCell), kPush);
        }
    }
    for (int c = 0; c < kChannels; ++c) {
        for (int j = 0; j < kInputs; ++j) {
            const int y = kMatrixY0 + kMatrixPitch * kRowOfBit[j];
            b.Add(g_InputLabelIds[c][j], ItemKind::kStatic, Px((j % 2) ? 62 : 14, y, 48, 16), 0,
                  Chinese(kInputLabelStringIds[j]));
        }
    }
}

// The bottom bar: link pictures, the source text, the version and the build tag; the hidden status texts
// between them.
void AddStatusBar(Builder& b) {
    // The Chinese variant creates the TCP picture without the visible style; it is drawn all the same.
    b.Add(IDC_PICTURE_TCP, ItemKind::kPicture, Px(20, 642, 35, 29),
          b.English() ? 0u : uint32_t{res::kHidden});
    b.Add(IDC_PICTURE_USB, ItemKind::kPicture, Px(60, 642, 66, 29));
    b.Add(IDC_STATIC_SOURCE, ItemKind::kStatic, Px(140, 650, 200, 16), 0, Chinese(IDS_SOURCE_PREFIX));
    b.Add(IDC_STATIC_SAVE_MODE, ItemKind::kStatic, Px(350, 650, 150, 16), kHiddenOff, Chinese(IDS_SAVE_MODE));
    b.Add(IDC_STATIC_CUR_MODE, ItemKind::kStatic, Px(510, 650, 150, 16), kHiddenOff,
          Chinese(IDS_CURRENT_MODE));
    b.Add(IDC_STATIC_UPGRADE, ItemKind::kStatic, Px(670, 650, 150, 16), res::kHidden);
    b.Add(IDC_STATIC_USB, ItemKind::kStatic, Px(830, 650, 100, 16), res::kHidden, "未连接");
    b.Add(IDC_STATIC_VERSION, ItemKind::kStatic, Px(940, 650, 150, 16));
    b.Add(IDC_STATIC_BUILD_TAG, ItemKind::kStatic, Px(1100, 650, 150, 16));
}

// Controls no user reaches: launchers the templates hide, the pair and quad lists, the bridge buttons and
// the captions the start-up writes but keeps hidden.
void AddHiddenControls(Builder& b) {
    const uint32_t launcher = res::kHidden | (b.English() ? res::kDisabled : 0u);
    const struct {
        int id, stringId, x;
        uint32_t state;
    } top[] = {
        {IDC_FILTER_SETUP, IDS_FILTER, 190, kHiddenOff}, {IDC_SAVE_DSP, IDS_SAVE_DSP, 370, launcher},
        {IDC_SAVE_PC, IDS_SAVE_PC, 460, launcher},       {IDC_LOAD_DSP, IDS_LOAD_DSP, 740, launcher},
        {IDC_LOAD_PC, IDS_LOAD_PC, 830, launcher},       {IDC_UPGRADE, IDS_UPDATA, 920, launcher},
    };
    for (const auto& t : top)
        b.Add(t.id, ItemKind::kOwnerDrawButton, Px(t.x, 2, 84, 18), kPush | t.state, Chinese(t.stringId));
    b.Add(IDC_EXPORT_MCU, ItemKind::kButton, Px(280, 2, 84, 18), kPush | res::kHidden, "导出MCU参数");

    b.Add(IDC_CAPTION_SOURCE, ItemKind::kStatic, Px(14, 250, 60, 16), res::kHidden,
          Chinese(IDS_SOURCE_PREFIX));
    b.Add(IDC_COMBO_SOURCE, ItemKind::kCombo, Px(14, 268, 84, 21), kCombo | kHiddenOff);
    b.Add(IDC_CAPTION_HIGH_LEVEL_MIX, ItemKind::kStatic, Px(14, 300, 84, 16), res::kHidden,
          Chinese(IDS_CAPTION_HIGH_LEVEL_MIX));
    b.Add(IDC_HIGH_LEVEL_MIX, ItemKind::kOwnerDrawButton, Px(14, 320, 12, 12), kPush | kHiddenOff);
    b.Add(IDC_CAPTION_BTL, ItemKind::kStatic, Px(14, 340, 40, 14), res::kHidden, Chinese(IDS_CAPTION_BTL));

    const int pairLists[] = {IDC_COMBO_BRIDGE12, IDC_COMBO_BRIDGE34, IDC_COMBO_BRIDGE56, IDC_COMBO_QUAD,
                             IDC_COMBO_BRIDGE78};
    for (int i = 0; i < 5; ++i)
        b.Add(pairLists[i], ItemKind::kCombo, Px(14, 500 + 22 * i, 84, 21), kCombo | res::kHidden);
    const char* bridgeCaptions[kPairs] = {"桥接12", "桥接34", "桥接56", "桥接78", "桥接910", "桥接1112"};
    for (int p = 0; p < kPairs; ++p)
        b.Add(g_BridgeButtonIds[p], ItemKind::kOwnerDrawButton, Px(1258, 240 + 20 * p, 12, 12),
              kPush | kHiddenOff, bridgeCaptions[p]);
}

// Five unnamed labels complete the 363 statics; nothing refers to them and they show nothing.
void AddUnnamedStatics(Builder& b) {
    for (int i = 0; i < 5; ++i)
        b.Add(IDC_STATIC, ItemKind::kStatic, gfx::RectFromSize(2 + 6 * i, 380, 4, 4), res::kHidden);
}

}  // namespace

res::DialogTemplate MakeQuenbarTemplate(int lang) {
    Builder b(lang);
    AddTopBar(b);
    AddGraphAndCrossover(b);
    AddEqGrid(b);
    AddMasterAndButtons(b);
    AddChannelStrips(b);
    AddRoutingMatrix(b);
    AddStatusBar(b);
    AddHiddenControls(b);
    AddUnnamedStatics(b);
    return {IDD_QUENBAR_DIALOG, {"MS Shell Dlg", 9}, {727, 386}, "DSP Console", 0, b.Take()};
}

void RegisterQuenbarTemplates(res::DialogTable& table) {
    table.Add(MakeQuenbarTemplate(sys::kLangEnglish), {sys::kLangEnglish});
    table.Add(MakeQuenbarTemplate(sys::kLangChinese), {sys::kLangChinese});
    table.Add(MakeAboutTemplate(), {sys::kLangEnglish, sys::kLangChinese});
}

}  // namespace mainwnd
