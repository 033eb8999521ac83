#pragma once
// The settings dialog (template 304): the high-level mix volume (every change goes to the main window at
// once), the language of the next start (the language file), the firmware upgrade, the factory reset (asked
// first), About, and in the Chinese layout the no-signal mute switch, whose label follows the device. The
// upgrade, reset and About buttons close the dialog first; every request reaches the main window as
// WM_SETUP_COMMAND (0 upgrade, 1 factory reset, 2 About, 3 mute toggle).
#include <cstdint>
#include <string>
#include <vector>

#include "controls/editsystemvol.h"
#include "controls/mycombobox.h"
#include "dialogs/sideframe.h"
#include "dialogs/sideids.h"

class CDialogSetup : public dialogs::CSideDialog {
  public:
    explicit CDialogSetup(int highLevelMixVolume, ui::Window* parent = nullptr, ui::Application* app = nullptr);
    int HighLevelMixVolume() const { return volume_; }
    std::uint8_t ShownMuteState() const { return shownMute_; }
    // Where the language file goes; by default where the start-up looks for it.
    void SetLanguageFileCandidates(std::vector<std::string> candidates) { candidates_ = std::move(candidates); }

    // "0dB" for 0, "-%ddB" for 1..60, empty otherwise.
    static std::string FormatVolume(int volume);

    CEditVol& VolumeEdit() { return volumeEdit_; }
    CMyComboBox& LanguageList() { return languageList_; }

    ui::LRESULT WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) override;

  protected:
    bool OnInitDialog() override;
    void OnTimer(ui::UINT_PTR id) override;
    bool DrawOwnItem(int id, ui::DrawItemStruct& dis) override;

  private:
    void OnVolumeStepped(ui::WPARAM key);
    void OnVolumeCommit();
    void ShowVolume();
    void OnLanguageChosen();

    int volume_;
    std::uint8_t shownMute_ = 0;
    std::vector<std::string> candidates_;
    CEditVol volumeEdit_;
    CMyComboBox languageList_;
};
