#pragma once
#include "platform/res/stringtable.h"

namespace res {

// The program's string table: one for the process, as LoadString's, so the link's threads look texts up in
// it too. Filled at start-up, only read afterwards.
StringTable& ProgramStrings();

// Puts the program's texts, English and Chinese, into the program's string table. Called once at start-up,
// before any text is loaded; a second call changes nothing.
void RegisterProgramStrings();

}  // namespace res
