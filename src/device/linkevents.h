#pragma once
// Events that wake the link's idle threads: a transmit ring got an entry, a receive ring got an entry, or a
// link came up or went down. Threads with nothing to do wait on these instead of polling.
#include "platform/sys/event.h"

namespace device {

sys::Event& UsbTxReady();  // g_UsbTxRing got an entry
sys::Event& TcpTxReady();  // g_TcpTxRing got an entry, or a firmware frame is pending
sys::Event& UsbRxReady();  // g_UsbRxRing got an entry
sys::Event& TcpRxReady();  // g_TcpRxRing got an entry
sys::Event& UsbOpened();   // the discovery thread opened a device (wakes the USB read thread)

}  // namespace device
