#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/gfx/color.h"
#include "platform/res/skin.h"
#include "res/skin/skinsizes.h"
#include "res/skinids.h"

/*
 * The main window's skin: every bitmap id of the window's roles, its size in each DPI band and the painter
 * that draws it.
 *
 * Registration only records ids, sizes and painters; a bitmap is painted the first time the window asks for
 * it and kept from then on, so only the band the screen runs in is ever painted, and drawing a control is a
 * blit. Each bitmap is painted at its own size (no band is a scaled copy of another), which keeps every band
 * sharp. The few ids that serve every band (the text buttons, the graph overlay's "off" swatches) take the
 * size of their control at the screen's DPI, which is why registration is told the DPI.
 */
namespace res {

struct SkinEntry {
    std::string name;  // the role and state, for tests and the picture dump
    skinid::BandIds ids;
    skinsize::BandSizes sizes;
    SkinPainter paint;
};

// The graph's curve colour of a channel 0..11, which the overlay buttons show.
using ChannelColour = std::function<gfx::Color(int channel)>;

// Every bitmap of the skin for a screen of the given DPI.
std::vector<SkinEntry> ProgramSkinEntries(int dpi, const ChannelColour& channel_colour);

// Registers every bitmap of the skin into skin. False when an id was already taken (nothing of that entry is
// then registered; the others are).
bool RegisterProgramSkin(Skin& skin, int dpi, const ChannelColour& channel_colour);

}  // namespace res
