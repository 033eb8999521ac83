#pragma once
#include <string_view>
#include <vector>

#include "platform/ui/inputevent.h"

namespace ui {

// The character events that a text-input event of the display (SDL_TEXTINPUT: an input method's commit, or
// the text of a key) types, one per character, read with sys's UTF-8 decoder: a malformed byte (an overlong
// form, an encoded surrogate, a byte above 0xF4, a sequence cut short, a stray continuation byte) types one
// U+FFFD, as the same bytes read everywhere else.
std::vector<InputEvent> CharEventsFromText(std::string_view utf8);

}  // namespace ui
