#include "app/commandline.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

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
        {"dsp.example:7000", true, "dsp.example", 7000},
        {"dsp.example.:7000", true, "dsp.example.", 7000},
        {"a-b.c1", true, "a-b.c1", 6000},
        // Names that fail the syntax check are refused before any look-up.
        {"local host:6000", false, "", 0},
        {" localhost", false, "", 0},
        {"-dsp:6000", false, "", 0},
        {"dsp-:6000", false, "", 0},
        {"dsp..example", false, "", 0},
        {".", false, "", 0},
        {"dsp_1:6000", false, "", 0},
        {"d\xc3\xa9vice:6000", false, "", 0},
        {"[::1]:6000", false, "", 0},
        {"::1", false, "", 0},
        {"host:6000:7000", false, "", 0},
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

TEST(CommandLine, HostTextLengths) {
    const std::string label63(63, 'a');
    const std::string name253 = label63 + "." + label63 + "." + label63 + "." + std::string(61, 'b');
    ASSERT_EQ(name253.size(), 253u);
    EXPECT_TRUE(IsValidHostText(name253));
    EXPECT_TRUE(IsValidHostText(name253 + "."));
    EXPECT_FALSE(IsValidHostText(name253 + "c"));
    EXPECT_FALSE(IsValidHostText(std::string(64, 'a')));
    EXPECT_FALSE(ParseDeviceAddress(name253 + "c:6000").has_value());
}

// Records every name it is asked for; answers from a table.
struct FakeResolver {
    std::map<std::string, std::string> answers;
    std::vector<std::string> asked;
    HostResolver Get() {
        return [this](const std::string& host, std::string& error) -> std::optional<std::string> {
            asked.push_back(host);
            const auto it = answers.find(host);
            if (it == answers.end()) {
                error = "Name or service not known";
                return std::nullopt;
            }
            return it->second;
        };
    }
};

TEST(CommandLine, NamesAreResolvedOnceToIpv4) {
    struct Case {
        const char* rule;
        std::vector<std::string> args;
        const char* env;
        DeviceAddress device;  // when error is false
        bool error;
        std::vector<std::string> asked;
    } cases[] = {
        {"a name resolves to its address",
         {"--device", "dsp.test:7000"},
         nullptr,
         {"10.1.2.3", 7000},
         false,
         {"dsp.test"}},
        {"the environment's name too", {}, "dsp.test", {"10.1.2.3", 6000}, false, {"dsp.test"}},
        {"only the winning address is looked up",
         {"--device=127.0.0.1:7001"},
         "gone.test:7000",
         {"127.0.0.1", 7001},
         false,
         {}},
        {"an address needs no look-up",
         {"--device", "127.0.0.1:7002"},
         nullptr,
         {"127.0.0.1", 7002},
         false,
         {}},
        {"the default needs no look-up", {}, nullptr, {kDefaultDeviceHost, kDefaultDevicePort}, false, {}},
        {"a name that does not resolve", {"--device", "gone.test:7000"}, nullptr, {}, true, {"gone.test"}},
        {"one in the environment", {}, "gone.test", {}, true, {"gone.test"}},
        {"a resolver answer that is no IPv4 address",
         {"--device", "odd.test"},
         nullptr,
         {},
         true,
         {"odd.test"}},
        {"a bad name is never looked up", {"--device", "bad name:7000"}, nullptr, {}, true, {}},
        {"nor with --help", {"--help", "--device", "gone.test"}, nullptr, {"gone.test", 6000}, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        FakeResolver fake{{{"dsp.test", "10.1.2.3"}, {"odd.test", "::1"}}, {}};
        const CommandLine cl = ParseCommandLine(c.args, c.env, fake.Get());
        EXPECT_EQ(!cl.error.empty(), c.error) << cl.error;
        if (!c.error) {
            EXPECT_EQ(cl.device, c.device);
        }
        EXPECT_EQ(fake.asked, c.asked);
    }
    FakeResolver fake;
    const CommandLine cl = ParseCommandLine({}, "gone.test:7000", fake.Get());
    EXPECT_NE(cl.error.find("gone.test"), std::string::npos) << cl.error;
    EXPECT_NE(cl.error.find(kDeviceEnvVar), std::string::npos) << cl.error;
    EXPECT_NE(cl.error.find("Name or service not known"), std::string::npos) << cl.error;
}

TEST(CommandLine, LocalhostResolvesToLoopback) {
    // Loopback only: answered from the hosts file, never by a name server.
    const CommandLine cl = ParseCommandLine({"--device", "localhost:7004"}, nullptr);
    EXPECT_TRUE(cl.error.empty()) << cl.error;
    EXPECT_EQ(cl.device, (DeviceAddress{"127.0.0.1", 7004}));
    std::string error;
    EXPECT_EQ(ResolveIpv4("127.0.0.1", error), std::optional<std::string>("127.0.0.1"));
}

TEST(CommandLine, OptionBeatsEnvironmentBeatsDefault) {
    EXPECT_EQ(ParseCommandLine({}, nullptr).device, (DeviceAddress{kDefaultDeviceHost, kDefaultDevicePort}));
    EXPECT_EQ(ParseCommandLine({}, "127.0.0.1:7001").device, (DeviceAddress{"127.0.0.1", 7001}));
    auto cl = ParseCommandLine({"--device", "127.0.0.1:7002"}, "127.0.0.1:7001");
    EXPECT_TRUE(cl.error.empty());
    EXPECT_EQ(cl.device, (DeviceAddress{"127.0.0.1", 7002}));
    EXPECT_EQ(ParseCommandLine({"--device=127.0.0.1:7003"}, nullptr).device,
              (DeviceAddress{"127.0.0.1", 7003}));
}

TEST(CommandLine, Errors) {
    EXPECT_FALSE(ParseCommandLine({"--device"}, nullptr).error.empty());
    EXPECT_FALSE(ParseCommandLine({"--device", "x:99999"}, nullptr).error.empty());
    EXPECT_FALSE(ParseCommandLine({"--bogus"}, nullptr).error.empty());
    EXPECT_FALSE(ParseCommandLine({}, "bad:port").error.empty());
    EXPECT_TRUE(ParseCommandLine({"--help"}, nullptr).help);
    const std::string usage = UsageText();
    EXPECT_NE(usage.find("host name"), std::string::npos);
    EXPECT_NE(usage.find("exit code 2"), std::string::npos);
}

}  // namespace
}  // namespace app
