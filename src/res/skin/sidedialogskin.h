#pragma once
#include <array>

#include "platform/res/skin.h"

/*
 * The side dialogs' skin: their backgrounds, the drawn text and close buttons, the source dialog's switch and
 * the model chooser's pictures by DPI band. Like the main window's skin, only ids, sizes and painters are
 * registered; a bitmap is painted when a dialog first draws it. Ids the main window's skin registers already
 * (the text buttons 199/200, the switch's band-1 pictures) are kept as they are, so both skins live in one
 * table.
 */
namespace res {

namespace sideskin {

inline constexpr int kPanelBackground = 299;  // 420 × 244
inline constexpr int kSmallBackground = 589;  // 368 × 169
inline constexpr int kTextButtonPressed = 199;
inline constexpr int kTextButton = 200;
inline constexpr int kSourceButtonPressed = 590;  // 76 × 23
inline constexpr int kSourceButton = 591;
inline constexpr int kSwitchUnavailable = 314;  // 12 × 12
inline constexpr int kSwitchOn = 283;
inline constexpr int kSwitchOff = 284;

using Bands = std::array<int, kDpiBands>;
inline constexpr Bands kClosePressed{300, 393, 394, 609, 395};
inline constexpr Bands kClose{301, 396, 397, 608, 398};
inline constexpr Bands kChooserBackground{558, 562, 563, 607, 564};
inline constexpr Bands kMarkChosen{592, 593, 594, 595, 596};
inline constexpr Bands kMarkNotChosen{602, 603, 604, 605, 606};
inline constexpr Bands kEnterPressed{597, 598, 599, 600, 601};
inline constexpr Bands kEnter{612, 613, 614, 611, 610};

}  // namespace sideskin

// Registers what is missing of the side dialogs' bitmaps.
void RegisterSideDialogSkin(Skin& skin);

}  // namespace res
