#include "mainwnd/quenbardlg.h"

#include <cstring>
#include <mutex>

#include "device/status.h"
#include "mainwnd/linkmessages.h"
#include "mainwnd/linkstrings.h"
#include "platform/ui/application.h"
#include "res/uilanguage.h"

namespace {
constexpr unsigned kPollMs = 10;
constexpr unsigned kStatusMs = 300;
// The skin's size at 96 DPI and its plain background, until the skinned window is drawn.
constexpr int kSkinWidth = 1272;
constexpr int kSkinHeight = 676;
constexpr gfx::Color kBackground = gfx::Rgb(0x21, 0x2C, 0x3D);
}  // namespace

CQuenbarDlg::CQuenbarDlg(ui::Application* app) : ui::Dialog(nullptr, app), m_Link(*this, *this) {
    mainwnd::RegisterLinkStrings();
    const int dpi = App().Dpi();
    SetInitialSize(kSkinWidth * dpi / 96, kSkinHeight * dpi / 96);
    SetTitle("DSP Console");
    SetBackground(kBackground);
    AddCommandHandlers();
}

CQuenbarDlg::~CQuenbarDlg() {
    StopLink();
}

bool CQuenbarDlg::OnInitDialog() {
    StartLink();
    return true;
}

void CQuenbarDlg::StartLink() {
    // The link's timed rules run on the application's clock, like the window's timers.
    m_Link.Start(m_LinkConfig, [&app = App()] { return app.Now(); });
    SetTimer(TIMER_POLL, kPollMs);
    SetTimer(TIMER_STATUS, kStatusMs);
}

void CQuenbarDlg::StopLink() {
    if (!m_Link.Running()) return;
    // A dispatch thread may wait in a send to this window: release it, then join.
    App().ReleasePendingSends();
    m_Link.Stop();
    App().AcceptSends();
}

ui::LRESULT CQuenbarDlg::WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) {
    switch (message) {
        case WM_DEVICE_IDENTIFIED:
            return OnDeviceIdentified(wParam, lParam);
        case WM_DEVICE_DISCONNECTED:
            return OnDeviceDisconnected(wParam, lParam);
        case WM_DEVICE_IMAGE_LOADED:
            return OnDeviceImageLoaded(wParam, lParam);
        case WM_ROUTING_IMAGE_LOADED:
            return OnRoutingImageLoaded(wParam, lParam);
        case WM_UPGRADE_REQUEST:
            return OnUpgradeRequest(wParam, lParam);
        case WM_CHANNEL_NAME_CHANGED:
            OnChannelNameChanged(int(wParam));
            return 0;
        case WM_USB_REMOVED:
            KillTimer(TIMER_PUSH_CHANGES);
            return 0;
        default:
            if (OnShellMessage(message, wParam, lParam)) return 0;
            return ui::Dialog::WindowProc(message, wParam, lParam);
    }
}

// Dispatch threads: the three steps the UI must finish before the next message are sends.
void CQuenbarDlg::DeviceIdentified() {
    SendMessage(WM_DEVICE_IDENTIFIED);
}
void CQuenbarDlg::DeviceImageLoaded() {
    SendMessage(WM_DEVICE_IMAGE_LOADED);
}
void CQuenbarDlg::RoutingImageLoaded() {
    SendMessage(WM_ROUTING_IMAGE_LOADED);
}
void CQuenbarDlg::ChannelNameChanged(int channel) {
    PostMessage(WM_CHANNEL_NAME_CHANGED, ui::WPARAM(channel), ui::LPARAM(channel));
}
void CQuenbarDlg::UpgradeRequested() {
    PostMessage(WM_UPGRADE_REQUEST);
}
void CQuenbarDlg::SaveDone() {
    // Shown on the UI thread; the dispatch thread goes on at once.
    App().PostMessageBox(res::LoadUiString(IDS_SAVE_DONE), g_MsgCaption, ui::MB_OK);
}

// Transport threads.
void CQuenbarDlg::UsbUnknownProduct() {
    const std::uint32_t self = Handle();
    ui::Application& app = App();
    app.PostMessageBox("USBD_PID_FS", "", ui::MB_OK, [&app, self](int) {
        if (ui::Window* w = app.FromHandle(self)) w->PostMessage(ui::WM_CLOSE);
    });
}
void CQuenbarDlg::UsbUpgradeDeviceOpened() {
    PostMessage(WM_UPGRADE_REQUEST);
}
void CQuenbarDlg::UsbRemoved() {
    PostMessage(WM_USB_REMOVED);
}
// Any thread, the UI thread included: a plain box, shown later by the UI loop, so the queuing thread never
// waits for it.
void CQuenbarDlg::LinkNotice(const device::Notice& notice) {
    App().PostMessageBox(notice.text, "", ui::MB_OK);
}
