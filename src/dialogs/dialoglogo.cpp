#include "dialogs/dialoglogo.h"

#include "device/status.h"
#include "dialogs/sidestrings.h"
#include "dialogs/sidetemplates.h"
#include "editing/modelrouting.h"
#include "platform/res/dpi.h"
#include "platform/ui/application.h"
#include "res/skin/sidedialogskin.h"
#include "res/uilanguage.h"

namespace {
constexpr ui::UINT_PTR TIMER_LOGO_POLL = 1;
constexpr unsigned kPollMs = 5;
constexpr int kDoubleClickMark = 1760;  // a double click on it chooses option 5

dialogs::FrameFeatures LogoFeatures() {
    dialogs::FrameFeatures f;
    f.enterAccepts = true;  // the background goes by DPI band
    return f;
}
}  // namespace

CDialogLogo::CDialogLogo(ui::Application* app)
    : dialogs::CSideDialog(dialogs::SideTemplate(IDD_DIALOG_LOGO), LogoFeatures(),
                           nullptr, app) {
    for (const dialogs::ChooserOption& o : dialogs::kChooserOptions) {
        for (int id : {o.mark, o.label}) {
            AddCommand(
                id, [this, option = o.option](int) { Choose(option); }, ui::BN_CLICKED);
        }
    }
    AddCommand(
        kDoubleClickMark, [this](int) { Choose(5); }, ui::BN_DOUBLECLICKED);
    AddCommand(
        IDC_LOGO_CONFIRM, [this](int) { Accept(); }, ui::BN_CLICKED);
}

int CDialogLogo::ModelOfOption(int option) {
    static constexpr int kModels[] = {0, 5, 4, 2, 6, 7, 1, 8, 9};
    return option >= 1 && option <= 8 ? kModels[option] : 0;
}

bool CDialogLogo::OnInitDialog() {
    namespace skin = res::sideskin;
    const int band = res::DpiBand(App().Dpi());
    SetBackground(skin::kChooserBackground[band]);
    const gfx::Size bk = App().Skin().SizeOf(skin::kChooserBackground[band]);
    const gfx::Rect r = GetWindowRect();
    MoveWindow(gfx::RectFromSize(r.left, r.top, bk.cx, bk.cy));
    SizeItem(ui::IDCANCEL, App().Skin().SizeOf(CloseBitmap(App().Dpi(), false)));
    for (const dialogs::ChooserOption& o : dialogs::kChooserOptions) {
        SizeItem(o.mark, App().Skin().SizeOf(skin::kMarkChosen[band]));
        ShowItem(o.mark, o.visible);
        ShowItem(o.label, o.visible);
    }
    SizeItem(IDC_LOGO_CONFIRM, App().Skin().SizeOf(skin::kEnter[band]));
    SetTimer(TIMER_LOGO_POLL, kPollMs);
    return dialogs::CSideDialog::OnInitDialog();
}

void CDialogLogo::Choose(int option) {
    option_ = option;
    for (int id : {1764, 1765}) {
        if (ui::Window* mark = GetDlgItem(id)) mark->Invalidate();
    }
}

void CDialogLogo::OnTimer(ui::UINT_PTR id) {
    if (id != TIMER_LOGO_POLL) return dialogs::CSideDialog::OnTimer(id);
    // The device's own model is in g_DeviceModel already.
    if (g_DeviceIdentified.load() == 1) {
        KillTimer(TIMER_LOGO_POLL);
        EndDialog(ui::IDOK);
    }
}

void CDialogLogo::Accept() {
    const int model = ModelOfOption(option_);
    if (model != 0) g_DeviceModel = model;
    g_ModelChosenManually = 1;
    editing::ApplyModelRouting();
    EndDialog(ui::IDOK);
}

void CDialogLogo::OnCancel() {
    if (ui::Window* main = App().MainWindow()) main->SendMessage(ui::WM_CLOSE);
    EndDialog(ui::IDCANCEL);
}

bool CDialogLogo::DrawOwnItem(int id, ui::DrawItemStruct& dis) {
    namespace skin = res::sideskin;
    const int band = res::DpiBand(App().Dpi());
    const bool pressed = (dis.itemState & ui::ODS_SELECTED) != 0;
    if (id == ui::IDCANCEL) {
        DrawBitmap(dis, CloseBitmap(App().Dpi(), pressed));
        return true;
    }
    if (id == IDC_LOGO_CONFIRM) {
        DrawBitmap(dis, pressed ? skin::kEnterPressed[band] : skin::kEnter[band]);
        if (dis.canvas)
            dis.canvas->DrawText(res::LoadUiString(dialogs::IDS_ENTER), dis.rcItem, FrameFont(12),
                                 dialogs::kNearWhite, gfx::kTextCenter | gfx::kTextVCenter | gfx::kTextSingleLine);
        return true;
    }
    for (const dialogs::ChooserOption& o : dialogs::kChooserOptions) {
        if (o.mark != id) continue;
        const bool chosen = o.drawnAsChosen && o.option == option_;
        DrawBitmap(dis, chosen ? skin::kMarkChosen[band] : skin::kMarkNotChosen[band]);
        return true;
    }
    return false;
}
