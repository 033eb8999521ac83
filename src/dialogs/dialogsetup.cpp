#include "dialogs/dialogsetup.h"

#include <cctype>
#include <optional>

#include "device/status.h"
#include "dialogs/languagefile.h"
#include "dialogs/sidestrings.h"
#include "dialogs/sidetemplates.h"
#include "mainwnd/shellmessages.h"
#include "mainwnd/shellstrings.h"
#include "platform/sys/language.h"
#include "platform/ui/application.h"
#include "res/skin/sidedialogskin.h"
#include "res/uilanguage.h"

namespace {

constexpr ui::UINT_PTR TIMER_SETUP_REFRESH = 1;
constexpr unsigned kRefreshMs = 10;
constexpr int kMaxVolume = 60;

dialogs::FrameFeatures SetupFeatures() {
    namespace skin = res::sideskin;
    dialogs::FrameFeatures f = dialogs::PanelFrame(dialogs::kWhite, dialogs::EditColours::kWhiteOnBlue);
    for (auto [id, text] : {std::pair{IDC_SETUP_UPGRADE, IDS_UPDATA},
                            std::pair{IDC_SETUP_FACTORY_RESET, dialogs::IDS_FACTORY_RESET},
                            std::pair{IDC_SETUP_ABOUT, IDS_ABOUT}})
        f.buttons.push_back({id, skin::kTextButtonPressed, skin::kTextButton, text, dialogs::kLightGrey245});
    return f;
}

// The volume a typed text means, or nothing when it is refused. Texts longer than 3 characters never get
// here.
std::optional<int> ParseVolume(std::string text, int current) {
    if (const auto d = text.find('d'); d != std::string::npos) text.resize(d);
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    std::optional<int> value;
    if (text.size() == 3 && std::toupper(static_cast<unsigned char>(text[0])) == 'O' &&
        std::toupper(static_cast<unsigned char>(text[1])) == 'F' &&
        std::toupper(static_cast<unsigned char>(text[2])) == 'F') {
        value = kMaxVolume;
    } else if (text.size() == 3 && text[0] == '-' && digit(text[1]) && digit(text[2])) {
        const int v = (text[1] - '0') * 10 + (text[2] - '0');
        if (v <= kMaxVolume) value = v;
    } else if (text.size() == 2 && text[0] == '-' && digit(text[1])) {
        value = text[1] - '0';
    } else if (text == "0") {
        value = 0;
    }
    if (value && *value == current) return std::nullopt;
    return value;
}

// The language list's drop arrow and the height of its field, by the screen's DPI.
struct ListLook {
    int arrowPng;
    int fieldHeight;
};
ListLook ListLookOf(int dpi) {
    if (dpi < 110) return {202, 18};
    if (dpi < 132) return {316, 23};
    if (dpi < 168) return {690, 30};
    return {689, 40};
}

}  // namespace

CDialogSetup::CDialogSetup(int highLevelMixVolume, ui::Window* parent, ui::Application* app)
    : dialogs::CSideDialog(dialogs::SideTemplate(IDD_DIALOG_SETUP), SetupFeatures(), parent, app),
      volume_(highLevelMixVolume),
      candidates_(sys::LanguageFileCandidates(sys::ProcessEnvironment(), App().Config().language_file)),
      volumeEdit_(app),
      languageList_(app) {
    BindItem(IDC_SETUP_MIX_VOLUME, volumeEdit_);
    BindItem(IDC_SETUP_LANGUAGE, languageList_);
    AddCommand(
        IDC_SETUP_UPGRADE, [this](int) { CloseAndSend(WM_SETUP_COMMAND, 0); }, ui::BN_CLICKED);
    AddCommand(
        IDC_SETUP_FACTORY_RESET,
        [this](int) {
            if (MessageBox(res::LoadUiString(IDS_FACTORY_RESET_WARNING), g_MsgCaption,
                           ui::MB_YESNO | ui::MB_ICONWARNING) == ui::IDYES)
                CloseAndSend(WM_SETUP_COMMAND, 1);
        },
        ui::BN_CLICKED);
    AddCommand(
        IDC_SETUP_ABOUT, [this](int) { CloseAndSend(WM_SETUP_COMMAND, 2); }, ui::BN_CLICKED);
    // The switch's label changes only when the device reports the new state.
    AddCommand(
        IDC_SETUP_NOSIGNAL_MUTE, [this](int) { dialogs::SendToMainWindow(App(), WM_SETUP_COMMAND, 3); },
        ui::BN_CLICKED);
    AddCommand(
        IDC_SETUP_LANGUAGE, [this](int) { OnLanguageChosen(); }, ui::CBN_SELCHANGE);
}

std::string CDialogSetup::FormatVolume(int volume) {
    if (volume == 0) return "0dB";
    if (volume >= 1 && volume <= kMaxVolume) return "-" + std::to_string(volume) + "dB";
    return {};
}

bool CDialogSetup::OnInitDialog() {
    ShowVolume();
    SizeItem(IDC_SETUP_MIX_VOLUME, {Scaled(70), Scaled(16)});
    for (int id : {dialogs::IDS_LANG_AUTO, dialogs::IDS_LANG_CHINESE, dialogs::IDS_LANG_ENGLISH})
        languageList_.AddItem(res::LoadUiString(id), 0, dialogs::kWhite);
    languageList_.SetTextFont(Scaled(12), "宋体", gfx::Rgb(1, 0, 0), gfx::Rgb(254, 254, 254), 400);
    const ListLook look = ListLookOf(App().Dpi());
    languageList_.SetArrowImages(look.arrowPng, look.arrowPng);
    languageList_.SetItemHeight(-1, look.fieldHeight);
    languageList_.SetCurSel(g_LangSource.load());
    SetFrameFont({IDC_SETUP_MIX_LABEL, IDC_SETUP_LANGUAGE_LABEL, IDC_SETUP_TITLE}, 12);
    SetDlgItemText(IDC_SETUP_TITLE, res::LoadUiString(dialogs::IDS_SETUP_TITLE));
    shownMute_ = g_HlNoSignalMute.load();
    SetTimer(TIMER_SETUP_REFRESH, kRefreshMs);
    return dialogs::CSideDialog::OnInitDialog();
}

ui::LRESULT CDialogSetup::WindowProc(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) {
    switch (message) {
        case WM_GAIN_STEPPED:
            OnVolumeStepped(wParam);
            return 0;
        case WM_GAIN_COMMIT:
            OnVolumeCommit();
            return 0;
        default:
            return dialogs::CSideDialog::WindowProc(message, wParam, lParam);
    }
}

void CDialogSetup::OnVolumeStepped(ui::WPARAM key) {
    // Down is more attenuation, Up less.
    if (key == ui::VK_DOWN && volume_ < kMaxVolume) {
        ++volume_;
        dialogs::SendToMainWindow(App(), WM_MIX_VOLUME_CHANGED, ui::WPARAM(volume_));
    } else if (key == ui::VK_UP && volume_ != 0) {
        --volume_;
        dialogs::SendToMainWindow(App(), WM_MIX_VOLUME_CHANGED, ui::WPARAM(volume_));
    }
    ShowVolume();
}

void CDialogSetup::OnVolumeCommit() {
    const std::string text = volumeEdit_.GetWindowText();
    if (volumeEdit_.GetTextLength() > 3) {
        // The edit's own text ("-12dB") is not read again: the volume is sent as it is.
        dialogs::SendToMainWindow(App(), WM_MIX_VOLUME_CHANGED, ui::WPARAM(volume_));
    } else if (const std::optional<int> value = ParseVolume(text, volume_)) {
        volume_ = *value;
        dialogs::SendToMainWindow(App(), WM_MIX_VOLUME_CHANGED, ui::WPARAM(volume_));
    }
    ShowVolume();
    volumeEdit_.SetSel(0, -1);
}

void CDialogSetup::ShowVolume() {
    volumeEdit_.SetWindowText(FormatVolume(volume_));
}

void CDialogSetup::OnLanguageChosen() {
    const int item = languageList_.GetCurSel();
    if (item < 0 || item > 2) return;
    const std::optional<sys::LangId> choice =
        item == 0 ? std::nullopt : std::optional<sys::LangId>(item == 1 ? sys::kLangChinese : sys::kLangEnglish);
    const dialogs::LanguageChoiceResult result = dialogs::ApplyLanguageChoice(candidates_, choice);
    if (result.takesEffect)
        MessageBox(res::LoadUiString(dialogs::IDS_RESTART_TO_APPLY), g_MsgCaption, ui::MB_OK);
    else
        MessageBox(result.report, g_MsgCaption, ui::MB_OK | ui::MB_ICONWARNING);
}

void CDialogSetup::OnTimer(ui::UINT_PTR id) {
    if (id != TIMER_SETUP_REFRESH) return dialogs::CSideDialog::OnTimer(id);
    const std::uint8_t state = g_HlNoSignalMute.load();
    if (state == shownMute_) return;
    shownMute_ = state;
    if (ui::Window* button = GetDlgItem(IDC_SETUP_NOSIGNAL_MUTE)) button->Invalidate();
}

bool CDialogSetup::DrawOwnItem(int id, ui::DrawItemStruct& dis) {
    if (id != IDC_SETUP_NOSIGNAL_MUTE) return false;
    DrawBitmap(dis, res::sideskin::kTextButtonPressed);
    if (dis.canvas) {
        const bool pressed = (dis.itemState & ui::ODS_SELECTED) != 0;
        const int text = shownMute_ == 1 ? dialogs::IDS_NOSIGNAL_MUTED : dialogs::IDS_NOSIGNAL_UNMUTED;
        const gfx::Font font = dis.hwndItem ? dis.hwndItem->GetFont() : TemplateFont();
        dis.canvas->DrawText(res::LoadUiString(text), dis.rcItem, font,
                             pressed ? dialogs::kPressedMuteText : dialogs::kWhite,
                             gfx::kTextCenter | gfx::kTextVCenter | gfx::kTextSingleLine);
    }
    return true;
}
