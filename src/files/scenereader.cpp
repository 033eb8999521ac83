#include "files/scenereader.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "device/eqmodel.h"
#include "files/numbertext.h"
#include "files/scenelayout.h"

namespace files {

namespace {

constexpr int kLongDelayFirmwareDate = 211118;
constexpr int kLinkKeepingFirmwareDate = 190821;
constexpr std::uint32_t kShortDelayLimit = 600;  // delays below this are accepted
constexpr std::uint32_t kLongDelayLimit = 961;
constexpr std::uint32_t kOverlayMaskMax = 65535;

constexpr char16_t kCr = u'\r';
constexpr char16_t kLf = u'\n';

// Applies one line to the scene; values out of range take their replacement and set the repaired flag.
class LineApplier {
  public:
    LineApplier(SceneData& scene, bool& repaired, int firmwareDate)
        : scene_(scene),
          repaired_(repaired),
          delayLimit_(firmwareDate >= kLongDelayFirmwareDate ? kLongDelayLimit : kShortDelayLimit) {}

    void Apply(const SceneLine& line, std::string_view text) {
        if (line.field == SceneField::kFixed || line.field == SceneField::kTag) return;
        SceneChannel& c = scene_.channels[line.channel];
        if (line.field == SceneField::kEqQ) {
            std::optional<double> q = ScanDouble(text);
            const bool ok = q && std::isfinite(*q) && *q >= kEqQMin && *q <= kEqQMax;
            c.eqQ[line.index] = ok ? *q : Repair(kDefaultQ);
            return;
        }
        const std::optional<int> value = ScanInt(text);
        const std::uint32_t u = static_cast<std::uint32_t>(value.value_or(0));
        switch (line.field) {
            case SceneField::kDelay:
                c.delay = InRange(value, 0, delayLimit_ - 1, 0);
                break;
            case SceneField::kGainPhase: {
                if (!value) Repair(0);
                const GainPhase gp = DecodeGainPhase(value.value_or(0));
                c.phase = gp.phase;
                c.gain = gp.gain <= kChannelGainMax ? static_cast<int>(gp.gain) : Repair(0);
                break;
            }
            case SceneField::kMasterVolume:
                scene_.masterVolume = InRange(value, 0, kMasterVolumeMax, 0);
                break;
            case SceneField::kEqFreq:
                c.eqFreq[line.index] = InRange(value, kEqFreqMin, kEqFreqMax, g_DefaultEqFreq[line.index]);
                break;
            case SceneField::kEqGain:
                c.eqGain[line.index] = InRange(value, 0, kEqGainMax, kEqGainFlat);
                break;
            case SceneField::kHighPassType:
                c.highPassType = InRange(value, 0, kFilterTypeMax, 0);
                break;
            case SceneField::kHighPassFreq:
                c.highPassFreq = InRange(value, kEqFreqMin, kEqFreqMax, kHighPassDefault);
                break;
            case SceneField::kHighPassSlope:
                c.highPassSlope = InRange(value, 0, kSlopeOff, kSlopeOff);
                break;
            case SceneField::kLowPassType:
                c.lowPassType = InRange(value, 0, kFilterTypeMax, 0);
                break;
            case SceneField::kLowPassFreq:
                c.lowPassFreq = InRange(value, kEqFreqMin, kEqFreqMax, kLowPassDefault);
                break;
            case SceneField::kLowPassSlope:
                c.lowPassSlope = InRange(value, 0, kSlopeOff, kSlopeOff);
                break;
            case SceneField::kRoutingMask:
                scene_.routingMask[line.channel] = Present(value) & kRoutingMaskBits;
                break;
            case SceneField::kMixVolume: {
                if (!value) Repair(0);
                scene_.mixIn = (u & 128u) != 0;
                const std::uint32_t volume = u & 127u;
                scene_.mixVolume = volume <= kMixVolumeMax ? static_cast<int>(volume) : Repair(0);
                break;
            }
            case SceneField::kInputVolume:
                c.inputVolume[line.index] = InRange(value, 0, kInputVolumeMax, 0);
                break;
            case SceneField::kLinkGroupMask:
                scene_.linkGroupMask[line.channel] = Present(value) & kLinkGroupBits;
                break;
            case SceneField::kOverlayMask:
                // An overlay mask out of range is dropped without a message; only a missing number is
                // reported.
                scene_.overlayMask = u <= kOverlayMaskMax ? static_cast<int>(Present(value)) : 0;
                break;
            case SceneField::kBridgeBits: {
                const int bits = Present(value);
                for (int k = 0; k < kBridgePairs; ++k) scene_.bridges[k] = (bits >> k) & 1;
                break;
            }
            case SceneField::kNameByte:
                c.name[line.index] = static_cast<std::uint8_t>(Present(value));
                break;
            case SceneField::kTag:
            case SceneField::kEqQ:
            case SceneField::kFixed:
                break;
        }
    }

  private:
    template <typename T>
    T Repair(T replacement) {
        repaired_ = true;
        return replacement;
    }
    // A line without a range test: 0 and a report when it holds no number.
    int Present(const std::optional<int>& value) { return value ? *value : Repair(0); }
    // Range tests compare as unsigned 32-bit numbers, so a negative value is out of range.
    int InRange(const std::optional<int>& value, std::uint32_t lo, std::uint32_t hi, int replacement) {
        if (value) {
            const auto u = static_cast<std::uint32_t>(*value);
            if (u >= lo && u <= hi) return *value;
        }
        return Repair(replacement);
    }

    SceneData& scene_;
    bool& repaired_;
    std::uint32_t delayLimit_;
};

char16_t UnitAt(std::string_view bytes, std::size_t i) {
    return static_cast<char16_t>(static_cast<std::uint8_t>(bytes[2 * i]) |
                                 static_cast<std::uint8_t>(bytes[2 * i + 1]) << 8);
}

}  // namespace

SceneReadResult ParseSceneFile(std::string_view bytes, int firmwareDate) {
    SceneReadResult result;
    LineApplier applier(result.scene, result.repaired, firmwareDate);
    const auto& layout = SceneLayout();
    auto refuse = [&](SceneRefusal why, int line) {
        result.refusal = why;
        result.refusedLine = line;
        return result;
    };

    if (bytes.size() > kSceneFileReadLimit) bytes = bytes.substr(0, kSceneFileReadLimit);
    const std::size_t units = bytes.size() / 2;  // an odd last byte is not a unit
    std::string line;
    line.reserve(kSceneMaxLineChars + 1);
    int lineNo = 0;
    for (std::size_t i = 0; i < units; ++i) {
        const char16_t unit = UnitAt(bytes, i);
        if (unit == 0) break;
        if (unit != kCr) {
            line += static_cast<char>(unit & 0xFF);  // the low byte of each unit, as the device tools do
            if (line.size() > kSceneMaxLineChars) return refuse(SceneRefusal::kLineTooLong, lineNo);
            continue;
        }
        // A CR ends the line; only LF may follow it (or the end of the text).
        const char16_t next = i + 1 < units ? UnitAt(bytes, i + 1) : 0;
        if (next != 0 && next != kLf) return refuse(SceneRefusal::kBadLineEnd, lineNo);
        if (lineNo >= kSceneLines) return refuse(SceneRefusal::kTooManyLines, lineNo);
        if (lineNo == 0) {
            if (ScanInt(line) != kSceneFormatTag) return refuse(SceneRefusal::kFirstLine, 0);
        } else {
            applier.Apply(layout[lineNo], line);
        }
        ++lineNo;
        line.clear();
        if (next == 0) break;
        ++i;  // the LF
    }
    if (lineNo < kSceneLines) return refuse(SceneRefusal::kTooFewLines, lineNo);

    if (firmwareDate < kLinkKeepingFirmwareDate) {
        result.scene.linkGroupMask.fill(0);
        result.scene.bridges.fill(false);
        result.scene.overlayMask = 0;
    }
    return result;
}

}  // namespace files
