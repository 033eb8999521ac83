#include "files/scenelayout.h"

#include <cassert>

#include "device/channelmodel.h"
#include "device/names.h"

namespace files {

namespace {

class LayoutBuilder {
  public:
    explicit LayoutBuilder(std::array<SceneLine, kSceneLines>& lines) : lines_(lines) {}

    void Add(SceneField field, int channel = 0, int index = 0) {
        assert(next_ < kSceneLines);
        lines_[next_++] =
            SceneLine{field, static_cast<std::uint8_t>(channel), static_cast<std::uint8_t>(index), {}};
    }
    void Fixed(int count, std::string_view text) {
        assert(next_ + count <= kSceneLines);
        for (int i = 0; i < count; ++i) lines_[next_++] = SceneLine{SceneField::kFixed, 0, 0, text};
    }
    void EqBlock(int ch) {
        for (int b = 0; b < kBands; ++b) Add(SceneField::kEqFreq, ch, b);
        for (int b = 0; b < kBands; ++b) Add(SceneField::kEqGain, ch, b);
        for (int b = 0; b < kBands; ++b) Add(SceneField::kEqQ, ch, b);
        Add(SceneField::kHighPassType, ch);
        Add(SceneField::kHighPassFreq, ch);
        Add(SceneField::kHighPassSlope, ch);
        Add(SceneField::kLowPassType, ch);
        Add(SceneField::kLowPassFreq, ch);
        Add(SceneField::kLowPassSlope, ch);
    }
    void ChannelBlock(int ch) {
        Add(SceneField::kDelay, ch);
        Add(SceneField::kGainPhase, ch);
        EqBlock(ch);
    }
    void EmptyChannelBlock() {
        Fixed(2 + 2 * kBands, "0");
        Fixed(kBands, "0.000000");
        Fixed(6, "0");
    }
    void InputVolumes(int firstCh, int lastCh, int firstIndex, int count) {
        for (int ch = firstCh; ch <= lastCh; ++ch) {
            for (int i = 0; i < count; ++i) Add(SceneField::kInputVolume, ch, firstIndex + i);
        }
    }
    int Count() const { return next_; }

  private:
    std::array<SceneLine, kSceneLines>& lines_;
    int next_ = 0;
};

std::array<SceneLine, kSceneLines> BuildLayout() {
    std::array<SceneLine, kSceneLines> lines{};
    LayoutBuilder b(lines);
    b.Add(SceneField::kTag);                                                     // 0
    for (int ch = 0; ch < 6; ++ch) b.Add(SceneField::kDelay, ch);                // 1..6
    for (int ch = 0; ch < 6; ++ch) b.Add(SceneField::kGainPhase, ch);            // 7..12
    b.Add(SceneField::kMasterVolume);                                            // 13
    for (int ch = 0; ch < 6; ++ch) b.EqBlock(ch);                                // 14..607
    b.ChannelBlock(6);                                                           // 608..708
    b.ChannelBlock(7);                                                           // 709..809
    for (int ch = 0; ch < kChannels; ++ch) b.Add(SceneField::kRoutingMask, ch);  // 810..821
    b.Add(SceneField::kMixVolume);                                               // 822
    b.InputVolumes(0, 7, 0, 16);                                                 // 823..950
    for (int ch = 8; ch < kChannels; ++ch) b.ChannelBlock(ch);                   // 951..1354
    b.InputVolumes(8, 11, 0, 16);                                                // 1355..1418
    for (int k = 0; k < kChannels; ++k) b.Add(SceneField::kLinkGroupMask, k);    // 1419..1430
    b.Fixed(4, "0");                                                             // 1431..1434
    b.Add(SceneField::kOverlayMask);                                             // 1435
    b.Add(SceneField::kBridgeBits);                                              // 1436
    for (int i = 0; i < 4; ++i) b.EmptyChannelBlock();                           // 1437..1840
    b.Fixed(64, "2");                                                            // 1841..1904
    b.InputVolumes(0, 11, 16, 4);                                                // 1905..1952
    b.Fixed(16 + 22, "0");                                                       // 1953..1990
    for (int ch = 0; ch < kChannels; ++ch) {                                     // 1991..2230
        for (int i = 0; i < kNameLen; ++i) b.Add(SceneField::kNameByte, ch, i);
    }
    b.Fixed(80, "0");  // 2231..2310
    assert(b.Count() == kSceneLines);
    return lines;
}

}  // namespace

const std::array<SceneLine, kSceneLines>& SceneLayout() {
    static const std::array<SceneLine, kSceneLines> layout = BuildLayout();
    return layout;
}

int EncodeGainPhase(int gain, bool phase) {
    const auto g = static_cast<std::uint32_t>(gain);
    const std::uint32_t v = ((g & ~127u) << 1) | (g & 127u) | (phase ? 128u : 0u);
    return static_cast<int>(v);
}

GainPhase DecodeGainPhase(int value) {
    const auto v = static_cast<std::uint32_t>(value);
    return GainPhase{((v >> 8) << 7) | (v & 127u), (v & 128u) != 0};
}

}  // namespace files
