#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace sys {

// Text conversions between the program's UTF-8 strings and the byte forms the device and the files use: code
// page 936 (GBK) for channel and scene names in fixed fields, UTF-16LE for scene files. Nothing here depends
// on the process locale. Bad input never fails a conversion: what cannot be converted is replaced ('?' in
// GBK, U+FFFD in Unicode forms) and the result says so.

// The result of writing text into a fixed byte field.
struct FieldText {
    std::size_t length = 0;  // text bytes written, not counting the terminating zero
    bool truncated = false;  // not all of the text fitted
    bool replaced = false;   // a character had no GBK form (or the UTF-8 was bad) and became '?'
};

// Writes utf8 as GBK into out[0..field). The whole field is written: the text, then zeros. With terminate the
// text takes at most field - 1 bytes, so a zero always follows it; without, it may fill the field. The text
// is cut before the first character that does not fit whole, so the field never ends on half a two-byte
// character. The text ends at an embedded NUL (counted as truncation).
FieldText Utf8ToGbkField(std::string_view utf8, char* out, std::size_t field, bool terminate = true);

// A converted text with a note whether anything had to be replaced.
struct Converted {
    std::string text;
    bool replaced = false;
};

// Reads a GBK field: up to the first zero byte or size bytes, whichever comes first. Bytes that are not GBK,
// and a lead byte cut off at the end, become U+FFFD.
Converted GbkFieldToUtf8(const char* field, std::size_t size);

// UTF-16LE bytes (no byte-order mark is expected or removed) to UTF-8. Unpaired surrogates and an odd last
// byte become U+FFFD.
Converted Utf16LeToUtf8(std::string_view bytes);

// UTF-8 to UTF-16LE bytes; characters above U+FFFF become surrogate pairs, bad UTF-8 becomes U+FFFD.
Converted Utf8ToUtf16Le(std::string_view utf8);

// UTF-8 character by character: the one decoder of the program (edits, typed input, the value texts'
// character counts). Reads the character at utf8[pos] and moves pos past it. A byte that does not start a
// well-formed character (a stray continuation byte, an overlong form, an encoded surrogate, a value past
// U+10FFFF, a lead byte above 0xF4, a sequence cut short) reads as U+FFFD and moves pos by that byte alone,
// so every bad byte is one replacement character and the next character is found again.
char32_t NextUtf8Char(std::string_view utf8, std::size_t& pos);

// The number of characters NextUtf8Char reads from a text (the length of Utf8ToU32).
std::size_t Utf8CharCount(std::string_view utf8);

// UTF-8 to code points and back, for code that works character by character (edits, typed input). Bad UTF-8
// becomes U+FFFD as NextUtf8Char reads it; code points that cannot be encoded become U+FFFD too.
std::u32string Utf8ToU32(std::string_view utf8);
std::string U32ToUtf8(std::u32string_view text);

}  // namespace sys
