#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/hid/loopbackbackend.h"

namespace hid {
namespace {

using namespace std::chrono_literals;

constexpr std::uint16_t kVendor = 0x048E;
constexpr std::uint16_t kNormal = 0x5763;
constexpr std::uint16_t kBoot = 0x584F;

Report MakeReport(std::uint8_t first, std::uint8_t second = 0) {
    Report r{};
    r[1] = first;
    r[2] = second;
    r[64] = static_cast<std::uint8_t>(first ^ 0xFF);
    return r;
}

// Collects notices from any thread.
struct NoticeLog {
    void Attach(Backend& backend) {
        backend.SetNoticeHandler([this](const Notice& n) {
            std::lock_guard lock(mutex);
            notices.push_back(n);
        });
    }
    std::vector<Notice> Get() {
        std::lock_guard lock(mutex);
        return notices;
    }
    std::mutex mutex;
    std::vector<Notice> notices;
};

TEST(LoopbackHid, EnumeratesByVendorAndProduct) {
    LoopbackBackend backend;
    auto normal = backend.Plug(kVendor, kNormal);
    auto other = backend.Plug(0x1234, kNormal);
    EXPECT_EQ(backend.Enumerate(kVendor, kNormal), std::vector<DeviceInfo>{normal->Info()});
    EXPECT_EQ(backend.Enumerate(kVendor), std::vector<DeviceInfo>{normal->Info()});
    EXPECT_TRUE(backend.Enumerate(kVendor, kBoot).empty());
    EXPECT_EQ(backend.Enumerate(0x1234), std::vector<DeviceInfo>{other->Info()});
    EXPECT_EQ(backend.Enumerate(0).size(), 2u);  // vendor 0: any
    EXPECT_NE(normal->Info().path, other->Info().path);
    EXPECT_EQ(backend.Open("loopback:99"), nullptr);
}

TEST(LoopbackHid, CarriesReportsBothWaysAcrossThreads) {
    LoopbackBackend backend;
    auto device = backend.Plug(kVendor, kNormal);
    std::unique_ptr<Device> host = backend.Open(backend.Enumerate(kVendor, kNormal).at(0).path);
    ASSERT_NE(host, nullptr);
    constexpr int kCount = 200;

    // The device echoes every report with its second byte raised, and with a report id byte the host must not
    // see.
    std::thread device_side([&] {
        for (int i = 0; i < kCount; ++i) {
            Report in{};
            ASSERT_EQ(device->ReadFromHost(in, 5s), ReadResult::kReport);
            EXPECT_EQ(in, MakeReport(static_cast<std::uint8_t>(i)));
            Report out = MakeReport(in[1], 1);
            out[0] = 0x77;
            ASSERT_TRUE(device->SendToHost(out));
        }
    });
    std::thread writer([&] {
        for (int i = 0; i < kCount; ++i) ASSERT_TRUE(host->Write(MakeReport(static_cast<std::uint8_t>(i))));
    });
    for (int i = 0; i < kCount; ++i) {
        Report r{};
        ASSERT_EQ(host->Read(r, 5s), ReadResult::kReport);
        EXPECT_EQ(r, MakeReport(static_cast<std::uint8_t>(i), 1));  // in order, byte 0 is the report id 0
    }
    writer.join();
    device_side.join();

    Report r{};
    EXPECT_EQ(host->Read(r, 10ms), ReadResult::kTimedOut);
    EXPECT_EQ(device->ReadFromHost(r, 10ms), ReadResult::kTimedOut);
}

TEST(LoopbackHid, WriteWithAReportIdOtherThanZeroIsRefused) {
    LoopbackBackend backend;
    auto device = backend.Plug(kVendor, kNormal);
    auto host = backend.Open(device->Info().path);
    Report r = MakeReport(1);
    r[0] = 2;
    EXPECT_FALSE(host->Write(r));
    EXPECT_EQ(device->PendingFromHost(), 0u);
}

TEST(LoopbackHid, RemovalFailsReadsAndIsNoticed) {
    LoopbackBackend backend;
    NoticeLog log;
    log.Attach(backend);
    auto device = backend.Plug(kVendor, kNormal);
    const std::string path = device->Info().path;
    auto host = backend.Open(path);
    ASSERT_NE(host, nullptr);

    std::atomic<bool> reading{false};
    ReadResult blocked_result = ReadResult::kReport;
    std::thread reader([&] {
        Report r{};
        reading = true;
        blocked_result = host->Read(r, 1h);
    });
    while (!reading) std::this_thread::yield();
    std::this_thread::sleep_for(10ms);
    ASSERT_TRUE(host->Write(MakeReport(5)));  // lost with the device
    device->Unplug();
    reader.join();  // a blocked read ends at once, not after its hour
    EXPECT_EQ(blocked_result, ReadResult::kGone);

    Report r{};
    EXPECT_EQ(host->Read(r, 1h), ReadResult::kGone);
    EXPECT_FALSE(host->Write(MakeReport(1)));
    EXPECT_EQ(device->ReadFromHost(r, 1h), ReadResult::kGone);
    EXPECT_FALSE(device->SendToHost(MakeReport(1)));
    EXPECT_FALSE(device->Plugged());
    EXPECT_TRUE(backend.Enumerate(kVendor).empty());
    EXPECT_EQ(backend.Open(path), nullptr);
    device->Unplug();  // a second unplug is no new removal

    EXPECT_EQ(log.Get(),
              (std::vector<Notice>{{Notice::Kind::kArrival, path}, {Notice::Kind::kRemoval, path}}));
}

TEST(LoopbackHid, DeviceComesBackInUpgradeMode) {
    LoopbackBackend backend;
    NoticeLog log;
    log.Attach(backend);
    auto normal = backend.Plug(kVendor, kNormal);
    normal->Unplug();
    auto boot = backend.Plug(kVendor, kBoot);

    std::vector<DeviceInfo> found = backend.Enumerate(kVendor);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].product_id, kBoot);
    EXPECT_NE(found[0].path, normal->Info().path);
    auto host = backend.Open(found[0].path);
    ASSERT_NE(host, nullptr);
    std::thread device_side([&] {
        Report in{};
        ASSERT_EQ(boot->ReadFromHost(in, 5s), ReadResult::kReport);
        boot->SendToHost(in);
    });
    ASSERT_TRUE(host->Write(MakeReport(0x42)));
    Report r{};
    EXPECT_EQ(host->Read(r, 5s), ReadResult::kReport);
    EXPECT_EQ(r, MakeReport(0x42));
    device_side.join();

    EXPECT_EQ(log.Get(), (std::vector<Notice>{{Notice::Kind::kArrival, normal->Info().path},
                                              {Notice::Kind::kRemoval, normal->Info().path},
                                              {Notice::Kind::kArrival, boot->Info().path}}));
}

TEST(LoopbackHid, ClearedHandlerHearsNothing) {
    LoopbackBackend backend;
    NoticeLog log;
    log.Attach(backend);
    backend.SetNoticeHandler(nullptr);
    backend.Plug(kVendor, kNormal)->Unplug();
    EXPECT_TRUE(log.Get().empty());
}

TEST(LoopbackHid, RemovalOnOneThreadWhileReadsAndWritesRunOnOthers) {
    LoopbackBackend backend;
    auto device = backend.Plug(kVendor, kNormal);
    auto host = backend.Open(device->Info().path);
    std::atomic<bool> device_saw_removal{false};
    std::thread writer([&] {
        while (host->Write(MakeReport(1))) std::this_thread::yield();
    });
    std::thread reader([&] {
        Report r{};
        while (host->Read(r, 1h) != ReadResult::kGone) {
        }
    });
    std::thread device_side([&] {
        Report r{};
        while (device->ReadFromHost(r, 1h) == ReadResult::kReport) device->SendToHost(r);
        device_saw_removal = true;
    });
    std::this_thread::sleep_for(20ms);
    device->Unplug();
    writer.join();
    reader.join();
    device_side.join();
    EXPECT_TRUE(device_saw_removal);
}

TEST(LoopbackHid, DestroyingTheBackendWakesBlockedReads) {
    auto backend = std::make_unique<LoopbackBackend>();
    auto device = backend->Plug(kVendor, kNormal);
    auto host = backend->Open(device->Info().path);
    ReadResult result = ReadResult::kReport;
    std::thread reader([&] {
        Report r{};
        result = host->Read(r, 1h);
    });
    std::this_thread::sleep_for(10ms);
    backend.reset();
    reader.join();
    EXPECT_EQ(result, ReadResult::kGone);
    EXPECT_FALSE(device->Plugged());
}

}  // namespace
}  // namespace hid
