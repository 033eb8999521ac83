#pragma once
// Which blocks of an image arrived since its read was requested. A read completes only when its last block
// arrives and every block before it arrived too; a new request (a watchdog resend included) starts afresh,
// so blocks of an earlier, broken read never complete a later one. The UI thread begins reads while a
// dispatch thread records blocks, so both sides take the tracker's lock.
#include <bitset>
#include <mutex>

namespace device {

class BlockTracker {
  public:
    static constexpr int kMaxBlocks = 128;

    // A read was requested: forget every block seen so far.
    void Begin();
    // Block `block` of an image of `blocks` blocks arrived. True when it completes the read (then the tracker
    // starts afresh). A block number outside 0..blocks-1 is ignored.
    bool Arrive(int block, int blocks);
    int Received() const;

  private:
    mutable std::mutex mutex_;
    std::bitset<kMaxBlocks> seen_;
};

// The trackers of the two images' reads.
extern BlockTracker g_DeviceImageRead;
extern BlockTracker g_RoutingImageRead;

}  // namespace device
