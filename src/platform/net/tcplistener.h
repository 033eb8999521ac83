#pragma once
#include <sys/socket.h>

#include <chrono>
#include <cstdint>
#include <memory>

#include "platform/net/sharedfd.h"
#include "platform/net/tcpclient.h"

namespace net {

// A listening TCP socket on 127.0.0.1 only, for tests and the device stand-in. Port 0 lets the system choose
// a free port; Port() tells which. Accept may block on one thread while another calls Shutdown or Close.
class TcpListener {
  public:
    TcpListener() = default;
    ~TcpListener() { Close(); }
    TcpListener(const TcpListener&) = delete;
    TcpListener& operator=(const TcpListener&) = delete;

    // Binds 127.0.0.1:port and listens with the given backlog. False when that fails or it already listens.
    bool Listen(std::uint16_t port = 0, int backlog = SOMAXCONN);
    // The bound port, 0 when not listening.
    std::uint16_t Port() const { return port_; }

    // Waits up to timeout for a connection. nullptr on time-out, Shutdown, Close or error.
    std::unique_ptr<TcpClient> Accept(std::chrono::milliseconds timeout);

    // Wakes a blocked Accept; later ones fail. Any thread.
    void Shutdown() { fd_.Shutdown(); }
    void Close() { fd_.Close(); }

  private:
    SharedFd fd_;
    std::uint16_t port_ = 0;
};

}  // namespace net
