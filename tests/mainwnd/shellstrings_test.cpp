// The shell's texts in both string tables, and the string-id tables the window takes them by.
#include "mainwnd/shellstrings.h"

#include <gtest/gtest.h>

#include <set>

#include "mainwnd/linkstrings.h"
#include "res/stringids.h"

namespace {

res::StringTable Registered() {
    res::StringTable table;
    mainwnd::RegisterShellStrings(table);
    return table;
}

TEST(ShellStrings, EachIdOnceAndNoneTakenFromTheLinkOrTheProgram) {
    std::set<int> ids;
    for (const res::StringEntry& e : mainwnd::ShellStrings()) {
        EXPECT_TRUE(ids.insert(e.id).second) << e.id;
        EXPECT_FALSE(e.english.empty()) << e.id;
    }
    for (int theirs :
         {IDS_SAVE_DONE, IDS_UPDATING, IDS_UPDATED, IDS_IMPORT_FAILED, IDS_CONNECTED, IDS_DISCONNECT,
          IDS_UPGRADE_FAILED, IDS_FIRMWARE_WRONG_NAME, IDS_FIRMWARE_WRONG_CHECKSUM, IDS_IMPORT_UPGRADE_FILE,
          res::IDS_ALERT, res::IDS_SOFTWARE_RUNNING})
        EXPECT_FALSE(ids.count(theirs)) << theirs;
    EXPECT_EQ(Registered().Size(), ids.size());
}

TEST(ShellStrings, TextsInBothLanguages) {
    struct Case {
        int id;
        const char* english;
        const char* chinese;
    } cases[] = {
        {IDS_ABOUT, "About", "关于"},
        {IDS_BRIDGE_OFF, "     OFF", "      关"},
        {IDS_SLOPE_OFF, "   OFF", "    关"},
        {IDS_BASIS_CH8, "Basis of CH8", "以CH8为基准"},
        {IDS_BESSEL, "Bessel", "贝塞尔"},
        {IDS_GEQ, "GEQ", "图示均衡"},
        {IDS_PHASE_0, "  0°", "正相"},
        {IDS_PHASE_180, " 180°", "反相"},
        {IDS_FILE, "File", "场  景"},
        {IDS_CAPTION_DELAY, "Delay", "延      时"},
        {IDS_CAPTION_CH_NAME, "Ch Name", "通 道 名 称"},
        {IDS_CAPTION_LINK_SHORT, "Link", "联调"},
        {IDS_CAPTION_LINK, "Link", "联 调"},
        {IDS_SOURCE_PREFIX, "Source: ", "音源: "},
        {IDS_CURRENT_MODE, "CurrentMode: ", "当前模式: "},
        {IDS_DEFAULT_SLOT, "Default", "当前"},
        {IDS_SOURCE_ANALOG_BT, "Analog BT/AUX2", "模拟蓝牙/外部输入2"},
        {IDS_INPUT_BT_R, " BT-R", "蓝牙右"},
        {IDS_INPUT_RADIO_L, "RADIO-L", "收音左"},
        {IDS_SAVE_MASTER_OFF, "Save failed! The \"system volume\" can not be set to silence.",
         "保存不成功！“总音量”不能设置为静音"},
        {153, "The subwoofer speaker is set to silence. Is it saved?", "超低喇叭被设置为静音，是否保存？"},
        // Given in English only: the Chinese table holds the English text.
        {IDS_UNIT_CM, "CM", "CM"},
        {IDS_SOURCE_USB, "USB", "USB"},
        {IDS_INPUT_HI1, " Hi.1", " Hi.1"},
        {IDS_INPUT_AUX3, " AUX-3", " AUX-3"},
        {IDS_INPUT_HI12, "Hi.12", "Hi.12"},
        {IDS_INPUT_USB_L, "USB-L", "USB-L"},
        {215, "CH12", "CH12"},
    };
    const res::StringTable table = Registered();
    for (const Case& c : cases) {
        EXPECT_EQ(table.Get(sys::kLangEnglish, c.id), c.english) << c.id;
        EXPECT_EQ(table.Get(sys::kLangChinese, c.id), c.chinese) << c.id;
    }
}

TEST(ShellStrings, EveryIdTheTablesNameHasItsText) {
    const res::StringTable table = Registered();
    std::vector<int> named(kChannelTitleStringIds.begin(), kChannelTitleStringIds.end());
    named.insert(named.end(), kInputLabelStringIds.begin(), kInputLabelStringIds.end());
    named.insert(named.end(), kSourceComboStringIds.begin(), kSourceComboStringIds.end());
    named.insert(named.end(), kSaveMutedStringIds.begin(), kSaveMutedStringIds.end());
    named.insert(named.end(), kQuadComboStringIds.begin(), kQuadComboStringIds.end());
    for (const auto& pair : kBridgeComboStringIds) named.insert(named.end(), pair.begin(), pair.end());
    for (int id : named) EXPECT_TRUE(table.Contains(id)) << id;

    for (int c = 0; c < kChannels; ++c)
        EXPECT_EQ(table.Get(sys::kLangChinese, kChannelTitleStringIds[c]), "CH" + std::to_string(c + 1));
    // The AUX-3/AUX-4 pair is labelled higher number first.
    EXPECT_EQ(table.Get(sys::kLangEnglish, kInputLabelStringIds[14]), " AUX-4");
    EXPECT_EQ(table.Get(sys::kLangEnglish, kInputLabelStringIds[15]), " AUX-3");
    EXPECT_EQ(table.Get(sys::kLangEnglish, kInputLabelStringIds[17]), "Hi.10");
}

TEST(ShellStrings, RegisteringKeepsTextsAlreadyThere) {
    res::StringTable table;
    table.Add({{IDS_ABOUT, "Info"}});
    mainwnd::RegisterShellStrings(table);
    mainwnd::RegisterShellStrings(table);
    EXPECT_EQ(table.Get(sys::kLangEnglish, IDS_ABOUT), "Info");
    EXPECT_EQ(table.Get(sys::kLangChinese, IDS_PEQ), "参数均衡");
}

TEST(ShellStrings, SourceNames) {
    struct Case {
        int source, id;
    } cases[] = {{1, 129}, {2, 130}, {3, 131}, {4, 132},  {5, 133},  {6, 134},  {9, 240},
                 {0, 135}, {7, 135}, {8, 135}, {10, 135}, {-1, 135}, {255, 135}};
    for (const Case& c : cases) EXPECT_EQ(mainwnd::SourceNameStringId(c.source), c.id) << c.source;
}

}  // namespace
