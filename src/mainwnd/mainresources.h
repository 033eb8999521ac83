#pragma once
// What the main window needs registered before it opens: templates 102 and 100, the shell's and the link's
// texts, the skin for the application's DPI and the PNG images.
namespace ui {
class Application;
}

namespace mainwnd {

void RegisterMainWindowResources(ui::Application& app);

}  // namespace mainwnd
