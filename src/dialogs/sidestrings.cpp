#include "dialogs/sidestrings.h"

#include "res/programstrings.h"

namespace dialogs {

void RegisterSideDialogStrings() {
    static const res::StringEntry kEntries[] = {
        {IDS_SCENE_FILTER, "Text(*.txt)|*.txt|All(*.*)|*.*||", "文本文件(*.txt)|*.txt|所有文件(*.*)|*.*||"},
        {IDS_SCENE_FILE_NAME, "CarModel_Data", "品牌_车型_日期"},
        {IDS_SCENE_SAVE_TITLE, "Save", "保存"},
        {IDS_SCENE_REFUSED, "Failure. File damage or model mismatch!", "失败。文件损坏或型号不匹配！"},
        {IDS_RESTART_TO_APPLY, "重启软件后生效(After restarting the software, it takes effect).",
         "After restarting the software, it takes effect.(重启软件后生效)"},
        {IDS_LOAD_FROM_DEVICE, "LoadSoundFromDevice", "加载 机器预置场景"},
        {IDS_SAVE_TO_DEVICE, "SaveSoundToDevice", "保存 机器预置场景"},
        {IDS_LOAD_FROM_PC, "LoadSoundFromPC", "加载 电脑上场景"},
        {IDS_SAVE_TO_PC, "SaveSoundToPC", "保存 电脑上场景"},
        {IDS_OK, "OK", "确定"},
        {IDS_CANCEL, "Cancel", "取消"},
        {IDS_FACTORY_RESET, "FactoryReset", "恢复出厂设置"},
        {IDS_DELAY_CALCULATE, "DelayCale", "延时计算"},
        {IDS_RESET, "Reset", "重置"},
        {IDS_LANG_CHINESE, "Chinese", "中文"},
        {IDS_LANG_ENGLISH, "English", "英文"},
        {IDS_LANG_AUTO, "Auto", "自动"},
        {IDS_SETUP_TITLE, "Setup", "设  置"},
        {IDS_ENTER, "Enter", "进入"},
        {IDS_SCENE_REPAIRED, "File error", "文件错误，一些参数无法导入。"},
        {IDS_CURRENT_NAME, "Name of the current channel.", "当前通道的名称"},
        {IDS_NEW_NAME, "Please enter the name you need.", "请输入你需要的名称"},
        {IDS_NOSIGNAL_MUTED, "Mute at high level without signal", "高电平没信号时静音"},
        {IDS_NOSIGNAL_UNMUTED, "Unmute at high level without signal", "高电平没信号时不静音"},
    };
    res::StringTable& table = res::ProgramStrings();
    for (const res::StringEntry& e : kEntries) {
        if (!table.Contains(e.id)) table.Add({e});
    }
}

}  // namespace dialogs
