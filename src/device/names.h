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
// Set where a channel's name is changed here (a rename, a loaded scene). The device answers a names request
// with the names it held when asked, so that answer must not bring back the name a later change replaced:
// a marked channel keeps its name. Asking for the names again clears the marks.
extern bool g_ChannelNameChangedHere[kChannels];

namespace device {

// Clears both name tables (their start value).
void ResetNames();
// Clears the marks of names changed here, as a names request goes out. Takes g_NameMutex.
void ForgetLocalNameChanges();

}  // namespace device
