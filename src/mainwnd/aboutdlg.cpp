#include "mainwnd/aboutdlg.h"

#include <mutex>
#include <string>

#include "device/status.h"
#include "mainwnd/aboutdlgtemplate.h"
#include "mainwnd/shellstrings.h"
#include "platform/sys/textcodec.h"

CAboutDlg::CAboutDlg(ui::Application* app) : ui::TemplateDialog(IDD_ABOUTBOX, nullptr, app) {}

bool CAboutDlg::OnInitDialog() {
    ui::TemplateDialog::OnInitDialog();
    std::string version;
    std::string media;
    {
        // Each text stops at its field's size even without a terminating zero.
        std::lock_guard lock(g_VersionMutex);
        version = sys::GbkFieldToUtf8(g_DeviceVersion, kDeviceVersionLen).text;
        media = sys::GbkFieldToUtf8(g_MediaVersion, kMediaVersionLen).text;
    }
    SetDlgItemText(IDC_ABOUT_MCU, version);
    SetDlgItemText(IDC_ABOUT_APP, std::string(kBuildTag));
    const bool mediaKnown = g_MediaVersionReceived.load() == 1;
    if (mediaKnown) SetDlgItemText(IDC_ABOUT_MEDIA, media);
    for (int id : {IDC_ABOUT_MEDIA, IDC_ABOUT_MEDIA_LABEL}) {
        if (ui::Window* item = GetDlgItem(id)) item->ShowWindow(mediaKnown ? ui::SW_SHOW : ui::SW_HIDE);
    }
    return true;
}
