// The firmware file choice and the start of a transfer. The transfer itself runs on the dispatch threads.
#include <mutex>

#include "device/commandbuilders.h"
#include "device/commands.h"
#include "device/firmwarestate.h"
#include "device/linkstate.h"
#include "device/status.h"
#include "device/upgradeblocks.h"
#include "dialogs/loadpercent.h"
#include "files/firmwarefile.h"
#include "mainwnd/linkmessages.h"
#include "mainwnd/linkstrings.h"
#include "mainwnd/quenbardlg.h"
#include "platform/ui/application.h"
#include "platform/ui/filedialog.h"
#include "res/uilanguage.h"

namespace {
constexpr const char* kFirmwareFilter = "(*.img)|*.img|(*.*)|*.*||";

bool FirmwareLoaded() {
    std::lock_guard lock(g_FirmwareMutex);
    return !g_FirmwarePath.empty();
}
}  // namespace

void CQuenbarDlg::LoadUpgradeFile(bool acceptAnyModel) {
    ui::FileDialog dialog(true, "img", "", ui::OFN_HIDEREADONLY | ui::OFN_OVERWRITEPROMPT, kFirmwareFilter, this,
                          &App());
    if (dialog.DoModal() != ui::IDOK) return;
    const files::FirmwareLoadResult result = files::LoadFirmwareFile(dialog.GetPathName(), acceptAnyModel);
    switch (result.status) {
        case files::FirmwareLoadStatus::kLoaded:
            KillTimer(TIMER_PUSH_CHANGES);
            device::SendSingleByteCommand(CMD_ENTER_UPGRADE);
            break;
        case files::FirmwareLoadStatus::kWrongName:
        case files::FirmwareLoadStatus::kWrongChecksum:
            MessageBox(res::LoadUiString(result.messageId), g_MsgCaption, ui::MB_OK | ui::MB_ICONWARNING);
            break;
        case files::FirmwareLoadStatus::kOpenFailed:
            // No text of the program's own for this: the reason as the system gives it.
            MessageBox(result.error, g_MsgCaption, ui::MB_OK | ui::MB_ICONWARNING);
            break;
    }
}

ui::LRESULT CQuenbarDlg::OnUpgradeRequest(ui::WPARAM, ui::LPARAM) {
    if (g_UpgradeRunning.load() == 1) return 0;
    g_UpgradeRunning = 1;
    if (!StartFirmwareUpgrade()) {
        // The device waits in upgrade mode with nothing to receive: the program ends.
        g_UpgradeRunning = 0;
        PostMessage(ui::WM_CLOSE);
    }
    return 0;
}

bool CQuenbarDlg::StartFirmwareUpgrade() {
    if (!FirmwareLoaded()) {
        m_ChoosingUpgradeFile = true;
        MessageBox(res::LoadUiString(IDS_IMPORT_UPGRADE_FILE), g_MsgCaption, ui::MB_OK);
        // While g_UpgradeRunning is 1 the request for upgrade mode is filtered out: the device is in it.
        LoadUpgradeFile(true);
        m_ChoosingUpgradeFile = false;
        if (!FirmwareLoaded()) return false;
    }
    g_UpgradeRunning = 1;
    g_UpgradeLastBlock = 0;
    device::MarkUpgradeActivity();
    device::SendSingleByteCommand(CMD_UPGRADE_START);
    g_Progress = 0;
    CLoadPercent progress(&App());
    progress.DoModal();
    return true;
}
