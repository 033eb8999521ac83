#include "platform/backend/backend.h"

#include <cstdlib>
#include <string>

#include "platform/backend/headless.h"
#include "platform/backend/sdl.h"

namespace ui {

int DpiFromEnvironment(int fallback) {
    if (const char* env = std::getenv("DSP_CONSOLE_DPI")) {
        char* end = nullptr;
        const long v = std::strtol(env, &end, 10);
        if (end != env && *end == '\0' && v >= 48 && v <= 960) return static_cast<int>(v);
    }
    return fallback > 0 ? fallback : 96;
}

std::unique_ptr<Backend> ChooseBackend(std::string* why_not_sdl) {
    std::string why;
    if (auto sdl = SdlBackend::Open(&why)) return sdl;
    if (why_not_sdl) *why_not_sdl = why;
    return std::make_unique<HeadlessBackend>(HeadlessBackend::Clock::kReal);
}

}  // namespace ui
