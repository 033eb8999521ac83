#include "platform/sys/regularfile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

class RegularFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "regularfile-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Write(const std::string& name, const std::string& bytes) const {
        const std::string path = (dir_ / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    fs::path dir_;
};

TEST_F(RegularFileTest, LimitCutsOrRefuses) {
    const std::string path = Write("f", "abcdef");
    struct Case {
        std::size_t limit;
        sys::OverLimit over;
        bool ok;
        const char* bytes;
    } cases[] = {
        {6, sys::OverLimit::kCut, true, "abcdef"},    {100, sys::OverLimit::kCut, true, "abcdef"},
        {2, sys::OverLimit::kCut, true, "ab"},        {0, sys::OverLimit::kCut, true, ""},
        {6, sys::OverLimit::kRefuse, true, "abcdef"}, {5, sys::OverLimit::kRefuse, false, ""},
    };
    for (const Case& c : cases) {
        std::string bytes = "stale", error;
        EXPECT_EQ(sys::ReadRegularFile(path, c.limit, c.over, bytes, error), c.ok) << c.limit;
        EXPECT_EQ(bytes, c.bytes) << c.limit;
        EXPECT_EQ(error.empty(), c.ok) << error;
    }
}

TEST_F(RegularFileTest, RefusalsNameThePathAndTheReason) {
    const std::string fifo = (dir_ / "fifo").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    // A FIFO with a writer and data waiting is refused all the same: nothing says it ever ends.
    const int writer = open(fifo.c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(writer, 0);
    ASSERT_EQ(write(writer, "xy", 2), 2);
    struct Case {
        std::string path;
        const char* reason;
    } cases[] = {
        {fifo, "it is a FIFO, not a regular file"},
        {"/dev/zero", "it is a character device, not a regular file"},
        {dir_.string(), "it is a directory, not a regular file"},
        {(dir_ / "missing").string(), "No such file or directory"},
    };
    for (const Case& c : cases) {
        std::string bytes, error;
        EXPECT_FALSE(sys::ReadRegularFile(c.path, 1000, sys::OverLimit::kCut, bytes, error)) << c.path;
        EXPECT_TRUE(bytes.empty());
        EXPECT_NE(error.find(c.path), std::string::npos) << error;
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
    }
    close(writer);
}

}  // namespace
