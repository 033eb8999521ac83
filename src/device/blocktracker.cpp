#include "device/blocktracker.h"

namespace device {

BlockTracker g_DeviceImageRead;
BlockTracker g_RoutingImageRead;

void BlockTracker::Begin() {
    std::lock_guard lock(mutex_);
    seen_.reset();
}

bool BlockTracker::Arrive(int block, int blocks) {
    if (blocks <= 0 || blocks > kMaxBlocks || block < 0 || block >= blocks) return false;
    std::lock_guard lock(mutex_);
    seen_.set(block);
    if (block != blocks - 1) return false;
    for (int b = 0; b < blocks; ++b)
        if (!seen_.test(b)) return false;
    seen_.reset();
    return true;
}

int BlockTracker::Received() const {
    std::lock_guard lock(mutex_);
    return int(seen_.count());
}

}  // namespace device
