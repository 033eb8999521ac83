#include "files/numbertext.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

namespace {

TEST(NumberTextTest, ScanIntLikeScanfD) {
    struct Case {
        const char* text;
        std::optional<int> value;
    } cases[] = {
        {"19", 19},
        {"  -42", -42},
        {"+7", 7},
        {"\t\v\f\n 5", 5},
        {"12abc", 12},
        {"0.000000", 0},
        {"007", 7},
        {"-0", 0},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999999", std::nullopt},
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"-", std::nullopt},
        {"+ 5", std::nullopt},
        {"\xFF"
         "19",
         std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(files::ScanInt(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberTextTest, ScanDoubleLikeScanfLf) {
    struct Case {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"4.320000", 4.32},      {" 0.5", 0.5},      {"-1.25", -1.25},      {"+2", 2.0},
        {"1e1", 10.0},           {".5", 0.5},        {"5.", 5.0},           {"0x1p3", 8.0},
        {"3.5abc", 3.5},         {"", std::nullopt}, {"abc", std::nullopt}, {"-", std::nullopt},
        {"1e999", std::nullopt}, {"--0.5", std::nullopt}, {"+-5", std::nullopt}, {"-+5", std::nullopt},
        {"++1", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(files::ScanDouble(c.text), c.value) << '"' << c.text << '"';
    EXPECT_TRUE(std::isnan(*files::ScanDouble("nan")));
    EXPECT_TRUE(std::isinf(*files::ScanDouble("-inf")));
}

TEST(NumberTextTest, FormatIgnoresTheLocale) {
    // A locale with a decimal comma, where one is installed, must not change the file's numbers.
    const char* old = std::setlocale(LC_ALL, nullptr);
    const std::string saved = old ? old : "C";
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    std::string out;
    files::AppendFixed6(out, 0.5);
    out += ' ';
    files::AppendFixed6(out, 4.32);
    out += ' ';
    files::AppendInt(out, -2147483648LL);
    out += ' ';
    files::AppendHexByte(out, 0xC4);
    files::AppendHexByte(out, 0x05);
    EXPECT_EQ(out, "0.500000 4.320000 -2147483648 0xc40x05");
    EXPECT_EQ(files::ScanDouble("4.5"), 4.5);
    std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
