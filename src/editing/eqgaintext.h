#pragma once
// Band gains of the current channel as text: "3.5" is +3.5 dB (code 115), "-3.5" is -3.5 dB (code 185).
#include <string>
#include <string_view>

namespace editing {

// Reads up to five leading characters: an optional '-', digits and dots, at most 15.0 dB; one decimal counts,
// further ones are cut toward 0 dB. An empty text or a lone '-' is 0 dB. Returns 1 only when the stored code
// changed. Does not propagate.
int SetBandGainFromText(int band, std::string_view text);

// The current channel's gain of the band with one decimal ("15.0" .. "0.0" .. "-15.0"); a code outside 0..300
// leaves the text as it was.
void FormatEqGain(std::string& text, int band);

}  // namespace editing
