#include "device/names.h"

#include <cstring>

std::mutex g_NameMutex;
char g_ChannelNames[kChannels][kNameLen + 1];
char g_ModeNames[kModeSlots][kNameLen + 1];
bool g_ChannelNameChangedHere[kChannels];

namespace device {

void ResetNames() {
    std::lock_guard lock(g_NameMutex);
    std::memset(g_ChannelNames, 0, sizeof g_ChannelNames);
    std::memset(g_ModeNames, 0, sizeof g_ModeNames);
    std::memset(g_ChannelNameChangedHere, 0, sizeof g_ChannelNameChangedHere);
}

void ForgetLocalNameChanges() {
    std::lock_guard lock(g_NameMutex);
    std::memset(g_ChannelNameChangedHere, 0, sizeof g_ChannelNameChangedHere);
}

}  // namespace device
