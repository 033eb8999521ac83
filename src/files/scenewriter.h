#pragma once
// The PC scene file's text: 2311 lines of one number each, CR LF after every line, as UTF-16LE without a
// byte-order mark and with one NUL unit at the end.

#include <string>

#include "files/scenedata.h"

namespace files {

// The text as ASCII, line 0 first, every line ending in CR LF (no NUL).
std::string FormatSceneText(const SceneData& scene);

// The file's bytes: the text as UTF-16LE units followed by one NUL unit.
std::string EncodeSceneFile(const std::string& text);

}  // namespace files
