#pragma once
// The shape rule shared by the band gain, Q and channel gain parsers: at most five leading characters, an
// optional leading minus, then digits and dots only, no dot first, and a whole part that fits.
#include <optional>
#include <string_view>

namespace editing {

struct ShapedValue {
    bool negative = false;
    std::string_view number;  // the characters after the sign
};

// Refuses a text whose first five characters break the rule. wholeLimit bounds a two-digit whole part (20 for
// band gains, 10 for Q, 60 for channel gains); a longer whole part is refused outright.
std::optional<ShapedValue> CheckValueShape(std::string_view text, bool allowSign, long wholeLimit);

}  // namespace editing
