#pragma once
#include <cstdint>
#include <string>

#include "platform/gfx/geometry.h"

namespace ui {

enum Modifier : unsigned {
    kModShift = 1u << 0,
    kModControl = 1u << 1,
    kModAlt = 1u << 2,
};

// Raw input as a backend (or a test) delivers it. Mouse positions are screen coordinates; keys carry virtual
// key codes. The loop routes it: keys and the wheel to the focus, the mouse to the capture or the window
// under it.
struct InputEvent {
    enum class Type {
        kMouseMove,
        kMouseDown,
        kMouseUp,
        kWheel,
        kKeyDown,
        kKeyUp,
        kChar,
        kPointerLeft,  // the pointer left every window of ours
        kComposition,  // an input method's composition (text), not yet typed; empty when it ended
    } type = Type::kMouseMove;
    int button = 0;  // 0 left, 1 right
    gfx::Point screen;
    int wheel_delta = 0;  // 120 per notch, positive away from the user
    unsigned vk = 0;
    char32_t ch = 0;
    unsigned modifiers = 0;
    std::string text;  // kComposition: UTF-8
};

}  // namespace ui
