#pragma once
#include <cstdint>

namespace sys {

// A UI language by its Windows language id; the language file stores it as two little-endian bytes.
using LangId = std::uint16_t;

// The two UI languages. Every other id reads as English.
inline constexpr LangId kLangEnglish = 1033;
inline constexpr LangId kLangChinese = 2052;

}  // namespace sys
