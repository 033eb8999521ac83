#pragma once
// The TCP receive side's byte countdown: 2 when a byte arrives, 0 when a frame ends or is dropped, lowered by
// one on each tick of the main window's receive-timeout timer while it is above 0. Set on the receive
// thread, lowered on the UI thread. Nothing acts on it yet: a frame that stops half-way is not dropped.
#include <atomic>

namespace device {

class RxCountdown {
  public:
    static constexpr int kOnByte = 2;

    void ByteArrived() { value_.store(kOnByte, std::memory_order_relaxed); }
    void FrameEnded() { value_.store(0, std::memory_order_relaxed); }
    // One tick: lowers the value by one while it is above 0. A byte arriving meanwhile wins, so the tick
    // never undoes a fresh 2.
    void Tick() {
        int v = value_.load(std::memory_order_relaxed);
        while (v > 0 && !value_.compare_exchange_weak(v, v - 1, std::memory_order_relaxed)) {
        }
    }
    int Value() const { return value_.load(std::memory_order_relaxed); }

  private:
    std::atomic<int> value_{0};
};

}  // namespace device
