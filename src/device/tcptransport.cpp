#include "device/tcptransport.h"

#include <chrono>

#include "device/linkevents.h"
#include "device/rings.h"
#include "device/status.h"
#include "device/upgradeblocks.h"

namespace device {

using namespace std::chrono_literals;

namespace {
constexpr auto kConnectPeriod = 1000ms;
constexpr auto kUsbPause = 2000ms;
constexpr auto kNetworkCheck = 300ms;
constexpr auto kSendPacing = 5ms;
constexpr auto kIdleCheck = 1000ms;  // a thread without a connection looks again at least this often
}  // namespace

TcpTransport::~TcpTransport() {
    client_.Socket().Close();
    client_.SetState(0);
}

void TcpTransport::Drop() {
    // The receive and send threads wait for the next connection on this event.
    connected_.Reset();
    client_.Close();
}

void TcpTransport::Start(sys::WorkerGroup& group) {
    group.Start("tcp-connect", [this](std::stop_token stop) { ConnectThread(stop); });
    group.Start("tcp-receive", [this](std::stop_token stop) { ReceiveThread(stop); });
    group.Start("tcp-send", [this](std::stop_token stop) { SendThread(stop); });
}

void TcpTransport::ConnectThread(std::stop_token stop) {
    while (!stop.stop_requested()) {
        if (g_UsbConnected.load() != 0) {
            sys::SleepFor(kUsbPause, stop);
        } else if (client_.GetState() == 0) {
            connected_.Reset();
            if (!sys::SleepFor(kConnectPeriod, stop)) return;
            if (g_UsbConnected.load() != 0) continue;
            // The receive ring starts clean with every connection: its consumer drains it first.
            g_TcpRxRing.RequestDrain();
            TcpRxReady().Set();
            for (int i = 0; i < 100 && g_TcpRxRing.DrainPending(); ++i) sys::SleepFor(1ms, stop);
            if (g_TcpRxRing.DrainPending()) continue;  // its consumer is busy: try again next round
            if (!client_.Connect(stop)) continue;
            // USB may have come up while we connected; it checks us the same way after marking itself up, so
            // at most one link stays.
            if (g_UsbConnected.load() != 0) {
                client_.Close();
                continue;
            }
            ++connection_;
            connected_.Set();
            TcpTxReady().Set();
            TcpRxReady().Set();
        } else {
            client_.CheckNetwork();
            sys::SleepFor(kNetworkCheck, stop);
        }
    }
}

void TcpTransport::ReceiveThread(std::stop_token stop) {
    unsigned parsing = 0;
    while (!stop.stop_requested()) {
        if (client_.GetState() == 0) {
            connected_.WaitFor(kIdleCheck, stop);
            continue;
        }
        const unsigned current = connection_.load();
        if (current != parsing) {  // a new connection: no half frame of the old one
            parser_.Reset();
            parsing = current;
        }
        std::uint8_t buffer[256];
        const net::IoResult got = client_.Socket().Receive(buffer, sizeof buffer);
        if (got.status != net::IoStatus::kOk) {
            // The peer closed or the connection broke: close, and the connect thread reconnects.
            if (client_.GetState() != 0) Drop();
            continue;
        }
        for (std::size_t i = 0; i < got.bytes; ++i) {
            if (client_.GetState() == 0) break;
            TcpRxEntry entry;
            countdown_.ByteArrived();
            const TcpFrameParser::Result result = parser_.Feed(buffer[i], entry);
            if (result != TcpFrameParser::Result::Pending) countdown_.FrameEnded();
            if (result != TcpFrameParser::Result::Committed) continue;
            while (!g_TcpRxRing.Push(entry)) {  // a full ring makes the receiver wait
                if (!sys::SleepFor(1ms, stop)) return;
            }
            TcpRxReady().Set();
        }
        // A received byte proves the connection.
        if (client_.GetState() != 0) client_.SetState(1);
    }
}

bool TcpTransport::Send(const void* data, std::size_t size) {
    const net::IoResult sent = client_.Socket().SendAll(data, size);
    if (sent.status != net::IoStatus::kOk) {
        Drop();
        return false;
    }
    client_.SetState(1);
    return true;
}

void TcpTransport::SendThread(std::stop_token stop) {
    while (!stop.stop_requested()) {
        if (client_.GetState() == 0) {
            connected_.WaitFor(kIdleCheck, stop);
            continue;
        }
        UpgradeFrameTcp upgrade;
        TcpFrame frame;
        if (TakeTcpUpgradeFrame(upgrade)) {
            Send(upgrade.bytes, sizeof upgrade.bytes);  // the firmware frame goes before the ring
        } else if (g_TcpTxRing.Pop(frame)) {
            if (frame.length > 0)
                Send(frame.bytes, std::size_t(frame.length));  // on an error the frame is lost
        } else {
            TcpTxReady().Wait(stop);
            continue;
        }
        sys::SleepFor(kSendPacing, stop);
    }
}

}  // namespace device
