#pragma once
// Between the parameter model and a SceneData. The channel delays and the graph's overlay mask are held by
// the main window's controls, so they come in (capture) and go out (apply) beside the model.

#include <array>

#include "files/scenedata.h"

namespace files {

// The scene as the model holds it now, with the window's delays of CH1..CH12 and overlay mask.
SceneData CaptureScene(const std::array<int, kChannels>& delays, int overlayMask);

// What the window has to redraw beyond the controls it refreshes from the model anyway.
struct SceneApplyResult {
    std::array<bool, kChannels> routingChanged{};  // the output's routing mask changed
    bool mixInChanged = false;                     // the high-level mix-in switch changed
};

// Writes a scene into the model in one step: EQ (with the Q indexes), crossovers, gains with the phase and
// mute bits, the master volume with its mute bit, routing, mix, links, bridges and names; the four-channel
// link mode goes back to 0. The delays and the overlay mask stay in the scene for the window to set.
SceneApplyResult ApplyScene(const SceneData& scene);

}  // namespace files
