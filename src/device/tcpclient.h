#pragma once
// The TCP client of the device link: the connection to the device's access point and its state (0
// disconnected, 1 connected, 2 network down). The connect, receive and send threads share it; any of them
// may close it, and the state is an atomic every thread reads.
#include <atomic>
#include <cstdint>
#include <stop_token>
#include <string>

#include "platform/net/tcpclient.h"

namespace device {

class CTcpClient {
  public:
    CTcpClient(std::string host, std::uint16_t port) : host_(std::move(host)), port_(port) {}

    int GetState() const { return state_.load(); }
    void SetState(int state) { state_ = state; }

    // When the state is not 0: true at once. Otherwise one bounded attempt (2 s); on success state 1.
    bool Connect(std::stop_token stop);
    // 0 while the connection is open; otherwise state 2 and -1. (An open connected socket counts as a
    // network that is up.)
    int CheckNetwork();
    // State 0 and the connection shut down; the socket is closed by the connect thread before its next
    // attempt, once no thread can be inside a call on it.
    void Close();

    net::TcpClient& Socket() { return socket_; }

  private:
    const std::string host_;
    const std::uint16_t port_;
    net::TcpClient socket_;
    std::atomic<int> state_{0};
};

}  // namespace device
