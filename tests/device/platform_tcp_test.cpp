#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <numeric>
#include <stop_token>
#include <thread>
#include <vector>

#include "platform/net/tcpclient.h"
#include "platform/net/tcplistener.h"

namespace net {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr const char* kLoopback = "127.0.0.1";

// A client connected to a listener, with the server's end of the connection.
struct Pair {
    TcpListener listener;
    TcpClient client;
    std::unique_ptr<TcpClient> server;

    Pair() {
        EXPECT_TRUE(listener.Listen());
        EXPECT_TRUE(client.Connect(kLoopback, listener.Port()));
        server = listener.Accept(5s);
        EXPECT_NE(server, nullptr);
    }
};

std::vector<std::uint8_t> Pattern(std::size_t n) {
    std::vector<std::uint8_t> v(n);
    for (std::size_t i = 0; i < n; ++i) v[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    return v;
}

// Receives exactly n bytes or until the connection ends.
std::vector<std::uint8_t> ReceiveAll(TcpClient& c, std::size_t n) {
    std::vector<std::uint8_t> got;
    std::uint8_t buf[4096];
    while (got.size() < n) {
        IoResult r = c.Receive(buf, std::min(sizeof buf, n - got.size()));
        if (r.status != IoStatus::kOk) break;
        got.insert(got.end(), buf, buf + r.bytes);
    }
    return got;
}

TEST(TcpClient, SendsAndReceivesBothWays) {
    Pair p;
    ASSERT_TRUE(p.client.Connected());
    // Large enough that send completes only in parts, while the peer reads on another thread.
    const std::vector<std::uint8_t> up = Pattern(8 << 20);
    std::vector<std::uint8_t> got_up;
    std::thread server([&] { got_up = ReceiveAll(*p.server, up.size()); });
    IoResult sent = p.client.SendAll(up.data(), up.size());
    EXPECT_EQ(sent.status, IoStatus::kOk);
    EXPECT_EQ(sent.bytes, up.size());
    server.join();
    EXPECT_TRUE(got_up == up);

    const std::uint8_t down[] = {0xA5, 0x02, 0x01, 0x13, 0x14};
    ASSERT_EQ(p.server->SendAll(down, sizeof down).status, IoStatus::kOk);
    EXPECT_EQ(ReceiveAll(p.client, sizeof down), std::vector<std::uint8_t>(down, down + sizeof down));
}

TEST(TcpClient, PeerCloseIsReportedNotSignalled) {
    Pair p;
    p.server->Close();
    std::uint8_t b;
    EXPECT_EQ(p.client.Receive(&b, 1).status, IoStatus::kPeerClosed);
    // Sending to a closed peer fails (after at most a send or two the kernel knows) and raises no SIGPIPE.
    IoResult r;
    for (int i = 0; i < 100; ++i) {
        r = p.client.SendAll("x", 1);
        if (r.status != IoStatus::kOk) break;
        std::this_thread::sleep_for(1ms);
    }
    EXPECT_EQ(r.status, IoStatus::kPeerClosed);
}

TEST(TcpClient, ShutdownWakesABlockedReceive) {
    Pair p;
    std::atomic<bool> entered{false};
    IoResult r;
    std::thread receiver([&] {
        std::uint8_t b;
        entered = true;
        r = p.client.Receive(&b, 1);
    });
    while (!entered) std::this_thread::yield();
    std::this_thread::sleep_for(20ms);
    p.client.Shutdown();
    receiver.join();
    EXPECT_EQ(r.status, IoStatus::kShutDown);
    EXPECT_FALSE(p.client.Connected());
    std::uint8_t b;
    EXPECT_EQ(p.client.Receive(&b, 1).status, IoStatus::kShutDown);
    EXPECT_EQ(p.client.SendAll(&b, 1).status, IoStatus::kShutDown);
    // The peer sees the connection end.
    EXPECT_EQ(p.server->Receive(&b, 1).status, IoStatus::kPeerClosed);
    p.client.Close();
    EXPECT_EQ(p.client.Receive(&b, 1).status, IoStatus::kNotConnected);
}

TEST(TcpClient, CloseFromAnotherThreadWaitsForBlockedCalls) {
    Pair p;
    IoResult received;
    IoResult sent;
    std::thread receiver([&] {
        std::uint8_t b;
        received = p.client.Receive(&b, 1);
    });
    // The server does not read, so this send fills the buffers and blocks.
    const std::vector<std::uint8_t> big = Pattern(64 << 20);
    std::thread sender([&] { sent = p.client.SendAll(big.data(), big.size()); });
    std::this_thread::sleep_for(50ms);
    p.client.Close();  // returns only once both calls are out
    EXPECT_FALSE(p.client.Connected());
    receiver.join();
    sender.join();
    EXPECT_EQ(received.status, IoStatus::kShutDown);
    EXPECT_EQ(sent.status, IoStatus::kShutDown);
    EXPECT_LT(sent.bytes, big.size());
}

TEST(TcpClient, ReconnectsAfterClose) {
    Pair p;
    EXPECT_TRUE(p.client.Connect(kLoopback, p.listener.Port()));  // already connected: nothing new
    EXPECT_EQ(p.listener.Accept(50ms), nullptr);
    p.client.Close();
    ASSERT_TRUE(p.client.Connect(kLoopback, p.listener.Port()));
    auto second = p.listener.Accept(5s);
    ASSERT_NE(second, nullptr);
    ASSERT_EQ(p.client.SendAll("ok", 2).status, IoStatus::kOk);
    EXPECT_EQ(ReceiveAll(*second, 2), (std::vector<std::uint8_t>{'o', 'k'}));

    // A client that was only shut down reconnects too.
    p.client.Shutdown();
    ASSERT_TRUE(p.client.Connect(kLoopback, p.listener.Port()));
    EXPECT_NE(p.listener.Accept(5s), nullptr);
}

TEST(TcpClient, FailsCleanlyWithoutAConnection) {
    TcpClient c;
    std::uint8_t b = 0;
    EXPECT_FALSE(c.Connected());
    EXPECT_EQ(c.Receive(&b, 1).status, IoStatus::kNotConnected);
    EXPECT_EQ(c.SendAll(&b, 1).status, IoStatus::kNotConnected);
    EXPECT_FALSE(c.Connect("", 6000));
    EXPECT_FALSE(c.Connect("localhost", 6000));  // addresses only, no name lookups
    EXPECT_FALSE(c.Connect("127.0.0.256", 6000));
    c.Shutdown();
    c.Close();

    // A port nobody listens on refuses at once.
    std::uint16_t port;
    {
        TcpListener l;
        ASSERT_TRUE(l.Listen());
        port = l.Port();
    }
    auto start = Clock::now();
    EXPECT_FALSE(c.Connect(kLoopback, port));
    EXPECT_LT(Clock::now() - start, 1s);
    EXPECT_FALSE(c.Connected());
}

// A listener whose accept queue is full: further connection attempts get no answer (the kernel drops their
// SYNs), so a connect hangs without any traffic leaving loopback. Keeps the connections that fill the queue.
struct FullListener {
    TcpListener listener;
    std::vector<std::unique_ptr<TcpClient>> fillers;

    // True once a connect that fails by time-out was seen.
    bool Fill() {
        if (!listener.Listen(0, 0)) return false;
        for (int i = 0; i < 16; ++i) {
            auto c = std::make_unique<TcpClient>();
            if (!c->Connect(kLoopback, listener.Port(), 200ms)) return true;
            fillers.push_back(std::move(c));
        }
        return false;
    }
};

TEST(TcpClient, ConnectIsBoundedByItsTimeOut) {
    FullListener full;
    ASSERT_TRUE(full.Fill()) << "the accept queue never filled";
    TcpClient c;
    auto start = Clock::now();
    EXPECT_FALSE(c.Connect(kLoopback, full.listener.Port(), 300ms));
    auto took = Clock::now() - start;
    EXPECT_GE(took, 300ms);
    EXPECT_LT(took, 2s);
    EXPECT_FALSE(c.Connected());

    // The default bound is two seconds.
    start = Clock::now();
    EXPECT_FALSE(c.Connect(kLoopback, full.listener.Port()));
    took = Clock::now() - start;
    EXPECT_GE(took, 2s);
    EXPECT_LT(took, 4s);
}

TEST(TcpClient, StopEndsAPendingConnect) {
    FullListener full;
    ASSERT_TRUE(full.Fill());
    TcpClient c;
    std::stop_source stop;
    bool connected = true;
    auto start = Clock::now();
    std::thread connector(
        [&] { connected = c.Connect(kLoopback, full.listener.Port(), 30s, stop.get_token()); });
    std::this_thread::sleep_for(50ms);
    stop.request_stop();
    connector.join();
    EXPECT_FALSE(connected);
    EXPECT_LT(Clock::now() - start, 5s);

    // An already stopped token makes no attempt at all.
    TcpListener open;
    ASSERT_TRUE(open.Listen());
    EXPECT_FALSE(c.Connect(kLoopback, open.Port(), 1s, stop.get_token()));
    EXPECT_EQ(open.Accept(50ms), nullptr);
}

TEST(TcpListener, AcceptTimesOutAndShutdownWakesIt) {
    TcpListener l;
    ASSERT_TRUE(l.Listen());
    EXPECT_NE(l.Port(), 0);
    EXPECT_FALSE(l.Listen());  // already listening
    auto start = Clock::now();
    EXPECT_EQ(l.Accept(30ms), nullptr);
    EXPECT_GE(Clock::now() - start, 30ms);

    std::unique_ptr<TcpClient> accepted = std::make_unique<TcpClient>();
    std::thread acceptor([&] { accepted = l.Accept(1h); });
    std::this_thread::sleep_for(20ms);
    l.Shutdown();
    acceptor.join();
    EXPECT_EQ(accepted, nullptr);
    EXPECT_EQ(l.Accept(1h), nullptr);
    l.Close();
    EXPECT_TRUE(l.Listen());  // listens again after Close
}

}  // namespace
}  // namespace net
