#include "platform/net/sharedfd.h"

#include <sys/socket.h>
#include <unistd.h>

namespace net {

SharedFd::Lease::~Lease() {
    if (owner_ != nullptr && fd_ >= 0) owner_->Release();
}

bool SharedFd::Install(int fd) {
    std::lock_guard lock(mutex_);
    if (fd_ >= 0) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    shut_ = false;
    ++generation_;
    return true;
}

SharedFd::Lease SharedFd::Use() {
    std::lock_guard lock(mutex_);
    if (fd_ < 0 || shut_) return Lease(this, -1);
    ++leases_;
    return Lease(this, fd_);
}

void SharedFd::Release() {
    std::lock_guard lock(mutex_);
    if (--leases_ == 0) idle_.notify_all();
}

bool SharedFd::Open() const {
    std::lock_guard lock(mutex_);
    return fd_ >= 0 && !shut_;
}

bool SharedFd::WasShutDown() const {
    std::lock_guard lock(mutex_);
    return shut_;
}

void SharedFd::Shutdown() {
    std::lock_guard lock(mutex_);
    if (fd_ < 0 || shut_) return;
    shut_ = true;
    ::shutdown(fd_, SHUT_RDWR);
}

void SharedFd::Close() {
    std::unique_lock lock(mutex_);
    if (fd_ < 0) return;
    if (!shut_) {
        shut_ = true;
        ::shutdown(fd_, SHUT_RDWR);
    }
    const unsigned generation = generation_;
    idle_.wait(lock, [&] { return leases_ == 0 || fd_ < 0 || generation_ != generation; });
    // Another Close may have finished the job while this one waited.
    if (fd_ >= 0 && generation_ == generation) {
        ::close(fd_);
        fd_ = -1;
        shut_ = false;  // from now on there is simply no connection
    }
}

}  // namespace net
