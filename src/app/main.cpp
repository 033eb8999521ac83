#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/commandline.h"
#include "app/placeholdermainwindow.h"
#include "platform/backend/headless.h"
#include "platform/ui/application.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const app::CommandLine cl = app::ParseCommandLine(args, std::getenv(app::kDeviceEnvVar));
    if (!cl.error.empty()) {
        std::fprintf(stderr, "dsp-console: %s\n%s", cl.error.c_str(), app::UsageText().c_str());
        return 2;
    }
    if (cl.help) {
        std::fputs(app::UsageText().c_str(), stdout);
        return 0;
    }

    // Without a display there is no main window: say why and fail.
    std::string why;
    std::unique_ptr<ui::Backend> backend = ui::ChooseBackend(&why);
    if (dynamic_cast<ui::HeadlessBackend*>(backend.get())) {
        std::fprintf(stderr, "dsp-console: cannot create the main window: %s\n", why.c_str());
        return 1;
    }
    ui::Application application(std::move(backend));
    app::PlaceholderMainWindow main_window(&application);
    application.SetMainWindow(&main_window);
    if (main_window.DoModal() < 0) {
        std::fprintf(stderr, "dsp-console: cannot create the main window: %s\n",
                     main_window.CreateError().c_str());
        return 1;
    }
    return 0;
}
