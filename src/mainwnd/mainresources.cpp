#include "mainwnd/mainresources.h"

#include "controls/bezier.h"
#include "dialogs/sidestrings.h"
#include "mainwnd/editstrings.h"
#include "mainwnd/linkstrings.h"
#include "mainwnd/quenbartemplate.h"
#include "mainwnd/shellstrings.h"
#include "platform/res/pngimages.h"
#include "platform/ui/application.h"
#include "res/programstrings.h"
#include "res/skin/programimages.h"
#include "res/skin/programskin.h"

namespace mainwnd {

void RegisterMainWindowResources(ui::Application& app) {
    // Each registration keeps what is already there, so a second window in one process finds it all.
    RegisterShellStrings(res::ProgramStrings());
    RegisterLinkStrings();
    dialogs::RegisterSideDialogStrings();
    RegisterEditStrings(res::ProgramStrings());
    if (!app.Dialogs().Find(sys::kLangEnglish, 102)) RegisterQuenbarTemplates(app.Dialogs());
    if (!app.Skin().Contains(res::skinid::kBackgroundEnglish))
        res::RegisterProgramSkin(app.Skin(), app.Dpi(), &CBezier::ChannelColor);
    res::RegisterProgramImages(res::ProgramImages(), app.Dpi());
}

}  // namespace mainwnd
