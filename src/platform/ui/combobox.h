#pragma once
#include <memory>
#include <string>

#include "platform/ui/control.h"

namespace ui {

class DropList;
class ListBox;

// A drop-down list combo box (CBS_DROPDOWNLIST).
//
// Items are added and the selection set from code without any notice; no selection reads -1, and setting -1
// or an index out of range clears it. A press takes the focus and opens the list (CBN_DROPDOWN) below the
// field, or above it when there is more room there, as a child of the top-level window on top of everything
// else in it. While the list is open the combo holds the capture: the item under the pointer takes the
// selected state (the list repaints the old and the new item, and asks the colour step of the combo each
// time it paints); releasing over an item, pressed in the list or dragged there from the field, picks it:
// the list closes, the selection changes and CBN_SELCHANGE goes to the parent once, then CBN_CLOSEUP. A press
// anywhere else, Esc, or the loss of the focus closes it with no change; Enter picks the item shown
// selected. While closed, the arrow keys, Home, End and the wheel change the selection with CBN_SELCHANGE.
// With kOwnerDrawList the parent measures (WM_MEASUREITEM, once per opening) and draws (WM_DRAWITEM,
// ODT_COMBOBOX) the list items and the field (ODS_COMBOBOXEDIT); a parent that leaves them to the control
// gets the control's own MeasureItem and DrawItem. SetItemHeight(-1, h) sets the field's height, and the
// window becomes h + 6 pixels high. It paints through three hooks that a skinned combo overrides one at a
// time: the field, the drop arrow over it, and the items of the open list.
class ComboBox : public Control {
  public:
    explicit ComboBox(Application* app = nullptr);
    ~ComboBox() override;

    int AddString(const std::string& text);
    int InsertString(int index, const std::string& text);
    int DeleteString(int index);
    void ResetContent();
    int GetCount() const;
    std::string GetLBText(int index) const;
    void SetItemData(int index, std::uintptr_t data);
    std::uintptr_t GetItemData(int index) const;
    int FindStringExact(const std::string& text) const;

    int SetCurSel(int index);  // returns the new selection, -1 when cleared
    int GetCurSel() const { return sel_; }
    // index -1: the field; otherwise the list items. Returns false for a height below 1.
    bool SetItemHeight(int index, int height);
    int GetItemHeight(int index) const;

    void ShowDropDown(bool show = true);
    bool GetDroppedState() const { return open_; }
    // The drop list while it is open (its window exists), else null.
    ListBox* GetDropList() const;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool PreTranslateMessage(MSG& msg) override;

    // The closed combo's parts as the paint hooks get them, in client coordinates.
    struct Parts {
        gfx::Rect client;
        gfx::Rect field;  // where the selection shows: inside the frame, left of the arrow box
        gfx::Rect arrow;  // the drop arrow's box
    };

  protected:
    // The field: the client area from the colour step's brush (asked as an edit, as a static when disabled),
    // the frame, and the selection (GetCurSel) in parts.field, which with kOwnerDrawList is the owner's draw
    // step (ODS_COMBOBOXEDIT). state: focused (the focus while the list is closed), pressed (the list is
    // open), hot, disabled.
    virtual void PaintField(gfx::Canvas& canvas, const Parts& parts, const gfx::Brush& background,
                            const PaintState& state);
    // The drop arrow in its box, over the field. state as for the field.
    virtual void PaintArrow(gfx::Canvas& canvas, const gfx::Rect& box, const PaintState& state);
    // One item of the open list: its text, or with kOwnerDrawList the owner's draw step (ODT_COMBOBOX). It
    // runs on the list's canvas after the colour step the list asked of the combo. state: selected (the item
    // under the pointer, or the current one), disabled.
    virtual void PaintItem(gfx::Canvas& canvas, int index, const gfx::Rect& rect, const PaintState& state);

    // The drop list's colour step (CTLCOLOR_LISTBOX) goes on to the combo's parent.
    const gfx::Brush* OnCtlColor(gfx::Canvas& canvas, Window* control, int kind) override;
    void OnPaint(gfx::Canvas& canvas) override;
    bool OnEraseBkgnd(gfx::Canvas&) override { return true; }
    void OnLButtonDown(unsigned keys, gfx::Point p) override;
    void OnLButtonDblClk(unsigned keys, gfx::Point p) override { OnLButtonDown(keys, p); }
    void OnMouseMove(unsigned keys, gfx::Point p) override;
    void OnLButtonUp(unsigned keys, gfx::Point p) override;
    void OnKeyDown(unsigned vk, unsigned repeat, unsigned flags) override;
    bool OnMouseWheel(unsigned keys, int delta, gfx::Point screen) override;
    void OnSetFocus(Window* old_focus) override;
    void OnKillFocus(Window* new_focus) override;
    void OnCaptureChanged(Window* gaining) override;
    void OnDestroy() override;

  private:
    friend class DropList;
    void Open();
    void Close(bool pick);
    void UserSelect(int index);
    int ListItemAt(gfx::Point combo_point) const;
    void OwnerDraw(gfx::Canvas& canvas, int index, const gfx::Rect& rect, UINT state);
    int MeasureListItems();
    int DefaultHeight();

    std::unique_ptr<DropList> list_;
    int sel_ = -1;
    int field_height_ = 0;  // 0 until created
    int item_height_ = 0;   // of the list items; 0: the field's
    bool item_height_set_ = false;
    bool open_ = false;
    bool closing_ = false;
    bool pressed_on_face_ = false;  // the press that opened the list is still held
    bool pressed_in_list_ = false;
};

}  // namespace ui
