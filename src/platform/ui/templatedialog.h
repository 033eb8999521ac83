#pragma once
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/res/dialogtemplate.h"
#include "platform/ui/controlmessages.h"
#include "platform/ui/dialog.h"

namespace ui {

/*
 * A modal dialog built from a dialog template in the UI language (CDialogEx's role).
 *
 * DoModal sizes the window from the template (dialog units converted for the template's font at the screen's
 * DPI, or pixels when the template says so) and creates one window per item, in template order (which is the
 * z-order and the tab order): the stock control of the item's kind with the item's rectangle, text, control
 * styles and the template's font. A member control is bound to an item before DoModal with BindItem (dialog
 * data exchange): the item is then created as that object, which may be a program class derived from the
 * stock control. SubclassDlgItem does the same after the items exist (from OnInitDialog), replacing the stock
 * window in place.
 *
 * The dialog answers its controls' colour step through Window's OnCtlColor (its own background asks
 * CTLCOLOR_DLG too), draws owner-drawn items in OnDrawItem and measures them in OnMeasureItem; the defaults
 * hand combo and list items back to the control (reflection). Enter sends IDOK and Esc IDCANCEL (Dialog);
 * each dialog decides in OnOK / OnCancel or its command handler what they do. Tab moves through the tab stops
 * and selects an edit's whole text, as does the first focus after OnInitDialog returns true. A dialog dragged
 * by its client area answers HTCAPTION from OnNcHitTest.
 */
class TemplateDialog : public Dialog {
  public:
    // Template `id` of the application's table (Application::Dialogs), in the UI language at DoModal.
    explicit TemplateDialog(int template_id, Window* owner = nullptr, Application* app = nullptr);
    // A template of its own.
    explicit TemplateDialog(res::DialogTemplate t, Window* owner = nullptr, Application* app = nullptr);
    ~TemplateDialog() override;

    // Returns -1 (without a window) when the template is unknown, else as Dialog::DoModal.
    int DoModal();

    // The item `id` is created as `control`. False when the template has no such item, the object is of the
    // wrong kind for the item, or it already has a window.
    bool BindItem(int id, Window& control);
    // Replaces the existing window of item `id` by `control`, keeping its place, rectangle, text, state and
    // font. Same failures as BindItem, and when the item has no window.
    bool SubclassDlgItem(int id, Window& control);

    LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    const res::DialogTemplate* Template() const { return template_ ? &*template_ : nullptr; }
    sys::LangId Language() const { return lang_; }
    // The template's font at the screen's DPI.
    gfx::Font TemplateFont() const;
    // An item's rectangle in pixels (client coordinates), as the dialog creates it.
    gfx::Rect ItemRect(const res::DialogItem& item) const;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool PreTranslateMessage(MSG& msg) override;

  protected:
    // Replaces the template before DoModal (a dialog that builds its own).
    void ResetTemplate(res::DialogTemplate t);
    void CreateItems() override;
    // Asks OnCtlColor (CTLCOLOR_DLG, the dialog as the control) for the background.
    bool OnEraseBkgnd(gfx::Canvas& canvas) override;

  private:
    bool KindFits(const res::DialogItem& item, Window& control) const;
    bool CreateItem(const res::DialogItem& item, Window& w, const gfx::Rect& rect, const std::string& text,
                    unsigned ws);

    int template_id_ = 0;
    std::optional<res::DialogTemplate> template_;
    sys::LangId lang_ = sys::kLangEnglish;
    std::map<int, Window*> bound_;
    std::vector<std::unique_ptr<Window>> owned_;  // the stock controls of unbound items
};

// The stock control for an item kind (a plain window for kCustom).
std::unique_ptr<Window> MakeStockControl(res::ItemKind kind, Application* app);

}  // namespace ui
