#pragma once
// Reading a PC scene file into a SceneData. The whole file is checked before anything is applied: a file is
// either refused as a whole or yields a complete scene, with out-of-range values replaced.

#include <cstddef>
#include <string_view>

#include "files/scenedata.h"

namespace files {

// Enough bytes for 2311 lines of the longest accepted length and the 50 units that decide whether anything
// follows them, so reading no more than this gives the same result as reading the whole file.
inline constexpr std::size_t kSceneFileReadLimit = 235822;

enum class SceneRefusal {
    kNone,
    kFirstLine,     // line 0 does not read as 19
    kLineTooLong,   // a line reached 50 characters
    kTooManyLines,  // a line after line 2310
    kTooFewLines,   // the text ended before line 2310 was complete
    kBadLineEnd,    // a CR followed by something other than LF
};

struct SceneReadResult {
    SceneRefusal refusal = SceneRefusal::kNone;
    int refusedLine = -1;   // the line being read when the file was refused
    bool repaired = false;  // some value was out of range and replaced
    SceneData scene;        // complete when not refused
};

// Reads the file's bytes. firmwareDate decides the delay limit (960 from 211118 on, else 599) and, below
// 190821, clears the link groups, the bridges and the overlay mask, which such devices do not keep.
SceneReadResult ParseSceneFile(std::string_view bytes, int firmwareDate);

}  // namespace files
