#pragma once
// The input-source dialog (template 183): the source list 1054 (high level, low level, Bluetooth,
// optical/coaxial, USB) opens on the given index; the mix toggle 1748 flips the high-level mix flag while the
// chosen source is not high level. OK keeps the choice for GetSource and GetHighLevelMix.
#include <cstdint>

#include "platform/ui/combobox.h"
#include "platform/ui/templatedialog.h"

constexpr int IDD_INPUT_AUDIO_SOURCE = 183;
constexpr int IDC_SOURCE_LIST = 1054;
constexpr int IDC_SOURCE_MIX = 1748;

class CInputAudioSource : public ui::TemplateDialog {
  public:
    CInputAudioSource(int source, std::uint8_t highLevelMix, ui::Window* parent = nullptr,
                      ui::Application* app = nullptr);

    int GetSource() const { return source_; }
    std::uint8_t GetHighLevelMix() const { return mix_; }
    // The list while the dialog is open (tests pick from it).
    ui::ComboBox& SourceList() { return list_; }

  protected:
    bool OnInitDialog() override;
    void OnOK() override;

  private:
    ui::ComboBox list_;
    int source_;
    std::uint8_t mix_;
};
