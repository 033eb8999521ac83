#pragma once

namespace res {

// Puts the program's texts, English and Chinese, into the program's string table. Called once at start-up,
// before any text is loaded; a second call changes nothing.
void RegisterProgramStrings();

}  // namespace res
