#pragma once
#include <string>
#include <string_view>

#include "platform/sys/environment.h"

namespace sys {

// Keeps a second copy of the program from running: an exclusive flock on a lock file. The lock belongs to the
// open file description, so the kernel drops it when the process ends, however it ends. The descriptor is
// close-on-exec, so programs started from here do not inherit the lock.
//
// flock locks conflict between separate open file descriptions even inside one process, so two InstanceLock
// objects on one path also exclude each other.
class InstanceLock {
  public:
    enum class Result {
        kAcquired,     // this object holds the lock (also when it already did)
        kHeldByOther,  // another instance holds it
        kError,        // the lock file could not be opened or locked; nothing is known about other instances
    };

    // The default lock file of the program called `name` (AppConfig::instance_lock):
    // $XDG_RUNTIME_DIR/name.lock, or /tmp/name-<uid>.lock when XDG_RUNTIME_DIR is not an absolute path.
    static std::string DefaultPath(const EnvLookup& env, std::string_view name);

    explicit InstanceLock(std::string path);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Takes the lock without waiting.
    Result TryAcquire();
    bool Held() const { return fd_ >= 0; }
    // Gives the lock up (the file stays, so the path keeps naming the same lock).
    void Release();
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
    int fd_ = -1;
};

}  // namespace sys
