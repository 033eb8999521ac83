#pragma once
// The TCP receive side's byte-wise frame parser: A5, L (1..62), L payload bytes, their 8-bit sum. There is no
// escaping: an A5 inside a payload is data. A bad length drops the frame at once; after a dropped frame the
// parser hunts for the next A5, which may lie inside the following frame. Header and sum are not kept: a
// committed entry holds L and the payload.
#include <cstdint>

#include "device/frames.h"

namespace device {

class TcpFrameParser {
  public:
    enum class State { Head, Length, Payload, Sum };
    enum class Result { Pending, Committed, Dropped };

    // Feeds one byte. On Committed, entry holds the frame.
    Result Feed(std::uint8_t b, TcpRxEntry& entry);
    void Reset() { state_ = State::Head; }
    State state() const { return state_; }

  private:
    State state_ = State::Head;
    TcpRxEntry building_{};
    int position_ = 0;
    std::uint8_t sum_ = 0;
};

}  // namespace device
