// The difference sync packs both images every 100 ms, and every command is queued through one entry point:
// both must stay far below a tick and must not allocate.
#include <benchmark/benchmark.h>

#include "device/channelmodel.h"
#include "device/deviceimage.h"
#include "device/eqmodel.h"
#include "device/rings.h"
#include "device/routingimage.h"
#include "device/sendtodevice.h"

namespace {

void BM_PackDeviceImage(benchmark::State& state) {
    device::ResetEqModel();
    device::ResetChannelModel();
    device::Delays delays{};
    for (auto _ : state) {
        device::PackDeviceImage(delays);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PackDeviceImage);

void BM_UnpackDeviceImage(benchmark::State& state) {
    device::ResetEqModel();
    device::PackDeviceImage(device::Delays{});
    for (auto _ : state) benchmark::DoNotOptimize(device::UnpackDeviceImage());
}
BENCHMARK(BM_UnpackDeviceImage);

void BM_PackRoutingImage(benchmark::State& state) {
    device::ResetChannelModel();
    for (auto _ : state) {
        device::PackRoutingImage(0x0FFF);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PackRoutingImage);

// Queue a 62-byte chunk write and take it out again, as the UI thread and the send thread do.
void BM_SendToDeviceAndConsume(benchmark::State& state) {
    std::uint8_t payload[62] = {0x11};
    TcpFrame frame;
    for (auto _ : state) {
        device::SendToDevice(sizeof payload, payload);
        g_TcpTxRing.Pop(frame);
    }
    benchmark::DoNotOptimize(frame);
}
BENCHMARK(BM_SendToDeviceAndConsume);

}  // namespace
