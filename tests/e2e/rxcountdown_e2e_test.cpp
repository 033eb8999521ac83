// The receive countdown as the TCP receive side keeps it, against a bare loopback peer that sends a frame in
// pieces.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "linkfixture.h"

namespace {

class RawPeer {
  public:
    RawPeer() {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof addr;
        ok_ = listener_ >= 0 && ::bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0 &&
              ::listen(listener_, 1) == 0 &&
              ::getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &len) == 0;
        port_ = ntohs(addr.sin_port);
    }
    ~RawPeer() {
        if (peer_ >= 0) ::close(peer_);
        if (listener_ >= 0) ::close(listener_);
    }
    bool Ok() const { return ok_; }
    std::uint16_t Port() const { return port_; }
    bool Accept() { return (peer_ = ::accept(listener_, nullptr, nullptr)) >= 0; }
    bool Send(std::initializer_list<std::uint8_t> bytes) {
        const std::vector<std::uint8_t> data(bytes);
        return ::send(peer_, data.data(), data.size(), MSG_NOSIGNAL) == ssize_t(data.size());
    }

  private:
    int listener_ = -1;
    int peer_ = -1;
    bool ok_ = false;
    std::uint16_t port_ = 0;
};

TEST_F(LinkE2eTest, ReceiveCountdownFollowsTheBytesOfAFrame) {
    RawPeer peer;
    ASSERT_TRUE(peer.Ok());
    link.Start({nullptr, "127.0.0.1", peer.Port()});
    ASSERT_TRUE(peer.Accept());
    device::RxCountdown& countdown = link.ReceiveCountdown();
    // Half a frame: A5, length 3, one payload byte.
    ASSERT_TRUE(peer.Send({0xA5, 0x03, 0x10}));
    ASSERT_TRUE(WaitFor([&] { return countdown.Value() == 2; }));
    countdown.Tick();
    EXPECT_EQ(countdown.Value(), 1);
    countdown.Tick();
    countdown.Tick();
    EXPECT_EQ(countdown.Value(), 0);
    // The rest arrives: each byte sets 2 again and the frame's end sets 0.
    ASSERT_TRUE(peer.Send({0x20}));
    ASSERT_TRUE(WaitFor([&] { return countdown.Value() == 2; }));
    ASSERT_TRUE(peer.Send({0x30, 0x60}));
    ASSERT_TRUE(WaitFor([&] { return countdown.Value() == 0; }));
    // A bad length drops the frame at once.
    ASSERT_TRUE(peer.Send({0xA5}));
    ASSERT_TRUE(WaitFor([&] { return countdown.Value() == 2; }));
    ASSERT_TRUE(peer.Send({0x00}));
    ASSERT_TRUE(WaitFor([&] { return countdown.Value() == 0; }));
}

}  // namespace
