// The link timers of the main window and the handlers of the link's messages.
#include <cstring>
#include <mutex>

#include "device/commandbuilders.h"
#include "device/commands.h"
#include "device/diffsync.h"
#include "device/firmwarestate.h"
#include "device/linkstate.h"
#include "device/readrequests.h"
#include "device/routingimage.h"
#include "device/status.h"
#include "device/storerequest.h"
#include "device/upgradeblocks.h"
#include "dialogs/dialoglogo.h"
#include "dialogs/loadpercent.h"
#include "mainwnd/linkmessages.h"
#include "mainwnd/linkstrings.h"
#include "mainwnd/quenbardlg.h"
#include "mainwnd/quenbarids.h"
#include "platform/ui/application.h"
#include "res/uilanguage.h"

namespace {
constexpr unsigned kPollMs = 10;
constexpr unsigned kIdlePollMs = 100;
constexpr unsigned kPushMs = 100;
constexpr unsigned kWatchdogMs = 100;
constexpr unsigned kRxTimeoutMs = 100;
constexpr unsigned kPollsPerQuery = 30;
constexpr int kLoadStarted = 8;
constexpr int kWatchdogGiveUp = 70;
constexpr std::int64_t kUpgradeSilenceMs = 10000;
constexpr int kUpdatedHoldTicks = 13;
}  // namespace

void CQuenbarDlg::OnTimer(ui::UINT_PTR id) {
    switch (id) {
        case TIMER_POLL:
            OnPollTick();
            break;
        case TIMER_PUSH_CHANGES:
            OnPushChangesTick();
            break;
        case TIMER_GRAPH_SYNC:
            controls::GraphSyncTick(m_Spectrum, *this);
            break;
        case TIMER_STATUS:
            OnStatusTick();
            break;
        case TIMER_LOAD_WATCHDOG:
            OnLoadWatchdogTick();
            break;
        case TIMER_RX_TIMEOUT:
            m_Link.ReceiveCountdown().Tick();
            break;
        default:
            break;
    }
    ui::Dialog::OnTimer(id);
}

// Every end of a load closes the progress dialog and stops its watchdog.
void CQuenbarDlg::EndLoad() {
    g_Progress = kProgressDone;
    KillTimer(TIMER_LOAD_WATCHDOG);
    device::EndPendingRead();
}

void CQuenbarDlg::OnPollTick() {
    const bool linkUp = g_UsbConnected.load() == 1 || m_Link.TcpState() != 0;
    // Without a link the tick has nothing to do: it slows down, so an idle console costs next to nothing.
    if (linkUp != m_PollFast) {
        m_PollFast = linkUp;
        SetTimer(TIMER_POLL, linkUp ? kPollMs : kIdlePollMs);
    }
    // The receive countdown's timer runs for as long as a TCP link is up. Restarting it from the receive
    // thread for every byte would cost a cross-thread timer call per byte; the countdown itself is set per
    // byte (an atomic store), and a steady 100 ms tick lowers it about as soon.
    const bool tcpUp = m_Link.TcpState() != 0;
    if (tcpUp != m_RxTimerRunning) {
        m_RxTimerRunning = tcpUp;
        if (tcpUp)
            SetTimer(TIMER_RX_TIMEOUT, kRxTimeoutMs);
        else
            KillTimer(TIMER_RX_TIMEOUT);
    }
    if (linkUp) {
        if (m_StatusPollTick == 0) device::SendStatusQuery();
        if (++m_StatusPollTick >= kPollsPerQuery) m_StatusPollTick = 0;
    } else {
        m_StatusPollTick = 0;
        g_DeviceIdentified = 0;
        g_MediaVersionReceived = 0;
        if (device::GetPendingRead() != device::PendingRead::None) EndLoad();  // the link went during a read
        m_nLoadState = 0;
    }
    if (m_nLoadState != 0 || g_DeviceIdentified.load() != 1) return;
    // The full read, once per connection: no chunk is written while the images are read.
    m_nLoadState = kLoadStarted;
    KillTimer(TIMER_PUSH_CHANGES);
    g_Progress = 0;
    m_NamesRequested = false;
    device::StartFullRead();
    SetTimer(TIMER_LOAD_WATCHDOG, kWatchdogMs);
    CLoadPercent progress(&App());
    progress.DoModal();
}

void CQuenbarDlg::StartRecallRead(int slot) {
    KillTimer(TIMER_PUSH_CHANGES);
    g_CurrentModeSlot = slot;
    device::StartRecall();
    SetTimer(TIMER_LOAD_WATCHDOG, kWatchdogMs);
}

void CQuenbarDlg::OnPushChangesTick() {
    device::PackDeviceImage(m_Delays);
    device::PackRoutingImage(m_Spectrum.GetChannelMask());
    // A store goes out only when every changed chunk has gone, so the device stores the whole scene.
    if (device::SyncChangedChunks().imagesInStep) device::SendPendingStore();
}

void CQuenbarDlg::OnLoadWatchdogTick() {
    if (g_DeviceIdentified.load() != 1) return;
    const int ticks = ++g_LoadWatchdogTicks;
    if (ticks == 10 || ticks == 20 || ticks == 30) {
        const device::PendingRead read = device::GetPendingRead();
        if (read == device::PendingRead::FullRead) m_NamesRequested = false;
        if (read != device::PendingRead::RoutingImage) g_Progress = 0;
        device::ResendPendingRead();
    }
    if (ticks > kWatchdogGiveUp) {
        EndLoad();
        g_LoadWatchdogTicks = 0;
        MessageBox(res::LoadUiString(IDS_IMPORT_FAILED), g_MsgCaption, ui::MB_OK);
    }
}

void CQuenbarDlg::EndAbortedUpgrade() {
    g_UpgradeRunning = 0;
    g_UpgradeLastBlock = 0;
    g_Progress = kProgressDone;
    device::ClearTcpUpgradeFrame();
    App().PostMessageBox(res::LoadUiString(IDS_UPGRADE_FAILED), g_MsgCaption, ui::MB_OK);
}

void CQuenbarDlg::OnStatusTick() {
    if (g_SaveModeSlot.load() != m_SaveModeSlotShown) {
        m_SaveModeSlotShown = g_SaveModeSlot.load();
        UpdateSaveModeText();
    }
    if (g_CurrentModeSlot.load() != m_CurrentModeSlotShown) {
        m_CurrentModeSlotShown = g_CurrentModeSlot.load();
        UpdateCurrentModeText();
    }
    if (g_InputSource.load() != m_InputSourceShown) {
        RedrawSourceControls();
        m_InputSourceShown = g_InputSource.load();
        UpdateSourceText();
        SelectSourceCombo();
    }
    DrawTcpStatus();
    if (g_UsbConnected.load() != m_UsbConnectedShown) {
        m_UsbConnectedShown = g_UsbConnected.load();
        DrawUsbStatus();
        SetDlgItemText(IDC_STATIC_USB,
                       res::LoadUiString(m_UsbConnectedShown == 0 ? IDS_DISCONNECT : IDS_CONNECTED));
        if (m_UsbConnectedShown == 0) PostMessage(WM_DEVICE_DISCONNECTED);
        InvalidateControl(IDC_STATIC_USB);
    }
    // A transfer the device left (lost link, or 10 s without a request) ends as failed.
    if (g_UpgradeRunning.load() == 1 && !m_ChoosingUpgradeFile) {
        const bool linkUp = g_UsbConnected.load() == 1 || m_Link.TcpState() != 0;
        if (!linkUp || App().Now() - device::UpgradeActivityMs() > kUpgradeSilenceMs) EndAbortedUpgrade();
    }
    const std::string updating = res::LoadUiString(IDS_UPDATING);
    const std::string updated = res::LoadUiString(IDS_UPDATED);
    const std::string upgradeText = GetDlgItemText(IDC_STATIC_UPGRADE);
    if (g_UpgradeRunning.load() == 1) {
        if (upgradeText != updating) SetDlgItemText(IDC_STATIC_UPGRADE, updating);
    } else if (upgradeText == updating) {
        SetDlgItemText(IDC_STATIC_UPGRADE, updated);
        m_UpgradeTextHold = 0;
    } else if (upgradeText == updated && ++m_UpgradeTextHold > kUpdatedHoldTicks) {
        m_UpgradeTextHold = 0;
        SetDlgItemText(IDC_STATIC_UPGRADE, "");
    }
}

ui::LRESULT CQuenbarDlg::OnDeviceIdentified(ui::WPARAM, ui::LPARAM) {
    {
        std::lock_guard lock(g_VersionMutex);
        m_VersionText = g_DeviceVersion;
    }
    if (ui::Window* version = GetDlgItem(IDC_STATIC_VERSION)) {
        version->SetWindowText(m_VersionText);
        version->Invalidate(true);
    }
    if (g_ModelChosenManually.load() == 1) {
        g_ModelChosenManually = 0;
        ApplyModelLayout();
    }
    return 0;
}

ui::LRESULT CQuenbarDlg::OnDeviceDisconnected(ui::WPARAM, ui::LPARAM) {
    CDialogLogo chooser(&App());
    chooser.DoModal();
    ApplyModelLayout();
    return 0;
}

ui::LRESULT CQuenbarDlg::OnDeviceImageLoaded(ui::WPARAM, ui::LPARAM) {
    // The watchdog goes on watching the routing read that follows.
    m_Delays = device::UnpackDeviceImage().delays;
    RefreshLoadedControls();
    device::StartRoutingRead();
    if (!m_NamesRequested) {
        m_NamesRequested = true;
        device::RequestNames();
    }
    return 0;
}

ui::LRESULT CQuenbarDlg::OnRoutingImageLoaded(ui::WPARAM, ui::LPARAM) {
    EndLoad();
    const device::RoutingImageLoad load = device::UnpackRoutingImage();
    for (int c = 0; c < kChannels; ++c) {
        if (load.maskChanged[c]) RedrawMatrixRow(c);
    }
    if (load.mixInChanged) RedrawControl(IDC_HIGH_LEVEL_MIX);
    if (load.linksRead) {
        // The graph holds the overlay mask; the push packs the graph's.
        m_Spectrum.SetChannelMask(load.overlayMask);
        m_Spectrum.Invalidate(true);
        RedrawOverlayButtons();
        RedrawBridgeButtons();
    }
    RedrawLinkButtons();
    SetTimer(TIMER_PUSH_CHANGES, kPushMs);
    return 0;
}
