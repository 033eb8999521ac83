#include "platform/net/tcpclient.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

#include "platform/net/pollwait.h"

namespace net {
namespace {

// Waits until the non-blocking connect on fd has finished, failed, or run out of time. True when connected.
bool FinishConnect(int fd, std::chrono::milliseconds timeout) {
    if (PollUntil(fd, POLLOUT, DeadlineAfter(timeout)) <= 0) return false;
    int err = 0;
    socklen_t len = sizeof err;
    return ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &err, &len) == 0 && err == 0;
}

}  // namespace

bool TcpClient::Connect(const std::string& ipv4, std::uint16_t port, std::chrono::milliseconds timeout,
                        std::stop_token stop) {
    if (fd_.Open()) return true;
    if (fd_.WasShutDown()) fd_.Close();
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(port);
    if (::inet_pton(AF_INET, ipv4.c_str(), &addr.sin_addr) != 1) return false;

    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return false;
    bool connected;
    {
        // A stop shuts the half-open socket down, which ends the wait below at once.
        // request_stop raises the flag before it runs the callback, so a stop that comes before connect() has
        // begun (when the shutdown has no effect) is seen by the checks around it.
        std::stop_callback on_stop(stop, [fd] { ::shutdown(fd, SHUT_RDWR); });
        int rc =
            stop.stop_requested() ? -1 : ::connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr);
        if (stop.stop_requested()) {
            connected = false;
        } else if (rc == 0) {
            connected = true;
        } else {
            connected = (errno == EINPROGRESS || errno == EINTR) && FinishConnect(fd, timeout);
        }
    }
    // Blocking from here on: Receive and SendAll wait in the kernel, and Shutdown wakes them.
    int flags = ::fcntl(fd, F_GETFL);
    if (!connected || stop.stop_requested() || flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return false;
    }
    return fd_.Install(fd);
}

IoStatus TcpClient::FailureStatus(int err) const {
    if (fd_.WasShutDown()) return IoStatus::kShutDown;
    if (err == EPIPE || err == ECONNRESET) return IoStatus::kPeerClosed;
    return IoStatus::kError;
}

IoResult TcpClient::SendAll(const void* data, std::size_t size) {
    IoResult result;
    SharedFd::Lease lease = fd_.Use();
    if (!lease) {
        result.status = fd_.WasShutDown() ? IoStatus::kShutDown : IoStatus::kNotConnected;
        return result;
    }
    const char* p = static_cast<const char*>(data);
    while (result.bytes < size) {
        ssize_t n = ::send(lease.fd(), p + result.bytes, size - result.bytes, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            result.error = errno;
            result.status = FailureStatus(result.error);
            return result;
        }
        result.bytes += static_cast<std::size_t>(n);
    }
    result.status = IoStatus::kOk;
    return result;
}

IoResult TcpClient::Receive(void* buffer, std::size_t size) {
    IoResult result;
    SharedFd::Lease lease = fd_.Use();
    if (!lease) {
        result.status = fd_.WasShutDown() ? IoStatus::kShutDown : IoStatus::kNotConnected;
        return result;
    }
    if (size == 0) {  // recv would return 0, which means something else
        result.status = IoStatus::kOk;
        return result;
    }
    ssize_t n;
    do {
        n = ::recv(lease.fd(), buffer, size, 0);
    } while (n < 0 && errno == EINTR);
    if (n > 0) {
        result.status = IoStatus::kOk;
        result.bytes = static_cast<std::size_t>(n);
    } else if (n == 0) {
        // Our own shutdown also makes recv return 0.
        result.status = fd_.WasShutDown() ? IoStatus::kShutDown : IoStatus::kPeerClosed;
    } else {
        result.error = errno;
        result.status = FailureStatus(result.error);
    }
    return result;
}

}  // namespace net
