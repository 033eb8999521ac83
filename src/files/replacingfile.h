#pragma once
// Writing a whole file so that a failure never leaves a half-written target: the bytes go to a new file
// beside the target, which is then renamed over it.

#include <string>
#include <string_view>

namespace files {

struct WriteResult {
    bool ok = false;
    std::string error;  // what failed, for the error box; empty when ok
};

// Writes bytes to path through a temporary file in the same folder. On failure the old file (if any) is left
// as it was and the temporary file is removed. An existing target keeps its permissions.
WriteResult WriteFileReplacing(const std::string& path, std::string_view bytes);

}  // namespace files
