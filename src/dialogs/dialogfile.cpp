#include "dialogs/dialogfile.h"

#include "dialogs/standintemplate.h"
#include "mainwnd/shellmessages.h"

namespace {
struct SceneButton {
    int id;
    ui::WPARAM command;
    res::LangText text;
};
const SceneButton kButtons[] = {
    {IDC_FILE_LOAD_DSP, 0, {"LoadDSP", "读取设备"}},
    {IDC_FILE_SAVE_DSP, 1, {"SaveDSP", "保存到设备"}},
    {IDC_FILE_LOAD_PC, 2, {"LoadPC", "打开文件"}},
    {IDC_FILE_SAVE_PC, 3, {"SavePC", "保存文件"}},
};

res::DialogTemplate MakeTemplate() {
    std::vector<res::DialogItem> items;
    int y = 7;
    for (const SceneButton& b : kButtons) {
        items.push_back(
            {b.id, res::ItemKind::kButton, gfx::RectFromSize(7, y, 100, 14), res::kTabStop, b.text});
        y += 18;
    }
    return dialogs::StandInTemplate(IDD_DIALOG_FILE, {"File", "文件"}, {180, 100}, std::move(items));
}
}  // namespace

CDialogFile::CDialogFile(ui::Window* parent, ui::Application* app)
    : ui::TemplateDialog(MakeTemplate(), parent, app) {
    for (const SceneButton& b : kButtons) {
        AddCommand(
            b.id,
            [this, command = b.command](int) {
                SendMessage(ui::WM_CLOSE);
                dialogs::SendToMainWindow(App(), WM_SCENE_COMMAND, command);
            },
            ui::BN_CLICKED);
    }
}
