#pragma once
// The line map of the PC scene file: what each of its 2311 lines holds. The writer and the reader both walk
// this one table, so they cannot disagree about a line.

#include <array>
#include <cstdint>
#include <string_view>

namespace files {

inline constexpr int kSceneLines = 2311;
inline constexpr int kSceneFormatTag = 19;
inline constexpr int kSceneMaxLineChars = 49;  // a 50th character refuses the file

enum class SceneField : std::uint8_t {
    kTag,
    kDelay,
    kGainPhase,
    kMasterVolume,
    kEqFreq,
    kEqGain,
    kEqQ,
    kHighPassType,
    kHighPassFreq,
    kHighPassSlope,
    kLowPassType,
    kLowPassFreq,
    kLowPassSlope,
    kRoutingMask,
    kMixVolume,
    kInputVolume,
    kLinkGroupMask,
    kOverlayMask,
    kBridgeBits,
    kNameByte,
    kFixed,  // reserved or unused channels 13..16: written as `text`, ignored when read
};

struct SceneLine {
    SceneField field = SceneField::kFixed;
    std::uint8_t channel = 0;  // output 0..11
    std::uint8_t index = 0;    // band, input storage index or name byte
    std::string_view text;     // kFixed only
};

const std::array<SceneLine, kSceneLines>& SceneLayout();

// The gain-and-phase value of a channel: bits 0..6 gain bits 0..6, bit 7 the phase, bits 8 and up gain bits 7
// and up.
int EncodeGainPhase(int gain, bool phase);
struct GainPhase {
    std::uint32_t gain = 0;
    bool phase = false;
};
GainPhase DecodeGainPhase(int value);

}  // namespace files
