#include "device/storerequest.h"

#include <gtest/gtest.h>

#include "device/commandbuilders.h"
#include "device/commands.h"
#include "device/linkstate.h"
#include "device/readrequests.h"
#include "linktest.h"

namespace {

using Payloads = std::vector<std::vector<std::uint8_t>>;

class StoreRequestTest : public LinkTest {
  protected:
    void SetUp() override {
        LinkTest::SetUp();
        device::CancelStore();
    }
    void TearDown() override {
        device::CancelStore();
        LinkTest::TearDown();
    }
};

TEST_F(StoreRequestTest, StoreKeepsTheSlotConfirmed) {
    EXPECT_TRUE(device::SendPendingStore());  // nothing requested
    EXPECT_TRUE(TakeTcpPayloads().empty());
    device::RequestStore(5);
    g_CurrentModeSlot = 2;  // a status reply in between
    EXPECT_TRUE(device::SendPendingStore());
    EXPECT_EQ(TakeTcpPayloads(), (Payloads{{CMD_STORE_MODE, 5}}));
    EXPECT_EQ(g_StoreModeRequest, 0);
    EXPECT_TRUE(device::SendPendingStore());  // sent once
    EXPECT_TRUE(TakeTcpPayloads().empty());
}

TEST_F(StoreRequestTest, AFullRingKeepsTheRequestForTheNextTick) {
    for (int i = 0; i < 49; ++i) ASSERT_TRUE(device::RequestNames());
    device::RequestStore(3);
    EXPECT_FALSE(device::SendPendingStore());
    EXPECT_EQ(g_StoreModeRequest, 1);
    DrainAll();
    g_CurrentModeSlot = 7;
    EXPECT_TRUE(device::SendPendingStore());
    EXPECT_EQ(TakeTcpPayloads(), (Payloads{{CMD_STORE_MODE, 3}}));
}

TEST_F(StoreRequestTest, RequestsThatNeverStore) {
    const struct {
        const char* name;
        int slot;
        void (*after)();
    } cases[] = {
        {"slot below the range", -1, [] {}},
        {"slot past the range", 8, [] {}},
        {"cancelled", 2, [] { device::CancelStore(); }},
        {"a full read started", 2, [] { device::StartFullRead(); }},
        {"a recall started", 2, [] { device::StartRecall(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        device::RequestStore(c.slot);
        c.after();
        EXPECT_EQ(g_StoreModeRequest, 0);
        DrainAll();
        EXPECT_TRUE(device::SendPendingStore());
        EXPECT_TRUE(TakeTcpPayloads().empty());
        device::ResetLinkState();
    }
}

TEST_F(StoreRequestTest, TheUpgradeFilterDropsTheRequest) {
    device::RequestStore(1);
    g_UpgradeRunning = 1;
    EXPECT_TRUE(device::SendPendingStore());
    EXPECT_EQ(g_StoreModeRequest, 0);
    g_UpgradeRunning = 0;
    EXPECT_TRUE(device::SendPendingStore());
    EXPECT_TRUE(TakeTcpPayloads().empty());
}

}  // namespace
