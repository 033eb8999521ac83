#include "dialogs/savechannelname.h"

#include "dialogs/sideids.h"
#include "dialogs/sidestrings.h"
#include "dialogs/sidetemplates.h"
#include "platform/sys/textcodec.h"
#include "res/skin/sidedialogskin.h"
#include "res/uilanguage.h"

namespace {

dialogs::FrameFeatures NameFeatures() {
    namespace skin = res::sideskin;
    // The frame's text is near white; only the drawn buttons' is light grey.
    dialogs::FrameFeatures f = dialogs::OkCancelFrame(skin::kPanelBackground, skin::kTextButtonPressed,
                                                      skin::kTextButton, dialogs::kLightGrey245);
    f.text = dialogs::kNearWhite;
    return f;
}

}  // namespace

CSaveChannelName::CSaveChannelName(int channel, const char* name, ui::Window* parent, ui::Application* app)
    : dialogs::CSideDialog(dialogs::SideTemplate(IDD_SAVE_CHANNEL_NAME), NameFeatures(), parent, app),
      channel_(channel),
      currentName_(name ? sys::GbkFieldToUtf8(name, kNameLen).text : std::string()),
      currentEdit_(app),
      newEdit_(app) {
    BindItem(IDC_NAME_EDIT, currentEdit_);
    BindItem(IDC_NEW_NAME_EDIT, newEdit_);
}

int CSaveChannelName::TitleStringId(int channel) {
    static constexpr int kIds[12] = {114, 115, 116, 117, 118, 119, 167, 168, 212, 213, 214, 215};
    return channel >= 0 && channel < 12 ? kIds[channel] : kIds[0];
}

bool CSaveChannelName::OnInitDialog() {
    dialogs::CSideDialog::OnInitDialog();
    SetFrameFont({IDC_CHANNEL_NAME_CURRENT_LABEL, IDC_CHANNEL_NAME_NEW_LABEL}, 12);
    SetDlgItemText(IDC_CHANNEL_NAME_CURRENT_LABEL, res::LoadUiString(dialogs::IDS_CURRENT_NAME));
    SetDlgItemText(IDC_CHANNEL_NAME_NEW_LABEL, res::LoadUiString(dialogs::IDS_NEW_NAME));
    const std::string title = res::LoadUiString(TitleStringId(channel_));
    SetWindowText(title);  // no caption bar shows it
    currentEdit_.SetWindowText(currentName_.empty() ? title : currentName_);
    newEdit_.SetFocus();
    return false;
}

void CSaveChannelName::Accept() {
    newName_ = newEdit_.GetWindowText();
    EndDialog(ui::IDOK);
}
