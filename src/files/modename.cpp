#include "files/modename.h"

#include <mutex>

#include "device/names.h"
#include "platform/sys/textcodec.h"

namespace files {

bool StoreModeName(int slot, std::string_view utf8Name) {
    if (slot < 0 || slot >= kModeSlots) return false;
    std::lock_guard lock(g_NameMutex);
    sys::Utf8ToGbkField(utf8Name, g_ModeNames[slot], kNameLen, /*terminate=*/false);
    g_ModeNames[slot][kNameLen] = 0;
    return true;
}

}  // namespace files
