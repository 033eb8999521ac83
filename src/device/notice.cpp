#include "device/notice.h"

#include <mutex>

namespace device {

const char* const kUsbSendOverrunText = "USB发送buff越界!";
const char* const kTcpSendOverrunText = "串口发送buff越界： 1234";

namespace {
std::mutex g_SinkMutex;
std::function<void(const Notice&)> g_Sink;
}  // namespace

void SetNoticeSink(std::function<void(const Notice&)> sink) {
    std::lock_guard lock(g_SinkMutex);
    g_Sink = std::move(sink);
}

void PostNotice(const Notice& notice) {
    std::function<void(const Notice&)> sink;
    {
        std::lock_guard lock(g_SinkMutex);
        sink = g_Sink;
    }
    if (sink) sink(notice);
}

}  // namespace device
