#include "device/storerequest.h"

#include <atomic>
#include <cstdint>

#include "device/commands.h"
#include "device/sendtodevice.h"
#include "device/status.h"

namespace device {

namespace {
std::atomic<int> g_StoreSlot{0};
}  // namespace

void RequestStore(int slot) {
    if (slot < 0 || slot >= kModeSlots) return;
    g_StoreSlot = slot;
    g_StoreModeRequest = 1;
}

void CancelStore() {
    g_StoreModeRequest = 0;
}

bool SendPendingStore() {
    if (g_StoreModeRequest.load() != 1) return true;
    const std::uint8_t payload[] = {CMD_STORE_MODE, std::uint8_t(g_StoreSlot.load())};
    if (TrySendToDevice(sizeof payload, payload) == SendResult::RingFull) return false;
    g_StoreModeRequest = 0;
    return true;
}

}  // namespace device
