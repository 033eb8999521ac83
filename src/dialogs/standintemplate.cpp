#include "dialogs/standintemplate.h"

#include "platform/ui/application.h"
#include "platform/ui/window.h"

namespace dialogs {

res::DialogTemplate StandInTemplate(int id, res::LangText caption, gfx::Size size,
                                    std::vector<res::DialogItem> items) {
    using res::ItemKind;
    const int y = size.cy - 21;
    items.push_back({ui::IDOK,
                     ItemKind::kButton,
                     gfx::RectFromSize(size.cx - 114, y, 50, 14),
                     res::kDefaultButton | res::kTabStop,
                     {"OK", "确定"}});
    items.push_back({ui::IDCANCEL,
                     ItemKind::kButton,
                     gfx::RectFromSize(size.cx - 57, y, 50, 14),
                     res::kTabStop,
                     {"Cancel", "取消"}});
    return {id, {"MS Shell Dlg", 8}, size, std::move(caption), res::kCaption, std::move(items)};
}

ui::LRESULT SendToMainWindow(ui::Application& app, ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) {
    ui::Window* main = app.MainWindow();
    return main ? main->SendMessage(message, wParam, lParam) : 0;
}

}  // namespace dialogs
