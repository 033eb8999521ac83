#include "mainwnd/linkstrings.h"

#include "res/programstrings.h"

namespace mainwnd {

void RegisterLinkStrings() {
    static const res::StringEntry kEntries[] = {
        {IDS_SAVE_DONE, "Save the data successfully!", "恭喜，保存数据成功！"},
        {IDS_UPDATING, "Updating", "正在升级"},
        {IDS_UPDATED, "Updated", "升级完成"},
        {IDS_IMPORT_FAILED, "Import failed", "调用失败"},
        {IDS_CONNECTED, "Connected", "已连接"},
        {IDS_DISCONNECT, "Disconnect", "未连接"},
        {IDS_UPGRADE_FAILED, "Upgrade failed!", "升级失败！"},
        {IDS_FIRMWARE_WRONG_NAME, "Error file, upgrade failed!", "错误文件，升级失败！"},
        {IDS_FIRMWARE_WRONG_CHECKSUM, "Error checksum, upgrade failed!", "错误校验和，升级失败！"},
        {IDS_IMPORT_UPGRADE_FILE, "Please import the upgrade file.", "请导入升级文件。"},
    };
    res::StringTable& table = res::ProgramStrings();
    for (const res::StringEntry& e : kEntries) {
        if (!table.Contains(e.id)) table.Add({e});
    }
}

}  // namespace mainwnd
