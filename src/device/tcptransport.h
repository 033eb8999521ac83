#pragma once
// The TCP link: a connect thread that connects once a second while no link is up and watches the
// connection, a receive thread that parses the byte stream into g_TcpRxRing, and a send thread that sends the
// pending firmware frame first and then g_TcpTxRing, one frame per 5 ms. The TCP link waits while a USB
// device is open.
#include <atomic>
#include <cstdint>
#include <stop_token>
#include <string>

#include "device/rxcountdown.h"
#include "device/tcpclient.h"
#include "device/tcpframeparser.h"
#include "platform/sys/event.h"
#include "platform/sys/workergroup.h"

namespace device {

class TcpTransport {
  public:
    TcpTransport(std::string host, std::uint16_t port, RxCountdown& countdown)
        : client_(std::move(host), port), countdown_(countdown) {}
    // Closes the socket; the threads must have been joined.
    ~TcpTransport();

    void Start(sys::WorkerGroup& group);
    // Ends the connection (the connect thread makes a new one); wakes a thread blocked on the socket.
    void Drop();
    void Shutdown() { Drop(); }

    CTcpClient& Client() { return client_; }

  private:
    void ConnectThread(std::stop_token stop);
    void ReceiveThread(std::stop_token stop);
    void SendThread(std::stop_token stop);
    bool Send(const void* data, std::size_t size);

    CTcpClient client_;
    sys::Event connected_{sys::Event::Mode::kManualReset};  // set while the state is not 0
    TcpFrameParser parser_;                                 // receive thread only
    RxCountdown& countdown_;
    std::atomic<unsigned> connection_{0};  // counts connections, so the parser starts clean
};

}  // namespace device
