// Drawing choices of the main window, as tables: the bitmap by kind and state, the lit rule, wide or narrow,
// the label colours by source and model 7's grey group; and the kind table held against template 102.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <set>
#include <string>

#include "mainwnd/drawchoices.h"
#include "mainwnd/ownerdrawkinds.h"
#include "mainwnd/quenbarids.h"
#include "mainwnd/quenbartemplate.h"
#include "mainwnd/routingids.h"
#include "platform/gfx/canvas.h"
#include "platform/sys/langid.h"

namespace mainwnd {
namespace {

constexpr ButtonState kUp{};
constexpr ButtonState kPressed{true, false};
constexpr ButtonState kDisabled{false, true};

ButtonValue On() {
    ButtonValue v;
    v.on = true;
    return v;
}
ButtonValue Flat() {
    ButtonValue v;
    v.flat = true;
    return v;
}
ButtonValue Lit() {
    ButtonValue v;
    v.lit = true;
    return v;
}
ButtonValue Unavailable(bool on) {
    ButtonValue v;
    v.unavailable = true;
    v.on = on;
    return v;
}
ButtonValue Group(int g) {
    ButtonValue v;
    v.linkGroup = g;
    return v;
}

TEST(DrawChoices, BitmapByKindStateValueBandAndWidth) {
    const struct {
        const char* what;
        int id;
        ButtonState state;
        ButtonValue value;
        bool wide;
        std::array<int, 5> bitmaps;  // B1..B5
    } cases[] = {
        // Matrix cells: on or off, even or odd input bit; pressing changes nothing.
        {"cell CH1 Hi.1 on", 1299, kUp, On(), true, {238, 366, 367, 653, 368}},
        {"cell CH1 Hi.2 on", 1300, kPressed, On(), true, {280, 369, 370, 654, 371}},
        {"cell CH12 Hi.12 off", 1968, kUp, {}, false, {281, 375, 376, 656, 377}},
        {"cell CH4 Hi.11 off", 1948, kPressed, {}, true, {239, 372, 373, 655, 374}},
        // Band buttons: pressed wins over the gain.
        {"band pressed", 1160, kPressed, Flat(), true, {160, 703, 704, 665, 706}},
        {"band flat", 1175, kUp, Flat(), true, {161, 320, 321, 666, 322}},
        {"band boosted", 1190, kUp, {}, true, {177, 317, 318, 664, 319}},
        // Channel select: lit in both widths, else by width.
        {"select lit narrow", 1469, kUp, Lit(), false, {559, 567, 570, 659, 573}},
        {"select lit wide", 1008, kPressed, Lit(), true, {559, 567, 570, 659, 573}},
        {"select wide", 1287, kUp, {}, true, {561, 569, 572, 661, 575}},
        {"select narrow", 1279, kUp, {}, false, {746, 749, 751, 753, 755}},
        // Phase: only the press changes the picture.
        {"phase pressed", 1481, kPressed, On(), true, {269, 509, 510, 682, 533}},
        {"phase", 1035, kUp, On(), false, {229, 511, 512, 683, 534}},
        // Channel mute: muted in both widths, else by width; master mute.
        {"mute on narrow", 1485, kUp, On(), false, {165, 364, 501, 663, 531}},
        {"mute off wide", 1041, kPressed, {}, true, {167, 365, 502, 679, 532}},
        {"mute off narrow", 1283, kUp, {}, false, {745, 750, 752, 754, 756}},
        {"master mute on", 1060, kUp, On(), false, {271, 358, 359, 700, 360}},
        {"master mute off", 1060, kPressed, {}, true, {272, 361, 362, 699, 363}},
        // Text plates: one picture in every band.
        {"text pressed", 1236, kPressed, {}, true, {199, 199, 199, 199, 199}},
        {"text", 1408, kUp, {}, true, {200, 200, 200, 200, 200}},
        {"launcher pressed", 1410, kPressed, {}, true, {278, 278, 278, 278, 278}},
        {"launcher", 1411, kUp, {}, true, {279, 279, 279, 279, 279}},
        {"delay unit", 1477, kPressed, On(), false, {270, 411, 412, 634, 413}},
        // Top bar.
        {"minimise pressed", 1267, kPressed, {}, true, {276, 399, 400, 651, 401}},
        {"minimise", 1267, kUp, {}, true, {277, 402, 403, 652, 404}},
        {"close pressed", 1268, kPressed, {}, true, {274, 387, 388, 619, 389}},
        {"close", 1268, kUp, {}, true, {275, 390, 391, 620, 392}},
        {"settings pressed", 1466, kPressed, {}, true, {285, 405, 406, 657, 407}},
        {"settings", 1466, kUp, {}, true, {286, 408, 409, 658, 410}},
        // Overlay: the channel's own "on" set, its "off" swatch in every band.
        {"overlay CH1 on", 1291, kUp, On(), true, {248, 323, 324, 621, 325}},
        {"overlay CH8 on", 1298, kUp, On(), true, {256, 344, 345, 628, 346}},
        {"overlay CH9 on", 1732, kUp, On(), true, {440, 441, 442, 629, 443}},
        {"overlay CH12 off", 1735, kPressed, {}, true, {587, 587, 587, 587, 587}},
        {"overlay CH1 off", 1291, kUp, {}, true, {576, 576, 576, 576, 576}},
        // Link: by the group that holds the channel.
        {"link group 1", 1290, kUp, Group(0), true, {240, 461, 476, 639, 519}},
        {"link group 8", 1399, kUp, Group(7), true, {247, 468, 483, 646, 526}},
        {"link group 11", 1728, kUp, Group(10), true, {438, 471, 486, 649, 529}},
        {"link group 12", 1731, kUp, Group(11), true, {439, 472, 487, 650, 530}},
        {"link none", 1405, kPressed, Group(-1), true, {268, 460, 475, 638, 518}},
        // Bridge: disabled wins over the flag.
        {"bridge disabled on", 1309, kDisabled, On(), true, {551, 552, 553, 617, 554}},
        {"bridge on", 1535, kUp, On(), true, {266, 458, 473, 616, 516}},
        {"bridge off", 1396, kUp, {}, true, {267, 459, 474, 695, 517}},
        // High-level mix: the high-level source wins over the flag.
        {"mix unavailable", 1465, kUp, Unavailable(true), true, {314, 417, 418, 635, 419}},
        {"mix on", 1465, kUp, On(), true, {283, 420, 421, 636, 422}},
        {"mix off", 1465, kPressed, {}, true, {284, 423, 424, 637, 425}},
        // Not an owner-drawn button.
        {"export button", IDC_EXPORT_MCU, kUp, On(), true, {0, 0, 0, 0, 0}},
        {"graph", IDC_SPECTRUM, kUp, On(), true, {0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        for (int b = 0; b < 5; ++b) {
            EXPECT_EQ(ButtonBitmap(OwnerDrawItemOf(c.id), c.state, c.value, b, c.wide), c.bitmaps[b])
                << c.what << ", band B" << b + 1;
        }
    }
}

TEST(DrawChoices, WideForEveryModelButTheTwelveOutputOnes) {
    const bool wide[10] = {true, true, false, true, true, true, true, true, false, false};
    for (int model = 1; model <= 9; ++model) EXPECT_EQ(WideModel(model), wide[model]) << "model " << model;
}

TEST(DrawChoices, TheLitRule) {
    using Bridges = std::array<int, 6>;
    using Groups = std::array<int, 12>;
    const Bridges none{};
    const Groups noGroups{};
    Bridges ch12{};
    ch12[0] = 1;
    Bridges ch1112{};
    ch1112[5] = 1;
    Groups g37{};
    g37[4] = (1 << 2) | (1 << 6);  // a group {CH3, CH7} held in entry 4
    const struct {
        const char* what;
        int channel, current;
        Bridges bridges;
        Groups groups;
        bool lit;
    } cases[] = {
        {"the current channel", 4, 4, none, noGroups, true},
        {"another channel", 3, 4, none, noGroups, false},
        {"CH1 with CH2 current, bridged", 0, 1, ch12, noGroups, true},
        {"CH2 with CH1 current, bridged", 1, 0, ch12, noGroups, true},
        {"CH1 with CH2 current, not bridged", 0, 1, none, noGroups, false},
        {"CH3 with CH2 current: no partner", 2, 1, ch12, noGroups, false},
        {"CH12 with CH11 current, bridged", 11, 10, ch1112, noGroups, true},
        {"CH12 with CH11 current, another pair bridged", 11, 10, ch12, noGroups, false},
        {"CH3 in a group with current CH7", 2, 6, none, g37, true},
        {"CH7 current in its group", 6, 6, none, g37, true},
        {"CH4 outside the group of CH7", 3, 6, none, g37, false},
        {"CH3 with CH8 current: the group lacks CH8", 2, 7, none, g37, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChannelSelectLit(c.channel, c.current, c.bridges, c.groups), c.lit) << c.what;
}

TEST(DrawChoices, TheLinkGroupIsTheFirstThatHoldsTheChannel) {
    std::array<int, 12> groups{};
    groups[2] = (1 << 4) | (1 << 5);
    groups[5] = (1 << 4) | (1 << 9);
    groups[10] = 1 << 11;
    EXPECT_EQ(LinkGroupOf(1 << 4, groups), 2) << "groups 2 and 5 hold CH5: the lower wins";
    EXPECT_EQ(LinkGroupOf(1 << 9, groups), 5);
    EXPECT_EQ(LinkGroupOf(1 << 11, groups), 10);
    EXPECT_EQ(LinkGroupOf(1 << 0, groups), -1);
    // The edge cases of the link bitmaps: group 10 at 96 and at 120 DPI, no group at 200 DPI.
    EXPECT_EQ(LinkBitmap(10, 0), 438);
    EXPECT_EQ(LinkBitmap(10, 1), 471);
    EXPECT_EQ(LinkBitmap(-1, 4), 518);
}

TEST(DrawChoices, LabelColoursBySourceAndModel) {
    constexpr gfx::Color kWhite = gfx::Rgb(0xFF, 0xFF, 0xFF);
    constexpr gfx::Color kGrey = gfx::Rgb(0x69, 0x69, 0x69);
    const struct {
        const char* what;
        int id, model, source;
        gfx::Color colour;
    } cases[] = {
        {"not a label", IDC_CAPTION_FREQ, 9, 2, kWhite},
        {"Hi.1 with high level", 1552, 9, 1, kWhite},
        {"Hi.1 with low level", 1552, 9, 2, kGrey},
        {"Hi.12 (last row's id) with high level", 1944, 9, 1, kWhite},
        {"Hi.7 with high level", 1696, 2, 1, kWhite},
        {"AUX-1 with low level", 1558, 9, 2, kWhite},
        {"AUX-3 with low level", 1816, 9, 2, kWhite},
        {"AUX-2 with high level", 1559, 9, 1, kGrey},
        {"Opt-L with optical", 1560, 9, 5, kWhite},
        {"Opt-R with Bluetooth", 1561, 9, 3, kGrey},
        {"BT-L with Bluetooth", 1562, 9, 3, kWhite},
        {"BT-R with USB", 1563, 9, 9, kWhite},
        {"Hi.1 with USB", 1552, 9, 9, kGrey},
        {"BT-L with an invalid source", 1562, 9, 7, kGrey},
        {"CH5's AUX-4 label, low level", 1823, 9, 2, kWhite},
        // Model 7's grey group: Hi.3..Hi.6, Hi.7/8 and AUX-3/4 stay grey whatever the source.
        {"model 7 Hi.3, high level", 1554, 7, 1, kGrey},
        {"model 7 Hi.6, high level", 1557, 7, 1, kGrey},
        {"model 7 Hi.7, high level", 1696, 7, 1, kGrey},
        {"model 7 AUX-4, low level", 1815, 7, 2, kGrey},
        {"model 7 AUX-3, low level", 1816, 7, 2, kGrey},
        {"model 7 Hi.1 (radio), high level", 1552, 7, 1, kWhite},
        {"model 7 AUX-1, low level", 1558, 7, 2, kWhite},
        {"model 7 Hi.9, high level", 1749, 7, 1, kWhite},
        {"model 7 USB-L, USB", 1562, 7, 9, kWhite},
    };
    for (const auto& c : cases) {
        const gfx::Color got = LabelTextColour(InputLabelGroup(c.id, c.model), c.source);
        EXPECT_TRUE(got.r == c.colour.r && got.g == c.colour.g && got.b == c.colour.b) << c.what;
    }
    EXPECT_EQ(InputLabelGroup(1554, 7), 10);
    EXPECT_EQ(InputLabelGroup(1554, 6), 1);
}

TEST(DrawChoices, Captions) {
    const struct {
        const char* what;
        int id;
        bool phase180, cm, peq;
        int stringId;
        bool name;
        std::string face;
        int height;
    } cases[] = {
        {"CH1's name", 1008, false, false, true, 114, true, "黑体", 16},
        {"CH7's name", 1279, false, false, true, 167, true, "黑体", 16},
        {"CH12's name", 1469, false, false, true, 215, true, "黑体", 16},
        {"phase 0", 1035, false, true, true, 123, false, "宋体", 12},
        {"phase 180", 1481, true, false, true, 124, false, "宋体", 12},
        {"delay in ms", 1262, true, false, true, 125, false, "宋体", 12},
        {"delay in cm", 1477, false, true, false, 126, false, "宋体", 12},
        {"EQ mode PEQ", 1235, false, false, true, 113, false, "宋体", 12},
        {"EQ mode GEQ", 1235, false, false, false, 112, false, "宋体", 12},
        {"bypass", 1234, false, false, true, 120, false, "宋体", 12},
        {"reset all", 1236, false, false, true, 122, false, "宋体", 12},
        {"reset EQ", 1244, false, false, true, 121, false, "宋体", 12},
        {"save DSP", 1269, false, false, true, 161, false, "宋体", 12},
        {"updata", 1274, false, false, true, 166, false, "宋体", 12},
        {"filter", 1408, false, false, true, 173, false, "宋体", 12},
        {"input volume", 1409, false, false, true, 174, false, "宋体", 12},
        {"scene", 1410, false, false, true, 175, false, "宋体", 12},
        {"delay calculator", 1411, false, false, true, 176, false, "宋体", 12},
        {"channel mute: no caption", 1041, false, false, true, 0, false, "", 0},
        {"master mute: no caption", 1060, false, false, true, 0, false, "", 0},
        {"matrix cell: no caption", 1299, false, false, true, 0, false, "", 0},
        {"close: no caption", 1268, false, false, true, 0, false, "", 0},
    };
    for (const auto& c : cases) {
        const Caption cap = CaptionOf(OwnerDrawItemOf(c.id), c.phase180, c.cm, c.peq);
        EXPECT_EQ(cap.stringId, c.stringId) << c.what;
        EXPECT_EQ(cap.channelName, c.name) << c.what;
        if (c.stringId) {
            EXPECT_EQ(cap.face, c.face) << c.what;
            EXPECT_EQ(cap.baseHeight, c.height) << c.what;
        }
    }
}

TEST(DrawChoices, ChannelNamesAndTheirAlignment) {
    char field[21] = {};
    EXPECT_EQ(ChannelNameText(field, "CH3"), "CH3") << "an empty name shows the default title";
    std::memcpy(field, "Front\xd7\xf3", 7);  // "Front左" in code page 936
    EXPECT_EQ(ChannelNameText(field, "CH3"), "Front左");
    std::memset(field, 'A', 20);
    EXPECT_EQ(ChannelNameText(field, "CH3"), std::string(20, 'A')) << "at most 20 bytes";

    const unsigned centred = gfx::kTextCenter | gfx::kTextVCenter | gfx::kTextSingleLine;
    const unsigned left = gfx::kTextVCenter | gfx::kTextSingleLine;
    EXPECT_EQ(CaptionFlags(true, 99, 100), centred);
    EXPECT_EQ(CaptionFlags(true, 100, 100), left) << "as wide as the button";
    EXPECT_EQ(CaptionFlags(true, 140, 100), left);
    EXPECT_EQ(CaptionFlags(false, 140, 100), centred) << "only a channel name moves left";
}

TEST(DrawChoices, PicturesOfTheWindowsOwnPaint) {
    const std::array<int, 5> tcp0{191, 723, 724, 725, 726}, tcp1{187, 719, 720, 721, 722},
        tcp2{190, 727, 728, 729, 730}, usbOn{192, 429, 430, 685, 431}, usbOff{193, 432, 433, 680, 434},
        logo{731, 732, 733, 734, 735};
    for (int b = 0; b < 5; ++b) {
        EXPECT_EQ(TcpPicture(0, b), tcp0[b]);
        EXPECT_EQ(TcpPicture(1, b), tcp1[b]);
        EXPECT_EQ(TcpPicture(2, b), tcp2[b]);
        EXPECT_EQ(UsbPicture(true, b), usbOn[b]);
        EXPECT_EQ(UsbPicture(false, b), usbOff[b]);
        EXPECT_EQ(LogoBitmap(b), logo[b]);
    }
    EXPECT_EQ(BackgroundBitmap(sys::kLangEnglish), 701);
    EXPECT_EQ(BackgroundBitmap(sys::kLangChinese), 151);
}

// Every owner-drawn button of template 102, in both languages, has its kind, and the kind table names
// nothing else.
TEST(DrawChoices, TheKindTableCoversTemplate102) {
    for (int lang : {sys::kLangEnglish, sys::kLangChinese}) {
        std::set<int> ownerDrawn;
        for (const res::DialogItem& item : MakeQuenbarTemplate(lang).items) {
            if (item.kind == res::ItemKind::kOwnerDrawButton) ownerDrawn.insert(item.id);
            if (item.kind == res::ItemKind::kOwnerDrawButton)
                EXPECT_NE(OwnerDrawItemOf(item.id).kind, ButtonKind::kNone) << item.id;
            else
                EXPECT_EQ(OwnerDrawItemOf(item.id).kind, ButtonKind::kNone) << item.id;
        }
        std::set<int> table;
        for (const OwnerDrawItem& item : OwnerDrawItems()) table.insert(item.id);
        EXPECT_EQ(table, ownerDrawn) << "language " << lang;
    }
    const struct {
        int id;
        ButtonKind kind;
        int index, bit;
    } spots[] = {
        {1748, ButtonKind::kMatrixCell, 0, 14},  {1969, ButtonKind::kMatrixCell, 3, 19},
        {1190, ButtonKind::kBandButton, 30, 0},  {1287, ButtonKind::kChannelSelect, 8, 0},
        {1290, ButtonKind::kLink, 4, 0},          {1284, ButtonKind::kChannelMute, 7, 0},
        {1535, ButtonKind::kBridge, 5, 0},        {1407, ButtonKind::kDelayUnit, 7, 0},
        {1465, ButtonKind::kHighLevelMix, 0, 0},  {1409, ButtonKind::kTextButton2, 0, 0},
        {1274, ButtonKind::kTextButton, 0, 0},    {1733, ButtonKind::kOverlay, 9, 0},
    };
    for (const auto& s : spots) {
        const OwnerDrawItem item = OwnerDrawItemOf(s.id);
        EXPECT_EQ(item.kind, s.kind) << s.id;
        EXPECT_EQ(item.index, s.index) << s.id;
        EXPECT_EQ(item.bit, s.bit) << s.id;
    }
}

}  // namespace
}  // namespace mainwnd
