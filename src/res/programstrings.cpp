#include "res/programstrings.h"

#include "res/stringids.h"

namespace res {

namespace {

// Where a text exists in English only, the Chinese table holds the English text (the entry leaves it out).
constexpr StringEntry kStrings[] = {
    {IDS_ALERT, "Alert", "提示"},
    {IDS_SOFTWARE_RUNNING, "The software is running!", "软件正在运行！"},
};

}  // namespace

StringTable& ProgramStrings() {
    static StringTable table;
    return table;
}

void RegisterProgramStrings() {
    ProgramStrings().Add(kStrings);
}

}  // namespace res
