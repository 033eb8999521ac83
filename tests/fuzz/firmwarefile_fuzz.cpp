// The firmware file checks on arbitrary bytes: the sum check agrees with a plain sum, and the name test
// accepts only the names of the table, whatever the path looks like.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "files/firmwarefile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> file(data, size);
    unsigned sum = 0;
    for (std::size_t i = 0; i + 1 < size; ++i) sum += data[i];
    const bool expected = size >= 2 && (sum & 0xFF) == data[size - 1];
    if (files::FirmwareChecksumOk(file) != expected) __builtin_trap();

    const std::string_view path(reinterpret_cast<const char*>(data), size);
    const std::string_view name = files::FileNameOf(path);
    if (name.find('/') != std::string_view::npos) __builtin_trap();
    for (int model = 0; model <= 10; ++model) {
        bool listed = false;
        for (std::string_view n : files::FirmwareNamesForModel(model)) listed = listed || n == name;
        if (files::IsFirmwareNameAccepted(name, model, false) != listed) __builtin_trap();
        if (listed && !files::IsFirmwareNameAccepted(name, 1, true)) __builtin_trap();
    }
    return 0;
}
