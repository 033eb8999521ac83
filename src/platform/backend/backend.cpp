#include "platform/backend/backend.h"

#include <cstdlib>
#include <string>

#include "platform/backend/headless.h"
#include "platform/backend/sdl.h"

namespace ui {

int DpiFromEnvironment(const std::string& variable, int fallback) {
    const char* env = variable.empty() ? nullptr : std::getenv(variable.c_str());
    if (env) {
        char* end = nullptr;
        const long v = std::strtol(env, &end, 10);
        if (end != env && *end == '\0' && v >= 48 && v <= 960) return static_cast<int>(v);
    }
    return fallback > 0 ? fallback : 96;
}

std::unique_ptr<Backend> ChooseBackend(const AppConfig& config, std::string* why_not_sdl) {
    std::string why;
    if (auto sdl = SdlBackend::Open(config.dpi_variable, &why)) return sdl;
    if (why_not_sdl) *why_not_sdl = why;
    auto headless = std::make_unique<HeadlessBackend>(HeadlessBackend::Clock::kReal);
    headless->SetDpi(DpiFromEnvironment(config.dpi_variable, 96));
    return headless;
}

}  // namespace ui
