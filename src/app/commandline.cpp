#include "app/commandline.h"

namespace app {

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
    if (addr.host.empty()) return std::nullopt;
    return addr;
}

CommandLine ParseCommandLine(const std::vector<std::string>& args, const char* env_device) {
    CommandLine cl;
    if (env_device && *env_device) {
        if (auto addr = ParseDeviceAddress(env_device)) {
            cl.device = *addr;
        } else {
            cl.error = std::string("bad device address in ") + kDeviceEnvVar + ": " + env_device;
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
                cl.error = "bad device address: " + value;
                return cl;
            }
            cl.device = *addr;
            cl.error.clear();  // the option overrides a bad environment value
        } else {
            cl.error = "unknown option: " + a;
            return cl;
        }
    }
    return cl;
}

std::string UsageText() {
    return std::string("Usage: dsp-console [--device HOST:PORT] [--help]\n"
                       "Tunes the 12-output car-audio DSP over USB or its network access point.\n\n"
                       "  --device HOST:PORT  the device's TCP address (default ") +
           kDefaultDeviceHost + ":" + std::to_string(kDefaultDevicePort) + "; also " + kDeviceEnvVar +
           ")\n"
           "  --help              this text\n";
}

}  // namespace app
