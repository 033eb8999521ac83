#pragma once
/*
 * The skinned frame that nine of the ten side dialogs share: a caption-less window dragged by any spot that is
 * not a control (labels let presses through), a background bitmap stretched over the client area, light text
 * on a transparent ground, bitmap buttons the dialog draws itself, and the small close button as Cancel.
 *
 * What differs between the dialogs is data (FrameFeatures): the background, the text colour, how edits and
 * lists are coloured, whether the close button is resized, whether Enter accepts, and the drawn buttons with
 * their bitmaps and texts. A dialog draws items of its own (the source switch, the chooser's marks) in
 * DrawOwnItem; every item then gets the default drawing, so owner-drawn lists draw themselves.
 */
#include <initializer_list>
#include <vector>

#include "dialogs/standintemplate.h"  // SendToMainWindow
#include "platform/gfx/color.h"
#include "platform/gfx/font.h"
#include "platform/gfx/pen.h"
#include "platform/res/dialogtemplate.h"
#include "platform/ui/controlmessages.h"
#include "platform/ui/templatedialog.h"

namespace dialogs {

inline constexpr gfx::Color kWhite = gfx::Rgb(255, 255, 255);
inline constexpr gfx::Color kNearWhite = gfx::Rgb(254, 254, 254);
inline constexpr gfx::Color kLightGrey245 = gfx::Rgb(245, 245, 245);
inline constexpr gfx::Color kLightGrey250 = gfx::Rgb(250, 250, 250);
inline constexpr gfx::Color kEditBackground = gfx::Rgb(33, 44, 61);
inline constexpr gfx::Color kGreyLabel = gfx::Rgb(153, 153, 153);
inline constexpr gfx::Color kFilterEditText = gfx::Rgb(0, 183, 238);
inline constexpr gfx::Color kFilterBackground = gfx::Rgb(40, 44, 51);
inline constexpr gfx::Color kPressedMuteText = gfx::Rgb(82, 200, 214);

// A button drawn from two bitmaps, with a text of the string table (0: none) in its colour.
struct DrawnButton {
    int id = 0;
    int pressedBitmap = 0;
    int normalBitmap = 0;
    int textId = 0;
    gfx::Color textColour = kNearWhite;
    bool frameFont = true;  // the frame font at 12 scaled; false: the button's own font
};

enum class EditColours {
    kSystem,         // the base answer
    kWhiteOnBlue,    // white text on the edit background colour
    kFilterOnBlack,  // the filter edit text on black; every other request the filter background
};

struct FrameFeatures {
    int background = 0;  // skin id; 0: the dialog picks its own (SetBackground)
    gfx::Color text = kNearWhite;
    EditColours edits = EditColours::kSystem;
    bool closeButton = false;  // control 2 resized to 42 × 22 scaled in place, drawn by DPI band
    bool enterAccepts = false;
    std::vector<DrawnButton> buttons;
};

// The large panel (background 299) with the close button at the top right: the scene menu, the settings,
// the delay calculator and the filter setup.
FrameFeatures PanelFrame(gfx::Color text, EditColours edits);
// Drawn OK and Cancel buttons (strings 203 and 204) on the given bitmaps; Enter accepts.
FrameFeatures OkCancelFrame(int background, int pressedBitmap, int normalBitmap, gfx::Color text,
                            bool frameFont = true);

class CSideDialog : public ui::TemplateDialog {
  public:
    CSideDialog(res::DialogTemplate t, FrameFeatures features, ui::Window* parent = nullptr,
                ui::Application* app = nullptr);

    const FrameFeatures& Features() const { return features_; }
    int BackgroundId() const { return background_; }
    // The bitmap an item was last drawn with (0: not drawn), for tests.
    int LastBitmap(int id) const;

    // n × DPI / 96, truncated.
    int Scaled(int n) const;
    // "宋体" at n scaled, weight 400.
    gfx::Font FrameFont(int n) const;
    static int CloseBitmap(int dpi, bool pressed);

  protected:
    bool OnInitDialog() override;
    ui::LRESULT OnNcHitTest(gfx::Point screen) override;
    bool OnEraseBkgnd(gfx::Canvas& canvas) override;
    void OnPaint(gfx::Canvas& canvas) override;
    const gfx::Brush* OnCtlColor(gfx::Canvas& canvas, ui::Window* control, int kind) override;
    bool OnDrawItem(int id, ui::DrawItemStruct& dis) override;
    void OnOK() override;

    // What Enter and OK do where they accept.
    virtual void Accept() { EndDialog(ui::IDOK); }
    // Items the dialog draws itself; true when drawn (the default drawing still follows).
    virtual bool DrawOwnItem(int id, ui::DrawItemStruct& dis) { return (void)id, (void)dis, false; }

    void SetBackground(int skinId) { background_ = skinId; }
    // Stretches the skin bitmap over the item and remembers it.
    void DrawBitmap(ui::DrawItemStruct& dis, int skinId);
    void SetFrameFont(std::initializer_list<int> ids, int n);
    // Resizes item id in place.
    void SizeItem(int id, gfx::Size size);
    void ShowItem(int id, bool show);
    // Closes the dialog (WM_CLOSE), then sends the request to the main window, which runs it before DoModal
    // returns.
    void CloseAndSend(ui::UINT message, ui::WPARAM wParam);

  private:
    FrameFeatures features_;
    int background_;
    gfx::Brush editBrush_;
    gfx::Brush otherBrush_;
    std::vector<std::pair<int, int>> lastBitmaps_;
};

}  // namespace dialogs
