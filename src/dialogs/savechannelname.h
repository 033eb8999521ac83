#pragma once
// The rename dialog of a channel (template 427): its caption is the channel's default title, the read-only
// edit 1237 shows the current name (the title while the name is empty) and the new name is typed into 1238.
// OK keeps the typed text, which may be empty.
#include <string>

#include "platform/ui/templatedialog.h"

class CSaveChannelName : public ui::TemplateDialog {
  public:
    static constexpr int IDD = 427;
    static constexpr int IDC_CURRENT_NAME = 1237;
    static constexpr int IDC_NEW_NAME = 1238;

    // name: the channel's 20 GBK bytes, read up to the first zero.
    CSaveChannelName(int channel, const char* name, ui::Window* parent = nullptr,
                     ui::Application* app = nullptr);
    void GetNewName(std::string& name) const { name = m_NewName; }

  protected:
    bool OnInitDialog() override;
    void OnOK() override;

  private:
    int m_Channel;
    std::string m_Name;
    std::string m_NewName;
};
