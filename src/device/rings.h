#pragma once
// The link's four rings. The transmit rings are filled by the UI thread and, during an upgrade, by a dispatch
// thread, so they take a producer lock; each receive ring has one producer, its transport's reading thread.
#include "device/frames.h"
#include "device/packetring.h"

using UsbTxRing = device::PacketRing<UsbReport, true>;
using UsbRxRing = device::PacketRing<UsbReport, false>;
using TcpTxRing = device::PacketRing<TcpFrame, true>;
using TcpRxRing = device::PacketRing<TcpRxEntry, false>;

extern UsbTxRing g_UsbTxRing;  // QueueUsbReport -> USB write thread
extern UsbRxRing g_UsbRxRing;  // USB read thread -> USB dispatch thread
extern TcpTxRing g_TcpTxRing;  // SendToDevice -> TCP send thread
extern TcpRxRing g_TcpRxRing;  // TCP receive thread -> TCP dispatch thread
