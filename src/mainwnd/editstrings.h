#pragma once
// Texts of the channel and EQ editing: the questions it asks.
#include "platform/res/stringtable.h"

constexpr int IDS_RESET_EQ_QUESTION = 146;
// Two %s: the current channel's default title, then the joining channel's.
constexpr int IDS_LINK_COPY_QUESTION = 247;

namespace mainwnd {

// Adds the texts to `table`; an id it already holds keeps its text.
void RegisterEditStrings(res::StringTable& table);

}  // namespace mainwnd
