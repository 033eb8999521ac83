#pragma once
// A scene store to a device slot. The slot is kept when the user confirms it, so a later status reply (which
// rewrites g_CurrentModeSlot) cannot move the store elsewhere; the difference sync sends it only once both
// images equal their shadows, so the device stores the whole scene.
namespace device {

// Asks for CMD_STORE_MODE with this slot (0..7) at the next push tick that finds nothing left to send.
void RequestStore(int slot);
// Drops a pending request (a read of the device's settings started).
void CancelStore();
// When a store was requested: 0D slot (the kept one; the slot in use for a request made without one). The
// request is cleared once handled (queued, or dropped by the upgrade filter); a full ring leaves it pending
// and returns false.
bool SendPendingStore();

}  // namespace device
