#include "platform/backend/textinput.h"

#include "platform/sys/textcodec.h"

namespace ui {

std::vector<InputEvent> CharEventsFromText(std::string_view utf8) {
    std::vector<InputEvent> events;
    for (std::size_t pos = 0; pos < utf8.size();) {
        InputEvent e;
        e.type = InputEvent::Type::kChar;
        e.ch = sys::NextUtf8Char(utf8, pos);
        events.push_back(e);
    }
    return events;
}

}  // namespace ui
