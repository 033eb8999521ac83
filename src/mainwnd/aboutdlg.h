#pragma once
// The About box on template 100, in the platform's plain dialog look: the build tag and the two versions the
// device reported, read once when the box opens. The media line shows only once the media version of the
// current connection has arrived.
#include "platform/ui/templatedialog.h"

class CAboutDlg : public ui::TemplateDialog {
  public:
    explicit CAboutDlg(ui::Application* app = nullptr);

  protected:
    bool OnInitDialog() override;
};
