#pragma once
// The window messages between the main window and the side dialogs (the link's are in linkmessages.h, the
// edit controls' in controls/editmessages.h). The side dialogs send theirs to the application's main window
// while their own modal run is still on the stack; the main window carries the request out before the send
// returns.
#include "controls/editmessages.h"
#include "platform/ui/messages.h"

// wParam a combo box of the main window; nothing sends it.
constexpr ui::UINT WM_COMBO_CHANGED = ui::WM_USER + 102;
// From the filter-setup dialog: wParam 0 high-pass type, 1 high-pass slope, 2 low-pass type, 3 low-pass
// slope; lParam the chosen item.
constexpr ui::UINT WM_FILTER_SETUP = ui::WM_USER + 107;
// From the scene menu: wParam 0 recall a slot, 1 save to a slot, 2 load a scene file, 3 save one.
constexpr ui::UINT WM_SCENE_COMMAND = ui::WM_USER + 108;
// From the settings dialog: wParam 0 firmware upgrade, 1 factory reset, 2 About, 3 no-signal mute toggle.
constexpr ui::UINT WM_SETUP_COMMAND = ui::WM_USER + 109;
// From the delay calculator: wParam the channel, lParam (distance << 16) | delay.
constexpr ui::UINT WM_DELAY_RESULT = ui::WM_USER + 110;
// From the settings dialog's volume edit: wParam the new high-level mix volume.
constexpr ui::UINT WM_MIX_VOLUME_CHANGED = ui::WM_USER + 112;
