#include "device-stand-in/tcpserver.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "device/frames.h"

namespace standin {

namespace {

// Splits the console's byte stream into payloads: 5A L payload sum, or 5A FF and a 516-byte firmware block.
class FrameReader {
  public:
    // Feeds one byte; true when a payload with a good sum is complete (in payload()).
    bool Feed(std::uint8_t b) {
        switch (state_) {
            case State::Head:
                if (b == FRAME_HEAD_TX) state_ = State::Length;
                return false;
            case State::Length:
                if (b == 0) {
                    state_ = State::Head;
                    return false;
                }
                need_ = b == 0xFF ? kUpgradeFrameTcpSize - 3 : b;
                payload_.clear();
                state_ = State::Payload;
                return false;
            case State::Payload:
                payload_.push_back(b);
                if (int(payload_.size()) == need_) state_ = State::Sum;
                return false;
            case State::Sum:
                state_ = State::Head;
                return device::Checksum8(payload_.data(), payload_.size()) == b;
        }
        return false;
    }
    const std::vector<std::uint8_t>& payload() const { return payload_; }
    void Reset() { state_ = State::Head; }

  private:
    enum class State { Head, Length, Payload, Sum } state_ = State::Head;
    int need_ = 0;
    std::vector<std::uint8_t> payload_;
};

bool SendAll(int fd, const std::vector<std::uint8_t>& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        sent += std::size_t(n);
    }
    return true;
}

}  // namespace

bool StandInTcpServer::Start(const std::string& host, std::uint16_t port, std::string* error) {
    const auto fail = [&](const std::string& what) {
        if (error) *error = what;
        if (listenFd_ >= 0) ::close(listenFd_);
        listenFd_ = -1;
        return false;
    };
    if (host != "127.0.0.1") return fail("only 127.0.0.1 may be served, not " + host);
    listenFd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listenFd_ < 0) return fail(std::strerror(errno));
    const int yes = 1;
    ::setsockopt(listenFd_, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(port);
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::bind(listenFd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0)
        return fail(std::string("bind: ") + std::strerror(errno));
    if (::listen(listenFd_, 4) != 0) return fail(std::string("listen: ") + std::strerror(errno));
    socklen_t len = sizeof addr;
    ::getsockname(listenFd_, reinterpret_cast<sockaddr*>(&addr), &len);
    port_ = ntohs(addr.sin_port);
    thread_ = std::jthread([this](std::stop_token stop) { Run(stop); });
    return true;
}

void StandInTcpServer::Stop() {
    if (thread_.joinable()) {
        thread_.request_stop();
        thread_.join();
    }
    if (listenFd_ >= 0) ::close(listenFd_);
    listenFd_ = -1;
}

void StandInTcpServer::Run(std::stop_token stop) {
    int client = -1;
    FrameReader reader;
    const auto drop = [&] {
        if (client >= 0) ::close(client);
        client = -1;
        clientConnected_ = false;
    };
    while (!stop.stop_requested()) {
        if (dropRequested_.exchange(false)) drop();
        pollfd fds[2] = {{listenFd_, POLLIN, 0}, {client, POLLIN, 0}};
        if (::poll(fds, client >= 0 ? 2 : 1, 20) <= 0) continue;
        if (fds[0].revents & POLLIN) {
            const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
            if (fd >= 0) {
                drop();  // a new client replaces the old one, as after a restart
                client = fd;
                reader.Reset();
                ++connections_;
                clientConnected_ = true;
            }
            continue;
        }
        if (client < 0 || !(fds[1].revents & (POLLIN | POLLHUP | POLLERR))) continue;
        std::uint8_t buf[1024];
        const ssize_t n = ::recv(client, buf, sizeof buf, 0);
        if (n <= 0) {
            if (n < 0 && errno == EINTR) continue;
            drop();
            continue;
        }
        for (ssize_t i = 0; i < n && client >= 0; ++i) {
            if (!reader.Feed(buf[i])) continue;
            const auto& payload = reader.payload();
            const Outcome out = device_.Handle(Via::Tcp, payload.data(), int(payload.size()));
            std::vector<std::uint8_t> bytes;
            for (const Message& m : out.messages) {
                bytes.push_back(FRAME_HEAD_RX);
                bytes.push_back(std::uint8_t(m.payload.size()));
                bytes.insert(bytes.end(), m.payload.begin(), m.payload.end());
                const std::uint8_t sum = device::Checksum8(m.payload.data(), m.payload.size());
                bytes.push_back(m.badSum ? std::uint8_t(sum + 1) : sum);
            }
            if (!SendAll(client, bytes) || out.disconnect) drop();
        }
    }
    drop();
}

}  // namespace standin
