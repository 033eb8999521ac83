#pragma once
// Shared set-up for the link tests: clean status, empty rings, and the notices the link posted.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "device/notice.h"
#include "device/rings.h"
#include "device/status.h"

class LinkTest : public ::testing::Test {
  protected:
    void SetUp() override {
        device::ResetStatus();
        DrainAll();
        device::SetNoticeSink([this](const device::Notice& n) { notices.push_back(n); });
    }
    void TearDown() override {
        device::SetNoticeSink(nullptr);
        DrainAll();
        device::ResetStatus();
    }
    static void DrainAll() {
        g_UsbTxRing.Drain();
        g_UsbRxRing.Drain();
        g_TcpTxRing.Drain();
        g_TcpRxRing.Drain();
    }
    // The payload of every queued TCP frame, checked for head, length and sum on the way.
    static std::vector<std::vector<std::uint8_t>> TakeTcpPayloads() {
        std::vector<std::vector<std::uint8_t>> out;
        TcpFrame f;
        while (g_TcpTxRing.Pop(f)) {
            EXPECT_EQ(f.bytes[0], 0x5A);
            const int len = f.bytes[1];
            EXPECT_EQ(f.length, len + 3);
            EXPECT_EQ(f.bytes[2 + len], device::Checksum8(f.bytes + 2, len));
            out.emplace_back(f.bytes + 2, f.bytes + 2 + len);
        }
        return out;
    }
    static std::vector<std::vector<std::uint8_t>> TakeUsbPayloads() {
        std::vector<std::vector<std::uint8_t>> out;
        UsbReport r;
        while (g_UsbTxRing.Pop(r)) {
            EXPECT_EQ(r.bytes[0], 0);
            const int len = r.bytes[1];
            EXPECT_EQ(r.bytes[2 + len], device::Checksum8(r.bytes + 2, len));
            out.emplace_back(r.bytes + 2, r.bytes + 2 + len);
        }
        return out;
    }

    std::vector<device::Notice> notices;
};
