#pragma once
// Brings every process-wide table the link touches back to its start value, between end-to-end tests.
#include "device/blocktracker.h"
#include "device/channelmodel.h"
#include "device/firmwarestate.h"
#include "device/images.h"
#include "device/linkstate.h"
#include "device/names.h"
#include "device/rings.h"
#include "device/status.h"
#include "device/upgradeblocks.h"

inline void ResetLinkGlobals() {
    device::ResetStatus();
    device::ResetImages();
    device::ResetNames();
    device::ResetFirmware();
    device::ResetLinkState();
    device::ResetEqModel();
    device::ResetChannelModel();
    device::ClearTcpUpgradeFrame();
    device::g_DeviceImageRead.Begin();
    device::g_RoutingImageRead.Begin();
    g_UsbTxRing.Drain();
    g_TcpTxRing.Drain();
    g_UsbRxRing.Drain();
    g_TcpRxRing.Drain();
}
