#include "platform/net/tcplistener.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>

#include "platform/net/pollwait.h"

namespace net {

bool TcpListener::Listen(std::uint16_t port, int backlog) {
    if (fd_.Open()) return false;
    fd_.Close();  // one that was shut down
    port_ = 0;
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return false;
    int on = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(port);
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0 ||
        ::listen(fd, backlog) != 0 || ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
        ::close(fd);
        return false;
    }
    if (!fd_.Install(fd)) return false;
    port_ = ntohs(addr.sin_port);
    return true;
}

std::unique_ptr<TcpClient> TcpListener::Accept(std::chrono::milliseconds timeout) {
    SharedFd::Lease lease = fd_.Use();
    if (!lease) return nullptr;
    const auto deadline = DeadlineAfter(timeout);
    for (;;) {
        int ready = PollUntil(lease.fd(), POLLIN, deadline);
        if (ready <= 0 || fd_.WasShutDown()) return nullptr;
        int conn = ::accept4(lease.fd(), nullptr, nullptr, SOCK_CLOEXEC);
        if (conn < 0) {
            // The connection may have gone between poll and accept (the socket does not block, so accept
            // returns); wait for the next one.
            if (errno == ECONNABORTED || errno == EINTR || errno == EAGAIN) continue;
            return nullptr;
        }
        auto client = std::make_unique<TcpClient>();
        client->Adopt(conn);
        return client;
    }
}

}  // namespace net
