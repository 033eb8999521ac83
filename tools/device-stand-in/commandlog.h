#pragma once
// What the stand-in received: the last entries in full, and a count of every command by its code. Only the
// last kKept entries are held, so a flood of commands (a long test, a demo left running) costs a fixed amount
// of memory; the counts cover everything since the last Clear. Not locked: its owner locks.
#include <array>
#include <cstdint>
#include <deque>
#include <vector>

namespace standin {

enum class Via { Usb, Tcp };

struct Received {
    Via via;
    std::vector<std::uint8_t> payload;
    std::uint64_t seq = 0;  // 0 for the first command received since the last Clear
};

class CommandLog {
  public:
    static constexpr std::size_t kKept = 1024;

    void Add(Via via, const std::uint8_t* payload, int len);
    // The last entries held, oldest first.
    std::vector<Received> Entries() const { return {entries_.begin(), entries_.end()}; }
    // Commands received, including those no longer held.
    std::uint64_t Total() const { return total_; }
    int Count(std::uint8_t code) const { return counts_[code]; }
    void Clear();

  private:
    std::deque<Received> entries_;
    std::array<int, 256> counts_{};
    std::uint64_t total_ = 0;
};

}  // namespace standin
