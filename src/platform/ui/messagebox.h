#pragma once
#include <functional>
#include <string>
#include <vector>

namespace ui {

class Application;
class Window;

// What a message box was asked to show.
struct MessageBoxRecord {
    std::string text;
    std::string caption;
    unsigned flags = 0;
};

// Answers a box instead of showing it (tests): returns IDOK, IDYES, IDNO or IDCANCEL.
using MessageBoxResponder = std::function<int(const MessageBoxRecord&)>;

// Shows a modal message box drawn by us (text, caption, an icon by MB_ICON*, OK or Yes/No buttons) owned by
// owner (null: the application's default owner) and returns the button chosen. Esc answers IDOK in an OK box
// and is ignored in a Yes/No box; Enter presses the default button.
int ShowMessageBox(Application& app, Window* owner, const std::string& text, const std::string& caption,
                   unsigned flags);

// Installs a responder on app that records every box and answers from a list (then `fallback`), and removes
// it again when destroyed.
class MessageBoxRecorder {
  public:
    explicit MessageBoxRecorder(Application& app, int fallback = 1 /* IDOK */);
    ~MessageBoxRecorder();
    void QueueAnswer(int answer) { answers_.push_back(answer); }
    const std::vector<MessageBoxRecord>& Boxes() const { return boxes_; }

  private:
    Application& app_;
    int fallback_;
    std::vector<int> answers_;
    std::vector<MessageBoxRecord> boxes_;
};

}  // namespace ui
