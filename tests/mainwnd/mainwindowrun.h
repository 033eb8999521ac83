#pragma once
// The main window's real start-up on the headless backend (virtual clock), against a loopback address where
// nothing answers.
#include <functional>

#include "dialogs/dialoglogo.h"
#include "mainwnd/quenbardlg.h"
#include "platform/ui/application.h"
#include "platform/ui/messages.h"

// Runs dlg (made on app) through its start-up: the model chooser is confirmed (its preselected model 4) or
// cancelled; shown runs once the window shows, which is then closed with WM_CLOSE. DoModal's result.
inline int RunMainWindow(ui::Application& app, CQuenbarDlg& dlg, const std::function<void()>& shown,
                         bool cancelChooser = false) {
    dlg.SetLinkConfig({nullptr, "127.0.0.1", 9});
    app.SetMainWindow(&dlg);
    app.SetModalObserver([&](ui::Window& w) {
        if (dynamic_cast<CDialogLogo*>(&w)) {
            w.PostMessage(ui::WM_COMMAND, ui::MAKEWPARAM(cancelChooser ? ui::IDCANCEL : ui::IDOK, ui::BN_CLICKED));
            return;
        }
        shown();
        dlg.PostMessage(ui::WM_CLOSE);
    });
    const int result = dlg.DoModal();
    app.SetMainWindow(nullptr);
    return result;
}
