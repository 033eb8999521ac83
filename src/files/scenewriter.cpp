#include "files/scenewriter.h"

#include "files/numbertext.h"
#include "files/scenelayout.h"

namespace files {

namespace {

int BridgeBits(const SceneData& scene) {
    int bits = 0;
    for (int k = 0; k < kBridgePairs; ++k) {
        if (scene.bridges[k]) bits |= 1 << k;
    }
    return bits;
}

// The integer of a line; the Q lines are written by the caller.
long long LineValue(const SceneLine& line, const SceneData& scene) {
    const SceneChannel& c = scene.channels[line.channel];
    switch (line.field) {
        case SceneField::kTag:
            return kSceneFormatTag;
        case SceneField::kDelay:
            return c.delay;
        case SceneField::kGainPhase:
            return EncodeGainPhase(c.gain, c.phase);
        case SceneField::kMasterVolume:
            return scene.masterVolume;
        case SceneField::kEqFreq:
            return c.eqFreq[line.index];
        case SceneField::kEqGain:
            return c.eqGain[line.index];
        case SceneField::kHighPassType:
            return c.highPassType;
        case SceneField::kHighPassFreq:
            return c.highPassFreq;
        case SceneField::kHighPassSlope:
            return c.highPassSlope;
        case SceneField::kLowPassType:
            return c.lowPassType;
        case SceneField::kLowPassFreq:
            return c.lowPassFreq;
        case SceneField::kLowPassSlope:
            return c.lowPassSlope;
        case SceneField::kRoutingMask:
            return scene.routingMask[line.channel];
        case SceneField::kMixVolume:
            return static_cast<long long>(scene.mixVolume) + (scene.mixIn ? 128 : 0);
        case SceneField::kInputVolume:
            return c.inputVolume[line.index];
        case SceneField::kLinkGroupMask:
            return scene.linkGroupMask[line.channel];
        case SceneField::kOverlayMask:
            return scene.overlayMask;
        case SceneField::kBridgeBits:
            return BridgeBits(scene);
        case SceneField::kNameByte:
            return static_cast<std::int8_t>(c.name[line.index]);
        case SceneField::kEqQ:
        case SceneField::kFixed:
            break;
    }
    return 0;
}

}  // namespace

std::string FormatSceneText(const SceneData& scene) {
    std::string text;
    text.reserve(kSceneLines * 8);
    for (const SceneLine& line : SceneLayout()) {
        if (line.field == SceneField::kFixed) {
            text += line.text;
        } else if (line.field == SceneField::kEqQ) {
            AppendFixed6(text, scene.channels[line.channel].eqQ[line.index]);
        } else {
            AppendInt(text, LineValue(line, scene));
        }
        text += "\r\n";
    }
    return text;
}

std::string EncodeSceneFile(const std::string& text) {
    std::string bytes;
    bytes.reserve(text.size() * 2 + 2);
    for (char c : text) {
        bytes += c;
        bytes += '\0';
    }
    bytes.append(2, '\0');
    return bytes;
}

}  // namespace files
