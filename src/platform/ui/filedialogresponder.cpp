#include "platform/ui/filedialogresponder.h"

#include <map>

namespace ui {

namespace {

// Per application, so that a test program can hold several. UI thread only.
std::map<Application*, FileDialogResponder>& Responders() {
    static std::map<Application*, FileDialogResponder> responders;
    return responders;
}

}  // namespace

void SetFileDialogResponder(Application& app, FileDialogResponder responder) {
    if (responder)
        Responders()[&app] = std::move(responder);
    else
        Responders().erase(&app);
}

const FileDialogResponder* GetFileDialogResponder(Application& app) {
    auto it = Responders().find(&app);
    return it == Responders().end() ? nullptr : &it->second;
}

FileDialogRecorder::FileDialogRecorder(Application& app) : app_(app) {
    SetFileDialogResponder(app_, [this](const FileDialogRecord& r) -> std::optional<std::string> {
        dialogs_.push_back(r);
        if (next_ < answers_.size()) return answers_[next_++];
        return std::nullopt;
    });
}

FileDialogRecorder::~FileDialogRecorder() {
    SetFileDialogResponder(app_, {});
}

}  // namespace ui
