#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/commandline.h"
#include "app/quenbarapp.h"

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

    return theApp.Run(cl);
}
