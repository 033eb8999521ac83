#pragma once
// The channel name dialog (template 427): shows an output channel's current name (its title "CH1".."CH12"
// when the name is empty) and takes a new one in 1238, where the focus starts. The opener stores the new name
// after IDOK.
#include <string>

#include "device/names.h"
#include "dialogs/sideframe.h"
#include "platform/ui/edit.h"

class CSaveChannelName : public dialogs::CSideDialog {
  public:
    // name: the channel's 20 GBK bytes, read up to the first zero byte.
    CSaveChannelName(int channel, const char* name, ui::Window* parent = nullptr, ui::Application* app = nullptr);

    void GetNewName(std::string& out) const { out = newName_; }
    // String 114..119, 167, 168, 212..215 for channel 0..11; 114 for any other.
    static int TitleStringId(int channel);
    ui::Edit& NewNameEdit() { return newEdit_; }

  protected:
    bool OnInitDialog() override;
    void Accept() override;

  private:
    int channel_;
    std::string currentName_;
    std::string newName_;
    ui::Edit currentEdit_;
    ui::Edit newEdit_;
};
