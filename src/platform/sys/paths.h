#pragma once
#include <string>
#include <string_view>

namespace sys {

// dir + "/" + name, without a doubled slash when dir already ends in one ("/" + name for the root).
std::string JoinPath(std::string dir, std::string_view name);

}  // namespace sys
