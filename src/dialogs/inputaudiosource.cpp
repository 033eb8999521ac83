#include "dialogs/inputaudiosource.h"

#include "dialogs/standintemplate.h"
#include "res/uilanguage.h"

namespace {
// High level, low level, Bluetooth, optical/coaxial, USB.
constexpr int kSourceStringIds[] = {129, 130, 131, 133, 240};

res::DialogTemplate MakeTemplate() {
    using res::ItemKind;
    return dialogs::StandInTemplate(
        IDD_INPUT_AUDIO_SOURCE, {"Source", "音源"}, {180, 70},
        {{IDC_SOURCE_LIST, ItemKind::kCombo, gfx::RectFromSize(7, 7, 110, 80), res::kTabStop},
         {IDC_SOURCE_MIX, ItemKind::kButton, gfx::RectFromSize(123, 7, 50, 14), res::kTabStop, "Mix"}});
}
}  // namespace

CInputAudioSource::CInputAudioSource(int source, std::uint8_t highLevelMix, ui::Window* parent,
                                     ui::Application* app)
    : ui::TemplateDialog(MakeTemplate(), parent, app), list_(app), source_(source), mix_(highLevelMix) {
    BindItem(IDC_SOURCE_LIST, list_);
    AddCommand(
        IDC_SOURCE_MIX,
        [this](int) {
            if (list_.GetCurSel() != 0) mix_ = mix_ ? 0 : 1;
        },
        ui::BN_CLICKED);
}

bool CInputAudioSource::OnInitDialog() {
    for (int id : kSourceStringIds) list_.AddString(res::LoadUiString(id));
    // An index past the list selects nothing.
    list_.SetCurSel(source_);
    return true;
}

void CInputAudioSource::OnOK() {
    source_ = list_.GetCurSel();
    EndDialog(ui::IDOK);
}
