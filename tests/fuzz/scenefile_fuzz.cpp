// The scene file reader on arbitrary bytes: it must never crash, and whatever it accepts must be written back
// as a file that it accepts again, unrepaired, with the same values.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "files/scenereader.h"
#include "files/scenewriter.h"

namespace {

bool SameScene(const files::SceneData& a, const files::SceneData& b) {
    for (int ch = 0; ch < kChannels; ++ch) {
        files::SceneChannel x = a.channels[ch];
        const files::SceneChannel& y = b.channels[ch];
        for (int band = 0; band < kBands; ++band) {
            if (std::fabs(x.eqQ[band] - y.eqQ[band]) > 5e-7) return false;  // written with six decimals
            x.eqQ[band] = y.eqQ[band];
        }
        if (!(x == y)) return false;
    }
    files::SceneData rest = a;
    rest.channels = b.channels;
    return rest == b;
}

void Check(std::string_view bytes, int firmwareDate) {
    const files::SceneReadResult first = files::ParseSceneFile(bytes, firmwareDate);
    if (first.refusal != files::SceneRefusal::kNone) return;
    const std::string again = files::EncodeSceneFile(files::FormatSceneText(first.scene));
    const files::SceneReadResult second = files::ParseSceneFile(again, firmwareDate);
    if (second.refusal != files::SceneRefusal::kNone || second.repaired ||
        !SameScene(first.scene, second.scene)) {
        __builtin_trap();
    }
}

// Random bytes rarely make 2311 lines, so the input also edits a valid file: each '\n'-separated piece
// replaces one line, chosen by its first two bytes, with the rest of the piece (widened to UTF-16 units).
std::string EditedFile(std::string_view input) {
    static const std::vector<std::string> base = [] {
        std::vector<std::string> lines;
        const std::string text = files::FormatSceneText(files::SceneData{});
        for (std::size_t at = 0, crlf; (crlf = text.find("\r\n", at)) != std::string::npos; at = crlf + 2) {
            lines.push_back(text.substr(at, crlf - at));
        }
        lines.emplace_back();  // an extra, normally absent line
        return lines;
    }();
    std::vector<std::string> lines = base;
    std::size_t count = base.size() - 1;
    for (int edits = 0; !input.empty() && edits < 64; ++edits) {
        const std::size_t end = std::min(input.find('\n'), input.size());
        const std::string_view piece = input.substr(0, end);
        input.remove_prefix(std::min(end + 1, input.size()));
        if (piece.size() < 2) continue;
        const std::size_t line =
            (static_cast<std::uint8_t>(piece[0]) << 8 | static_cast<std::uint8_t>(piece[1])) % lines.size();
        lines[line] = piece.substr(2);
        if (line == base.size() - 1) count = base.size();
    }
    std::string text;
    for (std::size_t i = 0; i < count; ++i) text += lines[i] + "\r\n";
    return files::EncodeSceneFile(text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The firmware date changes the delay limit and whether links are kept; the input's last byte picks one.
    static constexpr int kDates[] = {222222, 211118, 211117, 190820};
    const int date = size ? kDates[data[size - 1] % 4] : kDates[0];
    Check(bytes, date);
    Check(EditedFile(bytes), date);
    return 0;
}
