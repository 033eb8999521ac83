#pragma once
// The builders of every command but the firmware blocks (upgradeblocks.h). Each assembles its payload and
// queues it through SendToDevice; each returns whether its command was queued.
#include <cstdint>

namespace device {

constexpr int kMaxChunk = 58;  // bytes of image per chunk write, so the payload fits a HID report

bool SendStatusQuery();             // 01 13
bool RequestModeImage(bool bSlot);  // 0F 63 slot-in-use, or 0F 63 FF
bool SendInputSource(bool bSet);    // 10 source, or 10 00
bool SendModeName();                // 12 slot name[20]
bool RequestRoutingImage();         // 13
bool SendChannelName();             // 19 g_RenameChannel name[20]
bool SendAllChannelNames();         // 19 c name[20] for c = 0..11; true when all twelve were queued
bool RequestNames();                // 1A
bool SendHlNoSignalMuteToggle();    // 1B 01 while the mute is off, 1B 00 while it is on
bool SendSingleByteCommand(std::uint8_t code);
bool SendUpgradeChecksum();  // FE checksum

// 11 (or 16) addr-hi addr-lo n, then n bytes of the image from addr. Nothing is sent when n is above 58 or
// the chunk does not lie inside the image. Takes g_ImageMutex to copy the bytes: do not call with it held.
bool SendDeviceImageChunk(int addr, int n);
bool SendRoutingImageChunk(int addr, int n);

}  // namespace device
