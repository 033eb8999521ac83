#pragma once
// Character-level helpers shared by the value parsers and formatters. Texts are UTF-8; the parsers count
// characters, not bytes, and only ASCII digits and letters ever match, so no locale and no non-ASCII
// character can change what a text reads as.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace editing {

// Number of characters (code points) in a UTF-8 text, counted as the edit controls count them: each byte of
// malformed UTF-8 is one character (sys::NextUtf8Char).
std::size_t CharCount(std::string_view text);

// The first n characters of a UTF-8 text (all of it when shorter), counted as CharCount does.
std::string_view LeadingChars(std::string_view text, std::size_t n);

inline bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// True when every character is an ASCII digit or '.'.
bool AllDigitsOrDots(std::string_view text);

// True for "OFF" in any mix of upper and lower case, and nothing else.
bool IsOffText(std::string_view text);

// A decimal number read from the front of a text of digits and dots, ending at the first character that
// cannot continue it (a second '.'). Kept exact: the whole tenths and whether anything non-zero follows them.
struct Tenths {
    long value = 0;     // the number times 10, fraction dropped
    bool rest = false;  // a non-zero digit after the tenths
};
Tenths ReadTenths(std::string_view text);

// The same number as the nearest double; 0 when no digit starts it. Locale-independent.
double ReadNumber(std::string_view text);

// The leading digits of a text as a whole number (0 when it starts with none).
long LeadingWholeNumber(std::string_view text);

// The short level texts of the mix cells and the master volume (whole dB of attenuation, 60 = off), read up
// to the first 'd': "OFF" (any case) = 60, "-" and two digits below 60, "-" and one digit, or "0". Nothing
// else.
std::optional<int> ReadLevelText(std::string_view text);

// printf's "%.Nf" in the C locale.
std::string FormatFixed(double value, int decimals);
std::string FormatFixed(float value, int decimals);

}  // namespace editing
