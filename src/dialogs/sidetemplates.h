#pragma once
// The side dialogs' templates in dialog units of "MS Shell Dlg" 8: pop-ups without caption or border (the
// progress dialog with a thin one), their titles statics inside the client area. Where a language's layout
// differs, the template is built for it; the model chooser's exists in Chinese only and serves both.
#include "platform/res/dialogtemplate.h"
#include "platform/sys/langid.h"

namespace dialogs {

// The template of a side dialog (the ids of sideids.h) in lang; an empty template (id 0) for any other id.
res::DialogTemplate SideTemplate(int id, sys::LangId lang);
// The same in the UI language of the process.
res::DialogTemplate SideTemplate(int id);

// The chooser's options: mark button, label and its text, in the order of the option table.
struct ChooserOption {
    int option;
    int mark;
    int label;
    const char* text;
    bool drawnAsChosen;
    bool visible;
};
inline constexpr ChooserOption kChooserOptions[] = {
    {1, 1753, 1817, "4_8", true, false},
    {2, 1751, 1754, "6_10", true, false},
    {3, 1398, 1755, "8_12", true, false},
    {4, 1752, 1756, "8_8", true, false},
    {5, 1760, 1759, "2_10", true, false},
    {6, 1757, 1818, "6_8", true, false},
    {7, 1758, 1819, "10_12", true, false},
    {8, 1761, 1820, "12_12", true, false},
    {2, 1762, 1821, "QRX 418TV", false, false},
    {2, 1764, 1822, "VLT 305 C/HNO 2207 E", true, true},
    {7, 1765, 1823, "VLT 4403 C", true, true},
};

}  // namespace dialogs
