#pragma once
// Message boxes the link asks for. The link has no window: it hands each notice to a sink. A running
// DeviceLink installs one that passes the notice to its LinkListener (the main window, which posts the box
// to the UI thread); without a sink a notice is dropped.
#include <functional>
#include <string>

namespace device {

enum class NoticeKind {
    UsbSendOverrun,  // "USB发送buff越界!"
    TcpSendOverrun,  // "串口发送buff越界： 1234"
};

// A plain application box: the text is shown as is, with an OK button and no caption of the program's own.
struct Notice {
    NoticeKind kind;
    std::string text;
};

extern const char* const kUsbSendOverrunText;
extern const char* const kTcpSendOverrunText;

// Installs the sink (an empty function removes it). Any thread may post; the sink runs on the posting thread
// and must not block on the UI.
void SetNoticeSink(std::function<void(const Notice&)> sink);
void PostNotice(const Notice& notice);

}  // namespace device
