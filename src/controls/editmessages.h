#pragma once
// The messages the value edits send and take. Their owners (the main window, the side dialogs) answer them.
#include "platform/ui/messages.h"

// To an edit: wParam 0, lParam 0 takes the focus and selects all. To a window that moves the focus: wParam
// the virtual key.
constexpr ui::UINT WM_MOVE_FOCUS = ui::WM_USER + 100;
// wParam the output channel, lParam the mix cell's input bit (0: the channel's own gain edit). From the
// settings dialog's volume edit: wParam the key (WM_GAIN_STEPPED) or 0.
constexpr ui::UINT WM_GAIN_STEPPED = ui::WM_USER + 104;
constexpr ui::UINT WM_GAIN_COMMIT = ui::WM_USER + 105;
// From a delay edit: wParam 0, lParam 0.
constexpr ui::UINT WM_DELAY_CHANGED = ui::WM_USER + 113;
