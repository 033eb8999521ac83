#pragma once
// Channel and scene-slot names as the device stores them: 20 bytes each (code page 936), with room for a
// terminating zero after the 20th. The dispatch threads write them while the UI thread reads and edits them:
// hold g_NameMutex for every access.
#include <mutex>

#include "device/eqmodel.h"
#include "device/status.h"

constexpr int kNameLen = 20;

extern std::mutex g_NameMutex;
extern char g_ChannelNames[kChannels][kNameLen + 1];
extern char g_ModeNames[kModeSlots][kNameLen + 1];

namespace device {

// Clears both name tables (their start value).
void ResetNames();

}  // namespace device
