#pragma once
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <stop_token>
#include <string>

#include "platform/net/sharedfd.h"

namespace net {

// How long a connection attempt may take before it counts as failed.
inline constexpr std::chrono::milliseconds kConnectTimeout{2000};

enum class IoStatus {
    kOk,
    kPeerClosed,    // the other side closed the connection (recv gave 0, or send found it reset)
    kShutDown,      // Shutdown or Close was called on this side
    kError,         // any other failure; see IoResult::error
    kNotConnected,  // there was no connection to use
};

struct IoResult {
    IoStatus status = IoStatus::kNotConnected;
    std::size_t bytes = 0;  // bytes moved, also when the call failed part-way
    int error = 0;          // errno for kError
};

// A TCP connection (IPv4). The threads of a link share one client: one connects, one receives, one sends, and
// any of them may end the connection. Receive and SendAll block; Shutdown (from any thread) wakes them, and
// Close closes the socket only once none of them is inside a call (see SharedFd). No call raises SIGPIPE.
class TcpClient {
  public:
    TcpClient() = default;
    ~TcpClient() { Close(); }
    TcpClient(const TcpClient&) = delete;
    TcpClient& operator=(const TcpClient&) = delete;

    // Connects to ipv4:port, giving up after timeout or as soon as stop is triggered. True at once when a
    // connection is already open; a connection that was shut down is closed first. False for an address that
    // is not a dotted IPv4 address, a refused connection, or the time-out. Only one thread may connect at a
    // time.
    bool Connect(const std::string& ipv4, std::uint16_t port,
                 std::chrono::milliseconds timeout = kConnectTimeout, std::stop_token stop = {});
    // Takes over a connected socket (TcpListener::Accept uses it). False, and fd is closed, when a connection
    // is still installed.
    bool Adopt(int fd) { return fd_.Install(fd); }

    // A connection is open and has not been shut down on this side (the peer may have closed it).
    bool Connected() const { return fd_.Open(); }

    // Sends all size bytes, completing partial sends.
    IoResult SendAll(const void* data, std::size_t size);
    // Waits for data and reads what is there, at most size bytes (at least one when kOk).
    IoResult Receive(void* buffer, std::size_t size);

    // Ends the connection for every thread: blocked and later calls return kShutDown. Any thread.
    void Shutdown() { fd_.Shutdown(); }
    // Shutdown, then closes the socket once no call is using it. Any thread that is not inside a call of this
    // client; afterwards Connect may open a new connection.
    void Close() { fd_.Close(); }

  private:
    IoStatus FailureStatus(int err) const;

    SharedFd fd_;
};

}  // namespace net
