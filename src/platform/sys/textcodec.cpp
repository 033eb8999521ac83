#include "platform/sys/textcodec.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>

namespace sys {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kBad = 0xFFFFFFFF;

// One iconv conversion descriptor for the length of a call; each call has its own, so threads never share
// one.
class Iconv {
  public:
    Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Iconv() {
        if (ok()) iconv_close(cd_);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }

  private:
    iconv_t cd_;
};

// Decodes the UTF-8 character at s[pos], advancing pos. Returns kBad (advancing one byte) for a byte that
// does not start a well-formed character: stray continuation bytes, overlong forms, surrogates, values past
// U+10FFFF, and sequences cut short.
char32_t DecodeUtf8(std::string_view s, std::size_t& pos) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    unsigned char b0 = byte(pos);
    if (b0 < 0x80) {
        ++pos;
        return b0;
    }
    std::size_t extra;
    char32_t cp;
    char32_t min;
    if ((b0 & 0xE0) == 0xC0) {
        extra = 1, cp = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2, cp = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3, cp = b0 & 0x07, min = 0x10000;
    } else {
        ++pos;
        return kBad;
    }
    if (s.size() - pos <= extra) {
        ++pos;
        return kBad;
    }
    for (std::size_t i = 1; i <= extra; ++i) {
        unsigned char b = byte(pos + i);
        if ((b & 0xC0) != 0x80) {
            ++pos;
            return kBad;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return kBad;
    }
    pos += extra + 1;
    return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

void AppendUtf16Le(std::string& out, char32_t unit) {
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>((unit >> 8) & 0xFF);
}

// Writes the GBK bytes of one UTF-8 character (one or two) to out; returns how many, 0 when it has none.
std::size_t GbkOf(const Iconv& cd, std::string_view utf8_char, char (&out)[8]) {
    char in_buf[4];
    std::memcpy(in_buf, utf8_char.data(), utf8_char.size());
    char* in = in_buf;
    std::size_t in_left = utf8_char.size();
    char* out_ptr = out;
    std::size_t out_left = sizeof out;
    iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd.get(), &in, &in_left, &out_ptr, &out_left) == static_cast<std::size_t>(-1) || in_left != 0) {
        return 0;
    }
    return static_cast<std::size_t>(out_ptr - out);
}

}  // namespace

FieldText Utf8ToGbkField(std::string_view utf8, char* out, std::size_t field, bool terminate) {
    FieldText result;
    if (field == 0) {
        result.truncated = !utf8.empty();
        return result;
    }
    std::memset(out, 0, field);
    const std::size_t room = terminate ? field - 1 : field;
    Iconv cd("CP936", "UTF-8");
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        if (utf8[pos] == '\0') {
            result.truncated = true;
            break;
        }
        std::size_t start = pos;
        char32_t cp = DecodeUtf8(utf8, pos);
        char bytes[8];
        std::size_t n = 0;
        if (cp < 0x80) {  // ASCII is the same in GBK
            bytes[0] = static_cast<char>(cp);
            n = 1;
        } else if (cp != kBad && cd.ok()) {
            n = GbkOf(cd, utf8.substr(start, pos - start), bytes);
        }
        const bool replacing = n == 0;
        if (replacing) {
            bytes[0] = '?';
            n = 1;
        }
        if (result.length + n > room) {
            result.truncated = true;
            break;
        }
        std::memcpy(out + result.length, bytes, n);
        result.length += n;
        result.replaced |= replacing;
    }
    return result;
}

Converted GbkFieldToUtf8(const char* field, std::size_t size) {
    Converted result;
    const std::size_t len = strnlen(field, size);
    Iconv cd("UTF-8", "CP936");
    if (!cd.ok()) {
        for (std::size_t i = 0; i < len; ++i) {
            unsigned char b = static_cast<unsigned char>(field[i]);
            AppendUtf8(result.text, b < 0x80 ? b : kReplacement);
            result.replaced |= b >= 0x80;
        }
        return result;
    }
    std::string in_copy(field, len);  // iconv takes a non-const input pointer
    char* in = in_copy.data();
    std::size_t in_left = len;
    char out_buf[256];
    while (in_left > 0) {
        char* out = out_buf;
        std::size_t out_left = sizeof out_buf;
        std::size_t rc = iconv(cd.get(), &in, &in_left, &out, &out_left);
        int err = errno;
        result.text.append(out_buf, out - out_buf);
        if (rc != static_cast<std::size_t>(-1)) break;
        if (err == E2BIG) continue;
        // EILSEQ: skip the bad byte; EINVAL: a lead byte without its trail at the end.
        AppendUtf8(result.text, kReplacement);
        result.replaced = true;
        if (err != EILSEQ) break;
        ++in;
        --in_left;
    }
    return result;
}

Converted Utf16LeToUtf8(std::string_view bytes) {
    Converted result;
    const std::size_t units = bytes.size() / 2;
    auto unit = [&](std::size_t i) {
        return static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                     (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    };
    for (std::size_t i = 0; i < units; ++i) {
        char16_t u = unit(i);
        char32_t cp = u;
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units && unit(i + 1) >= 0xDC00 && unit(i + 1) <= 0xDFFF) {
            cp = 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (unit(i + 1) - 0xDC00);
            ++i;
        } else if (u >= 0xD800 && u <= 0xDFFF) {
            cp = kReplacement;
            result.replaced = true;
        }
        AppendUtf8(result.text, cp);
    }
    if (bytes.size() % 2 != 0) {
        AppendUtf8(result.text, kReplacement);
        result.replaced = true;
    }
    return result;
}

Converted Utf8ToUtf16Le(std::string_view utf8) {
    Converted result;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t cp = DecodeUtf8(utf8, pos);
        if (cp == kBad) {
            cp = kReplacement;
            result.replaced = true;
        }
        if (cp >= 0x10000) {
            AppendUtf16Le(result.text, 0xD800 + ((cp - 0x10000) >> 10));
            AppendUtf16Le(result.text, 0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            AppendUtf16Le(result.text, cp);
        }
    }
    return result;
}

char32_t NextUtf8Char(std::string_view utf8, std::size_t& pos) {
    const char32_t cp = DecodeUtf8(utf8, pos);
    return cp == kBad ? kReplacement : cp;
}

std::size_t Utf8CharCount(std::string_view utf8) {
    std::size_t n = 0;
    for (std::size_t pos = 0; pos < utf8.size(); ++n) DecodeUtf8(utf8, pos);
    return n;
}

std::u32string Utf8ToU32(std::string_view utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) out.push_back(NextUtf8Char(utf8, pos));
    return out;
}

std::string U32ToUtf8(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t cp : text) {
        AppendUtf8(out, cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF) ? kReplacement : cp);
    }
    return out;
}

}  // namespace sys
