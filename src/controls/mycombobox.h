#pragma once
// The skinned drop-down list. The stock combo box keeps its list, keys and notices; this class paints the
// face (a dark field with the selected item's icon and text in the item's colour, and a drop arrow from two
// PNG images, or the system's arrow when either is missing) and keeps a record per item (icon, text,
// colour). Where the template makes the list owner-drawn it also draws the items, 400 x 30 each, with a
// rounded highlight behind the one under the pointer; it learns which one that is at the list's colour step
// and then redraws only the item left and the item entered.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/font.h"
#include "platform/ui/combobox.h"

namespace controls {

class CMyComboBox : public ui::ComboBox {
  public:
    // No item under the pointer.
    static constexpr int kNoItem = 666666666;

    explicit CMyComboBox(ui::Application* app = nullptr);

    // Empties the list and its records.
    void ResetContent();
    // Adds text to the list with its record; icon id 0 (or an unknown one) is no icon.
    void AddItem(const std::string& text, int iconId, gfx::Color colour);
    // The item font: height, weight and face (cut to 31 characters); the two colours are kept, unused.
    void SetTextFont(int height, const std::string& face, gfx::Color colour1, gfx::Color colour2, int weight);
    // The pressed image first, then the normal one; when either is missing neither is kept.
    void SetArrowImages(int pressedPngId, int normalPngId);

    bool HasArrowImages() const { return !arrowNormal_.IsNull(); }
    const gfx::Font& ItemFont() const { return itemFont_; }
    int HoveredItem() const { return hovered_; }
    std::size_t ItemCount() const { return items_.size(); }

    void MeasureItem(ui::MeasureItemStruct& mis) override;

  protected:
    void PaintField(gfx::Canvas& canvas, const Parts& parts, const gfx::Brush& background,
                    const ui::PaintState& state) override;
    void PaintArrow(gfx::Canvas& canvas, const gfx::Rect& box, const ui::PaintState& state) override;
    void PaintItem(gfx::Canvas& canvas, int index, const gfx::Rect& rect, const ui::PaintState& state) override;
    const gfx::Brush* OnCtlColor(gfx::Canvas& canvas, ui::Window* control, int kind) override;
    void OnMouseMove(unsigned keys, gfx::Point p) override;
    void OnMouseLeave() override;
    void OnLButtonDown(unsigned keys, gfx::Point p) override;
    void OnLButtonUp(unsigned keys, gfx::Point p) override;

  private:
    struct ItemRecord {
        gfx::Bitmap icon;  // null: none
        std::string text;
        gfx::Color colour;
        int index = 0;
    };
    // Icon at x = 5 and the text after it (x = 26, or 5 without an icon) across rect, vertically centred.
    void DrawItemContent(gfx::Canvas& canvas, const ItemRecord& item, const gfx::Rect& rect);
    void TrackHover(ui::Window* list);
    void InvalidateCombo();

    bool mouseInside_ = false;
    bool pressed_ = false;
    gfx::Font itemFont_;
    int hovered_ = kNoItem;
    int previousHovered_ = kNoItem;
    gfx::Color highlight_;
    gfx::Color background_;
    gfx::Color colour1_;
    gfx::Color colour2_;
    std::vector<ItemRecord> items_;
    gfx::Bitmap arrowPressed_;
    gfx::Bitmap arrowNormal_;
};

}  // namespace controls

using controls::CMyComboBox;
