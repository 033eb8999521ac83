#pragma once
// The input-source dialog (template 183): the source list 1054 (high level, low level, Bluetooth,
// optical/coaxial, USB) opens on the index the opener gives; the switch 1748 flips the high-level mix-in
// while the chosen source is not high level, and shows itself inert while it is. OK keeps the index and the
// switch for GetSource and GetHighLevelMix.
#include <cstdint>

#include "dialogs/sideframe.h"
#include "dialogs/sideids.h"
#include "platform/ui/combobox.h"

class CInputAudioSource : public dialogs::CSideDialog {
  public:
    CInputAudioSource(int source, std::uint8_t highLevelMix, ui::Window* parent = nullptr,
                      ui::Application* app = nullptr);

    int GetSource() const { return source_; }
    std::uint8_t GetHighLevelMix() const { return mix_; }
    // The list while the dialog is open (tests pick from it).
    ui::ComboBox& SourceList() { return list_; }

  protected:
    bool OnInitDialog() override;
    bool DrawOwnItem(int id, ui::DrawItemStruct& dis) override;

  private:
    ui::ComboBox list_;
    int source_;
    std::uint8_t mix_;
};
