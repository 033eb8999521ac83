#include "dialogs/modeslotdialog.h"

#include "dialogs/sideids.h"
#include "dialogs/sidestrings.h"
#include "dialogs/sidetemplates.h"
#include "mainwnd/shellstrings.h"
#include "platform/sys/textcodec.h"
#include "res/skin/sidedialogskin.h"
#include "res/uilanguage.h"

namespace {

dialogs::FrameFeatures SlotFeatures() {
    namespace skin = res::sideskin;
    return dialogs::OkCancelFrame(skin::kSmallBackground, skin::kTextButtonPressed, skin::kTextButton,
                                  dialogs::kNearWhite);
}

// The resources hold this message in Chinese only, so it shows in Chinese in both languages.
std::string MaxLengthMessage(int limit) {
    return "输入的字符请不要多于 " + std::to_string(limit) + " 个。";
}

}  // namespace

CModeSlotDialog::CModeSlotDialog(Kind kind, int slot, const char names[][kNameLen + 1], ui::Window* parent,
                                 ui::Application* app)
    : dialogs::CSideDialog(
          dialogs::SideTemplate(kind == Kind::kSave ? IDD_SAVE_MODE_TO_DSP : IDD_IMPORT_MODE_DSP),
          SlotFeatures(), parent, app),
      kind_(kind),
      slot_(slot),
      list_(app),
      edit_(app) {
    // Each name stops at its first zero byte and at 20 bytes.
    for (int i = 0; i < kModeSlots; ++i) slotNames_[i] = sys::GbkFieldToUtf8(names[i], kNameLen).text;
    BindItem(IDC_SLOT_LIST, list_);
    BindItem(IDC_NAME_EDIT, edit_);
    AddCommand(
        IDC_SLOT_LIST,
        [this](int) {
            slot_ = list_.GetCurSel();
            ShowSlotName();
        },
        ui::CBN_SELCHANGE);
}

bool CModeSlotDialog::OnInitDialog() {
    if (kind_ == Kind::kSave) edit_.SetLimitText(kMaxNameChars);
    list_.AddString(res::LoadUiString(IDS_DEFAULT_SLOT));
    for (int i = 1; i <= 6; ++i) list_.AddString(std::to_string(i));
    // Slot 7 is no item: the list then shows no selection.
    list_.SetCurSel(slot_);
    ShowSlotName();
    const bool save = kind_ == Kind::kSave;
    const int title = save ? IDC_SAVE_MODE_TITLE : IDC_IMPORT_MODE_TITLE;
    SetFrameFont({title, save ? IDC_SAVE_MODE_SLOT_LABEL : IDC_IMPORT_MODE_SLOT_LABEL,
                  save ? IDC_SAVE_MODE_NAME_LABEL : IDC_IMPORT_MODE_NAME_LABEL},
                 12);
    SetDlgItemText(title, res::LoadUiString(save ? dialogs::IDS_SAVE_TO_DEVICE : dialogs::IDS_LOAD_FROM_DEVICE));
    return dialogs::CSideDialog::OnInitDialog();
}

void CModeSlotDialog::ShowSlotName() {
    if (slot_ >= 0 && slot_ < kModeSlots) edit_.SetWindowText(slotNames_[slot_]);
}

const gfx::Brush* CModeSlotDialog::OnCtlColor(gfx::Canvas& canvas, ui::Window* control, int kind) {
    // The recall dialog's read-only name: black on white.
    if (kind_ == Kind::kImport && control == &edit_ && kind == ui::CTLCOLOR_STATIC) {
        canvas.SetTextColor(gfx::Rgb(0, 0, 0));
        canvas.SetBkColor(gfx::Rgb(255, 255, 255));
        return &whiteBrush_;
    }
    return dialogs::CSideDialog::OnCtlColor(canvas, control, kind);
}

bool CModeSlotDialog::NameFits() {
    if (edit_.GetTextLength() <= kMaxNameChars) return true;
    MessageBox(MaxLengthMessage(kMaxNameChars), g_MsgCaption, ui::MB_OK | ui::MB_ICONWARNING);
    edit_.SetFocus();
    return false;
}

void CModeSlotDialog::Accept() {
    if (kind_ == Kind::kSave) {
        // The data exchange runs twice (once here, once in the base OK), so a name too long is reported twice.
        const bool first = NameFits();
        name_ = edit_.GetWindowText();
        if (!NameFits() || !first) return;
    }
    EndDialog(ui::IDOK);
}
