#pragma once
// The difference sync: the first chunk of an image that differs from its shadow is written to the device,
// and the shadow takes its bytes once the write was queued (a full ring leaves it for the next tick). The
// main image has 57 chunks (55 bytes, then 56 from 56i-1, the last 28); the routing image 8 of 56 (the last
// 13). A device with the short image is compared and written only up to its 1579 bytes.
namespace device {

struct ChunkSpan {
    int offset = 0;
    int length = 0;
};

// Chunk i of each image, cut to `size` bytes; length 0 past it.
ChunkSpan DeviceImageChunk(int i, int size);
ChunkSpan RoutingImageChunk(int i);
constexpr int kDeviceImageChunks = 57;
constexpr int kRoutingImageChunks = 8;

struct SyncResult {
    bool deviceChunkSent = false;
    bool routingChunkSent = false;
    bool imagesInStep = false;  // both images equal their shadows after this tick
};

// One tick over the images as they stand (the caller packs them first): at most one chunk of each.
SyncResult SyncChangedChunks();

}  // namespace device
