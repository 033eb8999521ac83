#include "files/firmwarefile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <vector>

#include "device/firmwarestate.h"
#include "device/status.h"
#include "testsupport.h"

namespace {

TEST(FirmwareNameTest, NamesByModel) {
    struct Case {
        int model;
        std::vector<std::string_view> names;
    } cases[] = {
        {1, {"system_K412.img", "system_K75.img"}},
        {2, {"system_K41H.img"}},
        {3, {"system_K41F.img"}},
        {4, {"system_K41F_9.img"}},
        {5, {"system_K418_3.img"}},
        {6, {"system_K31_5.img"}},
        {7, {"system_K41F_7.img"}},
        {8, {"system_K41H_E.img"}},
        {9, {"system_K41H_G.img"}},
        {0, {}},
        {10, {}},
    };
    for (const Case& c : cases) {
        auto names = files::FirmwareNamesForModel(c.model);
        EXPECT_EQ(std::vector<std::string_view>(names.begin(), names.end()), c.names) << c.model;
    }
}

TEST(FirmwareNameTest, NameTest) {
    struct Case {
        const char* name;
        int model;
        bool acceptAny;
        bool accepted;
    } cases[] = {
        {"system_K412.img", 1, false, true},   {"system_K75.img", 1, false, true},
        {"system_k412.img", 1, false, false},  {"system_K41H.img", 3, false, false},
        {"system_K41H.img", 3, true, true},    {"system_K41H_G.img", 9, false, true},
        {"system_K41H.img ", 2, false, false}, {"other.img", 1, true, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(files::IsFirmwareNameAccepted(c.name, c.model, c.acceptAny), c.accepted) << c.name;
    }
    EXPECT_EQ(files::FileNameOf("/a/b/system_K75.img"), "system_K75.img");
    EXPECT_EQ(files::FileNameOf("system_K75.img"), "system_K75.img");
}

TEST(FirmwareNameTest, SumCheck) {
    struct Case {
        std::vector<std::uint8_t> bytes;
        bool ok;
    } cases[] = {
        {{1, 2, 3, 6}, true}, {{1, 2, 3, 7}, false}, {{0xFF, 0x01, 0x00}, true},
        {{0x00, 0x00}, true}, {{0x05}, false},       {{}, false},
    };
    for (const Case& c : cases) EXPECT_EQ(files::FirmwareChecksumOk(c.bytes), c.ok) << c.bytes.size();
}

class FirmwareLoadTest : public ::testing::Test {
  protected:
    // A file of `size` zero bytes that takes no room on the disk.
    static void MakeSparse(const std::string& path, std::size_t size) {
        const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        ASSERT_GE(fd, 0);
        EXPECT_EQ(ftruncate(fd, static_cast<off_t>(size)), 0);
        close(fd);
    }
    void SetUp() override { files_test::ResetModel(); }
    void TearDown() override { files_test::ResetModel(); }
    std::string Make(const std::string& name, std::vector<std::uint8_t> bytes) {
        const std::string path = dir_.Path(name);
        files_test::WriteAll(path, std::string(bytes.begin(), bytes.end()));
        return path;
    }
    static std::string LoadedPath() {
        std::lock_guard lock(g_FirmwareMutex);
        return g_FirmwarePath;
    }
    static std::vector<std::uint8_t> LoadedImage() {
        std::lock_guard lock(g_FirmwareMutex);
        return g_FirmwareImage;
    }
    files_test::ScratchDir dir_;
};

TEST_F(FirmwareLoadTest, GoodFileIsHeld) {
    g_DeviceModel = 1;
    const std::string path = Make("system_K75.img", {1, 2, 3, 6});
    const files::FirmwareLoadResult r = files::LoadFirmwareFile(path);
    EXPECT_EQ(r.status, files::FirmwareLoadStatus::kLoaded);
    EXPECT_EQ(r.messageId, 0);
    EXPECT_EQ(LoadedPath(), path);
    EXPECT_EQ(LoadedImage(), (std::vector<std::uint8_t>{1, 2, 3, 6}));
    EXPECT_EQ(g_FirmwareChecksum.load(), 6);
}

TEST_F(FirmwareLoadTest, WrongNameKeepsThePreviousFile) {
    g_DeviceModel = 3;
    const std::string good = Make("system_K41F.img", {0xFF, 0x01, 0x00});
    ASSERT_EQ(files::LoadFirmwareFile(good).status, files::FirmwareLoadStatus::kLoaded);
    const files::FirmwareLoadResult r = files::LoadFirmwareFile(Make("system_K41H.img", {1, 1}));
    EXPECT_EQ(r.status, files::FirmwareLoadStatus::kWrongName);
    EXPECT_EQ(r.messageId, files::kStrFirmwareWrongName);
    EXPECT_EQ(LoadedPath(), good);
    EXPECT_EQ(LoadedImage().size(), 3u);
    // The choice that follows "Please import the upgrade file." takes any model's name.
    EXPECT_EQ(files::LoadFirmwareFile(dir_.Path("system_K41H.img"), true).status,
              files::FirmwareLoadStatus::kLoaded);
}

TEST_F(FirmwareLoadTest, FailedFilesUnload) {
    g_DeviceModel = 2;
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        bool create;
        files::FirmwareLoadStatus status;
        int messageId;
    } cases[] = {
        {"wrong sum", {1, 2, 3, 7}, true, files::FirmwareLoadStatus::kWrongChecksum, 155},
        {"one byte", {0}, true, files::FirmwareLoadStatus::kWrongChecksum, 155},
        {"empty", {}, true, files::FirmwareLoadStatus::kWrongChecksum, 155},
        {"missing", {}, false, files::FirmwareLoadStatus::kOpenFailed, 0},
    };
    const std::string path = dir_.Path("system_K41H.img");
    for (const Case& c : cases) {
        files_test::WriteAll(path, std::string{1, 2, 3, 6});
        ASSERT_EQ(files::LoadFirmwareFile(path).status, files::FirmwareLoadStatus::kLoaded);
        if (c.create) {
            files_test::WriteAll(path, std::string(c.bytes.begin(), c.bytes.end()));
        } else {
            std::remove(path.c_str());
        }
        const files::FirmwareLoadResult r = files::LoadFirmwareFile(path);
        EXPECT_EQ(r.status, c.status) << c.what;
        EXPECT_EQ(r.messageId, c.messageId) << c.what;
        EXPECT_EQ(LoadedPath(), "") << c.what;
        EXPECT_TRUE(LoadedImage().empty()) << c.what;
    }
}

// A path chosen in the file dialog may name anything. None of these may block or be read: each is refused
// with the reason, and the previous file is unloaded as for any failed file.
TEST_F(FirmwareLoadTest, OnlyRegularFilesAreRead) {
    g_DeviceModel = 2;
    const std::string path = dir_.Path("system_K41H.img");
    struct Case {
        const char* what;
        std::function<void()> make;
        const char* reason;
    } cases[] = {
        {"a FIFO without a writer", [&] { ASSERT_EQ(mkfifo(path.c_str(), 0600), 0); }, "a FIFO"},
        {"a link to /dev/zero", [&] { ASSERT_EQ(symlink("/dev/zero", path.c_str()), 0); },
         "character device"},
        {"a link to /dev/null", [&] { ASSERT_EQ(symlink("/dev/null", path.c_str()), 0); },
         "character device"},
        {"a directory", [&] { ASSERT_TRUE(std::filesystem::create_directory(path)); }, "a directory"},
        {"a sparse file one byte over the limit", [&] { MakeSparse(path, files::kFirmwareFileLimit + 1); },
         "larger than 3669961 bytes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(path);
        files_test::WriteAll(path, std::string{1, 2, 3, 6});
        ASSERT_EQ(files::LoadFirmwareFile(path).status, files::FirmwareLoadStatus::kLoaded);
        std::filesystem::remove_all(path);
        c.make();
        const files::FirmwareLoadResult r = files::LoadFirmwareFile(path);
        EXPECT_EQ(r.status, files::FirmwareLoadStatus::kOpenFailed);
        EXPECT_NE(r.error.find(path), std::string::npos) << r.error;
        EXPECT_NE(r.error.find(c.reason), std::string::npos) << r.error;
        EXPECT_EQ(LoadedPath(), "");
        EXPECT_TRUE(LoadedImage().empty());
    }
}

TEST_F(FirmwareLoadTest, AFileAtTheLimitIsRead) {
    // 65,535 USB blocks of zeros and a zero checksum: the largest image a transfer can carry, since FF FF ends
    // it.
    g_DeviceModel = 2;
    const std::string path = dir_.Path("system_K41H.img");
    MakeSparse(path, files::kFirmwareFileLimit);
    EXPECT_EQ(files::LoadFirmwareFile(path).status, files::FirmwareLoadStatus::kLoaded);
    EXPECT_EQ(LoadedImage().size(), files::kFirmwareFileLimit);
}

}  // namespace
