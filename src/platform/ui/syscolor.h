#pragma once
#include "platform/gfx/color.h"

// The system palette: every colour the layer's own windows and stock controls draw with. A skinned control
// takes its colours from its skin, never from here, and the stock controls never name a colour of their own.
namespace ui::syscolor {

inline constexpr gfx::Color kWindow = gfx::Rgb(255, 255, 255);  // behind edits, lists, message text
inline constexpr gfx::Color kWindowText = gfx::Rgb(0, 0, 0);
inline constexpr gfx::Color kFace = gfx::Rgb(240, 240, 240);      // dialogs, statics, disabled parts
inline constexpr gfx::Color kGrayText = gfx::Rgb(109, 109, 109);  // text of disabled controls
inline constexpr gfx::Color kHighlight = gfx::Rgb(0, 120, 215);   // selection, focus frame, track bar thumb
inline constexpr gfx::Color kHighlightText = gfx::Rgb(255, 255, 255);
inline constexpr gfx::Color kBorder = gfx::Rgb(122, 122, 122);       // control frames
inline constexpr gfx::Color kLightBorder = gfx::Rgb(173, 173, 173);  // a message box's unfocused button
inline constexpr gfx::Color kShadow = gfx::Rgb(160, 160, 160);       // channel edge, scroll thumb
inline constexpr gfx::Color kButtonFace = gfx::Rgb(225, 225, 225);
// A pushed button, a dragged thumb, the arrow box of an open list.
inline constexpr gfx::Color kPressedFace = gfx::Rgb(204, 228, 247);
inline constexpr gfx::Color kChannel = gfx::Rgb(231, 234, 234);         // inside a track bar's channel
inline constexpr gfx::Color kProgressTrough = gfx::Rgb(230, 230, 230);  // a progress bar's empty part
inline constexpr gfx::Color kProgressFill = gfx::Rgb(6, 176, 37);
// The message box's icons: a coloured square with a mark in kHighlightText.
inline constexpr gfx::Color kInfoIcon = gfx::Rgb(0, 102, 204);
inline constexpr gfx::Color kErrorIcon = gfx::Rgb(232, 17, 35);
inline constexpr gfx::Color kWarningIcon = gfx::Rgb(255, 185, 0);

}  // namespace ui::syscolor
