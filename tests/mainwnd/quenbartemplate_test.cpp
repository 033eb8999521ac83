// Template 102 and the id tables it is built from: counts by kind, every role table's ids with their kind
// and state, the two language variants, rectangles, unique ids, the named statics and captions.
#include "mainwnd/quenbartemplate.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "mainwnd/quenbarids.h"
#include "mainwnd/routingids.h"

namespace {

using res::DialogItem;
using res::DialogTemplate;
using res::ItemKind;

constexpr int kLangs[] = {sys::kLangEnglish, sys::kLangChinese};

bool IsButton(ItemKind k) {
    return k == ItemKind::kButton || k == ItemKind::kOwnerDrawButton;
}
// A Windows static: texts, the three pictures and the graph (a static with the notify flag).
bool IsStatic(ItemKind k) {
    return k == ItemKind::kStatic || k == ItemKind::kPicture || k == ItemKind::kCustom;
}

std::vector<int> Flatten(const RoutingIdTable& t) {
    std::vector<int> ids;
    for (const auto& row : t) ids.insert(ids.end(), row.begin(), row.end());
    return ids;
}

TEST(QuenbarTemplate, HoldsTheControlsOfEveryKindInBothLanguages) {
    for (int lang : kLangs) {
        const DialogTemplate t = mainwnd::MakeQuenbarTemplate(lang);
        int buttons = 0, ownerDrawn = 0, statics = 0, edits = 0, sliders = 0, combos = 0, other = 0;
        for (const DialogItem& item : t.items) {
            if (IsButton(item.kind)) ++buttons;
            if (item.kind == ItemKind::kOwnerDrawButton) ++ownerDrawn;
            if (IsStatic(item.kind)) ++statics;
            if (item.kind == ItemKind::kEdit) ++edits;
            if (item.kind == ItemKind::kTrackBar) ++sliders;
            if (item.kind == ItemKind::kCombo) ++combos;
            if (item.kind == ItemKind::kProgress || item.kind == ItemKind::kList) ++other;
        }
        SCOPED_TRACE(lang);
        EXPECT_EQ(t.items.size(), 906u);
        EXPECT_EQ(buttons, 369);
        EXPECT_EQ(ownerDrawn, 368) << "every button but the hidden export button is drawn by the window";
        EXPECT_EQ(statics, 363);
        EXPECT_EQ(edits, 120);
        EXPECT_EQ(sliders, 44);
        EXPECT_EQ(combos, 10);
        EXPECT_EQ(other, 0);
        EXPECT_EQ(t.id, IDD_QUENBAR_DIALOG);
        EXPECT_EQ(t.size, (gfx::Size{727, 386}));
        EXPECT_EQ(t.font, res::DialogFont("MS Shell Dlg", 9));
        EXPECT_EQ(t.flags & res::kCaption, 0u) << "no caption bar";
    }
}

TEST(QuenbarTemplate, EveryIdOnceAndEveryRectangleInsideTheWindow) {
    for (int lang : kLangs) {
        const DialogTemplate t = mainwnd::MakeQuenbarTemplate(lang);
        std::set<int> seen;
        int unnamed = 0;
        for (const DialogItem& item : t.items) {
            SCOPED_TRACE(item.id);
            if (item.id == IDC_STATIC) {
                ++unnamed;
                EXPECT_EQ(item.kind, ItemKind::kStatic);
            } else {
                EXPECT_TRUE(seen.insert(item.id).second) << "id used twice";
            }
            EXPECT_FALSE(item.rect.IsEmpty());
            EXPECT_GE(item.rect.left, 0);
            EXPECT_GE(item.rect.top, 0);
            EXPECT_LE(item.rect.right, t.size.cx);
            EXPECT_LE(item.rect.bottom, t.size.cy);
        }
        EXPECT_EQ(unnamed, 5);
    }
}

struct Role {
    const char* name;
    std::vector<int> ids;
    ItemKind kind;
    size_t count;
};

std::vector<Role> Roles() {
    auto v = [](std::span<const int> s) { return std::vector<int>(s.begin(), s.end()); };
    std::vector<int> scale;
    for (const auto& c : g_GainScaleLabelIds) scale.insert(scale.end(), c.begin(), c.end());
    std::vector<int> master = v(g_MasterScaleLeftLabelIds);
    master.insert(master.end(), g_MasterScaleRightLabelIds.begin(), g_MasterScaleRightLabelIds.end());
    return {
        {"band buttons", v(g_BandButtonIds), ItemKind::kOwnerDrawButton, 31},
        {"band frequency edits", v(g_BandFreqEditIds), ItemKind::kEdit, 31},
        {"band Q edits", v(g_BandQEditIds), ItemKind::kEdit, 31},
        {"band gain edits", v(g_BandGainEditIds), ItemKind::kEdit, 31},
        {"band sliders", v(g_BandSliderIds), ItemKind::kTrackBar, 31},
        {"band numbers", v(g_BandNumberLabelIds), ItemKind::kStatic, 31},
        {"select buttons", v(g_ChannelSelectButtonIds), ItemKind::kOwnerDrawButton, 12},
        {"link buttons", v(g_LinkButtonIds), ItemKind::kOwnerDrawButton, 12},
        {"phase buttons", v(g_PhaseButtonIds), ItemKind::kOwnerDrawButton, 12},
        {"mute buttons", v(g_MuteButtonIds), ItemKind::kOwnerDrawButton, 12},
        {"delay unit buttons", v(g_DelayUnitButtonIds), ItemKind::kOwnerDrawButton, 12},
        {"channel gain edits", v(g_ChannelGainEditIds), ItemKind::kEdit, 12},
        {"channel gain sliders", v(g_ChannelGainSliderIds), ItemKind::kTrackBar, 12},
        {"delay edits", v(g_DelayEditIds), ItemKind::kEdit, 12},
        {"overlay buttons", v(g_OverlayButtonIds), ItemKind::kOwnerDrawButton, 12},
        {"delay captions", v(g_DelayCaptionIds), ItemKind::kStatic, 12},
        {"gain scale labels", scale, ItemKind::kStatic, 36},
        {"master scale labels", master, ItemKind::kStatic, 8},
        {"bridge buttons", v(g_BridgeButtonIds), ItemKind::kOwnerDrawButton, 6},
        {"combos", v(g_ComboIds), ItemKind::kCombo, 10},
        {"text buttons", v(g_TextButtonIds), ItemKind::kOwnerDrawButton, 11},
        {"launchers", v(g_LauncherButtonIds), ItemKind::kOwnerDrawButton, 3},
        {"filter captions", v(g_FilterCaptionIds), ItemKind::kStatic, 8},
        {"matrix cells", Flatten(g_RoutingButtonIds), ItemKind::kOwnerDrawButton, 240},
        {"matrix labels", Flatten(g_InputLabelIds), ItemKind::kStatic, 240},
        {"window buttons",
         {IDC_MINIMIZE, IDC_CLOSE, IDC_SETUP, IDC_HIGH_LEVEL_MIX, IDC_MASTER_MUTE},
         ItemKind::kOwnerDrawButton,
         5},
        {"export", {IDC_EXPORT_MCU}, ItemKind::kButton, 1},
        {"master", {IDC_MASTER_SLIDER}, ItemKind::kTrackBar, 1},
        {"value edits", {IDC_MASTER_EDIT, IDC_EDIT_LOW_CUT, IDC_EDIT_HIGH_CUT}, ItemKind::kEdit, 3},
        {"pictures", {IDC_PICTURE_TCP, IDC_PICTURE_USB, IDC_PICTURE_LOGO}, ItemKind::kPicture, 3},
        {"graph", {IDC_SPECTRUM}, ItemKind::kCustom, 1},
        {"named statics",
         {IDC_STATIC_SAVE_MODE, IDC_STATIC_CUR_MODE, IDC_STATIC_SOURCE, IDC_STATIC_VERSION,
          IDC_STATIC_BUILD_TAG, IDC_STATIC_UPGRADE, IDC_STATIC_USB, IDC_STATIC_VOLUME, IDC_CAPTION_BTL,
          IDC_CAPTION_LINK, IDC_CAPTION_SOURCE, IDC_CAPTION_HIGH_LEVEL_MIX, IDC_CAPTION_ID, IDC_CAPTION_FREQ,
          IDC_CAPTION_Q, IDC_CAPTION_GAIN, IDC_CAPTION_BYPASS, IDC_CAPTION_CH_NAME, IDC_CAPTION_PHASE},
         ItemKind::kStatic,
         19},
    };
}

TEST(QuenbarTemplate, EveryIdOfTheRoleTablesIsAControlOfItsKind) {
    const DialogTemplate t = mainwnd::MakeQuenbarTemplate(sys::kLangChinese);
    std::set<int> named;
    for (const Role& role : Roles()) {
        SCOPED_TRACE(role.name);
        EXPECT_EQ(role.ids.size(), role.count);
        for (int id : role.ids) {
            const DialogItem* item = t.Item(id);
            ASSERT_NE(item, nullptr) << id;
            EXPECT_EQ(item->kind, role.kind) << id;
            EXPECT_TRUE(named.insert(id).second) << id << " in two role tables";
        }
    }
}

TEST(QuenbarTemplate, IrregularIdsStandAtTheirBands) {
    struct Case {
        const char* what;
        int got, want;
    } cases[] = {
        {"slider of band 11", g_BandSliderIds[10], 1213},
        {"slider of band 12", g_BandSliderIds[11], 1211},
        {"slider of band 21", g_BandSliderIds[20], 1223},
        {"slider of band 27", g_BandSliderIds[26], 1229},
        {"slider of band 31", g_BandSliderIds[30], 1231},
        {"frequency of band 21", g_BandFreqEditIds[20], 1087},
        {"Q of band 15", g_BandQEditIds[14], 1144},
        {"Q of band 23", g_BandQEditIds[22], 1153},
        {"Q of band 30", g_BandQEditIds[29], 1143},
        {"Q of band 31", g_BandQEditIds[30], 1152},
        {"delay of CH5", g_DelayEditIds[4], 1007},
        {"delay of CH6", g_DelayEditIds[5], 1006},
        {"link of CH5", g_LinkButtonIds[4], 1290},
        {"select of CH9", g_ChannelSelectButtonIds[8], 1287},
        {"gain slider of CH9", g_ChannelGainSliderIds[8], 1053},
        {"gain edit of CH12", g_ChannelGainEditIds[11], 1245},
        {"scale 0 of CH1", g_GainScaleLabelIds[0][0], 1776},
        {"scale -30 of CH5", g_GainScaleLabelIds[4][1], 1775},
        {"scale OFF of CH12", g_GainScaleLabelIds[11][2], 1806},
        {"AUX-3 cell of CH4", g_RoutingButtonIds[3][15], 1830},
        {"Hi.12 cell of CH4", g_RoutingButtonIds[3][19], 1969},
        {"Hi.10 label of CH2", g_InputLabelIds[1][17], 1755},
        {"Hi.12 label of CH11", g_InputLabelIds[10][19], 1943},
    };
    for (const Case& c : cases) EXPECT_EQ(c.got, c.want) << c.what;
}

// The states the templates give; everything else is visible and enabled.
TEST(QuenbarTemplate, HiddenAndDisabledControls) {
    struct Case {
        int id;
        uint32_t english, chinese;
    };
    constexpr uint32_t H = res::kHidden, HD = res::kHidden | res::kDisabled;
    std::vector<Case> cases = {
        {IDC_EXPORT_MCU, H, H},
        {IDC_SAVE_DSP, HD, H},
        {IDC_SAVE_PC, HD, H},
        {IDC_LOAD_DSP, HD, H},
        {IDC_LOAD_PC, HD, H},
        {IDC_UPGRADE, HD, H},
        {IDC_FILTER_SETUP, HD, HD},
        {IDC_HIGH_LEVEL_MIX, HD, HD},
        {IDC_COMBO_SOURCE, HD, HD},
        {IDC_COMBO_BRIDGE12, H, H},
        {IDC_COMBO_BRIDGE34, H, H},
        {IDC_COMBO_BRIDGE56, H, H},
        {IDC_COMBO_QUAD, H, H},
        {IDC_COMBO_BRIDGE78, H, H},
        {IDC_CAPTION_BTL, H, H},
        {IDC_CAPTION_SOURCE, H, H},
        {IDC_CAPTION_HIGH_LEVEL_MIX, H, H},
        {IDC_STATIC_USB, H, H},
        {IDC_STATIC_UPGRADE, H, H},
        {IDC_STATIC_SAVE_MODE, HD, HD},
        {IDC_STATIC_CUR_MODE, HD, HD},
        {IDC_PICTURE_TCP, 0, H},
    };
    for (int id : g_BridgeButtonIds) cases.push_back({id, HD, HD});
    std::map<int, const Case*> byId;
    for (const Case& c : cases) byId[c.id] = &c;

    for (int lang : kLangs) {
        for (const DialogItem& item : mainwnd::MakeQuenbarTemplate(lang).items) {
            if (item.id == IDC_STATIC) continue;
            auto it = byId.find(item.id);
            const uint32_t want =
                it == byId.end() ? 0
                                 : (lang == sys::kLangEnglish ? it->second->english : it->second->chinese);
            EXPECT_EQ(item.style & (res::kHidden | res::kDisabled), want) << item.id << " in " << lang;
        }
    }
}

TEST(QuenbarTemplate, StylesByKind) {
    const DialogTemplate t = mainwnd::MakeQuenbarTemplate(sys::kLangEnglish);
    const uint32_t state = res::kHidden | res::kDisabled;
    for (const DialogItem& item : t.items) {
        SCOPED_TRACE(item.id);
        const uint32_t style = item.style & ~state;
        switch (item.kind) {
            case ItemKind::kEdit:
                EXPECT_EQ(style, res::kTextCenter | res::kAutoHScroll) << "no border, no tab stop";
                break;
            case ItemKind::kTrackBar:
                EXPECT_EQ(style & (res::kVertical | res::kNoTicks), res::kVertical | res::kNoTicks);
                break;
            case ItemKind::kCombo:
                EXPECT_TRUE(style & res::kOwnerDrawList);
                EXPECT_FALSE(style & res::kSort) << "the lists keep the order of their items";
                break;
            case ItemKind::kOwnerDrawButton:
            case ItemKind::kButton:
                EXPECT_TRUE(style & res::kTabStop);
                break;
            case ItemKind::kCustom:
                EXPECT_EQ(item.id, IDC_SPECTRUM);
                EXPECT_TRUE(style & res::kNotify) << "the graph takes the mouse";
                break;
            default:
                EXPECT_FALSE(style & res::kNotify) << "labels let presses through to the window";
                break;
        }
    }
}

TEST(QuenbarTemplate, BothLanguagesHoldTheSameControls) {
    const DialogTemplate en = mainwnd::MakeQuenbarTemplate(sys::kLangEnglish);
    const DialogTemplate zh = mainwnd::MakeQuenbarTemplate(sys::kLangChinese);
    ASSERT_EQ(en.items.size(), zh.items.size());
    // Where the two variants have always differed in state.
    const std::set<int> stateDiffers = {IDC_PICTURE_TCP, IDC_SAVE_DSP, IDC_SAVE_PC,
                                        IDC_LOAD_DSP,    IDC_LOAD_PC,  IDC_UPGRADE};
    const std::set<int> filterCaptions(g_FilterCaptionIds.begin(), g_FilterCaptionIds.end());
    for (size_t i = 0; i < en.items.size(); ++i) {
        const DialogItem& a = en.items[i];
        const DialogItem& b = zh.items[i];
        SCOPED_TRACE(a.id);
        EXPECT_EQ(a.id, b.id) << "same order, so the same z-order and tab order";
        EXPECT_EQ(a.kind, b.kind);
        EXPECT_EQ(a.rect, b.rect);
        if (!stateDiffers.count(a.id)) {
            EXPECT_EQ(a.style, b.style);
        }
        EXPECT_EQ(a.style & ~(res::kHidden | res::kDisabled), b.style & ~(res::kHidden | res::kDisabled));
        if (filterCaptions.count(a.id)) {
            EXPECT_NE(a.text.In(sys::kLangEnglish), b.text.In(sys::kLangChinese));
        } else {
            EXPECT_EQ(a.text.In(sys::kLangEnglish), b.text.In(sys::kLangChinese))
                << "the same Chinese captions";
        }
    }
}

TEST(QuenbarTemplate, FilterCaptionsByLanguage) {
    struct Case {
        int id;
        const char* english;
        const char* chinese;
    } cases[] = {
        {1747, "High-Pass", "高  通"}, {1746, "Low_Pass", "低  通"}, {1740, "Type:", "类型："},
        {1741, "Type:", "类型："},     {1738, "Freq:", "频率:"},     {1739, "Freq:", "频率："},
        {1742, "Slope:", "斜率："},    {1743, "Slope:", "斜率："},
    };
    const DialogTemplate en = mainwnd::MakeQuenbarTemplate(sys::kLangEnglish);
    const DialogTemplate zh = mainwnd::MakeQuenbarTemplate(sys::kLangChinese);
    for (const Case& c : cases) {
        EXPECT_EQ(en.Item(c.id)->text.In(sys::kLangEnglish), c.english) << c.id;
        EXPECT_EQ(zh.Item(c.id)->text.In(sys::kLangChinese), c.chinese) << c.id;
    }
}

TEST(QuenbarTemplate, TemplateCaptions) {
    const DialogTemplate t = mainwnd::MakeQuenbarTemplate(sys::kLangEnglish);
    auto text = [&](int id) { return t.Item(id)->text.In(sys::kLangEnglish); };
    for (int k = 0; k < kBands; ++k) EXPECT_EQ(text(g_BandNumberLabelIds[k]), std::to_string(k + 1));
    for (int id : g_MuteButtonIds) EXPECT_EQ(text(id), "非静音") << "a mute button's text is its state";
    EXPECT_EQ(text(IDC_MASTER_MUTE), "非静音");
    EXPECT_EQ(text(g_ChannelSelectButtonIds[0]), "CH1");
    EXPECT_EQ(text(g_ChannelSelectButtonIds[11]), "CH12");
    EXPECT_EQ(text(g_BridgeButtonIds[4]), "桥接910");
    EXPECT_EQ(text(IDC_EXPORT_MCU), "导出MCU参数");
    EXPECT_EQ(text(IDC_EQ_MODE), "参数均衡") << "the window starts in the parametric mode";
    EXPECT_EQ(text(IDC_STATIC_VOLUME), "总 音 量");
    EXPECT_EQ(text(IDC_STATIC_USB), "未连接");
    EXPECT_EQ(text(g_GainScaleLabelIds[3][1]), "-30");
    EXPECT_EQ(text(g_MasterScaleRightLabelIds[3]), "OFF");
    EXPECT_EQ(text(g_InputLabelIds[0][14]), " AUX-4") << "the AUX-3/AUX-4 pair is labelled higher first";
    EXPECT_EQ(text(g_InputLabelIds[0][10]), "蓝牙左");
}

// The matrix as laid out for all twenty inputs: no two cells on one spot, each label on the row of its
// input's cells.
TEST(QuenbarTemplate, MatrixCellsDoNotOverlapAndLabelsNameTheirRows) {
    const DialogTemplate t = mainwnd::MakeQuenbarTemplate(sys::kLangChinese);
    std::set<std::pair<int, int>> corners;
    for (int c = 0; c < kChannels; ++c) {
        for (int j = 0; j < kInputs; ++j) {
            const gfx::Rect cell = t.Item(g_RoutingButtonIds[c][j])->rect;
            EXPECT_TRUE(corners.insert({cell.left, cell.top}).second) << c << "/" << j;
            EXPECT_EQ(t.Item(g_InputLabelIds[0][j])->rect.top, cell.top) << j;
        }
    }
}

}  // namespace
