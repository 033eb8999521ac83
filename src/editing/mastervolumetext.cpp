#include "editing/mastervolumetext.h"

#include "device/channelmodel.h"
#include "editing/textscan.h"

namespace editing {

namespace {
constexpr std::size_t kMasterChars = 3;
}

void FormatMasterVolume(std::string& text) {
    const int v = g_MasterVolume;
    text = v >= kMasterVolumeMax ? std::string("OFF") : std::to_string(-v) + "dB";
}

std::optional<int> ParseMasterVolumeText(std::string_view text) {
    if (CharCount(text) > kMasterChars) return std::nullopt;
    return ReadLevelText(text);
}

}  // namespace editing
