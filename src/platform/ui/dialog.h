#pragma once
#include <string>

#include "platform/ui/window.h"

namespace ui {

// A modal dialog: a top-level window that runs its own loop in DoModal until EndDialog.
//
// DoModal creates the window hidden, disables the owner (given, or the innermost modal window, or the main
// window), creates the items (CreateItems), sends WM_INITDIALOG (OnInitDialog), and only then shows the
// window and runs the loop. A dialog ended before its loop starts (from OnInitDialog, or from a timer or a
// send served by a loop that OnInitDialog ran) returns at once and is never shown. EndDialog hides the window
// and re-enables the owner at once; DoModal returns when every loop opened above its own has returned, then
// destroys the window.
//
// Keys: Enter sends WM_COMMAND with the focused push button's id, else the default id (IDOK unless SetDefID),
// Esc sends IDCANCEL, Tab moves the focus between WS_TABSTOP children; these are consumed in
// PreTranslateMessage. WM_CLOSE sends IDCANCEL. Once the program quits, open dialogs end with QuitResult and
// DoModal returns it at once.
class Dialog : public Window {
  public:
    explicit Dialog(Window* owner = nullptr, Application* app = nullptr);

    // Client size (pixels) and title of the window DoModal creates; centred on the owner (or the screen)
    // unless a position is given.
    void SetInitialRect(const gfx::Rect& client_in_screen) {
        initial_ = client_in_screen, positioned_ = true;
    }
    void SetInitialSize(int width, int height) { initial_ = {0, 0, width, height}, positioned_ = false; }
    void SetTitle(const std::string& title) { title_ = title; }
    void SetFrameStyle(unsigned style) { frame_style_ = style; }

    // Runs the dialog; returns the EndDialog result, or -1 when the window could not be created.
    int DoModal();
    void EndDialog(int result);
    // Ends the dialog because the program quits (Application::RequestQuit), with QuitResult(), also where
    // the dialog ignores Cancel and close.
    void EndForQuit();
    bool IsEnded() const { return ended_; }
    bool InModalLoop() const { return in_loop_; }
    const std::string& CreateError() const { return create_error_; }

    void SetDefID(int id) { def_id_ = id; }
    int GetDefID() const { return def_id_; }
    // Moves the focus to the next (or previous) enabled, visible WS_TABSTOP child.
    void NextDlgCtrl(bool previous = false);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool PreTranslateMessage(MSG& msg) override;

  protected:
    // Creates the dialog's items; runs after the window exists, before WM_INITDIALOG.
    virtual void CreateItems() {}
    // Returns true to have the focus put on the first tab stop.
    virtual bool OnInitDialog() { return true; }
    // The result of a dialog ended by a quit, or opened after one (DoModal then returns it at once).
    virtual int QuitResult() const { return IDCANCEL; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    void OnClose() override;

  private:
    Window* owner_;
    gfx::Rect initial_{0, 0, 320, 200};
    bool positioned_ = false;
    std::string title_;
    unsigned frame_style_ = 0;
    bool ended_ = false;
    bool in_loop_ = false;
    int result_ = 0;
    int def_id_ = IDOK;
    uint32_t disabled_owner_ = 0;  // the owner this dialog disabled, re-enabled by EndDialog
    uint32_t focus_before_ = 0;
    std::string create_error_;
};

}  // namespace ui
