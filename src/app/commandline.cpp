#include "app/commandline.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

namespace app {

namespace {

bool IsDottedIpv4(const std::string& host) {
    in_addr addr{};
    return inet_pton(AF_INET, host.c_str(), &addr) == 1;
}

constexpr const char* kAddressForm = " (HOST:PORT, HOST an IPv4 address or a host name, PORT 1..65535)";

bool IsLabelChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
}

}  // namespace

std::optional<std::string> ResolveIpv4(const std::string& host, std::string& error) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* list = nullptr;
    const int rc = getaddrinfo(host.c_str(), nullptr, &hints, &list);
    if (rc != 0 || list == nullptr) {
        error = rc != 0 ? gai_strerror(rc) : "no IPv4 address";
        return std::nullopt;
    }
    char text[INET_ADDRSTRLEN] = {};
    const auto* sin = reinterpret_cast<const sockaddr_in*>(list->ai_addr);
    const bool ok = inet_ntop(AF_INET, &sin->sin_addr, text, sizeof text) != nullptr;
    freeaddrinfo(list);
    if (!ok) {
        error = "no IPv4 address";
        return std::nullopt;
    }
    return std::string(text);
}

bool IsValidHostText(const std::string& host) {
    if (IsDottedIpv4(host)) return true;
    std::string name = host;
    if (!name.empty() && name.back() == '.') name.pop_back();
    if (name.empty() || name.size() > 253) return false;
    std::size_t start = 0;
    while (true) {
        const std::size_t dot = name.find('.', start);
        const std::size_t end = dot == std::string::npos ? name.size() : dot;
        const std::size_t len = end - start;
        if (len == 0 || len > 63 || name[start] == '-' || name[end - 1] == '-') return false;
        for (std::size_t i = start; i < end; ++i) {
            if (!IsLabelChar(name[i])) return false;
        }
        if (dot == std::string::npos) return true;
        start = dot + 1;
    }
}

std::optional<DeviceAddress> ParseDeviceAddress(const std::string& text) {
    DeviceAddress addr;
    const auto colon = text.rfind(':');
    if (colon == std::string::npos) {
        addr.host = text;
    } else {
        addr.host = text.substr(0, colon);
        const std::string port = text.substr(colon + 1);
        if (port.empty() || port.size() > 5) return std::nullopt;
        unsigned value = 0;
        for (char c : port) {
            if (c < '0' || c > '9') return std::nullopt;
            value = value * 10 + static_cast<unsigned>(c - '0');
        }
        if (value == 0 || value > 65535) return std::nullopt;
        addr.port = static_cast<uint16_t>(value);
    }
    if (!IsValidHostText(addr.host)) return std::nullopt;
    return addr;
}

CommandLine ParseCommandLine(const std::vector<std::string>& args, const char* env_device,
                             const HostResolver& resolve) {
    CommandLine cl;
    std::string source;  // where the address came from, for the message
    if (env_device && *env_device) {
        if (auto addr = ParseDeviceAddress(env_device)) {
            cl.device = *addr;
            source = kDeviceEnvVar;
        } else {
            cl.error = std::string("bad device address in ") + kDeviceEnvVar + ": \"" + env_device + "\"" +
                       kAddressForm;
        }
    }
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            cl.help = true;
        } else if (a == "--device" || a.rfind("--device=", 0) == 0) {
            std::string value;
            if (a == "--device") {
                if (i + 1 >= args.size()) {
                    cl.error = "--device needs HOST:PORT";
                    return cl;
                }
                value = args[++i];
            } else {
                value = a.substr(9);
            }
            auto addr = ParseDeviceAddress(value);
            if (!addr) {
                cl.error = "bad device address: \"" + value + "\"" + kAddressForm;
                return cl;
            }
            cl.device = *addr;
            source = "--device";
            cl.error.clear();  // the option overrides a bad environment value
        } else {
            cl.error = "unknown option: " + a;
            return cl;
        }
    }
    if (!cl.error.empty() || cl.help || IsDottedIpv4(cl.device.host)) return cl;
    // A name is looked up once, now: the link connects to addresses only.
    std::string why;
    const std::optional<std::string> ip = resolve(cl.device.host, why);
    if (!ip || !IsDottedIpv4(*ip)) {
        cl.error = "cannot resolve the device host \"" + cl.device.host + "\" (" + source +
                   ") to an IPv4 address: " + (ip ? "not an IPv4 address" : why);
        return cl;
    }
    cl.device.host = *ip;
    return cl;
}

std::string UsageText() {
    return std::string(
               "Usage: dsp-console [--device HOST:PORT] [--help]\n"
               "Tunes the 12-output car-audio DSP over USB or its network access point.\n\n"
               "  --device HOST:PORT  the device's TCP address (default ") +
           kDefaultDeviceHost + ":" + std::to_string(kDefaultDevicePort) + "; also " + kDeviceEnvVar +
           ").\n"
           "                      HOST is an IPv4 address or a host name; a name is resolved once at start\n"
           "                      to its IPv4 address, and one that does not resolve ends the program with\n"
           "                      exit code 2. Without :PORT the port is " +
           std::to_string(kDefaultDevicePort) +
           ".\n"
           "  --help              this text\n";
}

}  // namespace app
