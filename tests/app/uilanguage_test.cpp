#include "app/uilanguage.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

namespace {

namespace fs = std::filesystem;
using app::ChooseUiLanguage;
using app::UiLanguage;

// Three places for the language file: $XDG_CONFIG_HOME, $HOME/.config and the current directory, each in a
// fresh temporary tree; the test runs inside the current-directory one.
class UiLanguageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("dsp-lang-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "xdg");
        fs::create_directories(root_ / "home" / ".config");
        fs::create_directories(root_ / "cwd");
        old_cwd_ = fs::current_path();
        fs::current_path(root_ / "cwd");
    }
    void TearDown() override {
        fs::current_path(old_cwd_);
        fs::remove_all(root_);
    }
    fs::path Xdg() const { return root_ / "xdg" / "DspLanguage.ini"; }
    fs::path Home() const { return root_ / "home" / ".config" / "DspLanguage.ini"; }
    fs::path Cwd() const { return root_ / "cwd" / "DspLanguage.ini"; }
    static void Write(const fs::path& p, std::string bytes) { std::ofstream(p, std::ios::binary) << bytes; }
    UiLanguage Choose(const std::string& lang) const {
        return ChooseUiLanguage(sys::MapEnvironment({{"XDG_CONFIG_HOME", (root_ / "xdg").string()},
                                                     {"HOME", (root_ / "home").string()},
                                                     {"LANG", lang}}));
    }

    fs::path root_, old_cwd_;
};

const std::string kEnglish("\x09\x04", 2);
const std::string kChinese("\x04\x08", 2);

TEST_F(UiLanguageTest, NoFileTheSystemDecides) {
    EXPECT_EQ(Choose("zh_CN.UTF-8"), (UiLanguage{2052, 0}));
    EXPECT_EQ(Choose("en_US.UTF-8"), (UiLanguage{1033, 0}));
    EXPECT_EQ(Choose("de_DE.UTF-8"), (UiLanguage{1033, 0}));
}

struct FileCase {
    const char* rule;
    std::string bytes;
    UiLanguage chosen;  // on a Chinese system
};

TEST_F(UiLanguageTest, FileContents) {
    const FileCase cases[] = {
        {"two bytes of 1033: English from the file", kEnglish, {1033, 2}},
        {"two bytes of 2052: Chinese from the file", kChinese, {2052, 1}},
        {"empty file counts as none", "", {2052, 0}},
        {"one byte counts as none", "\x09", {2052, 0}},
        {"another value counts as none", std::string("\x11\x04", 2), {2052, 0}},
        {"bytes the wrong way round count as none", std::string("\x04\x09", 2), {2052, 0}},
        {"longer file: the first two bytes choose", kEnglish + "xyz", {1033, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        Write(Xdg(), c.bytes);
        EXPECT_EQ(Choose("zh_CN.UTF-8"), c.chosen);
    }
}

// A FIFO or a device where the reader looks never holds up start-up: it counts as no file, and the later
// places are not looked at.
TEST_F(UiLanguageTest, NotARegularFileCountsAsNone) {
    struct Case {
        const char* what;
        std::function<void(const fs::path&)> make;
    } cases[] = {
        {"a FIFO without a writer", [](const fs::path& p) { ASSERT_EQ(mkfifo(p.c_str(), 0600), 0); }},
        {"a link to /dev/zero", [](const fs::path& p) { ASSERT_EQ(symlink("/dev/zero", p.c_str()), 0); }},
        {"a directory", [](const fs::path& p) { ASSERT_TRUE(fs::create_directory(p)); }},
    };
    Write(Cwd(), kEnglish);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(Xdg());
        c.make(Xdg());
        EXPECT_EQ(Choose("zh_CN.UTF-8"), (UiLanguage{2052, 0}));
    }
}

TEST_F(UiLanguageTest, FirstExistingPlaceWinsAndIsTheOnlyOneRead) {
    Write(Home(), kEnglish);
    Write(Cwd(), kChinese);
    EXPECT_EQ(Choose("zh_CN"), (UiLanguage{1033, 2})) << "~/.config before the current directory";
    Write(Xdg(), kChinese);
    EXPECT_EQ(Choose("en_US"), (UiLanguage{2052, 1})) << "$XDG_CONFIG_HOME first";
    Write(Xdg(), "\x01");
    EXPECT_EQ(Choose("en_US"), (UiLanguage{1033, 0})) << "a bad first file is not passed over";
    fs::remove(Xdg());
    fs::remove(Home());
    EXPECT_EQ(Choose("en_US"), (UiLanguage{2052, 1})) << "the current directory last";
}

TEST_F(UiLanguageTest, FileThatDoesNotReadCountsAsNone) {
    fs::create_directories(Xdg());  // exists, but is no file
    Write(Home(), kChinese);
    EXPECT_EQ(Choose("en_US"), (UiLanguage{1033, 0}));
}

}  // namespace
