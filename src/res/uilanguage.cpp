#include "res/uilanguage.h"

#include "platform/res/stringtable.h"

std::atomic<std::uint16_t> g_LangId{0};
std::atomic<int> g_LangSource{0};

namespace res {

std::string LoadUiString(int id) {
    return ProgramStrings().Get(g_LangId.load(), id);
}

}  // namespace res
