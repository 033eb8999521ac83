#include "files/replacingfile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "testsupport.h"

namespace {

int Entries(const std::string& dir) {
    int n = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir)) ++n;
    return n;
}

TEST(ReplacingFileTest, CreatesAndReplaces) {
    files_test::ScratchDir dir;
    const std::string path = dir.Path("a.txt");
    ASSERT_TRUE(files::WriteFileReplacing(path, "first").ok);
    EXPECT_EQ(files_test::ReadAll(path), "first");
    chmod(path.c_str(), 0640);
    ASSERT_TRUE(files::WriteFileReplacing(path, std::string("x\0y", 3)).ok);
    EXPECT_EQ(files_test::ReadAll(path), std::string("x\0y", 3));
    struct stat st {};
    stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u) << "an existing file keeps its permissions";
    EXPECT_EQ(Entries(dir.Path("")), 1);
}

TEST(ReplacingFileTest, WritesThroughALink) {
    files_test::ScratchDir dir;
    const std::string target = dir.Path("target.txt");
    const std::string link = dir.Path("link.txt");
    files_test::WriteAll(target, "old");
    ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);
    ASSERT_TRUE(files::WriteFileReplacing(link, "new").ok);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(files_test::ReadAll(target), "new");
}

TEST(ReplacingFileTest, FailuresLeaveNothingBehind) {
    files_test::ScratchDir dir;
    std::filesystem::create_directory(dir.Path("folder"));
    const std::string cases[] = {dir.Path("folder"), dir.Path("missing/a.txt"), ""};
    for (const std::string& path : cases) {
        const files::WriteResult r = files::WriteFileReplacing(path, "bytes");
        EXPECT_FALSE(r.ok) << path;
        EXPECT_FALSE(r.error.empty()) << path;
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path("folder")));
    EXPECT_EQ(Entries(dir.Path("")), 1);
}

}  // namespace
