#pragma once
#include <cstdint>
#include <string>

#include "platform/gfx/canvas.h"
#include "platform/res/dialogtemplate.h"
#include "platform/ui/controlmessages.h"
#include "platform/ui/syscolor.h"
#include "platform/ui/window.h"

namespace ui {

// What a paint hook of a stock control is told besides the geometry. Each hook says which of these it uses.
struct PaintState {
    bool pressed = false;   // held down: a pushed button, a dragged thumb, the arrow of an open list
    bool hot = false;       // the pointer is over the part
    bool focused = false;   // the control has the keyboard focus (shows it)
    bool disabled = false;  // the control is disabled
    bool selected = false;  // a list item: the selected one (in an open list, the one under the pointer)
    bool operator==(const PaintState&) const = default;
};

// The owner-draw state bits (ODS_*) of a paint state.
UINT OdsState(const PaintState& state);

// The base of the stock controls: a window with the control styles of a dialog item (res::ItemStyle bits:
// centred text, read-only, notify, vertical, ...) and the two ways a control talks to its parent, the
// WM_COMMAND notice and the colour step.
class Control : public Window {
  public:
    explicit Control(Application* app = nullptr) : Window(app) {}

    uint32_t ControlStyle() const { return control_style_; }
    bool HasControlStyle(uint32_t bits) const { return (control_style_ & bits) == bits; }
    // Set before Create (or later; the control repaints).
    void SetControlStyle(uint32_t style);
    void ModifyControlStyle(uint32_t remove, uint32_t add) {
        SetControlStyle((control_style_ & ~remove) | add);
    }

    // The owner-draw steps as the control itself takes them: a parent that does not draw or measure an item
    // hands the request back here (MFC's reflection). The defaults do nothing.
    virtual void DrawItem(DrawItemStruct& dis) { (void)dis; }
    virtual void MeasureItem(MeasureItemStruct& mis) { (void)mis; }

  protected:
    // The owner-draw step on the control's canvas: WM_DRAWITEM to the parent, or DrawItem when the parent
    // answers 0.
    void AskDrawItem(gfx::Canvas& canvas, UINT type, int index, const gfx::Rect& rect, UINT state,
                     std::uintptr_t data = 0);

    virtual void OnControlStyleChanged() {}

    // The state every paint hook starts from: hot (the pointer is over this window or a child of it), focused
    // and disabled. The stock controls do not repaint when the pointer comes or goes; a skin that draws the
    // hot state invalidates on its own mouse moves and leaves.
    PaintState BaseState() const;
    bool IsPointerOver() const;

  private:
    uint32_t control_style_ = 0;
};

// The colour step: sets the system colours of `kind` on the canvas, then asks `asked` (the control's parent
// unless given) with WM_CTLCOLOR* (wParam the canvas, lParam the control), which may change the canvas's text
// colour, background colour and mode and answer a brush. Returns that brush, or the system brush of the kind
// when the answer is 0.
gfx::Brush AskCtlColor(Window& control, gfx::Canvas& canvas, CtlColorKind kind, Window* asked = nullptr);

// The part of the canvas that drawing can still reach, in its current coordinates (GetClipBox): a control
// painting a list skips the items outside it.
gfx::Rect ClipBox(gfx::Canvas& canvas);

// The pointer's position in screen coordinates (GetCursorPos).
gfx::Point GetCursorPos(Application& app);

// UTF-8 text as code points and back; the edit and list controls count characters, not bytes.
std::u32string ToU32(const std::string& utf8);
std::string ToUtf8(const std::u32string& text);

}  // namespace ui
