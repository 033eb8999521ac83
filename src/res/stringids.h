#pragma once
// Ids of the program's string table (both languages share them).

namespace res {

inline constexpr int IDS_ALERT = 57344;           // the program's title and message-box caption
inline constexpr int IDS_SOFTWARE_RUNNING = 249;  // a second instance was started

}  // namespace res
