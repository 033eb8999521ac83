#include "dialogs/inputvoltemplate.h"

#include <string>

#include "dialogs/inputvolids.h"

namespace dialogs {

const std::array<RowLabelText, kInputs> kMixRowLabels = {{
    {187, " Hi.1", "高电平1"},  {188, " Hi.2", "高电平2"},  {189, " Hi.3", "高电平3"},
    {190, " Hi.4", "高电平4"},  {191, " Hi.5", "高电平5"},  {192, " Hi.6", "高电平6"},
    {193, " AUX-1", "低电平1"}, {194, " AUX-2", "低电平2"}, {195, " Opt-L", "光纤左"},
    {196, " Opt-R", "光纤右"},  {197, " BT-L", "蓝牙左"},   {198, " BT-R", "蓝牙右"},
    {216, " Hi.7", "高电平7"},  {217, " Hi.8", "高电平8"},  {226, " AUX-3", "低电平3"},
    {227, " AUX-4", "低电平4"}, {238, "Hi.9", "高电平9"},   {241, "Hi.10", "高电平10"},
    {764, "Hi.11", "高电平11"}, {765, "Hi.12", "高电平12"},
}};
const std::array<RowLabelText, 2> kUsbRowLabels = {{{233, "USB-L", "USB-L"}, {234, "USB-R", "USB-R"}}};

namespace {

using res::ItemKind;

constexpr uint32_t kEditStyle = res::kTextCenter | res::kAutoHScroll | res::kTabStop;
constexpr uint32_t kSliderStyle = res::kNoTicks;

// The rows of template 559 from the top, by input bit, with their y in dialog units.
struct TemplateRow {
    int bit;
    int y;
};
constexpr TemplateRow k559Rows[kInputs] = {
    {0, 42},   {1, 62},   {2, 82},   {3, 102},  {4, 122},  {5, 142},  {12, 161}, {13, 181}, {6, 200},  {7, 220},
    {14, 240}, {15, 260}, {8, 280},  {9, 300},  {10, 321}, {11, 340}, {16, 356}, {17, 376}, {18, 391}, {19, 411},
};

// The y of an input's row: 559's grid, or (308, 558) one row per bit in bit order.
int RowY(int id, int bit) {
    if (id == IDD_INPUT_VOL_559) {
        for (const TemplateRow& r : k559Rows) {
            if (r.bit == bit) return r.y;
        }
    }
    return 42 + 19 * bit;
}

// 559 shifts the edits of Hi.9..Hi.12 one unit right.
int EditX(int id, int ch, int bit) {
    return 51 + 64 * ch + (id == IDD_INPUT_VOL_559 && bit >= 16 ? 1 : 0);
}

// Collects the items; one call per item keeps each item's text out of a braced temporary.
struct Items {
    std::vector<res::DialogItem> items;
    void Add(int id, ItemKind kind, gfx::Rect rect, uint32_t style = 0, res::LangText text = {}) {
        items.emplace_back(id, kind, rect, style, std::move(text));
    }
};

}  // namespace

res::DialogTemplate MakeInputVolumeTemplate(int id, sys::LangId lang) {
    const bool chinese = lang == sys::kLangChinese;
    Items b;
    b.items.reserve(515);
    b.Add(IDC_INPUT_VOL_TITLE, ItemKind::kStatic, gfx::RectFromSize(4, 6, 80, 10), 0,
          res::LangText("Input Volume", "音量输入"));
    b.Add(1, ItemKind::kButton, gfx::RectFromSize(740, 4, 36, 14), res::kHidden, res::LangText("确定"));
    b.Add(2, ItemKind::kOwnerDrawButton, gfx::RectFromSize(790, 4, 27, 14), res::kTabStop, res::LangText("取消"));
    for (int ch = 0; ch < kChannels; ++ch) {
        b.Add(g_MixColumnLabelIds[ch], ItemKind::kStatic, gfx::RectFromSize(51 + 64 * ch, 26, 50, 8),
              res::kTextCenter, res::LangText("CH" + std::to_string(ch + 1)));
    }
    for (int bit = 0; bit < kInputs; ++bit) {
        const RowLabelText& t = kMixRowLabels[bit];
        const gfx::Rect r = chinese ? gfx::RectFromSize(5, RowY(id, bit) + 2, 39, 8)
                                    : gfx::RectFromSize(2, RowY(id, bit) + 2, 49, 8);
        b.Add(g_MixRowLabelIds[bit], ItemKind::kStatic, r, res::kTextCenter, res::LangText(t.english, t.chinese));
    }
    for (int ch = 0; ch < kChannels; ++ch) {
        for (int bit = 0; bit < kInputs; ++bit) {
            const int x = EditX(id, ch, bit), y = RowY(id, bit);
            b.Add(g_MixEditIds[ch][bit], ItemKind::kEdit, gfx::RectFromSize(x, y, 15, 12), kEditStyle);
            b.Add(g_MixSliderIds[ch][bit], ItemKind::kTrackBar, gfx::RectFromSize(x + 22, y - 1, 40, 10),
                  kSliderStyle);
        }
    }
    const int weight = id == IDD_INPUT_VOL_308 && chinese ? 700 : 400;
    const gfx::Size size{824, id == IDD_INPUT_VOL_559 && chinese ? 435 : 436};
    return {id, {"MS Shell Dlg", 8, weight}, size, {}, 0, std::move(b.items)};
}

void RegisterInputVolumeTemplates(res::DialogTable& table) {
    for (int id : {IDD_INPUT_VOL_308, IDD_INPUT_VOL_558, IDD_INPUT_VOL_559}) {
        for (sys::LangId lang : {sys::kLangEnglish, sys::kLangChinese}) {
            if (!table.HasVariant(lang, id)) table.Add(MakeInputVolumeTemplate(id, lang), {lang});
        }
    }
}

}  // namespace dialogs
