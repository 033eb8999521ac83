// The settings dialog: the volume keys and texts, the factory reset question, the language file and the
// no-signal mute switch.
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "device/status.h"
#include "dialogs/dialogsetup.h"
#include "dialogs/languagefile.h"
#include "dialogs/sidestrings.h"
#include "platform/sys/language.h"
#include "res/uilanguage.h"
#include "sidedialogfixture.h"

namespace {

namespace fs = std::filesystem;

class SetupTest : public SideDialogTest {
  protected:
    void TearDown() override { g_HlNoSignalMute = 0; }
    std::vector<ui::WPARAM> MixVolumesSent() const {
        std::vector<ui::WPARAM> out;
        for (const auto& r : main.Of(WM_MIX_VOLUME_CHANGED)) out.push_back(std::get<1>(r));
        return out;
    }
};

TEST_F(SetupTest, VolumeKeysAndTextsFollowTheirRules) {
    struct Case {
        int volume;
        ui::UINT message;  // WM_GAIN_STEPPED (wParam the key) or WM_GAIN_COMMIT (the text typed)
        ui::WPARAM key;
        const char* typed;
        std::vector<ui::WPARAM> sent;
        std::string shown;
    } cases[] = {
        {0, WM_GAIN_STEPPED, ui::VK_UP, nullptr, {}, "0dB"},
        {0, WM_GAIN_STEPPED, ui::VK_DOWN, nullptr, {1}, "-1dB"},
        {60, WM_GAIN_STEPPED, ui::VK_DOWN, nullptr, {}, "-60dB"},
        {60, WM_GAIN_STEPPED, ui::VK_UP, nullptr, {59}, "-59dB"},
        {10, WM_GAIN_COMMIT, 0, "-60", {60}, "-60dB"},
        {10, WM_GAIN_COMMIT, 0, "-61", {}, "-10dB"},
        {10, WM_GAIN_COMMIT, 0, "OFF", {60}, "-60dB"},
        {10, WM_GAIN_COMMIT, 0, "off", {60}, "-60dB"},
        {10, WM_GAIN_COMMIT, 0, "oFf", {60}, "-60dB"},
        {60, WM_GAIN_COMMIT, 0, "OFF", {}, "-60dB"},
        {10, WM_GAIN_COMMIT, 0, "-5d", {5}, "-5dB"},
        {10, WM_GAIN_COMMIT, 0, "-5dB", {10}, "-10dB"},  // four characters: not read, the volume sent again
        {10, WM_GAIN_COMMIT, 0, "-12dB", {10}, "-10dB"},
        {10, WM_GAIN_COMMIT, 0, "60", {}, "-10dB"},
        {10, WM_GAIN_COMMIT, 0, "5", {}, "-10dB"},
        {10, WM_GAIN_COMMIT, 0, "-a", {}, "-10dB"},
        {10, WM_GAIN_COMMIT, 0, "0", {0}, "0dB"},
        {0, WM_GAIN_COMMIT, 0, "0", {}, "0dB"},
        {10, WM_GAIN_COMMIT, 0, "-10", {}, "-10dB"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.volume << " " << (c.typed ? c.typed : "key") << " " << c.key);
        main.requests.clear();
        CDialogSetup d(c.volume, nullptr, &app);
        OnModal([&](ui::Dialog& w) {
            EXPECT_EQ(d.VolumeEdit().GetWindowText(), CDialogSetup::FormatVolume(c.volume));
            if (c.typed) d.VolumeEdit().SetWindowText(c.typed);
            w.SendMessage(c.message, c.key);
            EXPECT_EQ(d.VolumeEdit().GetWindowText(), c.shown);
            hl.KeyPress(ui::VK_ESCAPE);
        });
        d.DoModal();
        EXPECT_EQ(MixVolumesSent(), c.sent);
    }
}

// The volume edit itself: its keys and a typed volume reach the main window through the dialog.
TEST_F(SetupTest, TheVolumeEditsKeysAndTypedTextReachTheMainWindow) {
    struct Case {
        int volume;
        const char* typed;  // nullptr: nothing typed
        unsigned key;
        std::vector<ui::WPARAM> sent;
        std::string shown;
    } cases[] = {
        {10, nullptr, ui::VK_DOWN, {11}, "-11dB"}, {10, nullptr, ui::VK_UP, {9}, "-9dB"},
        {0, nullptr, ui::VK_UP, {}, "0dB"},        {10, "-12", ui::VK_RETURN, {12}, "-12dB"},
        {10, "OFF", ui::VK_RETURN, {60}, "-60dB"}, {10, "-a", ui::VK_RETURN, {}, "-10dB"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.volume << " " << (c.typed ? c.typed : "key") << " " << c.key);
        main.requests.clear();
        CDialogSetup d(c.volume, nullptr, &app);
        OnModal([&](ui::Dialog&) {
            d.VolumeEdit().SetFocus();
            d.VolumeEdit().SetSel(0, -1);
            if (c.typed) hl.Type(c.typed);
            hl.KeyPress(c.key);
            hl.RunPending();
            EXPECT_EQ(d.VolumeEdit().GetWindowText(), c.shown);
            EXPECT_EQ(d.HighLevelMixVolume(), c.shown == "0dB" ? 0 : std::stoi(c.shown.substr(1)));
            if (!d.IsEnded()) hl.KeyPress(ui::VK_ESCAPE);
        });
        d.DoModal();
        EXPECT_EQ(MixVolumesSent(), c.sent);
    }
}

TEST_F(SetupTest, NoToTheFactoryResetKeepsTheDialogOpenAndSendsNothing) {
    CDialogSetup d(0, nullptr, &app);
    boxes.QueueAnswer(ui::IDNO);
    OnModal([&](ui::Dialog& w) {
        hl.ClickItem(w, IDC_SETUP_FACTORY_RESET);
        Settle();
        EXPECT_FALSE(w.IsEnded());
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].flags & ui::MB_TYPEMASK, unsigned(ui::MB_YESNO));
        hl.KeyPress(ui::VK_ESCAPE);
    });
    EXPECT_EQ(d.DoModal(), ui::IDCANCEL);
    EXPECT_TRUE(main.Of(WM_SETUP_COMMAND).empty());
}

TEST_F(SetupTest, TheMuteSwitchAsksTheMainWindowAndItsLabelFollowsTheDevice) {
    ui::SetUiLanguage(sys::kLangChinese);
    g_HlNoSignalMute = 0;
    CDialogSetup d(0, nullptr, &app);
    OnModal([&](ui::Dialog& w) {
        ASSERT_TRUE(w.GetDlgItem(IDC_SETUP_NOSIGNAL_MUTE)->IsWindowVisible()) << "the Chinese layout offers it";
        hl.ClickItem(w, IDC_SETUP_NOSIGNAL_MUTE);
        Settle();
        EXPECT_FALSE(w.IsEnded());
        EXPECT_EQ(d.ShownMuteState(), 0) << "the label waits for the device";
        g_HlNoSignalMute = 1;
        hl.AdvanceClock(10);
        EXPECT_EQ(d.ShownMuteState(), 1);
        hl.KeyPress(ui::VK_ESCAPE);
    });
    d.DoModal();
    EXPECT_EQ(main.Of(WM_SETUP_COMMAND), (std::vector<RequestWindow::Request>{{WM_SETUP_COMMAND, 3, 0}}));
}

TEST_F(SetupTest, TheEnglishLayoutHidesTheMuteSwitchAndTheLanguageListOpensOnItsSource) {
    for (int source : {0, 1, 2}) {
        g_LangSource = source;
        CDialogSetup d(0, nullptr, &app);
        OnModal([&](ui::Dialog& w) {
            EXPECT_FALSE(w.GetDlgItem(IDC_SETUP_NOSIGNAL_MUTE)->IsWindowVisible());
            EXPECT_FALSE(w.GetDlgItem(IDC_SETUP_MUTE_LABEL)->IsWindowVisible());
            EXPECT_EQ(d.LanguageList().GetCurSel(), source);
            EXPECT_EQ(d.LanguageList().GetLBText(0), "Auto");
            hl.KeyPress(ui::VK_ESCAPE);
        });
        d.DoModal();
    }
    g_LangSource = 0;
}

// The language file's places in a temporary folder: the user's configuration folder first, then the current
// directory's.
class LanguageFileTest : public ::testing::Test {
  public:
    LanguageFileTest() {
        root = fs::temp_directory_path() / ("langfile-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root / "cwd");
        places = {(root / "config" / "DspLanguage.ini").string(), (root / "cwd" / "DspLanguage.ini").string()};
    }
    ~LanguageFileTest() override { fs::remove_all(root); }
    void Write(int place, std::string bytes) {
        fs::create_directories(fs::path(places[place]).parent_path());
        std::ofstream(places[place], std::ios::binary) << bytes;
    }
    std::optional<std::string> Read(int place) const {
        std::ifstream in(places[place], std::ios::binary);
        if (!in || fs::is_directory(places[place])) return std::nullopt;
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // A directory by the file's name, not empty: neither written nor deleted, whoever runs the test.
    void Block(int place) { fs::create_directories(fs::path(places[place]) / "inside"); }

    fs::path root;
    std::vector<std::string> places;
};

TEST_F(LanguageFileTest, AChoiceTakesEffectOrNamesThePlaceInTheWay) {
    const std::string zh("\x04\x08", 2), en("\x09\x04", 2);
    struct Case {
        const char* name;
        std::function<void(LanguageFileTest&)> before;
        std::optional<sys::LangId> choice;
        bool takesEffect;
        std::optional<std::string> first, second;
    } cases[] = {
        {"none, Chinese", [](auto&) {}, sys::kLangChinese, true, zh, std::nullopt},
        {"none, English", [](auto&) {}, sys::kLangEnglish, true, en, std::nullopt},
        {"none, Auto", [](auto&) {}, std::nullopt, true, std::nullopt, std::nullopt},
        {"one, Auto", [&](auto& t) { t.Write(1, en); }, std::nullopt, true, std::nullopt, std::nullopt},
        {"two, Auto deletes both", [&](auto& t) { t.Write(0, zh), t.Write(1, en); }, std::nullopt, true,
         std::nullopt, std::nullopt},
        {"two, English replaces the first only", [&](auto& t) { t.Write(0, zh), t.Write(1, zh); },
         sys::kLangEnglish, true, en, zh},
        {"first blocked, English goes to the second but the first is read", [](auto& t) { t.Block(0); },
         sys::kLangEnglish, false, std::nullopt, en},
        // What cannot be read counts as no file, which is what "Auto" asks for.
        {"first blocked, Auto", [](auto& t) { t.Block(0); }, std::nullopt, true, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(root / "config");
        fs::remove_all(root / "cwd");
        fs::create_directories(root / "cwd");
        c.before(*this);
        const dialogs::LanguageChoiceResult result = dialogs::ApplyLanguageChoice(places, c.choice);
        EXPECT_EQ(result.takesEffect, c.takesEffect);
        if (!c.takesEffect) {
            EXPECT_NE(result.report.find(places[0]), std::string::npos) << result.report;
        }
        EXPECT_EQ(Read(0), c.first);
        EXPECT_EQ(Read(1), c.second);
        EXPECT_EQ(sys::ReadLanguageFile(places) == c.choice, c.takesEffect);
    }
    // A missing configuration folder is created for the user alone.
    fs::remove_all(root / "config");
    EXPECT_TRUE(dialogs::ApplyLanguageChoice(places, sys::kLangChinese).takesEffect);
    EXPECT_EQ(fs::status(root / "config").permissions() & fs::perms::all, fs::perms::owner_all);
}

class SetupLanguageTest : public SetupTest {};

TEST_F(SetupLanguageTest, EveryChoiceShowsTheRestartMessageOnceOrTheReasonItFailed) {
    const fs::path dir = fs::temp_directory_path() / ("setuplang-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::vector<std::string> places = {(dir / "DspLanguage.ini").string()};
    struct Case {
        int item;
        bool blocked;
        bool restartMessage;
    } cases[] = {{1, false, true}, {2, false, true}, {0, false, true}, {1, true, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        if (c.blocked) fs::create_directories(dir / "DspLanguage.ini" / "inside");
        CDialogSetup d(0, nullptr, &app);
        d.SetLanguageFileCandidates(places);
        OnModal([&](ui::Dialog& w) {
            d.LanguageList().SetCurSel(c.item);
            w.SendMessage(ui::WM_COMMAND, ui::MAKEWPARAM(IDC_SETUP_LANGUAGE, ui::CBN_SELCHANGE),
                          ui::LPARAM(&d.LanguageList()));
            hl.KeyPress(ui::VK_ESCAPE);
        });
        const size_t before = boxes.Boxes().size();
        d.DoModal();
        ASSERT_EQ(boxes.Boxes().size(), before + 1);
        const std::string& text = boxes.Boxes().back().text;
        if (c.restartMessage)
            EXPECT_EQ(text, res::LoadUiString(dialogs::IDS_RESTART_TO_APPLY));
        else
            EXPECT_NE(text.find(places[0]), std::string::npos) << text;
    }
    fs::remove_all(dir);
}

}  // namespace
