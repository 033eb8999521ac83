#include "platform/sys/instancelock.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace sys {
namespace {

class InstanceLockTest : public testing::Test {
  protected:
    void SetUp() override {
        char tmpl[] = "/tmp/instancelock-test-XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir_ = tmpl;
        path_ = dir_ + "/console.lock";
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    // Runs TryAcquire on the path in a child process and returns its result.
    InstanceLock::Result TryInChild() {
        pid_t pid = fork();
        EXPECT_GE(pid, 0);
        if (pid < 0) return InstanceLock::Result::kError;
        if (pid == 0) {
            InstanceLock lock(path_);
            _exit(static_cast<int>(lock.TryAcquire()));
        }
        int status = 0;
        EXPECT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status));
        return static_cast<InstanceLock::Result>(WEXITSTATUS(status));
    }

    std::string dir_;
    std::string path_;
};

TEST_F(InstanceLockTest, SecondProcessIsRefusedWhileTheFirstHoldsTheLock) {
    InstanceLock lock(path_);
    ASSERT_EQ(lock.TryAcquire(), InstanceLock::Result::kAcquired);
    EXPECT_TRUE(lock.Held());
    EXPECT_EQ(TryInChild(), InstanceLock::Result::kHeldByOther);
    lock.Release();
    EXPECT_FALSE(lock.Held());
    EXPECT_EQ(TryInChild(), InstanceLock::Result::kAcquired);
}

TEST_F(InstanceLockTest, KernelReleasesTheLockWhenTheHolderIsKilled) {
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    pid_t holder = fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        close(ready[0]);
        InstanceLock lock(path_);
        char ok = lock.TryAcquire() == InstanceLock::Result::kAcquired ? '1' : '0';
        if (write(ready[1], &ok, 1) != 1) _exit(2);
        for (;;) pause();
    }
    close(ready[1]);
    char ok = 0;
    ASSERT_EQ(read(ready[0], &ok, 1), 1);
    close(ready[0]);
    ASSERT_EQ(ok, '1');

    InstanceLock second(path_);
    EXPECT_EQ(second.TryAcquire(), InstanceLock::Result::kHeldByOther);

    kill(holder, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(holder, &status, 0), holder);
    EXPECT_EQ(second.TryAcquire(), InstanceLock::Result::kAcquired);
}

TEST_F(InstanceLockTest, TwoObjectsInOneProcessExcludeEachOther) {
    // flock locks belong to the open file description, not to the process.
    InstanceLock first(path_);
    InstanceLock second(path_);
    ASSERT_EQ(first.TryAcquire(), InstanceLock::Result::kAcquired);
    EXPECT_EQ(first.TryAcquire(), InstanceLock::Result::kAcquired);
    EXPECT_EQ(second.TryAcquire(), InstanceLock::Result::kHeldByOther);
    EXPECT_FALSE(second.Held());
    first.Release();
    EXPECT_EQ(second.TryAcquire(), InstanceLock::Result::kAcquired);
}

TEST_F(InstanceLockTest, UnusablePathIsAnError) {
    InstanceLock missing_dir(dir_ + "/no/such/dir/console.lock");
    EXPECT_EQ(missing_dir.TryAcquire(), InstanceLock::Result::kError);
    EXPECT_FALSE(missing_dir.Held());

    std::filesystem::create_symlink(dir_ + "/elsewhere", path_);
    InstanceLock symlink(path_);
    EXPECT_EQ(symlink.TryAcquire(), InstanceLock::Result::kError);
    EXPECT_FALSE(std::filesystem::exists(dir_ + "/elsewhere"));
}

TEST(InstanceLockPath, RuntimeDirOrPerUserFileInTmp) {
    EXPECT_EQ(InstanceLock::DefaultPath(MapEnvironment({{"XDG_RUNTIME_DIR", "/run/user/1000/"}}), "prog"),
              "/run/user/1000/prog.lock");
    const std::string tmp = "/tmp/prog-" + std::to_string(getuid()) + ".lock";
    EXPECT_EQ(InstanceLock::DefaultPath(MapEnvironment({}), "prog"), tmp);
    EXPECT_EQ(InstanceLock::DefaultPath(MapEnvironment({{"XDG_RUNTIME_DIR", ""}}), "prog"), tmp);
    EXPECT_EQ(InstanceLock::DefaultPath(MapEnvironment({{"XDG_RUNTIME_DIR", "relative"}}), "prog"), tmp);
}

}  // namespace
}  // namespace sys
