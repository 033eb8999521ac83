#pragma once
// What the side dialogs share until each gets its full template: a small template with their own items
// above an OK and a Cancel button, and the send of a request to the main window.
#include <vector>

#include "platform/res/dialogtemplate.h"
#include "platform/ui/messages.h"

namespace ui {
class Application;
}

namespace dialogs {

// Template `id`: `items` (dialog units) in a client area of `size`, with OK and Cancel along its bottom.
res::DialogTemplate StandInTemplate(int id, res::LangText caption, gfx::Size size,
                                    std::vector<res::DialogItem> items);

// Sends message to the application's main window, when there is one; its result, or 0.
ui::LRESULT SendToMainWindow(ui::Application& app, ui::UINT message, ui::WPARAM wParam = 0,
                             ui::LPARAM lParam = 0);

}  // namespace dialogs
