#include "app/commandline.h"

#include <gtest/gtest.h>

namespace app {
namespace {

TEST(CommandLine, DeviceAddressForms) {
    struct Case {
        const char* text;
        bool ok;
        const char* host;
        uint16_t port;
    } cases[] = {
        {"127.0.0.1:7000", true, "127.0.0.1", 7000},
        {"localhost", true, "localhost", 6000},
        {"127.0.0.1:65535", true, "127.0.0.1", 65535},
        {"127.0.0.1:0", false, "", 0},
        {"127.0.0.1:65536", false, "", 0},
        {"127.0.0.1:", false, "", 0},
        {":6000", false, "", 0},
        {"127.0.0.1:60a", false, "", 0},
        {"", false, "", 0},
    };
    for (const auto& c : cases) {
        auto addr = ParseDeviceAddress(c.text);
        ASSERT_EQ(addr.has_value(), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(addr->host, c.host) << c.text;
            EXPECT_EQ(addr->port, c.port) << c.text;
        }
    }
}

TEST(CommandLine, OptionBeatsEnvironmentBeatsDefault) {
    EXPECT_EQ(ParseCommandLine({}, nullptr).device, (DeviceAddress{kDefaultDeviceHost, kDefaultDevicePort}));
    EXPECT_EQ(ParseCommandLine({}, "127.0.0.1:7001").device, (DeviceAddress{"127.0.0.1", 7001}));
    auto cl = ParseCommandLine({"--device", "127.0.0.1:7002"}, "127.0.0.1:7001");
    EXPECT_TRUE(cl.error.empty());
    EXPECT_EQ(cl.device, (DeviceAddress{"127.0.0.1", 7002}));
    EXPECT_EQ(ParseCommandLine({"--device=127.0.0.1:7003"}, nullptr).device, (DeviceAddress{"127.0.0.1", 7003}));
}

TEST(CommandLine, Errors) {
    EXPECT_FALSE(ParseCommandLine({"--device"}, nullptr).error.empty());
    EXPECT_FALSE(ParseCommandLine({"--device", "x:99999"}, nullptr).error.empty());
    EXPECT_FALSE(ParseCommandLine({"--bogus"}, nullptr).error.empty());
    EXPECT_FALSE(ParseCommandLine({}, "bad:port").error.empty());
    EXPECT_TRUE(ParseCommandLine({"--help"}, nullptr).help);
}

}  // namespace
}  // namespace app
