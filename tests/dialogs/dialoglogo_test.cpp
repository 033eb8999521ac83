#include "dialogs/dialoglogo.h"

#include <gtest/gtest.h>

#include "device/status.h"
#include "dialogs/sideids.h"
#include "platform/backend/headless.h"
#include "platform/ui/application.h"

namespace {

TEST(DialogLogoTest, ItsConfirmButtonConfirmsTheChosenModelAsOkDoes) {
    const int modelBefore = g_DeviceModel;
    ui::Application app(std::make_unique<ui::HeadlessBackend>());
    CDialogLogo chooser(&app);
    app.SetModalObserver([](ui::Window& w) {
        w.PostMessage(ui::WM_COMMAND, ui::MAKEWPARAM(IDC_LOGO_CONFIRM, ui::BN_CLICKED));
    });
    EXPECT_EQ(chooser.DoModal(), ui::IDOK);
    EXPECT_EQ(g_DeviceModel.load(), CDialogLogo::ModelOfOption(2));  // the preselected option
    EXPECT_EQ(g_ModelChosenManually.load(), 1);
    g_DeviceModel = modelBefore;
    g_ModelChosenManually = 0;
}

}  // namespace
