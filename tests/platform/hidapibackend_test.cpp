#include "platform/hid/hidapibackend.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace hid {
namespace {

constexpr std::uint16_t kVendor = 0x048E;
constexpr std::uint16_t kNormal = 0x5763;
constexpr std::uint16_t kBoot = 0x584F;

TEST(HidapiBackend, NoDevicePresent) {
    HidapiBackend backend;
    if (!backend.Enumerate(kVendor).empty()) GTEST_SKIP() << "a device of the vendor is plugged in";
    EXPECT_TRUE(backend.Enumerate(kVendor, kNormal).empty());
    EXPECT_TRUE(backend.Enumerate(kVendor, kBoot).empty());
    // Asking again works the same (hidapi keeps process-wide state between calls).
    EXPECT_TRUE(backend.Enumerate(kVendor, kNormal).empty());
}

TEST(HidapiBackend, BadPathsDoNotOpen) {
    HidapiBackend backend;
    EXPECT_EQ(backend.Open(""), nullptr);
    EXPECT_EQ(backend.Open("/dev/hidraw-does-not-exist"), nullptr);
    EXPECT_EQ(backend.Open("loopback:0"), nullptr);
    EXPECT_EQ(backend.Open(std::filesystem::temp_directory_path().string()), nullptr);  // a directory
}

}  // namespace
}  // namespace hid
