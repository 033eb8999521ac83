#pragma once
// The two dispatch threads: each takes one message from its receive ring, dispatches it, and waits 5 ms
// before the next; with nothing queued it blocks until its ring gets an entry.
#include <functional>
#include <stop_token>

#include "device/dispatcher.h"

namespace device {

void UsbDispatchThread(std::stop_token stop, DispatchTarget& target);
// Looks at its ring only while tcpState() is not 0.
void TcpDispatchThread(std::stop_token stop, DispatchTarget& target, const std::function<int()>& tcpState);

}  // namespace device
