#pragma once
#include <string>

#include "platform/ui/messages.h"

namespace ui {

// An entry of a popup menu: the command it sends and its text.
struct MenuItem {
    UINT id = 0;
    std::string text;
};

}  // namespace ui
