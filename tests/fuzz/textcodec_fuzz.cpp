// The name and text codecs on any bytes: GBK fields (names from the device and scene files), UTF-16LE (scene
// files) and UTF-8 (typed and pasted text). Every decoder gives well-formed UTF-8, every field writer stays
// inside its field, never ends it on half a two-byte character, and a round trip keeps what it can encode.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/sys/textcodec.h"

namespace {

void Require(bool ok) {
    if (!ok) __builtin_trap();
}

// Strict UTF-8: shortest forms, no surrogates, nothing above U+10FFFF.
bool WellFormedUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        int len;
        std::uint32_t cp;
        if (b >= 0xC2 && b <= 0xDF) {
            len = 2;
            cp = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            len = 3;
            cp = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            len = 4;
            cp = b & 0x07;
        } else {
            return false;
        }
        if (i + len > s.size()) return false;
        for (int k = 1; k < len; ++k) {
            const auto c = static_cast<unsigned char>(s[i + k]);
            if ((c & 0xC0) != 0x80) return false;
            cp = cp << 6 | (c & 0x3F);
        }
        if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF))) return false;
        if (cp >= 0xD800 && cp <= 0xDFFF) return false;
        i += len;
    }
    return true;
}

// A GBK field the writer made: text, then only zeros, and the text is whole GBK characters.
void CheckGbkField(const char* field, std::size_t size, const sys::FieldText& r, bool terminate) {
    Require(r.length <= (terminate && size > 0 ? size - 1 : size));
    for (std::size_t i = r.length; i < size; ++i) Require(field[i] == 0);
    for (std::size_t i = 0; i < r.length;) {
        const auto b = static_cast<unsigned char>(field[i]);
        Require(b != 0);
        if (b < 0x80) {
            ++i;
        } else {
            Require(b >= 0x81 && b <= 0xFE && i + 1 < r.length);  // a lead byte and its trail, both inside
            i += 2;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // Bytes as a GBK field from the device or a file.
    const std::size_t fieldSize = size ? data[0] % 24 : 0;
    const sys::Converted fromGbk = sys::GbkFieldToUtf8(bytes.data(), std::min(size, fieldSize + 1));
    Require(WellFormedUtf8(fromGbk.text));

    // Bytes as UTF-16LE.
    const sys::Converted fromUtf16 = sys::Utf16LeToUtf8(bytes);
    Require(WellFormedUtf8(fromUtf16.text));

    // Bytes as UTF-8 typed or pasted: to the code points and back gives well-formed UTF-8.
    const std::u32string points = sys::Utf8ToU32(bytes);
    for (char32_t c : points) Require(c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF));
    const std::string clean = sys::U32ToUtf8(points);
    Require(WellFormedUtf8(clean));
    Require(sys::Utf8ToU32(clean) == points);

    // UTF-8 to UTF-16LE and back is the cleaned text.
    const sys::Converted toUtf16 = sys::Utf8ToUtf16Le(bytes);
    Require(toUtf16.text.size() % 2 == 0);
    const sys::Converted back = sys::Utf16LeToUtf8(toUtf16.text);
    Require(!back.replaced && back.text == clean);

    // UTF-8 into a GBK field of every size a name field has, and back.
    for (std::size_t field :
         {std::size_t(1), std::size_t(2), std::size_t(11), std::size_t(20), std::size_t(21)}) {
        for (bool terminate : {true, false}) {
            char out[32];
            std::memset(out, 0x55, sizeof out);
            const sys::FieldText r = sys::Utf8ToGbkField(bytes, out, field, terminate);
            for (std::size_t i = field; i < sizeof out; ++i)
                Require(out[i] == 0x55);  // nothing past the field
            CheckGbkField(out, field, r, terminate);
            const sys::Converted name = sys::GbkFieldToUtf8(out, field);
            Require(!name.replaced && WellFormedUtf8(name.text) && name.text.find('\0') == std::string::npos);
            // What fitted reads back as the start of the text (with '?' for what GBK cannot hold).
            if (!r.replaced && clean == bytes) Require(clean.compare(0, name.text.size(), name.text) == 0);
        }
    }
    return 0;
}
