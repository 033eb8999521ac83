#pragma once
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/geometry.h"
#include "platform/ui/menuitem.h"
#include "platform/ui/messages.h"

namespace ui {

class Application;
struct DrawItemStruct;
struct MeasureItemStruct;
struct NativeWindow;

enum WindowStyle : unsigned {
    WS_VISIBLE = 1u << 0,
    WS_DISABLED = 1u << 1,
    WS_TABSTOP = 1u << 2,
    WS_CAPTION = 1u << 3,     // a top-level window with a native title bar and frame
    WS_PUSHBUTTON = 1u << 4,  // a push button: Enter in a dialog presses it while it has the focus
};

// WM_COMMAND's parameters, cracked: the item's id, the notice code and the control (null without one).
struct CommandArgs {
    int id = 0;
    unsigned code = 0;
    Window* control = nullptr;
};
CommandArgs CrackCommand(WPARAM wParam, LPARAM lParam);

// A window: a node of the window tree with an id, a rectangle in its parent's client coordinates (screen
// coordinates for a top-level window, which has no frame of its own), visibility, enabled state, text and
// font.
//
// WindowProc is the one dispatch entry of a class: it switches on the message and calls the typed handlers
// below, so no handler unpacks a message parameter itself. A subclass overrides WindowProc for its own
// messages and hands everything else to its base class. The typed handlers' base versions do what Windows'
// default handling does (the wheel goes on to the parent, WM_CLOSE destroys a plain window, WM_SETTEXT stores
// the text, owner-draw requests go back to the control, ...).
//
// Commands (WM_COMMAND) go to OnCommand first and then to the command-range table: one handler for every id
// in a range, optionally for one notice code only (a family of 31 band buttons is one entry).
//
// The C++ object is owned by its creator (usually a member of its parent's class); destroying the window does
// not delete the object, and deleting the object destroys the window. Everything except SendMessage,
// PostMessage and the calls marked "any thread" belongs to the UI thread; debug builds assert it in the calls
// that change or lay out the window tree.
class Window {
  public:
    explicit Window(Application* app = nullptr);  // null: Application::Current()
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // A child window of parent; rect in the parent's client coordinates.
    bool Create(Window* parent, int id, const gfx::Rect& rect, const std::string& text = "",
                unsigned style = WS_VISIBLE);
    // A top-level window; rect in screen coordinates. Fails when the backend cannot make a native window.
    bool CreateTopLevel(const gfx::Rect& screen_rect, const std::string& title, unsigned style = 0,
                        std::string* error = nullptr);
    void DestroyWindow();
    bool IsCreated() const { return handle_.load() != 0; }
    uint32_t Handle() const { return handle_.load(); }

    Application& App() const { return *app_; }
    int GetDlgCtrlID() const { return id_; }
    void SetDlgCtrlID(int id) { id_ = id; }
    Window* GetParent() const { return parent_; }
    Window* GetTopLevel();
    bool IsTopLevel() const { return IsCreated() && parent_ == nullptr; }
    const std::vector<Window*>& Children() const { return children_; }
    // The direct child with this id, or null (any thread).
    Window* GetDlgItem(int id) const;

    // Z-order among the siblings: places this window just below `after`, or on top when after is null.
    void SetZOrder(Window* after);
    void BringWindowToTop() { SetZOrder(nullptr); }

    // Geometry.
    gfx::Rect GetWindowRect() const;  // screen coordinates
    gfx::Rect GetClientRect() const { return {0, 0, rect_.Width(), rect_.Height()}; }
    gfx::Rect RectInParent() const { return rect_; }
    void MoveWindow(const gfx::Rect& rect, bool repaint = true);
    gfx::Point ClientToScreen(gfx::Point p) const;
    gfx::Point ScreenToClient(gfx::Point p) const;

    // State. ShowWindow, EnableWindow and SetWindowText may be called from any thread: from another thread
    // they run on the UI thread while the caller waits, as a cross-thread send, and answer what the UI thread
    // saw (false when the sends are released or the window goes first). Invalidate is posted.
    bool ShowWindow(int cmd);      // SW_SHOW / SW_HIDE; returns whether it was visible before
    bool IsWindowVisible() const;  // this window and all its ancestors
    bool GetStyleVisible() const { return (style_ & WS_VISIBLE) != 0; }
    bool EnableWindow(bool enable);  // returns whether it was disabled before
    bool IsWindowEnabled() const { return (style_ & WS_DISABLED) == 0; }
    unsigned Style() const { return style_; }
    void ModifyStyle(unsigned remove, unsigned add);
    void SetWindowText(const std::string& text);
    // A top-level window's icon (WM_SETICON): kept, and handed to the native window when there is one.
    void SetIcon(const gfx::Bitmap& icon);
    const gfx::Bitmap& GetIcon() const { return icon_; }
    std::string GetWindowText() const;  // any thread
    void SetFont(const gfx::Font& font, bool redraw = true);
    const gfx::Font& GetFont() const { return font_; }
    // A window that answers the hit test with HTTRANSPARENT: presses on it reach the window below (a static
    // without the notify style).
    void SetHitTestTransparent(bool transparent) { hit_transparent_ = transparent; }
    bool IsHitTestTransparent() const { return hit_transparent_; }
    // Whether a second press within the double-click time becomes WM_LBUTTONDBLCLK (CS_DBLCLKS).
    void SetWantsDoubleClicks(bool wants) { wants_double_clicks_ = wants; }
    bool WantsDoubleClicks() const { return wants_double_clicks_; }
    // Focus notices sent to the parent as WM_COMMAND by the default focus handling (-1: none).
    void SetFocusNotices(int set_code, int kill_code) {
        setfocus_notice_ = set_code;
        killfocus_notice_ = kill_code;
    }
    // The colour the default WM_ERASEBKGND fills with; none: the window erases nothing.
    void SetBackground(std::optional<gfx::Color> color) { background_ = color; }

    // Messages. SendMessage from the UI thread calls WindowProc directly (and may re-enter); from another
    // thread it waits until the UI thread has run the handler and returns its result, or 0 when the window is
    // destroyed or the sends are released first. PostMessage queues (any thread); it returns false for a
    // destroyed window.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // A control's notice: WM_COMMAND (id, code) with this window, sent to the parent. Returns its result.
    LRESULT NotifyParent(unsigned code);

    // Timers fire WM_TIMER on the UI thread, nested modal loops included. Setting an id again restarts it.
    UINT_PTR SetTimer(UINT_PTR id, unsigned elapse_ms);
    bool KillTimer(UINT_PTR id);

    // Painting. Invalidations coalesce; the loop paints each invalid window once (any thread).
    void Invalidate(bool erase = true);
    void InvalidateRect(const gfx::Rect* rect, bool erase = true);
    void UpdateWindow();
    // Paints this window and its children into a new bitmap of the client size.
    gfx::Bitmap Render();
    bool RenderToPng(const std::string& path) { return Render().SavePng(path); }

    // Texts of children by id (SetDlgItemText does nothing when there is no such child).
    void SetDlgItemText(int id, const std::string& text);
    std::string GetDlgItemText(int id) const;

    // Focus, capture, mouse tracking.
    Window* SetFocus();  // returns the window that had the focus
    bool HasFocus() const;
    Window* GetFocus() const;  // the application's focus window, wherever it is
    Window* SetCapture();
    void ReleaseCapture() const;
    void TrackMouseEvent(unsigned flags, int hover_ms = HOVER_DEFAULT);

    int MessageBox(const std::string& text, const std::string& caption = "", unsigned flags = MB_OK);

    // The system menu of a top-level window, opened by Alt+Space (SC_KEYMENU) under the window's top-left
    // corner; the chosen entry comes back as WM_SYSCOMMAND with its id. It starts with Close (SC_CLOSE).
    std::vector<MenuItem> SystemMenu() const;
    void AppendSystemMenu(UINT id, const std::string& text) { system_menu_.push_back({id, text}); }

    // A handler for every command whose id lies in first..last and whose notice code is `code` (any code with
    // kAnyNotice). It gets the command's id. Entries are tried in the order they were added, after OnCommand.
    static constexpr unsigned kAnyNotice = ~0u;
    void AddCommandRange(int first, int last, std::function<void(int id)> handler,
                         unsigned code = kAnyNotice);
    void AddCommand(int id, std::function<void(int id)> handler, unsigned code = kAnyNotice) {
        AddCommandRange(id, id, std::move(handler), code);
    }

    // The one dispatch entry (see above).
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Windows' default handling of a message.
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Sees queued messages addressed to this window or its children before they are dispatched; true
    // consumes.
    virtual bool PreTranslateMessage(MSG& msg);
    // True while an input method composes in this window: the keys it takes for that reach no window.
    virtual bool IsComposing() const { return false; }
    // Whether this window takes typed text (an editable, enabled edit): text input is on while it has the
    // focus.
    virtual bool TakesTextInput() const { return false; }
    // The caret, in client coordinates, while this window takes typed text; nullopt otherwise. The input
    // method's candidate window is placed there.
    virtual std::optional<gfx::Rect> TextInputCaret() { return std::nullopt; }

    // Top-level back buffer (children paint into their top-level's).
    gfx::Bitmap& BackBuffer() { return back_buffer_; }
    // The backend's record of a top-level window (null for a child, and before and after the window).
    NativeWindow* Native() const { return native_; }

  protected:
    virtual void OnPaint(gfx::Canvas& canvas);
    virtual bool OnEraseBkgnd(gfx::Canvas& canvas);
    virtual void OnTimer(UINT_PTR id);
    // WM_COMMAND: the item's id, the notice code (BN_CLICKED, ...) and the control (null when it came from a
    // key or from code). True: handled; false lets the command-range table and the default handling have it.
    virtual bool OnCommand(int id, unsigned code, Window* control);
    // WM_NOTIFY: a control's notice record (id, code, the control). True: handled.
    virtual bool OnNotify(int id, unsigned code, Window* from);
    // WM_HSCROLL / WM_VSCROLL from a track bar: its TB_* code, the position for the thumb codes (else 0).
    virtual void OnHScroll(unsigned code, int pos, Window* bar) { (void)code, (void)pos, (void)bar; }
    virtual void OnVScroll(unsigned code, int pos, Window* bar) { (void)code, (void)pos, (void)bar; }
    // The colour step (WM_CTLCOLOR*) of `control` of the CtlColorKind `kind`. The canvas already holds the
    // system colours; return a brush (it is copied at once), NullBrush(), or null for the system brush.
    virtual const gfx::Brush* OnCtlColor(gfx::Canvas& canvas, Window* control, int kind);
    // WM_DRAWITEM / WM_MEASUREITEM for item `id`. True when done; the defaults hand the request back to the
    // control's own DrawItem / MeasureItem (reflection).
    virtual bool OnDrawItem(int id, DrawItemStruct& dis);
    virtual bool OnMeasureItem(int id, MeasureItemStruct& mis);
    virtual void OnClose();
    virtual void OnDestroy() {}
    // WM_SYSCOMMAND: the command (SC_* or a system menu entry of the program) and its lParam. The default
    // closes (SC_CLOSE), minimises (SC_MINIMIZE) and opens the system menu (SC_KEYMENU).
    virtual void OnSysCommand(UINT id, LPARAM lParam);
    virtual void OnSetFocus(Window* old_focus);
    virtual void OnKillFocus(Window* new_focus);
    virtual void OnKeyDown(unsigned vk, unsigned repeat, unsigned flags);
    virtual void OnKeyUp(unsigned vk, unsigned repeat, unsigned flags);
    virtual void OnChar(char32_t ch, unsigned repeat, unsigned flags);
    virtual bool OnMouseWheel(unsigned keys, int delta, gfx::Point screen);
    virtual void OnLButtonDown(unsigned keys, gfx::Point p) { (void)keys, (void)p; }
    virtual void OnLButtonUp(unsigned keys, gfx::Point p) { (void)keys, (void)p; }
    virtual void OnLButtonDblClk(unsigned keys, gfx::Point p) { (void)keys, (void)p; }
    virtual void OnMouseMove(unsigned keys, gfx::Point p) { (void)keys, (void)p; }
    virtual void OnMouseLeave() {}
    virtual void OnMouseHover(unsigned keys, gfx::Point p) { (void)keys, (void)p; }
    virtual LRESULT OnNcHitTest(gfx::Point screen);
    virtual void OnCaptureChanged(Window* gaining) { (void)gaining; }

    // OnCommand, then the command-range table; true when one of them took the command.
    bool HandleCommand(int id, unsigned code, Window* control);

  private:
    friend class Application;
    friend class Painter;
    struct CommandRange {
        int first;
        int last;
        unsigned code;
        std::function<void(int)> handler;
    };
    bool OnUiThread(std::function<bool()> call);
    bool Register(Window* parent, int id, const gfx::Rect& rect, const std::string& text, unsigned style);
    void InvalidateInParent();
    void DestroyTree();

    Application* app_;
    std::atomic<uint32_t> handle_{0};
    int id_ = 0;
    Window* parent_ = nullptr;
    std::vector<Window*> children_;  // front (top of the z-order) first
    gfx::Rect rect_;
    unsigned style_ = 0;
    std::string text_;
    gfx::Bitmap icon_;
    gfx::Font font_;
    std::optional<gfx::Color> background_;
    bool hit_transparent_ = false;
    bool wants_double_clicks_ = false;
    int setfocus_notice_ = -1;
    int killfocus_notice_ = -1;
    gfx::Rect dirty_;  // top-level only: the union of invalid rectangles, in client coordinates
    gfx::Bitmap back_buffer_;
    std::vector<CommandRange> command_ranges_;
    std::vector<MenuItem> system_menu_;  // the program's entries, after Close
    NativeWindow* native_ = nullptr;     // owned by the backend
};

}  // namespace ui
