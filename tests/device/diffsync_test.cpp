#include "device/diffsync.h"

#include <cstring>

#include "device/commands.h"
#include "device/images.h"
#include "device/sendtodevice.h"
#include "linktest.h"

namespace {

class DiffSyncTest : public LinkTest {
  protected:
    void SetUp() override {
        LinkTest::SetUp();
        device::ResetImages();
    }
    void TearDown() override {
        device::ResetImages();
        LinkTest::TearDown();
    }
    static void Change(std::uint8_t* image, int offset) {
        std::lock_guard lock(g_ImageMutex);
        image[offset] ^= 0xA5;
    }
    // Offset and length of each chunk write sent.
    std::vector<std::pair<int, int>> Sent(std::uint8_t code) {
        std::vector<std::pair<int, int>> out;
        for (const auto& p : TakeTcpPayloads()) {
            if (p[0] == code) out.emplace_back(p[1] << 8 | p[2], p[3]);
        }
        return out;
    }
};

TEST_F(DiffSyncTest, MainImageChunks) {
    const struct {
        std::vector<int> changed;
        int model, date;
        std::vector<std::vector<std::pair<int, int>>> ticks;  // chunk writes per tick
    } cases[] = {
        {{55}, 4, 222222, {{{55, 56}}, {}}},
        {{54}, 4, 222222, {{{0, 55}}, {}}},
        {{10, 3000}, 4, 222222, {{{0, 55}}, {{2967, 56}}, {}}},
        {{3162}, 4, 222222, {{{3135, 28}}}},
        {{1570, 2000}, 1, 190820, {{{1567, 12}}, {}}},  // the short image stops at 1579 bytes
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.changed[0]);
        device::ResetImages();
        g_DeviceModel = c.model;
        g_FirmwareDate = c.date;
        for (int offset : c.changed) Change(g_DeviceImage, offset);
        for (const auto& tick : c.ticks) {
            device::SyncChangedChunks();
            EXPECT_EQ(Sent(CMD_WRITE_DEVICE_IMAGE), tick);
        }
    }
}

TEST_F(DiffSyncTest, RoutingChunkAndStepState) {
    Change(g_RoutingImage, 404);
    Change(g_DeviceImage, 100);
    auto r = device::SyncChangedChunks();
    EXPECT_TRUE(r.deviceChunkSent && r.routingChunkSent && r.imagesInStep);
    EXPECT_EQ(Sent(CMD_WRITE_ROUTING_IMAGE), (std::vector<std::pair<int, int>>{{392, 13}}));
    EXPECT_FALSE(device::SyncChangedChunks().deviceChunkSent);
}

TEST_F(DiffSyncTest, AFullRingKeepsTheChunkForTheNextTick) {
    const std::uint8_t query[] = {CMD_QUERY_STATUS, kStatusSubCode};
    while (device::SendToDevice(sizeof query, query)) {
    }
    Change(g_DeviceImage, 200);
    EXPECT_FALSE(device::SyncChangedChunks().deviceChunkSent);
    TakeTcpPayloads();
    EXPECT_TRUE(device::SyncChangedChunks().deviceChunkSent);
    std::lock_guard lock(g_ImageMutex);
    EXPECT_EQ(std::memcmp(g_DeviceImage, g_DeviceImageShadow, EQ_USER_PARA_NUM), 0);
}

}  // namespace
