#pragma once
// What the transports tell the main window besides the dispatched messages. Each call is made on a worker
// thread (LinkNotice on any thread) and must not wait for the UI thread: the window posts what it has to do.
#include "device/notice.h"

namespace device {

class LinkListener {
  public:
    virtual ~LinkListener() = default;
    // A device of our vendor with a product id we do not know: "USBD_PID_FS", then the program closes.
    virtual void UsbUnknownProduct() = 0;
    // The upgrade-mode device was opened: WM_UPGRADE_REQUEST.
    virtual void UsbUpgradeDeviceOpened() = 0;
    // The open USB device went away; the status values were already cleared: stop the difference sync.
    virtual void UsbRemoved() = 0;
    // A box the link asks for (a command too long for its link's frame), from whichever thread queued the
    // command, the UI thread included: post it, never show it here.
    virtual void LinkNotice(const Notice& notice) = 0;
};

}  // namespace device
