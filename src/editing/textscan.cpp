#include "editing/textscan.h"

#include <charconv>

#include "platform/sys/textcodec.h"

namespace editing {

namespace {

template <typename T>
std::string FormatFixedImpl(T value, int decimals) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    if (res.ec != std::errc()) return {};
    return std::string(buf, res.ptr);
}

}  // namespace

std::size_t CharCount(std::string_view text) {
    return sys::Utf8CharCount(text);
}

std::string_view LeadingChars(std::string_view text, std::size_t n) {
    std::size_t pos = 0;
    for (std::size_t chars = 0; chars < n && pos < text.size(); ++chars) sys::NextUtf8Char(text, pos);
    return text.substr(0, pos);
}

bool AllDigitsOrDots(std::string_view text) {
    for (char c : text) {
        if (!IsDigit(c) && c != '.') return false;
    }
    return true;
}

bool IsOffText(std::string_view text) {
    return text.size() == 3 && (text[0] == 'O' || text[0] == 'o') && (text[1] == 'F' || text[1] == 'f') &&
           (text[2] == 'F' || text[2] == 'f');
}

Tenths ReadTenths(std::string_view text) {
    Tenths t;
    std::size_t i = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) t.value = t.value * 10 + (text[i] - '0');
    t.value *= 10;
    if (i < text.size() && text[i] == '.') {
        ++i;
        if (i < text.size() && IsDigit(text[i])) t.value += text[i++] - '0';
        for (; i < text.size() && IsDigit(text[i]); ++i) {
            if (text[i] != '0') t.rest = true;
        }
    }
    return t;
}

double ReadNumber(std::string_view text) {
    double value = 0.0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    return res.ec == std::errc() ? value : 0.0;
}

long LeadingWholeNumber(std::string_view text) {
    long n = 0;
    for (std::size_t i = 0; i < text.size() && IsDigit(text[i]); ++i) n = n * 10 + (text[i] - '0');
    return n;
}

std::optional<int> ReadLevelText(std::string_view text) {
    constexpr int kOff = 60;
    const std::string_view t = text.substr(0, text.find('d'));
    if (IsOffText(t)) return kOff;
    if (t.size() == 3 && t[0] == '-' && IsDigit(t[1]) && IsDigit(t[2])) {
        const int v = (t[1] - '0') * 10 + (t[2] - '0');
        if (v >= kOff) return std::nullopt;
        return v;
    }
    if (t.size() == 2 && t[0] == '-' && IsDigit(t[1])) return t[1] - '0';
    if (t == "0") return 0;
    return std::nullopt;
}

std::string FormatFixed(double value, int decimals) {
    return FormatFixedImpl(value, decimals);
}

std::string FormatFixed(float value, int decimals) {
    return FormatFixedImpl(value, decimals);
}

}  // namespace editing
