#pragma once

namespace res {

inline constexpr int kDpiBands = 5;

// The DPI band of a screen: 0 up to 109, 1 for 110..131, 2 for 132..157, 3 for 158..187, 4 from 188. Every
// skin bitmap and every coordinate of the main window exists once per band.
constexpr int DpiBand(int dpi) {
    if (dpi <= 109) return 0;
    if (dpi <= 131) return 1;
    if (dpi <= 157) return 2;
    if (dpi <= 187) return 3;
    return 4;
}

// x * dpi / 96 in integer arithmetic, the product first, truncating toward zero.
constexpr int DpiScale(int x, int dpi) {
    return static_cast<int>(static_cast<long long>(x) * dpi / 96);
}

}  // namespace res
