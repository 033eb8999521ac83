#pragma once
// Template 102, the main window, as data: every control the window binds, places, draws or hides, with its
// kind, style and state, in English and Chinese. Both variants hold the same 906 controls; most captions
// are the Chinese ones in both, since the code writes the texts the user reads. They differ where the
// window has always differed: the filter captions are in the variant's language, the TCP picture is
// created hidden in the Chinese variant, and the hidden scene and upgrade buttons are also disabled in the
// English one.
//
// Rectangles are in dialog units of "MS Shell Dlg" 9 pt (727 x 386 units make the 1272 x 676 skin at
// 96 DPI), taken from where the layout puts each control at 96 DPI; the layout moves most of them again
// for the DPI band and the device model. The controls it never moves (the graph, the crossover controls,
// the captions, the status texts and pictures) stand where the skin expects them in every band.
#include "platform/res/dialogtable.h"
#include "platform/res/dialogtemplate.h"

constexpr int IDD_QUENBAR_DIALOG = 102;

namespace mainwnd {

// The variant of template 102 for lang (1033 or 2052; any other reads English).
res::DialogTemplate MakeQuenbarTemplate(int lang);

// Registers templates 102 and 100 (the About box) in both languages.
void RegisterQuenbarTemplates(res::DialogTable& table);

}  // namespace mainwnd
