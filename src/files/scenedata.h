#pragma once
// One scene as the PC scene file holds it: the whole tunable state of the twelve outputs and the global
// settings. The writer fills it from the model, the reader from a file; the model is changed from it in one
// step.

#include <array>
#include <cstdint>

#include "device/channelmodel.h"
#include "device/names.h"

namespace files {

inline constexpr int kBridgePairs = 6;  // CH1/2, CH3/4, CH5/6, CH7/8, CH9/10, CH11/12

struct SceneChannel {
    int delay = 0;       // samples at 48 kHz
    int gain = 0;        // 0.1 dB steps, 600 = off
    bool phase = false;  // true = 180 degrees
    std::array<int, kBands> eqFreq{};
    std::array<int, kBands> eqGain{};
    std::array<double, kBands> eqQ{};
    int highPassType = 0;
    int highPassFreq = 0;
    int highPassSlope = 0;
    int lowPassType = 0;
    int lowPassFreq = 0;
    int lowPassSlope = 0;
    std::array<int, kInputs> inputVolume{};  // storage order
    std::array<std::uint8_t, kNameLen> name{};

    bool operator==(const SceneChannel&) const = default;
};

struct SceneData {
    std::array<SceneChannel, kChannels> channels{};
    int masterVolume = 0;
    std::array<int, kChannels> routingMask{};
    int mixVolume = 0;   // high-level mix attenuation
    bool mixIn = false;  // high-level mix-in switch
    std::array<int, kChannels> linkGroupMask{};
    int overlayMask = 0;  // the graph's overlay channels
    std::array<bool, kBridgePairs> bridges{};

    bool operator==(const SceneData&) const = default;
};

}  // namespace files
