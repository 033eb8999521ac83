#include "dialogs/inputaudiosource.h"

#include "dialogs/sidestrings.h"
#include "dialogs/sidetemplates.h"
#include "mainwnd/shellstrings.h"
#include "res/skin/sidedialogskin.h"
#include "res/uilanguage.h"

namespace {

// High level, low level, Bluetooth, optical/coaxial, USB.
constexpr int kSourceStringIds[] = {IDS_SOURCE_HIGH_LEVEL, IDS_SOURCE_LOW_LEVEL, IDS_SOURCE_BLUETOOTH,
                                    IDS_SOURCE_OPTICAL, IDS_SOURCE_USB};

dialogs::FrameFeatures SourceFeatures() {
    namespace skin = res::sideskin;
    // The buttons' text in their own font.
    return dialogs::OkCancelFrame(skin::kSmallBackground, skin::kSourceButtonPressed, skin::kSourceButton,
                                  dialogs::kLightGrey250, false);
}

}  // namespace

CInputAudioSource::CInputAudioSource(int source, std::uint8_t highLevelMix, ui::Window* parent,
                                     ui::Application* app)
    : dialogs::CSideDialog(dialogs::SideTemplate(IDD_INPUT_AUDIO_SOURCE), SourceFeatures(), parent, app),
      list_(app),
      source_(source),
      mix_(highLevelMix) {
    BindItem(IDC_SOURCE_LIST, list_);
    AddCommand(
        IDC_SOURCE_LIST,
        [this](int) {
            source_ = list_.GetCurSel();
            if (ui::Window* sw = GetDlgItem(IDC_SOURCE_MIX)) sw->Invalidate();
        },
        ui::CBN_SELCHANGE);
    AddCommand(
        IDC_SOURCE_MIX,
        [this](int) {
            // High level mixes in by itself: the switch is inert then.
            if (source_ == 0) return;
            mix_ = mix_ == 1 ? 0 : 1;
            if (ui::Window* sw = GetDlgItem(IDC_SOURCE_MIX)) sw->Invalidate();
        },
        ui::BN_CLICKED);
}

bool CInputAudioSource::OnInitDialog() {
    for (int id : kSourceStringIds) list_.AddString(res::LoadUiString(id));
    // An index past the list selects nothing.
    list_.SetCurSel(source_);
    SetDlgItemText(IDC_SOURCE_MIX_LABEL, res::LoadUiString(IDS_CAPTION_HIGH_LEVEL_MIX));
    SizeItem(IDC_SOURCE_MIX, {Scaled(12), Scaled(12)});
    ShowItem(IDC_SOURCE_NOTE, true);
    ShowItem(IDC_SOURCE_NOTE_OPTICAL, false);
    return dialogs::CSideDialog::OnInitDialog();
}

bool CInputAudioSource::DrawOwnItem(int id, ui::DrawItemStruct& dis) {
    if (id != IDC_SOURCE_MIX) return false;
    namespace skin = res::sideskin;
    DrawBitmap(dis, source_ == 0 ? skin::kSwitchUnavailable : mix_ == 1 ? skin::kSwitchOn : skin::kSwitchOff);
    return true;
}
