// The PC scene file: building the whole file from a scene and reading it back, the two halves of a save and a
// load (the disk aside).
#include <benchmark/benchmark.h>

#include "device/channelmodel.h"
#include "device/eqmodel.h"
#include "files/scenedata.h"
#include "files/scenereader.h"
#include "files/scenewriter.h"

namespace {

files::SceneData SampleScene() {
    files::SceneData s;
    for (int ch = 0; ch < kChannels; ++ch) {
        auto& c = s.channels[ch];
        c.delay = ch * 40;
        c.gain = ch * 50;
        for (int b = 0; b < kBands; ++b) {
            c.eqFreq[b] = g_DefaultEqFreq[b];
            c.eqGain[b] = kEqGainFlat + b;
            c.eqQ[b] = g_QTable[(ch + b) % kQTableSize];
        }
        c.highPassFreq = kHighPassDefault;
        c.lowPassFreq = kLowPassDefault;
        c.highPassSlope = c.lowPassSlope = kSlopeOff;
    }
    return s;
}

void BM_WriteSceneFile(benchmark::State& state) {
    const files::SceneData scene = SampleScene();
    for (auto _ : state) {
        benchmark::DoNotOptimize(files::EncodeSceneFile(files::FormatSceneText(scene)));
    }
}
BENCHMARK(BM_WriteSceneFile);

void BM_ReadSceneFile(benchmark::State& state) {
    const std::string bytes = files::EncodeSceneFile(files::FormatSceneText(SampleScene()));
    for (auto _ : state) {
        benchmark::DoNotOptimize(files::ParseSceneFile(bytes, 222222));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ReadSceneFile);

}  // namespace
