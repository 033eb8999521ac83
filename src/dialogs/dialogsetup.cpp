#include "dialogs/dialogsetup.h"

#include "dialogs/standintemplate.h"
#include "mainwnd/shellmessages.h"
#include "mainwnd/shellstrings.h"
#include "res/uilanguage.h"

namespace {
res::DialogTemplate MakeTemplate() {
    using gfx::RectFromSize;
    using res::ItemKind;
    return dialogs::StandInTemplate(
        IDD_DIALOG_SETUP, {"Setup", "设置"}, {180, 100},
        {{IDC_SETUP_UPGRADE,
          ItemKind::kButton,
          RectFromSize(7, 7, 100, 14),
          res::kTabStop,
          {"Upgrade", "升级"}},
         {IDC_SETUP_FACTORY_RESET,
          ItemKind::kButton,
          RectFromSize(7, 25, 100, 14),
          res::kTabStop,
          {"Factory reset", "恢复出厂设置"}},
         {IDC_SETUP_ABOUT, ItemKind::kButton, RectFromSize(7, 43, 100, 14), res::kTabStop, {"About", "关于"}},
         {IDC_SETUP_NOSIGNAL_MUTE,
          ItemKind::kButton,
          RectFromSize(7, 61, 100, 14),
          res::kTabStop,
          {"No-signal mute", "无信号静音"}}});
}
}  // namespace

CDialogSetup::CDialogSetup(int highLevelMixVolume, ui::Window* parent, ui::Application* app)
    : ui::TemplateDialog(MakeTemplate(), parent, app), volume_(highLevelMixVolume) {
    AddCommand(
        IDC_SETUP_UPGRADE, [this](int) { CloseAndSend(0); }, ui::BN_CLICKED);
    AddCommand(
        IDC_SETUP_FACTORY_RESET,
        [this](int) {
            if (MessageBox(res::LoadUiString(IDS_FACTORY_RESET_WARNING), g_MsgCaption, ui::MB_YESNO) ==
                ui::IDYES)
                CloseAndSend(1);
        },
        ui::BN_CLICKED);
    AddCommand(
        IDC_SETUP_ABOUT, [this](int) { CloseAndSend(2); }, ui::BN_CLICKED);
    AddCommand(
        IDC_SETUP_NOSIGNAL_MUTE, [this](int) { dialogs::SendToMainWindow(App(), WM_SETUP_COMMAND, 3); },
        ui::BN_CLICKED);
}

void CDialogSetup::CloseAndSend(int command) {
    SendMessage(ui::WM_CLOSE);
    dialogs::SendToMainWindow(App(), WM_SETUP_COMMAND, ui::WPARAM(command));
}
