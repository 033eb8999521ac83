#include "files/mcuexport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <vector>

#include "device/channelmodel.h"
#include "device/images.h"
#include "device/names.h"
#include "files/modename.h"
#include "testsupport.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    return files_test::SplitLines(text);
}

std::vector<std::uint8_t> Pattern(std::size_t n) {
    std::vector<std::uint8_t> bytes(n);
    for (std::size_t i = 0; i < n; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
    return bytes;
}

class McuExportTest : public ::testing::Test {
  protected:
    void SetUp() override { files_test::ResetModel(); }
    files_test::ScratchDir dir_;
};

TEST_F(McuExportTest, DeviceImageText) {
    const auto image = Pattern(3168);
    const auto lines = Lines(files::BuildDeviceImageExportText(image));
    ASSERT_EQ(lines.size(), 3u + 317u + 1u);
    EXPECT_EQ(lines[0], "//#define EQ_USER_PARA_NUM                 3163");
    EXPECT_EQ(lines[1], "const unsigned char EqUser[EQ_USER_PARA_NUM] =");
    EXPECT_EQ(lines[2], "{");
    EXPECT_EQ(lines[3], "0x03, 0x0a, 0x11, 0x18, 0x1f, 0x26, 0x2d, 0x34, 0x3b, 0x42, ");
    for (int row = 0; row < 316; ++row) EXPECT_EQ(lines[3 + row].size(), 60u) << row;
    // bytes 3160..3162: (i * 7 + 3) mod 256
    EXPECT_EQ(lines[319], "0x6b, 0x72, 0x79");
    EXPECT_EQ(lines[320], "};");
}

TEST_F(McuExportTest, RoutingImageText) {
    const auto image = Pattern(405);
    const auto lines = Lines(files::BuildRoutingImageExportText(image));
    ASSERT_EQ(lines.size(), 3u + 41u + 1u);
    EXPECT_EQ(lines[0], "//#define SAVE_PARA_2_END                 405");
    EXPECT_EQ(lines[1], "const unsigned char EqUser2[SAVE_PARA_2_END] =");
    for (int row = 0; row < 40; ++row) EXPECT_EQ(lines[3 + row].size(), 60u) << row;
    EXPECT_EQ(lines[43], "0xf3, 0xfa, 0x01, 0x08, 0x0f");  // bytes 400..404
    EXPECT_EQ(lines[44], "};");
}

TEST_F(McuExportTest, NameFileBytes) {
    std::array<std::uint8_t, 20> name{'C', 'l', 'u', 'b'};
    name[4] = 0xC4;
    const std::string bytes = files::BuildNameExportBytes(name);
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        ASSERT_EQ(bytes[i + 1], '\0');
        text += bytes[i];
    }
    EXPECT_EQ(
        text,
        "{0x43, 0x6c, 0x75, 0x62, 0xc4, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, "
        "0x00, 0x00, 0x00, 0x00}");
}

TEST_F(McuExportTest, WritesThreeFilesAndCountsNameFiles) {
    const std::string chosen = dir_.Path("UserEq.c");
    const auto dev = Pattern(3163);
    const auto rout = Pattern(405);
    const files::ExportResult r = files::ExportImageFiles(chosen, dev, rout);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(files_test::ReadAll(chosen), files::BuildDeviceImageExportText(dev));
    EXPECT_EQ(files_test::ReadAll(dir_.Path("UserEq.c2")), files::BuildRoutingImageExportText(rout));

    std::array<std::uint8_t, 20> name{'A'};
    EXPECT_TRUE(files::ExportNameFile(chosen, name).ok);
    EXPECT_EQ(files_test::ReadAll(dir_.Path("Name1.c")), files::BuildNameExportBytes(name));
    // A name file that cannot be written is reported, and the number is used up all the same.
    const files::ExportResult failed = files::ExportNameFile(dir_.Path("gone/UserEq.c"), name);
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.failedPath, dir_.Path("gone/Name2.c"));
    EXPECT_TRUE(files::ExportNameFile(chosen, name).ok);
    EXPECT_EQ(files_test::ReadAll(dir_.Path("Name3.c")), files::BuildNameExportBytes(name));
    EXPECT_EQ(files::NameExportPath("UserEq.c", 4), "Name4.c");  // no folder: beside the chosen file
}

TEST_F(McuExportTest, FailedImageFileStopsTheExport) {
    const std::string chosen = dir_.Path("missing/UserEq.c");
    const files::ExportResult r = files::ExportImageFiles(chosen, Pattern(3163), Pattern(405));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.failedPath, chosen);
    EXPECT_FALSE(r.error.empty());
}

}  // namespace

namespace {

TEST_F(McuExportTest, ExportPacksTheModelAndNamesTheSlot) {
    g_ChannelGain[0] = 123;
    g_RoutingMask[2] = 0x541;
    const std::string chosen = dir_.Path("UserEq.c");
    std::array<int, kChannels> delays{};
    delays[0] = 77;
    ASSERT_TRUE(files::ExportMcuImages(chosen, delays, 0x3).ok);
    std::string device;
    std::string routing;
    {
        std::lock_guard lock(g_ImageMutex);
        device = files::BuildDeviceImageExportText(g_DeviceImage);
        routing = files::BuildRoutingImageExportText(g_RoutingImage);
        EXPECT_NE(std::count(std::begin(g_DeviceImage), std::end(g_DeviceImage), 0), EQ_USER_PARA_NUM);
    }
    EXPECT_EQ(files_test::ReadAll(chosen), device);
    EXPECT_EQ(files_test::ReadAll(dir_.Path("UserEq.c2")), routing);

    ASSERT_TRUE(files::StoreModeName(7, "Club"));
    ASSERT_TRUE(files::ExportModeNameFile(chosen, 7).ok);
    std::array<std::uint8_t, 20> club{'C', 'l', 'u', 'b'};
    EXPECT_EQ(files_test::ReadAll(dir_.Path("Name1.c")), files::BuildNameExportBytes(club));
    EXPECT_FALSE(files::ExportModeNameFile(chosen, 8).ok);
}

TEST(ModeNameTest, StoredAsGbkWithoutOverrun) {
    files_test::ResetModel();
    struct Case {
        const char* name;
        std::string bytes;  // the 20-byte row
    } cases[] = {
        {"Club", std::string("Club") + std::string(16, '\0')},
        {"", std::string(20, '\0')},
        {"\xE5\xBD\x93\xE5\x89\x8D",
         std::string("\xB5\xB1\xC7\xB0") + std::string(16, '\0')},  // two characters
        // ten two-byte characters fill the field
        {"\xE4\xB8\x80\xE4\xB8\x80\xE4\xB8\x80\xE4\xB8\x80\xE4\xB8\x80\xE4\xB8\x80\xE4\xB8\x80\xE4\xB8\x80"
         "\xE4\xB8\x80\xE4\xB8\x80",
         [] {
             std::string s;
             for (int i = 0; i < 10; ++i) s += "\xD2\xBB";
             return s;
         }()},
        // an eleventh is cut whole, never halved
        {"A\xE4\xB8\x80\xE4\xB8\x80\xE4\xB8\x80\xE4\xB8\x80\xE4\xB8\x80\xE4\xB8\x80\xE4\xB8\x80\xE4\xB8\x80"
         "\xE4\xB8\x80\xE4\xB8\x80",
         [] {
             std::string s = "A";
             for (int i = 0; i < 9; ++i) s += "\xD2\xBB";
             return s + '\0';
         }()},
    };
    for (const Case& c : cases) {
        {
            std::lock_guard lock(g_NameMutex);
            std::memset(g_ModeNames[3], 'x', sizeof g_ModeNames[3]);
        }
        ASSERT_TRUE(files::StoreModeName(3, c.name));
        std::lock_guard lock(g_NameMutex);
        EXPECT_EQ(std::string(g_ModeNames[3], 20), c.bytes) << c.name;
        EXPECT_EQ(g_ModeNames[3][20], '\0');
    }
    EXPECT_FALSE(files::StoreModeName(8, "x"));
    EXPECT_FALSE(files::StoreModeName(-1, "x"));
}

}  // namespace
