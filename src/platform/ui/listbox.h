#pragma once
#include <string>
#include <vector>

#include "platform/ui/control.h"

namespace ui {

// A single-selection list box. Its items live in the object, so they can be filled before the window exists
// (the combo box keeps its drop list's items this way). A press takes the focus and selects the item under
// the pointer, dragging follows it; the arrow, page, Home and End keys move the selection; the wheel scrolls
// three items a notch. With kNotify a change by the user sends LBN_SELCHANGE and a double click LBN_DBLCLK;
// SetCurSel from code sends nothing. It asks the colour step as a list box; with kOwnerDrawList its parent
// draws the items (WM_DRAWITEM, ODT_LISTBOX). A scroll bar shows when the items do not fit.
class ListBox : public Control {
  public:
    explicit ListBox(Application* app = nullptr);

    int AddString(const std::string& text);                // sorted in with kSort; returns the index
    int InsertString(int index, const std::string& text);  // -1: at the end
    int DeleteString(int index);                           // returns the count left, -1 for a bad index
    void ResetContent();
    int GetCount() const { return static_cast<int>(items_.size()); }
    std::string GetText(int index) const;
    void SetItemData(int index, std::uintptr_t data);
    std::uintptr_t GetItemData(int index) const;
    // -1 or an index out of range selects nothing (and answers -1).
    int SetCurSel(int index);
    int GetCurSel() const { return sel_; }
    int FindStringExact(const std::string& text) const;  // -1 when absent

    void SetItemHeight(int height);
    int GetItemHeight() const { return item_height_; }
    int GetTopIndex() const { return top_; }
    void SetTopIndex(int index);
    void EnsureVisible(int index);
    // The item's rectangle in client coordinates (also for items scrolled out of view); empty for a bad
    // index.
    gfx::Rect GetItemRect(int index) const;
    // The item under a client point, or -1.
    int ItemFromPoint(gfx::Point p) const;
    int VisibleCount() const;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  protected:
    void OnPaint(gfx::Canvas& canvas) override;
    bool OnEraseBkgnd(gfx::Canvas&) override { return true; }
    void OnLButtonDown(unsigned keys, gfx::Point p) override;
    void OnLButtonDblClk(unsigned keys, gfx::Point p) override;
    void OnMouseMove(unsigned keys, gfx::Point p) override;
    void OnLButtonUp(unsigned keys, gfx::Point p) override;
    void OnKeyDown(unsigned vk, unsigned repeat, unsigned flags) override;
    bool OnMouseWheel(unsigned keys, int delta, gfx::Point screen) override;
    void OnControlStyleChanged() override;

    // The colour step of the list; the drop list of a combo box asks its combo instead.
    virtual gfx::Brush AskColors(gfx::Canvas& canvas);
    // Draws one item; the default draws the text, or asks the parent with kOwnerDrawList. state: selected,
    // focused (the selected item of a focused list), disabled.
    virtual void PaintItem(gfx::Canvas& canvas, int index, const gfx::Rect& rect, const PaintState& state);
    void PaintItemText(gfx::Canvas& canvas, int index, const gfx::Rect& rect, bool selected);
    // Selects as the user does (notice with kNotify).
    void UserSelect(int index);
    gfx::Rect ItemArea() const;  // the client area without border and scroll bar
    bool HasScrollBar() const;

  private:
    struct Item {
        std::string text;
        std::uintptr_t data = 0;
    };
    void InvalidateItem(int index);
    gfx::Rect ScrollThumb() const;

    std::vector<Item> items_;
    int sel_ = -1;
    int top_ = 0;
    int item_height_ = 16;
    bool tracking_ = false;
    bool thumb_drag_ = false;
    int thumb_grab_ = 0;
};

}  // namespace ui
