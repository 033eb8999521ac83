#pragma once
// Serves the stand-in over TCP the way the device's access point does: one client at a time, frames 5A L
// payload sum in (and the 518-byte firmware frame), A5 L payload sum out. Binds loopback only.
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

#include "device-stand-in/standin.h"

namespace standin {

class StandInTcpServer {
  public:
    explicit StandInTcpServer(DeviceStandIn& device) : device_(device) {}
    ~StandInTcpServer() { Stop(); }
    StandInTcpServer(const StandInTcpServer&) = delete;
    StandInTcpServer& operator=(const StandInTcpServer&) = delete;

    // Listens on host:port (port 0: any free port) and starts serving. Only 127.0.0.1 is accepted as host.
    bool Start(const std::string& host, std::uint16_t port, std::string* error = nullptr);
    void Stop();
    std::uint16_t Port() const { return port_; }

    // Drops the client's connection now (the device went away).
    void DropConnection() { dropRequested_ = true; }
    // Clients accepted so far.
    int Connections() const { return connections_.load(); }
    bool ClientConnected() const { return clientConnected_.load(); }

  private:
    void Run(std::stop_token stop);

    DeviceStandIn& device_;
    int listenFd_ = -1;
    std::uint16_t port_ = 0;
    std::atomic<bool> dropRequested_{false};
    std::atomic<int> connections_{0};
    std::atomic<bool> clientConnected_{false};
    std::jthread thread_;
};

}  // namespace standin
