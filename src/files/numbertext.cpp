#include "files/numbertext.h"

#include <charconv>
#include <limits>

namespace files {

namespace {

bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Skips the white space and the sign that both scan formats allow; returns true for a minus.
bool SkipSpaceAndSign(std::string_view& text) {
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    text.remove_prefix(i);
    return negative;
}

}  // namespace

void AppendInt(std::string& out, long long value) {
    char buf[24];
    auto res = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, res.ptr);
}

void AppendFixed6(std::string& out, double value) {
    // Large enough for the widest double in fixed notation with six decimals.
    char buf[std::numeric_limits<double>::max_exponent10 + 32];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 6);
    out.append(buf, res.ptr);
}

void AppendHexByte(std::string& out, std::uint8_t value) {
    static constexpr char kDigits[] = "0123456789abcdef";
    out += "0x";
    out += kDigits[value >> 4];
    out += kDigits[value & 15];
}

std::optional<int> ScanInt(std::string_view text) {
    const bool negative = SkipSpaceAndSign(text);
    long long value = 0;
    std::size_t digits = 0;
    constexpr long long kLimit = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        value = value * 10 + (c - '0');
        if (value > kLimit) return std::nullopt;  // does not fit, however many digits follow
        ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (negative) value = -value;
    if (value > std::numeric_limits<int>::max()) return std::nullopt;
    return static_cast<int>(value);
}

std::optional<double> ScanDouble(std::string_view text) {
    const bool negative = SkipSpaceAndSign(text);
    // One sign at most: from_chars would take a second one ("--0.5" read as 0.5), where "%lf" reads nothing.
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) return std::nullopt;
    double value = 0;
    std::from_chars_result res{};
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X') &&
        (IsHexDigit(text[2]) || text[2] == '.')) {
        res = std::from_chars(text.data() + 2, text.data() + text.size(), value, std::chars_format::hex);
    } else {
        res = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    }
    if (res.ec != std::errc{}) return std::nullopt;
    return negative ? -value : value;
}

}  // namespace files
