#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "editing/valuetext.h"
#include "modelfixture.h"

namespace {

// Under a locale whose decimal point is a comma, the texts must read and print exactly as in the C locale.
class CommaLocaleTest : public ModelTest {
  protected:
    void SetUp() override {
        ModelTest::SetUp();
        dir_ = std::filesystem::temp_directory_path() / ("dsp-locale-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
        const std::string cmd =
            "localedef -i de_DE -f UTF-8 '" + (dir_ / "de_DE.UTF-8").string() + "' >/dev/null 2>&1";
        // localedef reports warnings through its exit code; what counts is whether the locale was written.
        (void)std::system(cmd.c_str());
        if (!std::filesystem::exists(dir_ / "de_DE.UTF-8"))
            GTEST_SKIP() << "localedef cannot build de_DE here";
        ::setenv("LOCPATH", dir_.c_str(), 1);
        if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE locale unavailable";
        char buf[16];
        std::snprintf(buf, sizeof buf, "%.1f", 1.5);
        ASSERT_STREQ(buf, "1,5") << "the locale must really use a comma";
    }
    void TearDown() override {
        std::setlocale(LC_ALL, "C");
        ::unsetenv("LOCPATH");
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
        ModelTest::TearDown();
    }
    std::filesystem::path dir_;
};

TEST_F(CommaLocaleTest, TextsIgnoreTheLocale) {
    EXPECT_EQ(editing::SetBandGainFromText(0, "3.5"), 1);
    EXPECT_EQ(g_EqGain[0][0], 115);
    EXPECT_EQ(editing::SetBandGainFromText(0, "3,5"), 0);
    std::string text;
    editing::FormatEqGain(text, 0);
    EXPECT_EQ(text, "3.5");

    EXPECT_TRUE(editing::SetBandQFromText(0, "4.3"));
    EXPECT_EQ(g_EqQ[0][0], 4.3);
    EXPECT_FALSE(editing::SetBandQFromText(0, "4,4"));

    EXPECT_EQ(editing::ParseGainText("-12.5", 0, 0), 1);
    editing::FormatChannelGain(text, 0);
    EXPECT_EQ(text, "-12.5dB");

    int delay = 0;
    text = "0.5";
    EXPECT_EQ(editing::ParseDelayText(&delay, text, false), 1);
    EXPECT_EQ(delay, 24);
    EXPECT_EQ(text, "0.500");
    text = "0,5";
    EXPECT_EQ(editing::ParseDelayText(&delay, text, false), 0);
}

}  // namespace
