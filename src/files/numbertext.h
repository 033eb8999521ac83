#pragma once
// Numbers in scene and export files: written and read as the C locale does, whatever the process locale is.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace files {

// Appends the value as "%d" writes it.
void AppendInt(std::string& out, long long value);
// Appends the value as "%lf" writes it: six decimals.
void AppendFixed6(std::string& out, double value);
// Appends the byte as "0x%02x" writes it.
void AppendHexByte(std::string& out, std::uint8_t value);

// Reads a decimal integer as "%d" scans it: leading white space, optional sign, digits; the scan stops at the
// first other character. Empty when the text holds no number or the number does not fit an int.
std::optional<int> ScanInt(std::string_view text);

// Reads a floating-point number as "%lf" scans it (decimal or hexadecimal, with exponent, "inf", "nan").
// Empty when the text holds no number or the number is too large for a double.
std::optional<double> ScanDouble(std::string_view text);

}  // namespace files
