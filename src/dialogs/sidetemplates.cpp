#include "dialogs/sidetemplates.h"

#include <string>

#include "dialogs/sideids.h"
#include "platform/ui/messages.h"
#include "platform/ui/uilanguage.h"

namespace dialogs {

namespace {

using gfx::Rect;
using gfx::RectFromSize;
using res::DialogItem;
using res::ItemKind;

constexpr uint32_t kTab = res::kTabStop;
constexpr int kStaticId = -1;

struct Builder {
    bool zh;
    std::vector<DialogItem> items;

    Rect R(Rect en, Rect cn) const { return zh ? cn : en; }
    void Label(int id, Rect r, res::LangText text, uint32_t style = 0) {
        items.push_back({id, ItemKind::kStatic, r, style, std::move(text)});
    }
    void Drawn(int id, Rect r, uint32_t style = kTab) { items.push_back({id, ItemKind::kOwnerDrawButton, r, style}); }
    void Edit(int id, Rect r, uint32_t style) { items.push_back({id, ItemKind::kEdit, r, style | kTab}); }
    void Combo(int id, Rect r) { items.push_back({id, ItemKind::kCombo, r, kTab | res::kVScroll}); }
    void HiddenOk(Rect r) {
        items.push_back({ui::IDOK, ItemKind::kButton, r, res::kHidden | res::kDefaultButton, {"OK", "确定"}});
    }
    res::DialogTemplate Done(int id, gfx::Size size, uint32_t flags = 0) {
        return {id, {"MS Shell Dlg", 8}, size, {}, flags, std::move(items)};
    }
};

res::DialogTemplate SlotTemplate(Builder b, bool save) {
    if (save) {
        b.Label(IDC_SAVE_MODE_TITLE, b.R(RectFromSize(9, 6, 108, 8), RectFromSize(9, 6, 91, 8)), "");
        b.Label(IDC_SAVE_MODE_SLOT_LABEL, RectFromSize(73, 25, 37, 8), {"ID：", "序号："});
        b.Combo(IDC_SLOT_LIST, RectFromSize(72, 36, 100, 30));
        b.Label(IDC_SAVE_MODE_NAME_LABEL, RectFromSize(73, 53, 37, 8), {"Name：", "名称："});
        b.Edit(IDC_NAME_EDIT, RectFromSize(72, 64, 100, 12), res::kBorder | res::kAutoHScroll);
    } else {
        b.Label(IDC_IMPORT_MODE_TITLE, b.R(RectFromSize(9, 6, 123, 8), RectFromSize(9, 6, 69, 8)), "");
        b.Label(IDC_IMPORT_MODE_SLOT_LABEL, b.R(RectFromSize(76, 23, 16, 8), RectFromSize(76, 23, 25, 8)),
                {"ID：", "序号："});
        b.Combo(IDC_SLOT_LIST, RectFromSize(75, 34, 92, 30));
        b.Label(IDC_IMPORT_MODE_NAME_LABEL, b.R(RectFromSize(76, 52, 27, 8), RectFromSize(76, 52, 25, 8)),
                {"Name：", "名称："});
        b.Edit(IDC_NAME_EDIT, RectFromSize(75, 63, 92, 12), res::kBorder | res::kReadOnly | res::kAutoHScroll);
    }
    b.Drawn(ui::IDOK, RectFromSize(136, 83, 50, 14), kTab | res::kDefaultButton);
    b.Drawn(ui::IDCANCEL, RectFromSize(189, 83, 50, 14));
    return b.Done(save ? IDD_SAVE_MODE_TO_DSP : IDD_IMPORT_MODE_DSP, {245, 104});
}

res::DialogTemplate LoadPercentTemplate(Builder b) {
    b.Label(kStaticId, b.R(RectFromSize(29, 15, 235, 8), RectFromSize(52, 15, 189, 8)),
            {"Loading, please do not disconnect or turn off the DSP power", "正在加载，请不要断开连接或者关掉DSP电源"},
            res::kTextCenter);
    b.Label(kStaticId, b.R(RectFromSize(85, 31, 122, 8), RectFromSize(98, 31, 97, 8)),
            {"Please wait, thank you.", "请等待，谢谢！"}, res::kTextCenter);
    b.items.push_back({IDC_PROGRESS_BAR, ItemKind::kProgress, RectFromSize(70, 50, 154, 14), res::kBorder});
    b.items.push_back({ui::IDCANCEL, ItemKind::kButton, RectFromSize(237, 71, 50, 14), res::kDisabled | kTab,
                       {"Cancel", "取消"}});
    return b.Done(IDD_LOAD_PERCENT, {294, 92}, res::kThinBorder);
}

res::DialogTemplate SourceTemplate(Builder b) {
    b.Label(IDC_SOURCE_TITLE, RectFromSize(8, 6, 65, 8), {"Source", "选择音源"});
    const Rect note = b.R(RectFromSize(28, 20, 187, 25), RectFromSize(29, 27, 134, 18));
    b.Label(IDC_SOURCE_NOTE_OPTICAL, note,
            {"Please select the DSP device to input the sound source. As if select bluetooth mode or "
             "Coaxial/Fiber source, will not remember when power off.",
             "请选择DSP设备输入音源。选择蓝牙或者同轴/光纤源时，关机不记忆。"},
            res::kHidden);
    b.Label(IDC_SOURCE_NOTE, note,
            {"Please select the DSP device to input the sound source. As if select bluetooth mode, will not "
             "remember when power off.",
             "请选择DSP设备输入音源。选择蓝牙时，关机不记忆。"});
    b.Combo(IDC_SOURCE_LIST, b.R(RectFromSize(28, 48, 110, 30), RectFromSize(28, 47, 110, 30)));
    b.Drawn(IDC_SOURCE_MIX, RectFromSize(27, 64, 12, 9));
    b.Label(IDC_SOURCE_MIX_LABEL, b.R(RectFromSize(42, 63, 91, 11), RectFromSize(42, 64, 91, 10)), "");
    b.Drawn(ui::IDOK, RectFromSize(133, 83, 50, 14), kTab | res::kDefaultButton);
    b.Drawn(ui::IDCANCEL, RectFromSize(188, 83, 50, 14));
    return b.Done(IDD_INPUT_AUDIO_SOURCE, {245, 104});
}

res::DialogTemplate FilterTemplate(Builder b) {
    b.Label(IDC_FILTER_HP_HEADING, b.R(RectFromSize(32, 31, 86, 12), RectFromSize(41, 31, 62, 12)),
            {"Highpass filter", "高通滤波器"});
    b.Label(IDC_FILTER_LP_HEADING, b.R(RectFromSize(159, 31, 87, 12), RectFromSize(166, 31, 63, 12)),
            {"Lowpass filter", "低通滤波器"});
    const res::LangText labels[6] = {{"Type:", "类型:"}, {"Fre:", "频率:"}, {"Oct:", "斜率:"},
                                     {"Type:", "类型:"}, {"Fre:", "频率:"}, {"Otc:", "斜率:"}};
    const int ys[3] = {52, 78, 104};
    for (int i = 0; i < 6; ++i) {
        const int x = b.zh ? (i < 3 ? 18 : 143) : (i < 3 ? 26 : 151);
        b.Label(1482 + i, RectFromSize(x, ys[i % 3], b.zh ? 34 : 26, 8), labels[i]);
    }
    const int w = b.zh ? 52 : 67;
    b.Combo(IDC_FILTER_HP_TYPE, RectFromSize(55, 50, w, 30));
    b.Combo(IDC_FILTER_HP_SLOPE, RectFromSize(55, 102, w, 30));
    b.Combo(IDC_FILTER_LP_TYPE, RectFromSize(181, 50, w, 30));
    b.Combo(IDC_FILTER_LP_SLOPE, RectFromSize(181, 102, w, 30));
    b.Edit(IDC_FILTER_HP_FREQ, b.R(RectFromSize(61, 76, 67, 12), RectFromSize(55, 76, 52, 12)), res::kTextCenter);
    b.Edit(IDC_FILTER_LP_FREQ, b.R(RectFromSize(187, 76, 67, 12), RectFromSize(181, 76, 52, 12)),
           res::kTextCenter);
    b.Drawn(ui::IDCANCEL, RectFromSize(245, 3, 24, 12));
    b.HiddenOk(RectFromSize(198, 129, 50, 14));
    return b.Done(IDD_FILTER_SETUP, {280, 150});
}

res::DialogTemplate FileTemplate(Builder b) {
    b.Label(IDC_FILE_TITLE, RectFromSize(11, 6, 59, 8), "");
    b.Drawn(ui::IDCANCEL, RectFromSize(244, 3, 30, 14));
    const int left = b.zh ? 44 : 34, w = b.zh ? 80 : 90;
    b.Drawn(IDC_FILE_LOAD_DSP, RectFromSize(left, 54, w, 14));
    b.Drawn(IDC_FILE_SAVE_DSP, RectFromSize(154, 55, w, 14));
    b.Drawn(IDC_FILE_LOAD_PC, RectFromSize(left, 81, w, 14));
    b.Drawn(IDC_FILE_SAVE_PC, RectFromSize(154, 82, w, 14));
    b.HiddenOk(RectFromSize(7, 129, 23, 14));
    return b.Done(IDD_DIALOG_FILE, {280, 150});
}

res::DialogTemplate SetupTemplate(Builder b) {
    b.Label(IDC_SETUP_TITLE, RectFromSize(11, 6, 42, 8), "");
    b.Drawn(ui::IDCANCEL, RectFromSize(244, 3, 30, 14));
    b.Label(IDC_SETUP_MIX_LABEL, b.R(RectFromSize(15, 29, 113, 8), RectFromSize(42, 29, 86, 8)),
            {"High Level Mix Volume:", "高电平混入音量:"});
    b.Edit(IDC_SETUP_MIX_VOLUME, b.R(RectFromSize(138, 28, 40, 12), RectFromSize(135, 28, 58, 14)),
           res::kTextCenter);
    b.Label(IDC_SETUP_LANGUAGE_LABEL, b.R(RectFromSize(28, 48, 100, 8), RectFromSize(42, 48, 86, 8)),
            {"Language:", "语言(Language):"});
    b.Combo(IDC_SETUP_LANGUAGE, RectFromSize(133, 46, b.zh ? 58 : 56, 30));
    // The no-signal mute switch exists for the user only in the Chinese layout.
    const uint32_t muteShown = b.zh ? 0u : uint32_t(res::kHidden);
    b.Label(IDC_SETUP_MUTE_LABEL, b.R(RectFromSize(31, 77, 86, 8), RectFromSize(17, 74, 86, 8)),
            {"HL_NO_SINGLE_MUTE：", "高电平没信号时："}, muteShown);
    b.Drawn(IDC_SETUP_NOSIGNAL_MUTE, b.R(RectFromSize(121, 73, 114, 14), RectFromSize(108, 71, 114, 14)),
            kTab | muteShown);
    const int xs[2][3] = {{39, 109, 178}, {35, 103, 169}};
    const int ids[3] = {IDC_SETUP_UPGRADE, IDC_SETUP_FACTORY_RESET, IDC_SETUP_ABOUT};
    for (int i = 0; i < 3; ++i)
        b.Drawn(ids[i], RectFromSize(xs[b.zh][i], b.zh ? 98 : 103, b.zh ? 58 : 56, 14));
    b.HiddenOk(RectFromSize(248, 129, 25, 14));
    return b.Done(IDD_DIALOG_SETUP, {280, 150});
}

res::DialogTemplate DelayCaleTemplate(Builder b) {
    b.Label(IDC_DELAY_CALE_TITLE, RectFromSize(14, 5, 70, 10), {"Delay Calculate", "延时计算"});
    b.Label(IDC_DELAY_CALE_UNIT, RectFromSize(17, 26, 70, 8), {"Unit：CM", "单位：厘米"});
    const int labelX[3] = {18, 105, 192}, editX[3] = {40, 127, 214}, editY[4] = {41, 63, 85, 107};
    for (int ch = 0; ch < 12; ++ch) {
        const int col = ch % 3, row = ch / 3;
        b.Label(kDelayCaleLabelIds[ch], RectFromSize(labelX[col], editY[row] + 2, 18, 8),
                "CH" + std::to_string(ch + 1));
        b.Edit(kDelayCaleEditIds[ch], RectFromSize(editX[col], editY[row], 40, 12), res::kTextCenter);
    }
    b.Drawn(IDC_DELAY_CALE_CLEAR, RectFromSize(170, 129, 50, 14));
    b.Drawn(IDC_DELAY_CALE_APPLY, RectFromSize(223, 129, 50, 14));
    b.Drawn(ui::IDCANCEL, RectFromSize(245, 3, 19, 14));
    b.HiddenOk(RectFromSize(7, 129, 23, 14));
    return b.Done(IDD_DIALOG_DELAY_CALE, {280, 150});
}

res::DialogTemplate ChannelNameTemplate(Builder b) {
    b.Label(IDC_CHANNEL_NAME_TITLE, b.R(RectFromSize(9, 5, 85, 8), RectFromSize(10, 6, 86, 8)),
            {"Save Channel Name", "保存通道名称"});
    b.Label(IDC_CHANNEL_NAME_CURRENT_LABEL, RectFromSize(79, 30, 113, 8), "");
    b.Edit(IDC_NAME_EDIT, RectFromSize(79, 42, 113, 12), res::kBorder | res::kReadOnly | res::kAutoHScroll);
    b.Label(IDC_CHANNEL_NAME_NEW_LABEL, RectFromSize(79, 72, 113, 8), "");
    b.Edit(IDC_NEW_NAME_EDIT, RectFromSize(79, 84, 113, 12), res::kBorder | res::kAutoHScroll);
    b.Drawn(ui::IDOK, RectFromSize(170, 129, 50, 14), kTab | res::kDefaultButton);
    b.Drawn(ui::IDCANCEL, RectFromSize(223, 129, 50, 14));
    return b.Done(IDD_SAVE_CHANNEL_NAME, {280, 150});
}

res::DialogTemplate LogoTemplate(Builder b) {
    // The hidden options never show; they stand in a column at the left.
    int hiddenY = 4;
    for (const ChooserOption& o : kChooserOptions) {
        Rect mark, label;
        if (o.mark == 1764) {
            mark = RectFromSize(38, 72, 10, 8), label = RectFromSize(51, 72, 90, 8);
        } else if (o.mark == 1765) {
            mark = RectFromSize(38, 84, 10, 8), label = RectFromSize(52, 84, 62, 8);
        } else {
            mark = RectFromSize(4, hiddenY, 10, 8), label = RectFromSize(16, hiddenY, 40, 8);
            hiddenY += 9;
        }
        b.Drawn(o.mark, mark);
        b.Label(o.label, label, o.text, res::kNotify);
    }
    b.Drawn(IDC_LOGO_CONFIRM, RectFromSize(163, 78, 26, 14));
    b.Drawn(ui::IDCANCEL, RectFromSize(169, 2, 26, 14));
    b.HiddenOk(RectFromSize(120, 96, 30, 12));
    return b.Done(IDD_DIALOG_LOGO, {215, 111});
}

}  // namespace

res::DialogTemplate SideTemplate(int id, sys::LangId lang) {
    const Builder b{lang == sys::kLangChinese, {}};
    switch (id) {
        case IDD_SAVE_MODE_TO_DSP:
            return SlotTemplate(b, true);
        case IDD_IMPORT_MODE_DSP:
            return SlotTemplate(b, false);
        case IDD_LOAD_PERCENT:
            return LoadPercentTemplate(b);
        case IDD_INPUT_AUDIO_SOURCE:
            return SourceTemplate(b);
        case IDD_FILTER_SETUP:
            return FilterTemplate(b);
        case IDD_DIALOG_FILE:
            return FileTemplate(b);
        case IDD_DIALOG_SETUP:
            return SetupTemplate(b);
        case IDD_DIALOG_DELAY_CALE:
            return DelayCaleTemplate(b);
        case IDD_SAVE_CHANNEL_NAME:
            return ChannelNameTemplate(b);
        case IDD_DIALOG_LOGO:
            // Chinese only: both languages get it.
            return LogoTemplate(Builder{true, {}});
        default:
            return {};
    }
}

res::DialogTemplate SideTemplate(int id) {
    return SideTemplate(id, ui::UiLanguage());
}

}  // namespace dialogs
