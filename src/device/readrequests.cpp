#include "device/readrequests.h"

#include "device/blocktracker.h"
#include "device/commandbuilders.h"
#include "device/linkstate.h"
#include "device/status.h"

namespace device {

namespace {

bool Request(PendingRead read) {
    switch (read) {
        case PendingRead::FullRead:
            g_DeviceImageRead.Begin();
            return RequestModeImage(false);
        case PendingRead::Recall:
            g_DeviceImageRead.Begin();
            return RequestModeImage(true);
        case PendingRead::RoutingImage:
            g_RoutingImageRead.Begin();
            return RequestRoutingImage();
        case PendingRead::None:
            return false;
    }
    return false;
}

bool Start(PendingRead read) {
    SetPendingRead(read);
    g_LoadWatchdogTicks = 0;
    return Request(read);
}

}  // namespace

bool StartFullRead() {
    g_StoreModeRequest = 0;
    return Start(PendingRead::FullRead);
}

bool StartRecall() {
    g_StoreModeRequest = 0;
    return Start(PendingRead::Recall);
}

bool StartRoutingRead() {
    return Start(PendingRead::RoutingImage);
}

bool ResendPendingRead() {
    return Request(GetPendingRead());
}

void EndPendingRead() {
    SetPendingRead(PendingRead::None);
}

}  // namespace device
