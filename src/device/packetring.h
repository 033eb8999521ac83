#pragma once
// A fixed ring of RING_SLOTS slots between threads. One consumer takes entries in order; producers fill the
// slot at the write index and then publish the advanced index (release), the consumer observes it (acquire),
// uses the slot and then publishes its advanced read index. One slot always stays free, so a full ring is
// told apart from an empty one: a push into a full ring is refused, never written over an entry not yet
// taken. Rings that more than one thread fills take a producer lock; consumers never lock.
#include <atomic>
#include <mutex>
#include <type_traits>

constexpr int RING_SLOTS = 50;

namespace device {

struct NoLock {
    void lock() {}
    void unlock() {}
};

template <typename Slot, bool kSharedProducer>
class PacketRing {
  public:
    static constexpr int kSlots = RING_SLOTS;
    static constexpr int kCapacity = RING_SLOTS - 1;

    // Producer: fill(Slot&) writes the entry in place (the slot keeps whatever fill leaves alone). Returns
    // false, without calling fill, when the ring is full.
    template <typename Fill>
    bool PushWith(Fill&& fill) {
        std::lock_guard lock(producer_);
        const int w = write_.load(std::memory_order_relaxed);
        const int next = Next(w);
        if (next == read_.load(std::memory_order_acquire)) return false;
        fill(slots_[w]);
        write_.store(next, std::memory_order_release);
        return true;
    }
    bool Push(const Slot& entry) {
        return PushWith([&](Slot& slot) { slot = entry; });
    }

    // Consumer: hands the oldest entry to use(const Slot&) and then frees its slot. False when empty.
    template <typename Use>
    bool PopWith(Use&& use) {
        TakeDrainRequest();
        const int r = read_.load(std::memory_order_relaxed);
        if (r == write_.load(std::memory_order_acquire)) return false;
        use(static_cast<const Slot&>(slots_[r]));
        read_.store(Next(r), std::memory_order_release);
        return true;
    }
    bool Pop(Slot& out) {
        return PopWith([&](const Slot& slot) { out = slot; });
    }

    // Consumer: drops every entry queued so far.
    void Drain() { read_.store(write_.load(std::memory_order_acquire), std::memory_order_release); }
    // Any thread: asks the consumer to drain before it takes its next entry.
    void RequestDrain() { drainRequested_.store(true, std::memory_order_release); }
    bool DrainPending() const { return drainRequested_.load(std::memory_order_acquire); }
    // Consumer: carries out a pending drain request now.
    void TakeDrainRequest() {
        if (drainRequested_.load(std::memory_order_relaxed) && drainRequested_.exchange(false)) Drain();
    }

    bool Empty() const { return Size() == 0; }
    int Size() const {
        const int w = write_.load(std::memory_order_acquire);
        const int r = read_.load(std::memory_order_acquire);
        return (w - r + kSlots) % kSlots;
    }

  private:
    static int Next(int i) { return i + 1 == kSlots ? 0 : i + 1; }

    Slot slots_[kSlots] = {};
    std::atomic<int> write_{0};
    std::atomic<int> read_{0};
    std::atomic<bool> drainRequested_{false};
    [[no_unique_address]] std::conditional_t<kSharedProducer, std::mutex, NoLock> producer_;
};

}  // namespace device
