#pragma once
#include <functional>
#include <map>
#include <optional>
#include <string>

namespace sys {

// Looks up an environment variable. Code that depends on the environment takes one of these, so tests can
// hand in their own values instead of changing the process's environment.
using EnvLookup = std::function<std::optional<std::string>(const char* name)>;

// The process's own environment (getenv). Unset variables give nullopt; set but empty ones give "".
EnvLookup ProcessEnvironment();

// A fixed set of variables, for tests: every other name is unset.
EnvLookup MapEnvironment(std::map<std::string, std::string> vars);

}  // namespace sys
