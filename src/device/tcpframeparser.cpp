#include "device/tcpframeparser.h"

namespace device {

TcpFrameParser::Result TcpFrameParser::Feed(std::uint8_t b, TcpRxEntry& entry) {
    switch (state_) {
        case State::Head:
            if (b == FRAME_HEAD_RX) state_ = State::Length;
            return Result::Pending;
        case State::Length:
            if (b < 1 || b > kUsbMaxPayload) {
                state_ = State::Head;
                return Result::Dropped;
            }
            building_.bytes[0] = b;
            position_ = 1;
            sum_ = 0;
            state_ = State::Payload;
            return Result::Pending;
        case State::Payload:
            building_.bytes[position_] = b;
            sum_ = std::uint8_t(sum_ + b);
            if (position_ == building_.bytes[0]) state_ = State::Sum;
            ++position_;
            return Result::Pending;
        case State::Sum:
            state_ = State::Head;
            if (b != sum_) return Result::Dropped;
            entry = building_;
            return Result::Committed;
    }
    return Result::Pending;
}

}  // namespace device
