#pragma once
#include <string>
#include <vector>

#include "platform/ui/filefilter.h"
#include "platform/ui/templatedialog.h"

namespace ui {

enum FileDialogFlags : unsigned {
    OFN_OVERWRITEPROMPT = 0x00000002,
    OFN_HIDEREADONLY = 0x00000004,
    OFN_PATHMUSTEXIST = 0x00000800,
    OFN_FILEMUSTEXIST = 0x00001000,
};

/*
 * The open and save file dialog, drawn by us (CFileDialog's role): the folder, its sub-folders and the files
 * that match the chosen filter in a list, a name field, the filter list and the OK / Cancel buttons, with
 * labels in the UI language.
 *
 * A typed name is taken relative to the folder shown. A folder's name opens that folder, a name with a
 * wildcard becomes the filter, and a file name without an extension gets the default extension. In save mode
 * with OFN_OVERWRITEPROMPT an existing file is replaced only after a Yes to a question, and a folder that
 * does not exist is refused; in open mode OFN_FILEMUSTEXIST refuses a missing file. A refused name leaves the
 * dialog open. DoModal returns IDOK with the chosen path, or IDCANCEL. Without a title of its own the dialog
 * shows the default title of its mode in the UI language.
 *
 * The desktop's file-chooser portal is asked first where there is one (fileportal.h): a name it gives keeps
 * the rules below (the default extension; the overwrite question for a name that gets it). Cancel there is
 * Cancel; a portal that is missing or fails leaves the choice to our own dialog.
 *
 * With a responder installed (SetFileDialogResponder) no window is shown: the responder types the name, and
 * the same rules and questions (message boxes, which their own responder answers) apply.
 */
class FileDialog : public TemplateDialog {
  public:
    FileDialog(bool open, std::string default_ext = "", std::string file_name = "",
               unsigned flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, std::string filter = "",
               Window* owner = nullptr, Application* app = nullptr);

    void SetTitle(const std::string& title) { title_ = title; }
    void SetInitialFolder(const std::string& folder) { folder_ = folder; }

    int DoModal();

    std::string GetPathName() const { return path_; }
    std::string GetFileName() const;   // the name with its extension
    std::string GetFileExt() const;    // without the dot
    std::string GetFileTitle() const;  // the name without its extension
    std::string GetFolderPath() const;
    // The title as shown.
    std::string ShownTitle() const;

    // Control ids of the dialog's own items.
    enum : int {
        kLookInLabel = 1091,
        kFolder = 1092,
        kUp = 1093,
        kList = 1120,
        kNameLabel = 1090,
        kName = 1152,
        kTypeLabel = 1089,
        kType = 1136
    };

  protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code, Window* control) override;
    void OnOK() override;

  private:
    // Takes a typed name as OK does. True when the dialog may end with path_ set.
    bool Accept(const std::string& typed);
    void ShowFolder(const std::string& folder);
    void Refill();
    std::string CurrentPatterns() const;
    int Ask(const std::string& text, unsigned flags);
    static res::DialogTemplate MakeTemplate(bool open, const std::string& title, sys::LangId lang);

    bool open_;
    std::string default_ext_;
    std::string file_name_;
    unsigned flags_;
    std::string filter_;
    std::vector<FileFilter::Entry> filters_;
    std::string title_;
    std::string folder_;
    std::string typed_pattern_;  // a wildcard typed into the name field, in force until the filter changes
    std::string path_;
    Window* owner_window_;  // the portal's request disables it, as our own dialog does
};

}  // namespace ui
