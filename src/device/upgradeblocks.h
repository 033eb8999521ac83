#pragma once
// Answers to the device's firmware block requests, from the loaded image file (firmwarestate.h). The file's
// last byte is its checksum; the D bytes before it travel in blocks of 56 (USB) or 512 (TCP), the last block
// filled up with 0xFF.
#include <cstdint>

#include "device/frames.h"

namespace device {

// Block hi*256+lo as FD hi lo and 56 bytes through SendToDevice. The last block of the data also sets
// g_UpgradeLastBlock and g_FirmwareChecksum; g_Progress follows the block. Nothing happens (false) while no
// file is loaded or for a block past the last one.
bool SendUpgradeBlockUsb(std::uint8_t hi, std::uint8_t lo);

// The same for TCP: fills the 518-byte frame and marks it pending for the TCP send thread, which sends it
// before anything in the transmit ring.
bool PrepareUpgradeBlockTcp(std::uint8_t hi, std::uint8_t lo);

// TCP send thread: takes a copy of the pending frame and clears the flag; false when none is pending.
bool TakeTcpUpgradeFrame(UpgradeFrameTcp& out);
bool TcpUpgradeFramePending();
// Drops a pending frame (the device said it is ready for a new transfer).
void ClearTcpUpgradeFrame();

}  // namespace device
