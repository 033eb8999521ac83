#pragma once
// The master volume (g_MasterVolume, attenuation in whole dB, 60 = "OFF") as text.
#include <optional>
#include <string>
#include <string_view>

namespace editing {

// "OFF" at 60 or more, otherwise "%ddB" of the negated value ("0dB", "-12dB").
void FormatMasterVolume(std::string& text);

// A typed master volume: at most three characters, read up to the first 'd': "OFF" (any case) = 60, "-" and
// two digits below 60, "-" and one digit, or "0". Nothing else is a value. Stores nothing; the callers
// compare and store.
std::optional<int> ParseMasterVolumeText(std::string_view text);

}  // namespace editing
