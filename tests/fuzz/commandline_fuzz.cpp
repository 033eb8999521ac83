// The command line and DSP_CONSOLE_DEVICE: any arguments give an error, help, or a device address that the
// link can use (an IPv4 address and a port 1..65535). Host names go to a stand-in resolver, never to
// getaddrinfo; only names that pass the syntax check reach it, and at most one.
#include <arpa/inet.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/commandline.h"

namespace {

void Require(bool ok) {
    if (!ok) __builtin_trap();
}

bool IsIpv4(const std::string& text) {
    in_addr addr{};
    return inet_pton(AF_INET, text.c_str(), &addr) == 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // First byte: how the resolver answers; then "env\0arg\0arg...".
    const std::uint8_t mode = data[0];
    std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    std::vector<std::string> parts;
    while (!rest.empty() && parts.size() < 16) {
        const std::size_t end = std::min(rest.find('\0'), rest.size());
        parts.emplace_back(rest.substr(0, end));
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    const std::string env = parts.empty() ? std::string() : parts.front();
    const std::vector<std::string> args(parts.begin() + (parts.empty() ? 0 : 1), parts.end());

    int asked = 0;
    const app::HostResolver fake = [&](const std::string& host,
                                       std::string& error) -> std::optional<std::string> {
        ++asked;
        Require(app::IsValidHostText(host) && !IsIpv4(host));
        switch (mode % 4) {
            case 0:
                return std::string("10.0.0.") + std::to_string(host.size() % 256);
            case 1:
                error = "Name or service not known";
                return std::nullopt;
            case 2:
                return std::string("::1");  // not IPv4: must be refused
            default:
                return host;  // not an address either
        }
    };
    const app::CommandLine cl = app::ParseCommandLine(args, mode & 4 ? env.c_str() : nullptr, fake);
    Require(asked <= 1);
    if (!cl.error.empty() || cl.help) return 0;
    Require(IsIpv4(cl.device.host));
    Require(cl.device.port >= 1);
    Require(!app::UsageText().empty());
    return 0;
}
