#pragma once
// Band Q of the current channel: typed as a number, stepped through g_QTable.
#include <string_view>

namespace editing {

// Reads up to five leading characters, digits and dots only, 0.1..10.0. The Q is kept exactly as typed and
// the index becomes the first table entry not below it. Returns true only when the stored Q changed. Does not
// propagate.
bool SetBandQFromText(int band, std::string_view text);

// Up raises the table index, Down lowers it, and the Q takes the table value. False at (or beyond) the end
// (nothing changes); true for any other key (nothing changes either).
bool StepQByKey(int key, int band);

// +120 as Up, -120 as Down; any other delta changes nothing and gives false.
bool StepQByWheel(int delta, int band);

}  // namespace editing
