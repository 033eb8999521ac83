// The device stand-in program: plays the device over TCP on a loopback port, so the console can be run and
// tried without a device.
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "device-stand-in/tcpserver.h"

namespace {

volatile std::sig_atomic_t g_Stop = 0;

void OnSignal(int) {
    g_Stop = 1;
}

void Usage() {
    std::fprintf(stderr,
                 "usage: device-stand-in --port PORT [--host 127.0.0.1] [--model-code ABC]\n"
                 "                       [--firmware-date YYMMDD] [--media TEXT] [--log-bytes]\n"
                 "Serves the device's side of the link on 127.0.0.1:PORT until interrupted. Each command\n"
                 "received is logged to stderr; with --log-bytes, with all its bytes.\n");
}

}  // namespace

int main(int argc, char** argv) {
    standin::Options options;
    std::string host = "127.0.0.1";
    long port = -1;
    bool logBytes = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--port" && hasValue) {
            port = std::strtol(argv[++i], nullptr, 10);
        } else if (arg == "--host" && hasValue) {
            host = argv[++i];
        } else if (arg == "--model-code" && hasValue) {
            options.modelCode = argv[++i];
        } else if (arg == "--firmware-date" && hasValue) {
            options.firmwareDate = int(std::strtol(argv[++i], nullptr, 10));
        } else if (arg == "--media" && hasValue) {
            options.mediaVersion = argv[++i];
        } else if (arg == "--log-bytes") {
            logBytes = true;
        } else {
            Usage();
            return 2;
        }
    }
    if (port < 0 || port > 65535) {
        Usage();
        return 2;
    }
    standin::DeviceStandIn device(options);
    standin::StandInTcpServer server(device);
    std::string error;
    if (!server.Start(host, std::uint16_t(port), &error)) {
        std::fprintf(stderr, "device-stand-in: %s\n", error.c_str());
        return 1;
    }
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    std::printf("device-stand-in: %s on 127.0.0.1:%u\n", device.VersionText().c_str(), server.Port());
    std::fflush(stdout);
    std::uint64_t printed = 0;  // sequence number of the next command to print
    while (!g_Stop) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (device.ReceivedTotal() == printed) continue;
        for (const standin::Received& r : device.Log()) {
            if (r.seq < printed) continue;
            // The log holds only the last commands: say how many went by unprinted.
            if (r.seq > printed)
                std::fprintf(stderr, "rx ... %llu more\n", (unsigned long long)(r.seq - printed));
            std::fprintf(stderr, "rx %02X len %zu", r.payload[0], r.payload.size());
            if (logBytes) {
                std::fprintf(stderr, ":");
                for (std::uint8_t b : r.payload) std::fprintf(stderr, " %02X", b);
            }
            std::fprintf(stderr, "\n");
            printed = r.seq + 1;
        }
    }
    server.Stop();
    return 0;
}
