#pragma once
#include <vector>

#include "platform/gfx/geometry.h"
#include "platform/ui/dialog.h"
#include "platform/ui/menuitem.h"

namespace ui {

// A popup menu (TrackPopupMenu's role): a frameless modal list of entries at a screen point. Up and Down move
// the highlight, Enter or a click on an entry chooses, Esc cancels. The owner is disabled
// while it is open, as under any modal window.
class PopupMenu : public Dialog {
  public:
    PopupMenu(std::vector<MenuItem> items, gfx::Point screen, Window* owner = nullptr,
              Application* app = nullptr);

    // The chosen entry's id after DoModal, 0 when the menu was cancelled.
    UINT Chosen() const { return chosen_; }
    int Highlighted() const { return highlight_; }
    const std::vector<MenuItem>& Items() const { return items_; }
    // The entry's rectangle in client coordinates.
    gfx::Rect ItemRect(int index) const;

  protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnPaint(gfx::Canvas& canvas) override;
    void OnKeyDown(unsigned vk, unsigned repeat, unsigned flags) override;
    void OnMouseMove(unsigned keys, gfx::Point p) override;
    void OnLButtonUp(unsigned keys, gfx::Point p) override;

  private:
    int ItemAt(gfx::Point p) const;
    void Highlight(int index);

    std::vector<MenuItem> items_;
    int highlight_ = 0;
    UINT chosen_ = 0;
};

// Runs a popup menu of items at a screen point and returns the chosen id, 0 when cancelled or empty.
UINT TrackPopupMenu(Application& app, Window* owner, const std::vector<MenuItem>& items, gfx::Point screen);

}  // namespace ui
