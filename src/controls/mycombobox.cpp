#include "controls/mycombobox.h"

#include "platform/res/pngimages.h"
#include "platform/ui/application.h"
#include "platform/ui/listbox.h"

namespace controls {

namespace {

constexpr gfx::Color kBorder = gfx::Rgb(33, 44, 61);
constexpr gfx::Color kHighlightEdge = gfx::Rgb(141, 178, 227);
constexpr int kArrowWidth = 22;
constexpr int kIconSize = 16;
constexpr int kIconX = 5;
constexpr int kTextAfterIcon = 26;
constexpr std::size_t kFaceChars = 31;

}  // namespace

CMyComboBox::CMyComboBox(ui::Application* app)
    : ui::ComboBox(app),
      itemFont_{"宋体", 15, 0},
      highlight_(gfx::Rgb(0, 0, 255)),
      background_(gfx::Rgb(33, 44, 61)) {}

void CMyComboBox::ResetContent() {
    items_.clear();
    ui::ComboBox::ResetContent();
}

void CMyComboBox::AddItem(const std::string& text, int iconId, gfx::Color colour) {
    ItemRecord item;
    item.colour = colour;
    if (iconId != 0) item.icon = App().Skin().Get(iconId);
    item.text = text;
    item.index = AddString(text);
    items_.push_back(std::move(item));
}

void CMyComboBox::SetTextFont(int height, const std::string& face, gfx::Color colour1, gfx::Color colour2,
                              int weight) {
    std::u32string name = ui::ToU32(face);
    if (name.size() > kFaceChars) name.resize(kFaceChars);
    itemFont_ = gfx::Font{ui::ToUtf8(name), height, weight};
    colour1_ = colour1;
    colour2_ = colour2;
    Invalidate(false);
}

void CMyComboBox::SetArrowImages(int pressedPngId, int normalPngId) {
    arrowPressed_ = res::ProgramImages().Get(pressedPngId);
    arrowNormal_ = res::ProgramImages().Get(normalPngId);
    if (arrowPressed_.IsNull() || arrowNormal_.IsNull()) {
        arrowPressed_ = {};
        arrowNormal_ = {};
    }
}

void CMyComboBox::MeasureItem(ui::MeasureItemStruct& mis) {
    mis.itemWidth = 400;
    mis.itemHeight = 30;
}

void CMyComboBox::InvalidateCombo() {
    Invalidate(false);
}

void CMyComboBox::DrawItemContent(gfx::Canvas& canvas, const ItemRecord& item, const gfx::Rect& rect) {
    int x = kIconX;
    if (!item.icon.IsNull()) {
        canvas.DrawImage(gfx::RectFromSize(kIconX, rect.top + 4, kIconSize, kIconSize), item.icon,
                         gfx::RectFromSize(0, 0, item.icon.Width(), item.icon.Height()));
        x = kTextAfterIcon;
    }
    canvas.SetBkMode(gfx::BkMode::kTransparent);
    canvas.DrawText(item.text, {x, rect.top, rect.right, rect.bottom}, itemFont_, item.colour,
                    gfx::kTextSingleLine | gfx::kTextVCenter | gfx::kTextEndEllipsis);
}

void CMyComboBox::PaintField(gfx::Canvas& canvas, const Parts& parts, const gfx::Brush&, const ui::PaintState&) {
    // With no selection the face is left as it was: nothing at all is drawn.
    const int sel = GetCurSel();
    if (sel < 0) return;
    canvas.FillRect(parts.client, background_);
    canvas.SetPen(gfx::Pen::Solid(1, kBorder));
    canvas.SetBrush(gfx::Brush::Null());
    canvas.Rectangle(parts.client);
    if (sel < static_cast<int>(items_.size())) DrawItemContent(canvas, items_[static_cast<std::size_t>(sel)], parts.client);
}

void CMyComboBox::PaintArrow(gfx::Canvas& canvas, const gfx::Rect&, const ui::PaintState& state) {
    if (GetCurSel() < 0) return;
    const gfx::Rect c = GetClientRect();
    const gfx::Rect box{c.right - kArrowWidth, c.top, c.right, c.bottom};
    if (!HasArrowImages()) {
        ui::PaintState system = state;
        system.pressed = pressed_;
        ui::ComboBox::PaintArrow(canvas, box, system);
        return;
    }
    const gfx::Bitmap& image = pressed_ ? arrowPressed_ : arrowNormal_;
    canvas.DrawImage(gfx::RectFromSize(box.left, box.top + 1, kArrowWidth, box.Height() - 2), image,
                     gfx::RectFromSize(0, 0, image.Width(), image.Height()));
}

void CMyComboBox::PaintItem(gfx::Canvas& canvas, int index, const gfx::Rect& rect, const ui::PaintState& state) {
    if (!HasControlStyle(res::kOwnerDrawList)) {
        ui::ComboBox::PaintItem(canvas, index, rect, state);
        return;
    }
    // An entry without a record draws nothing.
    if (index < 0 || index >= static_cast<int>(items_.size())) return;
    // The face is not invalidated from here: the list's selection is only the hover, and the face shows the
    // pick, which repaints it. (Invalidating it while the list paints would repaint the items between.)
    if (index == hovered_) {
        canvas.SetPen(gfx::Pen::Solid(1, kHighlightEdge));
        canvas.SetBrush(gfx::Brush::Solid(highlight_));
        canvas.RoundRect(rect, 5, 5);
    } else {
        canvas.FillRect(rect, background_);
    }
    DrawItemContent(canvas, items_[static_cast<std::size_t>(index)], rect);
}

void CMyComboBox::TrackHover(ui::Window* window) {
    auto* list = dynamic_cast<ui::ListBox*>(window);
    if (!list) return;
    const gfx::Point p = list->ScreenToClient(ui::GetCursorPos(App()));
    for (int i = 0; i < list->GetCount(); ++i) {
        const gfx::Rect r = list->GetItemRect(i);
        if (!r.Contains(p)) continue;
        previousHovered_ = hovered_;
        hovered_ = i;
        if (hovered_ != previousHovered_) {
            if (previousHovered_ >= 0 && previousHovered_ < list->GetCount()) {
                const gfx::Rect old = list->GetItemRect(previousHovered_);
                list->InvalidateRect(&old);
            }
            list->InvalidateRect(&r);
        }
        break;
    }
}

const gfx::Brush* CMyComboBox::OnCtlColor(gfx::Canvas& canvas, ui::Window* control, int kind) {
    if (kind == ui::CTLCOLOR_LISTBOX) TrackHover(control);
    return ui::ComboBox::OnCtlColor(canvas, control, kind);
}

void CMyComboBox::OnMouseMove(unsigned keys, gfx::Point p) {
    // While the list is open the combo holds the capture and sees the moves over the list; they are not
    // over the face.
    if (!mouseInside_ && !GetDroppedState()) {
        mouseInside_ = true;
        InvalidateCombo();
        TrackMouseEvent(ui::TME_LEAVE, 0);
    }
    ui::ComboBox::OnMouseMove(keys, p);
}

void CMyComboBox::OnMouseLeave() {
    mouseInside_ = false;
    InvalidateCombo();
}

void CMyComboBox::OnLButtonDown(unsigned keys, gfx::Point p) {
    pressed_ = true;
    InvalidateCombo();
    ui::ComboBox::OnLButtonDown(keys, p);
}

void CMyComboBox::OnLButtonUp(unsigned keys, gfx::Point p) {
    pressed_ = false;
    InvalidateCombo();
    ui::ComboBox::OnLButtonUp(keys, p);
}

}  // namespace controls
