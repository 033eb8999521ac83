#pragma once
// A scene slot's name as the device keeps it: 20 bytes of code page 936 text, zero-filled.

#include <string_view>

namespace files {

// Stores the name typed for a slot into g_ModeNames[slot]: the row is zero-filled, then the name is written
// in GBK. A name that fills all 20 bytes keeps no terminator (the device needs none); one that does not fit
// is cut before the first character that does not fit whole. False, with nothing changed, for a slot outside
// 0..7.
bool StoreModeName(int slot, std::string_view utf8Name);

}  // namespace files
