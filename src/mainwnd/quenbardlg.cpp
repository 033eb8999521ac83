#include "mainwnd/quenbardlg.h"

#include <cstring>
#include <mutex>

#include "device/status.h"
#include "dialogs/dialoglogo.h"
#include "mainwnd/linkmessages.h"
#include "mainwnd/linkstrings.h"
#include "mainwnd/mainresources.h"
#include "mainwnd/modellayout.h"
#include "mainwnd/quenbarids.h"
#include "mainwnd/quenbartemplate.h"
#include "mainwnd/shellstrings.h"
#include "platform/res/dpi.h"
#include "platform/res/pngimages.h"
#include "platform/ui/application.h"
#include "res/skinids.h"
#include "res/stringids.h"
#include "res/uilanguage.h"

int g_ScreenDpiX = 96;
int g_ScreenDpiY = 96;

int DpiScale(int x) {
    return res::DpiScale(x, g_ScreenDpiX);
}

namespace {
constexpr unsigned kPollMs = 10;
constexpr unsigned kGraphSyncMs = 120;
constexpr unsigned kStatusMs = 300;
constexpr int kSkinWidth = 1272;
constexpr gfx::Color kBackground = gfx::Rgb(0x21, 0x2C, 0x3D);
}  // namespace

CQuenbarDlg::CQuenbarDlg(ui::Application* app)
    : ui::TemplateDialog(IDD_QUENBAR_DIALOG, nullptr, app), m_Link(*this, *this), m_Spectrum(&App()) {
    mainwnd::RegisterMainWindowResources(App());
    // Dialog data exchange: these items are created as the members; the rest are subclassed by the set-up.
    for (int c = 0; c < 8; ++c) BindItem(g_ChannelGainSliderIds[c], m_SliderGain[c]);
    BindItem(IDC_MASTER_SLIDER, m_SliderMaster);
    for (int k = 0; k < kBands; ++k) BindItem(g_BandSliderIds[k], m_SliderBand[k]);
    BindItem(IDC_SPECTRUM, m_Spectrum);
    BindItem(IDC_STATIC_SAVE_MODE, m_StaticSaveMode);
    BindItem(IDC_STATIC_CUR_MODE, m_StaticCurMode);
    BindItem(IDC_STATIC_SOURCE, m_StaticSource);
    for (std::size_t i = 0; i < g_ComboIds.size(); ++i) BindItem(g_ComboIds[i], m_Combo[i]);
    for (int c = 8; c < kChannels; ++c) {
        BindItem(g_ChannelGainEditIds[c], m_EditGain[c]);
        BindItem(g_DelayEditIds[c], m_EditDelay[c]);
        BindItem(g_ChannelGainSliderIds[c], m_SliderGain[c]);
    }
    SetBackground(kBackground);
    AddCommandHandlers();
    AddRoutingHandlers();
    AddEditingHandlers();
}

CQuenbarDlg::~CQuenbarDlg() {
    StopLink();
}

void CQuenbarDlg::CreateItems() {
    ui::TemplateDialog::CreateItems();
    // The skin's size, DpiScale(1272) x DpiScale(676), rather than the template's units at this DPI, which
    // round differently from band to band; taller where the bottom bar needs it; centred where the template's
    // size was.
    const int dpi = App().Dpi();
    const gfx::Rect r = GetWindowRect();
    const int w = res::DpiScale(kSkinWidth, dpi), h = mainwnd::layout::StatusRowOf(dpi).clientHeight;
    MoveWindow(gfx::RectFromSize(r.left + (r.Width() - w) / 2, r.top + (r.Height() - h) / 2, w, h), false);
}

bool CQuenbarDlg::OnInitDialog() {
    Trace("base");
    // 2: the system menu's About entry.
    m_SysMenuAbout = res::LoadUiString(IDS_ABOUT);
    Trace("system menu");
    // 3: icon 128, which the desktop shows for the window and in its window menu.
    SetIcon(res::ProgramImages().Get(res::skinid::kAppIcon));
    Trace("icon");
    // 4: a second instance ends here, before any thread or timer exists, and never shows.
    Trace("single instance");
    if (m_InstanceCheck && !m_InstanceCheck()) {
        EndDialog(ui::IDCANCEL);
        return false;
    }
    ReadScreenDpi();
    Trace("dpi");
    g_MsgCaption = res::LoadUiString(res::IDS_ALERT);
    Trace("caption");
    m_DialogBrush = gfx::Brush::Solid(kBackground);
    m_EditBrush = gfx::Brush::Solid(kBackground);
    Trace("brushes");
    SubclassDlgItem(IDC_EDIT_LOW_CUT, m_EditLowCut);
    SubclassDlgItem(IDC_EDIT_HIGH_CUT, m_EditHighCut);
    Trace("cut edits");
    SetupGainSliders();
    SetupSpeakerGainEdits();
    SetupComboBoxes();
    SetupMasterVolume();
    SetupBandSliders();
    SetupBandFreqEdits();
    SetupBandGainEdits();
    SetupBandQEdits();
    PlaceCommandButtons();
    SubclassDelayEdits();
    InitValueEdits();
    PlaceTopBarButtons();
    SetupStaticTexts();
    Trace("set-up");
    UpdateCurrentModeText();
    UpdateSaveModeText();
    UpdateSourceText();
    Trace("status texts");
    ResetAllControls();
    Trace("reset");
    StartLinkThreads();
    Trace("threads");
    SizeStatusPictures();
    DrawUsbStatus();
    DrawTcpStatus();
    Trace("pictures");
    SetTimer(TIMER_POLL, kPollMs);
    SetTimer(TIMER_GRAPH_SYNC, kGraphSyncMs);
    SetTimer(TIMER_STATUS, kStatusMs);
    Trace("timers");
    SetDlgItemText(IDC_STATIC_BUILD_TAG, std::string(kBuildTag));
    Trace("build tag");
    {
        CDialogLogo chooser(&App());
        chooser.DoModal();
    }
    Trace("chooser");
    ApplyModelLayout();
    Trace("layout");
    SetDefID(IDC_CAPTION_FREQ);
    if (ui::Window* caption = GetDlgItem(IDC_CAPTION_FREQ)) caption->SetFocus();
    Trace("focus");
    return false;
}

void CQuenbarDlg::ReadScreenDpi() {
    // The backend's logical DPI (DSP_CONSOLE_DPI overrides it); 96 when it knows none.
    const int dpi = App().Dpi();
    g_ScreenDpiX = g_ScreenDpiY = dpi > 0 ? dpi : 96;
}

void CQuenbarDlg::StartLinkThreads() {
    // The link's timed rules run on the application's clock, like the window's timers.
    m_Link.Start(m_LinkConfig, [&app = App()] { return app.Now(); });
}

void CQuenbarDlg::StartLink() {
    StartLinkThreads();
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

// TIMER_GRAPH_SYNC's view of the window.
void CQuenbarDlg::SetEditText(int id, const std::string& text) {
    SetDlgItemText(id, text);
}
void CQuenbarDlg::SetGainSlider(int band, int code) {
    if (band < 0 || band >= kBands) return;
    m_SliderBand[band].SetPos(code);
    m_SliderBand[band].Invalidate();
}
void CQuenbarDlg::RedrawControl(int id) {
    if (ui::Window* w = GetDlgItem(id)) w->Invalidate();
}
void CQuenbarDlg::RedrawGraph() {
    m_Spectrum.Invalidate();
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
            if (OnEditingMessage(message, wParam, lParam)) return 0;
            return ui::TemplateDialog::WindowProc(message, wParam, lParam);
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
