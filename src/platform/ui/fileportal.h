#pragma once
// The desktop's file-chooser portal (org.freedesktop.portal.FileChooser on the session bus), asked before our
// own file dialog. The D-Bus conversation runs on a worker thread; the UI thread runs a modal loop meanwhile
// (owner disabled; timers, posts and cross-thread sends served). A quit closes the open request and joins.
#include <string>
#include <vector>

#include "platform/ui/filefilter.h"

namespace ui {

class Application;
class Window;

struct FilePortalRequest {
    bool open = true;
    std::string title;
    std::vector<FileFilter::Entry> filters;  // the first one is the current filter
    std::string currentName;                 // save only
    std::string currentFolder;
    std::string parent;  // "x11:<id>", or empty: AskFilePortal makes it from the owner's window
};

struct FilePortalResult {
    enum class Outcome { kChosen, kCancelled, kUnavailable } outcome = Outcome::kUnavailable;
    std::string path;  // kChosen
};

// Asks the portal on the bus at `address` (empty: the session bus). kUnavailable when there is no bus, no
// portal or no FileChooser on it, on an error reply, and for response 2; the caller then shows its own
// dialog.
FilePortalResult AskFilePortal(Application& app, Window* owner, const std::string& address,
                               const FilePortalRequest& request);

// The portal's name for the owner's top-level window: "x11:" and its X window id in lowercase hex, or empty
// where the backend has no X window for it.
std::string PortalParent(Application& app, Window* owner);

// Where an application's file dialogs ask the portal: "" the session bus (the SDL backend's default), or a
// bus address (tests point the headless backend at a private bus). Without a setting the headless backend,
// a file-dialog responder and DSP_CONSOLE_FILE_DIALOG=builtin keep our own dialog.
void SetFilePortalBus(Application& app, std::string address);
void ClearFilePortalBus(Application& app);
// The bus to ask for app, or false when the portal is not to be asked.
bool FilePortalBus(Application& app, std::string& address);

}  // namespace ui
