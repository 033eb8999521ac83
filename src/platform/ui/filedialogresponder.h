#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ui {

class Application;

// What a file dialog was asked to show.
struct FileDialogRecord {
    bool open = true;
    std::string title;   // as shown (the default title when the program gave none)
    std::string filter;  // as the program gave it
    std::string default_ext;
    std::string file_name;  // the proposed name
    std::string folder;     // the folder it starts in
    unsigned flags = 0;
    int attempt = 0;  // 0, then 1, 2, ... after each answer the dialog refused (overwrite declined, ...)
};

// Answers a file dialog instead of showing it (tests): the name the user types (absolute, or relative to
// the record's folder; the dialog then adds the default extension and asks its questions as usual), or
// nullopt for Cancel.
using FileDialogResponder = std::function<std::optional<std::string>(const FileDialogRecord&)>;

// Installs (or, given an empty function, removes) the responder of app's file dialogs.
void SetFileDialogResponder(Application& app, FileDialogResponder responder);
const FileDialogResponder* GetFileDialogResponder(Application& app);

// Installs a responder that records every dialog and answers from a list (then Cancel), and removes it when
// destroyed.
class FileDialogRecorder {
  public:
    explicit FileDialogRecorder(Application& app);
    ~FileDialogRecorder();
    void QueueAnswer(std::optional<std::string> answer) { answers_.push_back(std::move(answer)); }
    const std::vector<FileDialogRecord>& Dialogs() const { return dialogs_; }

  private:
    Application& app_;
    std::vector<std::optional<std::string>> answers_;
    size_t next_ = 0;
    std::vector<FileDialogRecord> dialogs_;
};

}  // namespace ui
