#include "device/diffsync.h"

#include <algorithm>
#include <cstring>
#include <mutex>

#include "device/commandbuilders.h"
#include "device/deviceimage.h"
#include "device/images.h"

namespace device {

namespace {

constexpr int kChunk = 56;

// The first chunk of [0, count) that differs from its shadow, or -1.
template <typename ChunkOf>
int FirstChangedChunk(const std::uint8_t* image, const std::uint8_t* shadow, int count, ChunkOf chunkOf) {
    std::lock_guard lock(g_ImageMutex);
    for (int i = 0; i < count; ++i) {
        const ChunkSpan c = chunkOf(i);
        if (c.length > 0 && std::memcmp(image + c.offset, shadow + c.offset, c.length) != 0) return i;
    }
    return -1;
}

void TakeIntoShadow(const std::uint8_t* image, std::uint8_t* shadow, ChunkSpan c) {
    std::lock_guard lock(g_ImageMutex);
    std::memcpy(shadow + c.offset, image + c.offset, c.length);
}

// Sends the first changed chunk; true when one was sent. `pending` tells whether any chunk differs still.
template <typename ChunkOf, typename Send>
bool SyncImage(const std::uint8_t* image, std::uint8_t* shadow, int count, ChunkOf chunkOf, Send send,
               bool& pending) {
    const int i = FirstChangedChunk(image, shadow, count, chunkOf);
    pending = i >= 0;
    if (i < 0) return false;
    const ChunkSpan c = chunkOf(i);
    if (!send(c.offset, c.length)) return false;
    TakeIntoShadow(image, shadow, c);
    pending = FirstChangedChunk(image, shadow, count, chunkOf) >= 0;
    return true;
}

}  // namespace

ChunkSpan DeviceImageChunk(int i, int size) {
    ChunkSpan c;
    if (i == 0) {
        c = {0, kChunk - 1};
    } else if (i < kDeviceImageChunks - 1) {
        c = {kChunk * i - 1, kChunk};
    } else if (i == kDeviceImageChunks - 1) {
        c = {kChunk * i - 1, EQ_USER_PARA_NUM - (kChunk * i - 1)};
    } else {
        return {};
    }
    if (c.offset >= size) return {c.offset, 0};
    c.length = std::min(c.length, size - c.offset);
    return c;
}

ChunkSpan RoutingImageChunk(int i) {
    if (i < 0 || i >= kRoutingImageChunks) return {};
    return {kChunk * i, std::min(kChunk, SAVE_PARA_2_END - kChunk * i)};
}

SyncResult SyncChangedChunks() {
    const int size = GetDeviceImageSize();
    SyncResult r;
    bool devicePending = false;
    bool routingPending = false;
    r.deviceChunkSent = SyncImage(
        g_DeviceImage, g_DeviceImageShadow, kDeviceImageChunks,
        [size](int i) { return DeviceImageChunk(i, size); }, SendDeviceImageChunk, devicePending);
    r.routingChunkSent = SyncImage(g_RoutingImage, g_RoutingImageShadow, kRoutingImageChunks,
                                   RoutingImageChunk, SendRoutingImageChunk, routingPending);
    r.imagesInStep = !devicePending && !routingPending;
    return r;
}

}  // namespace device
