#pragma once
// Big-endian fields of the device images.
#include <cstdint>

namespace device {

inline void Put16(std::uint8_t* p, int value) {
    p[0] = std::uint8_t(value >> 8);
    p[1] = std::uint8_t(value);
}
inline int Get16(const std::uint8_t* p) {
    return p[0] << 8 | p[1];
}

}  // namespace device
