#include "dialogs/savechannelname.h"

#include "platform/sys/textcodec.h"
#include "res/uilanguage.h"

namespace {

constexpr int kNameBytes = 20;

res::DialogTemplate MakeTemplate() {
    using gfx::RectFromSize;
    using res::ItemKind;
    return {CSaveChannelName::IDD,
            {"MS Shell Dlg", 8},
            {186, 70},
            {"Name", "名称"},
            res::kCaption,
            {
                {CSaveChannelName::IDC_CURRENT_NAME, ItemKind::kEdit, RectFromSize(10, 10, 166, 14),
                 res::kBorder | res::kReadOnly | res::kAutoHScroll},
                {CSaveChannelName::IDC_NEW_NAME, ItemKind::kEdit, RectFromSize(10, 30, 166, 14),
                 res::kBorder | res::kTabStop | res::kAutoHScroll},
                {ui::IDOK,
                 ItemKind::kButton,
                 RectFromSize(70, 50, 50, 14),
                 res::kDefaultButton | res::kTabStop,
                 {"OK", "确定"}},
                {ui::IDCANCEL,
                 ItemKind::kButton,
                 RectFromSize(126, 50, 50, 14),
                 res::kTabStop,
                 {"Cancel", "取消"}},
            }};
}

}  // namespace

CSaveChannelName::CSaveChannelName(int channel, const char* name, ui::Window* parent, ui::Application* app)
    : ui::TemplateDialog(MakeTemplate(), parent, app),
      m_Channel(channel),
      m_Name(name ? sys::GbkFieldToUtf8(name, kNameBytes).text : std::string()) {}

bool CSaveChannelName::OnInitDialog() {
    ui::TemplateDialog::OnInitDialog();
    const std::string title =
        m_Channel >= 0 && m_Channel < 12 ? g_DefaultChannelTitles[m_Channel] : std::string();
    SetWindowText(title);
    SetDlgItemText(IDC_CURRENT_NAME, m_Name.empty() ? title : m_Name);
    if (ui::Window* edit = GetDlgItem(IDC_NEW_NAME)) edit->SetFocus();
    return false;
}

void CSaveChannelName::OnOK() {
    m_NewName = GetDlgItemText(IDC_NEW_NAME);
    EndDialog(ui::IDOK);
}
