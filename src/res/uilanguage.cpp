#include "res/uilanguage.h"

#include "res/programstrings.h"

std::atomic<int> g_LangSource{0};
std::string g_MsgCaption;
const std::string g_DefaultChannelTitles[12] = {"CH1", "CH2", "CH3", "CH4",  "CH5",  "CH6",
                                                "CH7", "CH8", "CH9", "CH10", "CH11", "CH12"};

namespace res {

std::string LoadUiString(int id) {
    return ProgramStrings().Get(g_LangId.load(), id);
}

}  // namespace res
