#include "dialogs/dialogchinputvol.h"

#include "dialogs/standintemplate.h"

CDialogChInputVol::CDialogChInputVol(unsigned templateId, ui::Window* parent, ui::Application* app)
    : ui::TemplateDialog(dialogs::StandInTemplate(int(templateId), {"InputVol", "输入音量"}, {180, 60}, {}),
                         parent, app),
      templateId_(templateId) {}
