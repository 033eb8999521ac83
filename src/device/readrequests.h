#pragma once
// Starting a read of the device's images. Each start forgets the blocks of any earlier read, restarts the
// watchdog's count and records what the watchdog repeats when blocks stop coming.
namespace device {

// CMD_READ_MODE for the settings in use (the full read of a connection). Drops a pending store request: it
// belonged to the settings on screen before the read.
bool StartFullRead();
// CMD_READ_MODE for the slot in g_CurrentModeSlot (a scene recall); drops a pending store request too.
bool StartRecall();
// CMD_REQUEST_ROUTING_IMAGE, after the main image loaded.
bool StartRoutingRead();
// The watchdog's resend of the read in progress; the count of its blocks starts afresh. False when no read
// is in progress.
bool ResendPendingRead();
// The read ended (completed or given up).
void EndPendingRead();

}  // namespace device
