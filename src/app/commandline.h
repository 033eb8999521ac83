#pragma once
#include <cstdint>
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
    std::string host;
    uint16_t port = kDefaultDevicePort;
    bool operator==(const DeviceAddress&) const = default;
};

struct CommandLine {
    bool help = false;
    DeviceAddress device{kDefaultDeviceHost, kDefaultDevicePort};
    std::string error;  // non-empty when the arguments could not be read
};

// "HOST:PORT" or "HOST" (port 6000). Returns nothing for an empty host or a port outside 1..65535.
std::optional<DeviceAddress> ParseDeviceAddress(const std::string& text);

// Reads the arguments (without the program name); env_device is the environment's override, or null.
CommandLine ParseCommandLine(const std::vector<std::string>& args, const char* env_device);

std::string UsageText();

}  // namespace app
