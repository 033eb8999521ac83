#include "mainwnd/shellstrings.h"

namespace mainwnd {

namespace {

// An entry without a Chinese text reads English in both tables.
constexpr res::StringEntry kEntries[] = {
    {IDS_ABOUT, "About", "关于"},
    {IDS_BRIDGE_OFF, "     OFF", "      关"},
    {IDS_BASIS_CH1, "Basis of CH1", "以CH1为基准"},
    {IDS_BASIS_CH2, "Basis of CH2", "以CH2为基准"},
    {IDS_BASIS_CH3, "Basis of CH3", "以CH3为基准"},
    {IDS_BASIS_CH4, "Basis of CH4", "以CH4为基准"},
    {IDS_BASIS_CH5, "Basis of CH5", "以CH5为基准"},
    {IDS_BASIS_CH6, "Basis of CH6", "以CH6为基准"},
    {IDS_BASIS_CH7, "Basis of CH7", "以CH7为基准"},
    {IDS_BASIS_CH8, "Basis of CH8", "以CH8为基准"},
    {IDS_BUTTERWORTH, "Butterworth", "巴特沃斯"},
    {IDS_BESSEL, "Bessel", "贝塞尔"},
    {IDS_SLOPE_OFF, "   OFF", "    关"},
    {IDS_GEQ, "GEQ", "图示均衡"},
    {IDS_PEQ, "PEQ", "参数均衡"},
    {114, "CH1"},
    {115, "CH2"},
    {116, "CH3"},
    {117, "CH4"},
    {118, "CH5"},
    {119, "CH6"},
    {IDS_CH7, "CH7"},
    {IDS_CH8, "CH8"},
    {IDS_CH9, "CH9"},
    {213, "CH10"},
    {214, "CH11"},
    {215, "CH12"},
    {IDS_BYPASS_EQ, "BypassEQ", "直通均衡"},
    {IDS_RESET_EQ_BUTTON, "ResetEQ", "重置均衡"},
    {IDS_RESET_ALL_BUTTON, "ResetAll", "复位全部"},
    {IDS_PHASE_0, "  0°", "正相"},
    {IDS_PHASE_180, " 180°", "反相"},
    {IDS_UNIT_MS, "MS"},
    {IDS_UNIT_CM, "CM"},
    {IDS_CURRENT_MODE, "CurrentMode: ", "当前模式: "},
    {IDS_SAVE_MODE, "SaveMode: ", "保存模式: "},
    {IDS_DEFAULT_SLOT, "Default", "当前"},
    {IDS_SOURCE_HIGH_LEVEL, "High Level", "高电平"},
    {IDS_SOURCE_LOW_LEVEL, "Low Level", "低电平"},
    {IDS_SOURCE_BLUETOOTH, "Bluetooth", "蓝牙"},
    {IDS_SOURCE_ANALOG_BT, "Analog BT/AUX2", "模拟蓝牙/外部输入2"},
    {IDS_SOURCE_OPTICAL, "Optical/coaxial", "光纤/同轴"},
    {IDS_SOURCE_AUX12, "AUX1&AUX2", "外部输入1_2"},
    {IDS_SOURCE_INVALID, "Invalid", "无效"},
    {IDS_SOURCE_USB, "USB"},
    {IDS_SOURCE_PREFIX, "Source: ", "音源: "},
    {IDS_SAVE_DSP, "SaveDSP", "保存DSP"},
    {IDS_SAVE_PC, "SavePC", "保存电脑"},
    {IDS_LOAD_DSP, "LoadDSP", "调用DSP"},
    {IDS_LOAD_PC, "LoadPC", "调用电脑"},
    {IDS_SOURCE_BUTTON, "Source", "选择音源"},
    {IDS_UPDATA, "Updata", "固件升级"},
    {IDS_FILTER, "Filter", "滤波器设置"},
    {IDS_INPUT_VOL, "InputVol", "输入音量"},
    {IDS_FILE, "File", "场  景"},
    {IDS_DELAY_CALE, "DelayCale", "延时计算"},
    {IDS_CAPTION_BTL, "BTL", "桥接"},
    {IDS_CAPTION_LINK_SHORT, "Link", "联调"},
    {IDS_CAPTION_HIGH_LEVEL_MIX, "HighLevelMix", "高电平混入"},
    {IDS_CAPTION_ID, "ID", "音区"},
    {IDS_CAPTION_FREQ, "Freq", "频率"},
    {IDS_CAPTION_GAIN, "Gain", "增益"},
    {IDS_CAPTION_Q, "Q", "Q值"},
    {IDS_CAPTION_BYPASS, "Bypass", "直通"},
    {IDS_CAPTION_DELAY, "Delay", "延      时"},
    {IDS_CAPTION_VOLUME, "Volume", "总 音 量"},
    {IDS_CAPTION_LINK, "Link", "联 调"},
    {IDS_CAPTION_PHASE, "Phase", "相 位"},
    {IDS_CAPTION_CH_NAME, "Ch Name", "通 道 名 称"},
    {IDS_INPUT_HI1, " Hi.1"},
    {188, " Hi.2"},
    {189, " Hi.3"},
    {190, " Hi.4"},
    {191, " Hi.5"},
    {192, " Hi.6"},
    {IDS_INPUT_AUX1, " AUX-1"},
    {IDS_INPUT_AUX2, " AUX-2"},
    {IDS_INPUT_OPT_L, " Opt-L"},
    {IDS_INPUT_OPT_R, " Opt-R"},
    {IDS_INPUT_BT_L, " BT-L", "蓝牙左"},
    {IDS_INPUT_BT_R, " BT-R", "蓝牙右"},
    {IDS_INPUT_HI7, " Hi.7"},
    {IDS_INPUT_HI8, " Hi.8"},
    {IDS_INPUT_AUX3, " AUX-3"},
    {IDS_INPUT_AUX4, " AUX-4"},
    {IDS_INPUT_HI9, "Hi.9"},
    {IDS_INPUT_HI10, "Hi.10"},
    {IDS_INPUT_HI11, "Hi.11"},
    {IDS_INPUT_HI12, "Hi.12"},
    {IDS_INPUT_RADIO_L, "RADIO-L", "收音左"},
    {IDS_INPUT_RADIO_R, "RADIO-R", "收音右"},
    {IDS_INPUT_USB_L, "USB-L"},
    {IDS_INPUT_USB_R, "USB-R"},
    {IDS_INPUT_AUX_L, "AUX-L"},
    {IDS_INPUT_AUX_R, "AUX-R"},
    {IDS_RESET_ALL_QUESTION, "Reset all? It is not recoverable after reset.", "复位全部？复位后不可恢复。"},
    {IDS_SAVE_MASTER_OFF, "Save failed! The \"system volume\" can not be set to silence.",
     "保存不成功！“总音量”不能设置为静音"},
    {148, "The front left speaker is set to silence. Is it saved?", "前左喇叭被设置为静音，是否保存？"},
    {149, "The front right speaker is set to silence. Is it saved?", "前右喇叭被设置为静音，是否保存？"},
    {150, "The rear left speaker is set to silence. Is it saved?", "后左喇叭被设置为静音，是否保存？"},
    {151, "The rear right speaker is set to silence. Is it saved?", "后右喇叭被设置为静音，是否保存？"},
    {152, "The center speaker is set to silence. Is it saved?", "中置喇叭被设置为静音，是否保存？"},
    {153, "The subwoofer speaker is set to silence. Is it saved?", "超低喇叭被设置为静音，是否保存？"},
    {IDS_FACTORY_RESET_WARNING, "This operation will restore factory settings!",
     "该操作将引起设备重启并回复到出厂时的状态"},
};

}  // namespace

int SourceNameStringId(int source) {
    switch (source) {
        case 1:
            return IDS_SOURCE_HIGH_LEVEL;
        case 2:
            return IDS_SOURCE_LOW_LEVEL;
        case 3:
            return IDS_SOURCE_BLUETOOTH;
        case 4:
            return IDS_SOURCE_ANALOG_BT;
        case 5:
            return IDS_SOURCE_OPTICAL;
        case 6:
            return IDS_SOURCE_AUX12;
        case 9:
            return IDS_SOURCE_USB;
        default:
            return IDS_SOURCE_INVALID;
    }
}

std::span<const res::StringEntry> ShellStrings() {
    return kEntries;
}

void RegisterShellStrings(res::StringTable& table) {
    for (const res::StringEntry& e : kEntries) {
        if (!table.Contains(e.id)) table.Add({e});
    }
}

}  // namespace mainwnd
