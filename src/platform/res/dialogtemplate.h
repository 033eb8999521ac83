#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/gfx/geometry.h"
#include "platform/res/language.h"

namespace res {

// What an item of a dialog template becomes.
enum class ItemKind {
    kEdit,
    kButton,
    kOwnerDrawButton,
    kStatic,
    kPicture,
    kCombo,
    kTrackBar,
    kProgress,
    kList,
    kCustom,
};

// Style flags of an item: our own names for the window and control styles the templates use. An item is
// visible and enabled unless it says otherwise.
enum ItemStyle : uint32_t {
    kHidden = 1u << 0,
    kDisabled = 1u << 1,
    kTabStop = 1u << 2,
    kGroup = 1u << 3,
    kBorder = 1u << 4,
    kTextCenter = 1u << 5,      // edits and statics
    kTextRight = 1u << 6,       // edits and statics
    kNotify = 1u << 7,          // statics that take the mouse
    kReadOnly = 1u << 8,        // edits
    kMultiLine = 1u << 9,       // edits
    kAutoHScroll = 1u << 10,    // edits
    kNumber = 1u << 11,         // edits
    kPassword = 1u << 12,       // edits
    kVertical = 1u << 13,       // track bars
    kNoTicks = 1u << 14,        // track bars
    kOwnerDrawList = 1u << 15,  // combos whose list items the owner draws
    kDefaultButton = 1u << 16,  // buttons
    kCenterImage = 1u << 17,    // pictures
    kVScroll = 1u << 18,        // lists and combos
    kSort = 1u << 19,           // lists and combos
};

// Flags of a whole template.
enum TemplateFlags : uint32_t {
    kPixels = 1u << 0,   // the size and every item rectangle are pixels, not dialog units
    kCaption = 1u << 1,  // a title bar (the program's own windows have none)
    kThinBorder = 1u << 2,
};

struct DialogFont {
    DialogFont() = default;
    DialogFont(std::string f, int pt, int w = 400) : face(std::move(f)), points(pt), weight(w) {}

    std::string face = "MS Shell Dlg";
    int points = 8;
    int weight = 400;
    bool operator==(const DialogFont&) const = default;
};

// Content tables write items as {id, kind, rect, style, text}; the trailing members may be left out.
struct DialogItem {
    DialogItem() = default;
    DialogItem(int i, ItemKind k, gfx::Rect r, uint32_t s = 0, LangText t = {}, std::string cls = {})
        : id(i), kind(k), rect(r), style(s), text(std::move(t)), class_name(std::move(cls)) {}

    int id = 0;
    ItemKind kind = ItemKind::kStatic;
    gfx::Rect rect;  // dialog units (or pixels under kPixels), right and bottom exclusive
    uint32_t style = 0;
    LangText text;
    std::string class_name;  // for kCustom: the window class the program registers
};

// A dialog template as data. Texts carry both languages; the table that holds templates keeps a variant per
// language where the layouts differ.
struct DialogTemplate {
    DialogTemplate() = default;
    DialogTemplate(int i, DialogFont f, gfx::Size s, LangText cap = {}, uint32_t fl = 0,
                   std::vector<DialogItem> it = {})
        : id(i), font(std::move(f)), size(s), caption(std::move(cap)), flags(fl), items(std::move(it)) {}

    int id = 0;
    DialogFont font;
    gfx::Size size;  // of the client area
    LangText caption;
    uint32_t flags = 0;
    std::vector<DialogItem> items;

    // The item with this id, or nullptr.
    const DialogItem* Item(int item_id) const;
};

}  // namespace res
