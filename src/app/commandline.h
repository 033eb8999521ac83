#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace app {

// The device's access point when nothing else is named. The device serves its own network at this address.
inline constexpr const char* kDefaultDeviceHost = "192.168.4.1";
inline constexpr uint16_t kDefaultDevicePort = 6000;
// Overrides the default address; --device overrides this.
inline constexpr const char* kDeviceEnvVar = "DSP_CONSOLE_DEVICE";

struct DeviceAddress {
    std::string host;  // after ParseCommandLine: an IPv4 address in dotted form
    uint16_t port = kDefaultDevicePort;
    bool operator==(const DeviceAddress&) const = default;
};

struct CommandLine {
    bool help = false;
    DeviceAddress device{kDefaultDeviceHost, kDefaultDevicePort};
    std::string error;  // non-empty when the arguments could not be read
};

// Turns a host name into one IPv4 address in dotted form; nothing, with the reason in error, when the name
// has none. Tests hand in their own, so that no name is ever looked up outside the machine.
using HostResolver = std::function<std::optional<std::string>(const std::string& host, std::string& error)>;

// getaddrinfo, IPv4 only; the first address it gives.
std::optional<std::string> ResolveIpv4(const std::string& host, std::string& error);

// True for a dotted IPv4 address or a host name by the DNS rules: at most 253 characters, labels of 1..63
// letters, digits and hyphens that neither start nor end with a hyphen, an optional final dot.
bool IsValidHostText(const std::string& host);

// "HOST:PORT" or "HOST" (port 6000), without a look-up. Returns nothing for a host that IsValidHostText
// refuses or a port outside 1..65535.
std::optional<DeviceAddress> ParseDeviceAddress(const std::string& text);

// Reads the arguments (without the program name); env_device is the environment's override, or null. The
// address that wins is resolved once, here: a name with no IPv4 address is an error (the program exits with
// 2).
CommandLine ParseCommandLine(const std::vector<std::string>& args, const char* env_device,
                             const HostResolver& resolve = ResolveIpv4);

std::string UsageText();

}  // namespace app
