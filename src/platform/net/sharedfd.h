#pragma once
#include <condition_variable>
#include <mutex>

namespace net {

// A socket descriptor that several threads use: some block in recv, send or accept while another decides to
// end the connection. Shutdown wakes the blocked calls (shutdown(2) rather than close, so the number cannot
// be reused under their feet), and Close closes the descriptor only after every lease on it has ended. So any
// thread may call Shutdown or Close, and no call ever works on a closed or reused descriptor.
class SharedFd {
  public:
    SharedFd() = default;
    ~SharedFd() { Close(); }
    SharedFd(const SharedFd&) = delete;
    SharedFd& operator=(const SharedFd&) = delete;

    // The right to use the descriptor for one call. Empty (fd() < 0) when there is no descriptor or it was
    // shut down. Close waits for every lease to end, so hold one only for the length of a call.
    class Lease {
      public:
        Lease(Lease&& other) noexcept : owner_(other.owner_), fd_(other.fd_) { other.owner_ = nullptr; }
        Lease(const Lease&) = delete;
        Lease& operator=(const Lease&) = delete;
        Lease& operator=(Lease&&) = delete;
        ~Lease();
        int fd() const { return fd_; }
        explicit operator bool() const { return fd_ >= 0; }

      private:
        friend class SharedFd;
        Lease(SharedFd* owner, int fd) : owner_(owner), fd_(fd) {}
        SharedFd* owner_;
        int fd_;
    };

    // Takes ownership of fd. False (and fd is closed) when a descriptor is still installed: Close it first.
    bool Install(int fd);
    Lease Use();
    // True while a descriptor is installed and not shut down.
    bool Open() const;
    // True when the installed descriptor was shut down by Shutdown or Close (not by the peer) and is not yet
    // closed.
    bool WasShutDown() const;
    // shutdown(SHUT_RDWR) once: blocked calls return, later Use gives empty leases. The descriptor stays
    // open.
    void Shutdown();
    // Shutdown, wait for the leases to end, close. Must not be called while the calling thread holds a lease.
    void Close();

  private:
    void Release();

    mutable std::mutex mutex_;
    std::condition_variable idle_;
    int fd_ = -1;
    int leases_ = 0;
    bool shut_ = false;
    unsigned generation_ = 0;  // which descriptor a waiting Close belongs to
};

}  // namespace net
