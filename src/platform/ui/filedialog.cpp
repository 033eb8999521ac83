#include "platform/ui/filedialog.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "platform/ui/application.h"
#include "platform/ui/combobox.h"
#include "platform/ui/edit.h"
#include "platform/ui/filedialogresponder.h"
#include "platform/ui/fileportal.h"
#include "platform/ui/listbox.h"
#include "platform/ui/uilanguage.h"

namespace ui {

namespace fs = std::filesystem;

namespace {

constexpr int kMaxAnswers = 50;  // a responder that keeps giving refused names ends as Cancel

std::string Text(sys::LangId lang, const char* en, const char* zh) {
    return lang == sys::kLangChinese ? zh : en;
}

bool LessNoCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

std::string Replace(std::string text, const std::string& what) {
    const size_t at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, what);
    return text;
}

}  // namespace

FileDialog::FileDialog(bool open, std::string default_ext, std::string file_name, unsigned flags,
                       std::string filter, Window* owner, Application* app)
    : TemplateDialog(res::DialogTemplate(), owner, app),
      open_(open),
      default_ext_(std::move(default_ext)),
      file_name_(std::move(file_name)),
      flags_(flags),
      filter_(std::move(filter)),
      filters_(FileFilter::Parse(filter_)),
      owner_window_(owner) {
    while (!default_ext_.empty() && default_ext_.front() == '.') default_ext_.erase(0, 1);
}

std::string FileDialog::ShownTitle() const {
    if (!title_.empty()) return title_;
    return open_ ? Text(UiLanguage(), "Open", "打开") : Text(UiLanguage(), "Save As", "另存为");
}

std::string FileDialog::GetFileName() const {
    return fs::path(path_).filename().string();
}

std::string FileDialog::GetFileExt() const {
    const std::string ext = fs::path(path_).extension().string();
    return ext.empty() ? ext : ext.substr(1);
}

std::string FileDialog::GetFileTitle() const {
    return fs::path(path_).stem().string();
}

std::string FileDialog::GetFolderPath() const {
    return fs::path(path_).parent_path().string();
}

res::DialogTemplate FileDialog::MakeTemplate(bool open, const std::string& title, sys::LangId lang) {
    using res::ItemKind;
    const uint32_t tab = res::kTabStop;
    return res::DialogTemplate(
        0, res::DialogFont("MS Shell Dlg", 8), {280, 160}, title, res::kCaption,
        {
            {kLookInLabel,
             ItemKind::kStatic,
             {7, 8, 52, 18},
             0,
             open ? Text(lang, "Look in:", "查找范围:") : Text(lang, "Save in:", "保存在:")},
            {kFolder, ItemKind::kStatic, {54, 8, 232, 18}, 0, ""},
            {kUp, ItemKind::kButton, {236, 5, 273, 19}, tab, Text(lang, "Up", "向上")},
            {kList, ItemKind::kList, {7, 22, 273, 112}, res::kBorder | res::kNotify | res::kVScroll | tab},
            {kNameLabel, ItemKind::kStatic, {7, 121, 60, 131}, 0, Text(lang, "File name:", "文件名:")},
            {kName, ItemKind::kEdit, {62, 119, 208, 131}, res::kBorder | res::kAutoHScroll | tab},
            {kTypeLabel, ItemKind::kStatic, {7, 139, 60, 149}, 0, Text(lang, "Files of type:", "文件类型:")},
            {kType, ItemKind::kCombo, {62, 137, 208, 200}, tab},
            {IDOK,
             ItemKind::kButton,
             {216, 118, 273, 132},
             tab | res::kDefaultButton,
             open ? Text(lang, "Open", "打开") : Text(lang, "Save", "保存")},
            {IDCANCEL, ItemKind::kButton, {216, 136, 273, 150}, tab, Text(lang, "Cancel", "取消")},
        });
}

int FileDialog::Ask(const std::string& text, unsigned flags) {
    return App().MessageBox(IsCreated() ? this : nullptr, text, ShownTitle(), flags);
}

bool FileDialog::Accept(const std::string& typed_in) {
    std::string typed = typed_in;
    while (!typed.empty() && typed.back() == ' ') typed.pop_back();
    while (!typed.empty() && typed.front() == ' ') typed.erase(0, 1);
    if (typed.empty()) return false;
    const sys::LangId lang = UiLanguage();
    if (FileFilter::HasWildcard(typed)) {
        typed_pattern_ = typed;
        Refill();
        return false;
    }
    fs::path p(typed);
    if (p.is_relative()) p = fs::path(folder_) / p;
    p = p.lexically_normal();
    std::error_code ec;
    if (fs::is_directory(p, ec)) {
        ShowFolder(p.string());
        if (IsCreated()) SetDlgItemText(kName, "");
        return false;
    }
    if (!p.has_filename()) return false;
    if (!p.has_extension() && !default_ext_.empty()) p += "." + default_ext_;
    const std::string path = p.string();
    const bool exists = fs::exists(p, ec);
    const bool folder_exists = fs::is_directory(p.parent_path(), ec);
    if (!folder_exists && (!open_ || (flags_ & (OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST)))) {
        Ask(Replace(Text(lang, "%s\nPath does not exist.\nCheck the path and try again.",
                         "%s\n路径不存在。\n请检查路径是否正确，然后重试。"),
                    path),
            MB_OK | MB_ICONWARNING);
        return false;
    }
    if (open_ && !exists && (flags_ & OFN_FILEMUSTEXIST)) {
        Ask(Replace(Text(lang, "%s\nFile not found.\nCheck the file name and try again.",
                         "%s\n找不到文件。\n请检查文件名是否正确，然后重试。"),
                    path),
            MB_OK | MB_ICONWARNING);
        return false;
    }
    if (!open_ && exists && (flags_ & OFN_OVERWRITEPROMPT)) {
        const std::string name = p.filename().string();
        if (Ask(Replace(
                    Text(lang, "%s already exists.\nDo you want to replace it?", "%s 已存在。\n要替换它吗？"),
                    name),
                MB_YESNO | MB_ICONWARNING) != IDYES)
            return false;
    }
    path_ = path;
    return true;
}

int FileDialog::DoModal() {
    path_.clear();
    typed_pattern_.clear();
    std::error_code ec;
    if (folder_.empty()) folder_ = fs::current_path(ec).string();
    std::string bus;
    if (FilePortalBus(App(), bus)) {
        const FilePortalResult asked =
            AskFilePortal(App(), owner_window_, bus, {open_, ShownTitle(), filters_, file_name_, folder_, {}});
        if (asked.outcome == FilePortalResult::Outcome::kCancelled) return IDCANCEL;
        if (asked.outcome == FilePortalResult::Outcome::kChosen) {
            // The portal asked about the name it returned; a name that gets our extension is asked about here.
            if (fs::path(asked.path).has_extension()) {
                path_ = asked.path;
                return IDOK;
            }
            return Accept(asked.path) ? IDOK : IDCANCEL;
        }
    }
    if (const FileDialogResponder* responder = GetFileDialogResponder(App())) {
        for (int attempt = 0; attempt < kMaxAnswers; ++attempt) {
            FileDialogRecord record{open_,      ShownTitle(), filter_, default_ext_,
                                    file_name_, folder_,      flags_,  attempt};
            const std::optional<std::string> answer = (*responder)(record);
            if (!answer) return IDCANCEL;
            if (Accept(*answer)) return IDOK;
        }
        return IDCANCEL;
    }
    ResetTemplate(MakeTemplate(open_, ShownTitle(), UiLanguage()));
    return TemplateDialog::DoModal();
}

bool FileDialog::OnInitDialog() {
    auto* type = static_cast<ComboBox*>(GetDlgItem(kType));
    for (const FileFilter::Entry& e : filters_)
        type->AddString(e.description.empty() ? e.patterns : e.description);
    type->SetCurSel(0);
    SetDlgItemText(kName, file_name_);
    ShowFolder(folder_);
    auto* name = static_cast<Edit*>(GetDlgItem(kName));
    name->SetFocus();
    name->SetSel(0, -1);
    return false;
}

std::string FileDialog::CurrentPatterns() const {
    if (!typed_pattern_.empty()) return typed_pattern_;
    const auto* type = static_cast<const ComboBox*>(GetDlgItem(kType));
    const int i = type ? type->GetCurSel() : 0;
    return filters_[std::clamp(i, 0, static_cast<int>(filters_.size()) - 1)].patterns;
}

void FileDialog::ShowFolder(const std::string& folder) {
    folder_ = folder;
    if (!IsCreated()) return;
    SetDlgItemText(kFolder, folder_);
    Refill();
}

void FileDialog::Refill() {
    auto* list = static_cast<ListBox*>(GetDlgItem(kList));
    if (!list) return;
    std::vector<std::string> dirs, files;
    std::error_code ec;
    const std::string patterns = CurrentPatterns();
    for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.empty() || name.front() == '.') continue;
        std::error_code type_ec;
        if (it->is_directory(type_ec))
            dirs.push_back(name);
        else if (FileFilter::Matches(patterns, name))
            files.push_back(name);
    }
    std::sort(dirs.begin(), dirs.end(), LessNoCase);
    std::sort(files.begin(), files.end(), LessNoCase);
    list->ResetContent();
    for (const std::string& d : dirs) list->SetItemData(list->AddString(d + "/"), 1);
    for (const std::string& f : files) list->AddString(f);
}

bool FileDialog::OnCommand(int id, unsigned code, Window*) {
    auto* list = static_cast<ListBox*>(GetDlgItem(kList));
    if (id == kUp && code == BN_CLICKED) {
        const fs::path parent = fs::path(folder_).parent_path();
        if (!parent.empty()) ShowFolder(parent.string());
        return true;
    }
    if (id == kType && code == CBN_SELCHANGE) {
        typed_pattern_.clear();
        Refill();
        return true;
    }
    if (id == kList && list && (code == LBN_SELCHANGE || code == LBN_DBLCLK)) {
        const int i = list->GetCurSel();
        if (i < 0) return true;
        const bool is_dir = list->GetItemData(i) == 1;
        std::string name = list->GetText(i);
        if (is_dir) name.pop_back();
        if (code == LBN_SELCHANGE) {
            if (!is_dir) SetDlgItemText(kName, name);
        } else if (is_dir) {
            ShowFolder((fs::path(folder_) / name).string());
        } else if (Accept(name)) {
            EndDialog(IDOK);
        }
        return true;
    }
    return false;
}

void FileDialog::OnOK() {
    // Enter in the list on a folder opens it; otherwise the name field is taken.
    auto* list = static_cast<ListBox*>(GetDlgItem(kList));
    if (list && list->HasFocus() && list->GetCurSel() >= 0 && list->GetItemData(list->GetCurSel()) == 1) {
        std::string name = list->GetText(list->GetCurSel());
        name.pop_back();
        ShowFolder((fs::path(folder_) / name).string());
        return;
    }
    if (Accept(GetDlgItemText(kName))) EndDialog(IDOK);
}

}  // namespace ui
