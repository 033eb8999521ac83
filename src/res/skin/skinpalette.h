#pragma once
#include "platform/gfx/color.h"

// The skin's colours, in one place. Every bitmap is opaque and stands on the window's background, so each
// painter first fills with the colour of the surface it sits on (kBack, or kTopBar on the top bar).
namespace res::palette {

inline constexpr gfx::Color kBack = gfx::Rgb(0x21, 0x2C, 0x3D);  // the window's own colour
inline constexpr gfx::Color kTopBar = gfx::Rgb(0x17, 0x1F, 0x2C);
inline constexpr gfx::Color kTopBarPressed = gfx::Rgb(0x2A, 0x36, 0x4A);
inline constexpr gfx::Color kFrame = gfx::Rgb(0x33, 0x42, 0x59);  // outlines of the window's panels
inline constexpr gfx::Color kGroove = gfx::Rgb(0x10, 0x16, 0x20);

inline constexpr gfx::Color kAccent = gfx::Rgb(0x2F, 0x8C, 0xFF);
inline constexpr gfx::Color kAccentDeep = gfx::Rgb(0x1C, 0x66, 0xD6);
inline constexpr gfx::Color kAccentLight = gfx::Rgb(0x7C, 0xBC, 0xFF);

inline constexpr gfx::Color kPlateTop = gfx::Rgb(0x4A, 0x58, 0x70);
inline constexpr gfx::Color kPlateBottom = gfx::Rgb(0x3A, 0x46, 0x5B);
inline constexpr gfx::Color kPlateEdge = gfx::Rgb(0x5C, 0x6C, 0x87);
inline constexpr gfx::Color kDarkFill = gfx::Rgb(0x18, 0x20, 0x2E);
inline constexpr gfx::Color kDarkEdge = gfx::Rgb(0x46, 0x55, 0x6E);

inline constexpr gfx::Color kGlyph = gfx::Rgb(0x9A, 0xA7, 0xBB);  // grey symbols
inline constexpr gfx::Color kWhite = gfx::Rgb(0xFE, 0xFE, 0xFE);
inline constexpr gfx::Color kRed = gfx::Rgb(0xE8, 0x4C, 0x4C);
inline constexpr gfx::Color kOrange = gfx::Rgb(0xFF, 0x92, 0x30);
inline constexpr gfx::Color kGreen = gfx::Rgb(0x3E, 0xCE, 0x82);
inline constexpr gfx::Color kAmber = gfx::Rgb(0xF2, 0xB2, 0x3A);

inline constexpr gfx::Color kCapTop = gfx::Rgb(0xE4, 0xE9, 0xF0);  // slider thumbs
inline constexpr gfx::Color kCapBottom = gfx::Rgb(0xA9, 0xB4, 0xC4);
inline constexpr gfx::Color kCapEdge = gfx::Rgb(0x6A, 0x77, 0x8C);

}  // namespace res::palette
