#include "editing/valueshape.h"

#include "editing/textscan.h"

namespace editing {

namespace {
constexpr std::size_t kShapeChars = 5;
}

std::optional<ShapedValue> CheckValueShape(std::string_view text, bool allowSign, long wholeLimit) {
    std::string_view head = LeadingChars(text, kShapeChars);
    ShapedValue v;
    if (allowSign && !head.empty() && head[0] == '-') {
        v.negative = true;
        head.remove_prefix(1);
    }
    if (!AllDigitsOrDots(head)) return std::nullopt;
    const std::size_t m = head.size();
    const std::size_t lastDot = head.rfind('.');
    const bool hasDot = lastDot != std::string_view::npos;
    if (hasDot && lastDot == 0) return std::nullopt;
    if ((m == 2 && !hasDot) || (m == 3 && hasDot && lastDot == 2)) {
        if (LeadingWholeNumber(head.substr(0, 2)) > wholeLimit) return std::nullopt;
    } else if (m > 3 && (!hasDot || lastDot > 2)) {
        return std::nullopt;
    }
    v.number = head;
    return v;
}

}  // namespace editing
