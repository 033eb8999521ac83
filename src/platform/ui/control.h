#pragma once
#include <cstdint>
#include <string>

#include "platform/gfx/canvas.h"
#include "platform/res/dialogtemplate.h"
#include "platform/ui/controlmessages.h"
#include "platform/ui/window.h"

namespace ui {

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

// The system colours the layer draws with.
namespace syscolor {
inline constexpr gfx::Color kWindow = gfx::Rgb(255, 255, 255);
inline constexpr gfx::Color kWindowText = gfx::Rgb(0, 0, 0);
inline constexpr gfx::Color kFace = gfx::Rgb(240, 240, 240);
inline constexpr gfx::Color kGrayText = gfx::Rgb(109, 109, 109);
inline constexpr gfx::Color kHighlight = gfx::Rgb(0, 120, 215);
inline constexpr gfx::Color kHighlightText = gfx::Rgb(255, 255, 255);
inline constexpr gfx::Color kBorder = gfx::Rgb(122, 122, 122);
inline constexpr gfx::Color kShadow = gfx::Rgb(160, 160, 160);
}  // namespace syscolor

// UTF-8 text as code points and back; the edit and list controls count characters, not bytes.
std::u32string ToU32(const std::string& utf8);
std::string ToUtf8(const std::u32string& text);

}  // namespace ui
