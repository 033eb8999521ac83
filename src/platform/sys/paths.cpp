#include "platform/sys/paths.h"

namespace sys {

std::string JoinPath(std::string dir, std::string_view name) {
    while (!dir.empty() && dir.back() == '/') dir.pop_back();
    dir += '/';
    dir += name;
    return dir;
}

}  // namespace sys
