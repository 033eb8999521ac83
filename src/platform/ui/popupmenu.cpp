#include "platform/ui/popupmenu.h"

#include <algorithm>

#include "platform/ui/application.h"
#include "platform/ui/syscolor.h"

namespace ui {

namespace {
constexpr int kItemHeight = 22;  // at 96 DPI
constexpr int kWidth = 160;
constexpr int kPad = 8;

int Scaled(Application& app, int n) {
    return n * app.Dpi() / 96;
}
}  // namespace

PopupMenu::PopupMenu(std::vector<MenuItem> items, gfx::Point screen, Window* owner, Application* app)
    : Dialog(owner, app), items_(std::move(items)) {
    Application& a = App();
    SetInitialRect(gfx::RectFromSize(screen.x, screen.y, Scaled(a, kWidth),
                                     Scaled(a, kItemHeight) * std::max<int>(1, int(items_.size())) + 2));
    SetBackground(syscolor::kWindow);
}

gfx::Rect PopupMenu::ItemRect(int index) const {
    const int h = Scaled(App(), kItemHeight);
    return gfx::RectFromSize(1, 1 + index * h, GetClientRect().Width() - 2, h);
}

int PopupMenu::ItemAt(gfx::Point p) const {
    for (int i = 0; i < int(items_.size()); ++i) {
        if (ItemRect(i).Contains(p)) return i;
    }
    return -1;
}

void PopupMenu::Highlight(int index) {
    if (index == highlight_ || index < 0 || index >= int(items_.size())) return;
    highlight_ = index;
    Invalidate();
}

bool PopupMenu::OnInitDialog() {
    if (items_.empty()) EndDialog(IDCANCEL);
    SetFocus();
    return false;
}

void PopupMenu::OnOK() {
    if (highlight_ >= 0 && highlight_ < int(items_.size())) chosen_ = items_[highlight_].id;
    EndDialog(IDOK);
}

void PopupMenu::OnPaint(gfx::Canvas& canvas) {
    const gfx::Rect client = GetClientRect();
    canvas.FillRect(client, syscolor::kWindow);
    const int pad = Scaled(App(), kPad);
    for (int i = 0; i < int(items_.size()); ++i) {
        const gfx::Rect r = ItemRect(i);
        const bool lit = i == highlight_;
        if (lit) canvas.FillRect(r, syscolor::kHighlight);
        gfx::Rect text = r;
        text.left += pad;
        canvas.DrawText(items_[i].text, text, GetFont(),
                        lit ? syscolor::kHighlightText : syscolor::kWindowText,
                        gfx::kTextVCenter | gfx::kTextSingleLine);
    }
    // The frame.
    canvas.FillRect({0, 0, client.right, 1}, syscolor::kBorder);
    canvas.FillRect({0, client.bottom - 1, client.right, client.bottom}, syscolor::kBorder);
    canvas.FillRect({0, 0, 1, client.bottom}, syscolor::kBorder);
    canvas.FillRect({client.right - 1, 0, client.right, client.bottom}, syscolor::kBorder);
}

void PopupMenu::OnKeyDown(unsigned vk, unsigned repeat, unsigned flags) {
    const int n = int(items_.size());
    if (n == 0) return Dialog::OnKeyDown(vk, repeat, flags);
    if (vk == VK_DOWN) return Highlight((highlight_ + 1) % n);
    if (vk == VK_UP) return Highlight((highlight_ + n - 1) % n);
    Dialog::OnKeyDown(vk, repeat, flags);
}

void PopupMenu::OnMouseMove(unsigned, gfx::Point p) {
    Highlight(ItemAt(p));
}

void PopupMenu::OnLButtonUp(unsigned, gfx::Point p) {
    const int i = ItemAt(p);
    if (i < 0) return;
    highlight_ = i;
    OnOK();
}

UINT TrackPopupMenu(Application& app, Window* owner, const std::vector<MenuItem>& items, gfx::Point screen) {
    if (items.empty()) return 0;
    PopupMenu menu(items, screen, owner, &app);
    menu.DoModal();
    return menu.Chosen();
}

}  // namespace ui
