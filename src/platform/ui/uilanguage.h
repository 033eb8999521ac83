#pragma once

namespace ui {

// The UI language of the process (1033 English or 2052 Chinese; SetThreadUILanguage's role): the dialogs
// take their templates and the layer's own texts (file dialog labels and titles) in it. English until set.
int UiLanguage();
void SetUiLanguage(int lang);

}  // namespace ui
