#include "mainwnd/editstrings.h"

namespace mainwnd {

namespace {
// The Chinese reset question names all channels; the reset acts on all of them in both languages.
constexpr res::StringEntry kEntries[] = {
    {IDS_RESET_EQ_QUESTION, "Whether Reset EQ of Selected Channels?", "是否重置所有通道EQ?"},
    {IDS_LINK_COPY_QUESTION, "Are you sure to copy %s setting of EQ and Filter to %s？",
     "确定要将%s的EQ和滤波器设置复制给%s吗？"},
};
}  // namespace

void RegisterEditStrings(res::StringTable& table) {
    for (const res::StringEntry& e : kEntries) {
        if (!table.Contains(e.id)) table.Add({e});
    }
}

}  // namespace mainwnd
