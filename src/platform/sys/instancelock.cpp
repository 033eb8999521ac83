#include "platform/sys/instancelock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/sys/paths.h"

namespace sys {

std::string InstanceLock::DefaultPath(const EnvLookup& env, std::string_view name) {
    std::optional<std::string> runtime = env("XDG_RUNTIME_DIR");
    if (runtime && runtime->starts_with('/')) {
        return JoinPath(*runtime, std::string(name) + ".lock");
    }
    // /tmp is shared by all users: one file per user, so one user's instance does not block another's.
    return "/tmp/" + std::string(name) + "-" + std::to_string(getuid()) + ".lock";
}

InstanceLock::InstanceLock(std::string path) : path_(std::move(path)) {}

InstanceLock::~InstanceLock() {
    Release();
}

InstanceLock::Result InstanceLock::TryAcquire() {
    if (fd_ >= 0) return Result::kAcquired;
    // O_NOFOLLOW: a symlink planted at the path (in /tmp, say) must not make us create or lock another file.
    int fd = open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return Result::kError;
    int rc;
    do {
        rc = flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        int err = errno;
        close(fd);
        return err == EWOULDBLOCK ? Result::kHeldByOther : Result::kError;
    }
    fd_ = fd;
    return Result::kAcquired;
}

void InstanceLock::Release() {
    if (fd_ < 0) return;
    flock(fd_, LOCK_UN);
    close(fd_);
    fd_ = -1;
}

}  // namespace sys
