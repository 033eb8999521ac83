#pragma once
// The main window's messages and timers that the device link uses.
#include "platform/ui/messages.h"

constexpr ui::UINT WM_UPGRADE_REQUEST = ui::WM_USER + 101;
constexpr ui::UINT WM_ROUTING_IMAGE_LOADED = ui::WM_USER + 111;
constexpr ui::UINT WM_CHANNEL_NAME_CHANGED = ui::WM_USER + 114;
constexpr ui::UINT WM_DEVICE_IMAGE_LOADED = ui::WM_USER + 115;
constexpr ui::UINT WM_DEVICE_DISCONNECTED = ui::WM_USER + 116;
constexpr ui::UINT WM_DEVICE_IDENTIFIED = ui::WM_USER + 118;
// Ours: the USB transport lost the device (posted from its read thread).
constexpr ui::UINT WM_USB_REMOVED = ui::WM_USER + 150;

constexpr ui::UINT_PTR TIMER_POLL = 2;
constexpr ui::UINT_PTR TIMER_RX_TIMEOUT = 3;
constexpr ui::UINT_PTR TIMER_GRAPH_SYNC = 7;
constexpr ui::UINT_PTR TIMER_PUSH_CHANGES = 10;
constexpr ui::UINT_PTR TIMER_STATUS = 11;
constexpr ui::UINT_PTR TIMER_LOAD_WATCHDOG = 13;
