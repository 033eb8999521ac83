#include "dialogs/dialogfile.h"

#include "dialogs/sidestrings.h"
#include "dialogs/sidetemplates.h"
#include "mainwnd/shellmessages.h"
#include "mainwnd/shellstrings.h"
#include "res/skin/sidedialogskin.h"
#include "res/uilanguage.h"

namespace {

struct SceneButton {
    int id;
    int textId;
    ui::WPARAM command;
};
constexpr SceneButton kButtons[] = {
    {IDC_FILE_LOAD_DSP, dialogs::IDS_LOAD_FROM_DEVICE, 0},
    {IDC_FILE_SAVE_DSP, dialogs::IDS_SAVE_TO_DEVICE, 1},
    {IDC_FILE_LOAD_PC, dialogs::IDS_LOAD_FROM_PC, 2},
    {IDC_FILE_SAVE_PC, dialogs::IDS_SAVE_TO_PC, 3},
};

dialogs::FrameFeatures FileFeatures() {
    namespace skin = res::sideskin;
    dialogs::FrameFeatures f = dialogs::PanelFrame(dialogs::kNearWhite, dialogs::EditColours::kSystem);
    for (const SceneButton& b : kButtons)
        f.buttons.push_back({b.id, skin::kTextButtonPressed, skin::kTextButton, b.textId});
    return f;
}

}  // namespace

CDialogFile::CDialogFile(ui::Window* parent, ui::Application* app)
    : dialogs::CSideDialog(dialogs::SideTemplate(IDD_DIALOG_FILE), FileFeatures(), parent, app) {
    for (const SceneButton& b : kButtons) {
        AddCommand(
            b.id, [this, command = b.command](int) { CloseAndSend(WM_SCENE_COMMAND, command); },
            ui::BN_CLICKED);
    }
}

bool CDialogFile::OnInitDialog() {
    SetFrameFont({IDC_FILE_TITLE}, 12);
    SetDlgItemText(IDC_FILE_TITLE, res::LoadUiString(IDS_FILE));
    return dialogs::CSideDialog::OnInitDialog();
}
