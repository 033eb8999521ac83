#include "device/tcpclient.h"

namespace device {

bool CTcpClient::Connect(std::stop_token stop) {
    if (state_.load() != 0) return true;
    // A connection shut down by Close is closed here, where no other thread is inside a call on it.
    socket_.Close();
    if (!socket_.Connect(host_, port_, net::kConnectTimeout, stop)) return false;
    state_ = 1;
    return true;
}

int CTcpClient::CheckNetwork() {
    if (socket_.Connected()) return 0;
    state_ = 2;
    return -1;
}

void CTcpClient::Close() {
    state_ = 0;
    socket_.Shutdown();
}

}  // namespace device
