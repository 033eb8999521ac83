#pragma once
// The UI language of the process, chosen once at start-up before the main window exists and read by every
// window and by the link's threads when they show a text, and the texts the process holds from its start.
#include <atomic>
#include <cstdint>
#include <string>

#include "platform/ui/uilanguage.h"

// 1033 (English) or 2052 (Simplified Chinese). The layer's UI language itself under the program's name: the
// dialogs built from templates and the file dialog follow what is set here.
inline std::atomic<std::uint16_t>& g_LangId = ui::g_ui_language;
// Where the language came from: 0 the system's locale, 1 the language file holding Chinese, 2 the file
// holding English. The settings dialog shows it as its language choice (automatic, Chinese, English).
extern std::atomic<int> g_LangSource;

// Caption of the program's message boxes: empty until the main window sets it to string 57344 in the UI
// language. UI thread only.
extern std::string g_MsgCaption;
// The default channel titles "CH1".."CH12".
extern const std::string g_DefaultChannelTitles[12];

namespace res {

// A text of the program's string table in the UI language; empty for an unknown id.
std::string LoadUiString(int id);

}  // namespace res
