#include "platform/res/dialogtemplate.h"

namespace res {

const DialogItem* DialogTemplate::Item(int item_id) const {
    for (const DialogItem& item : items) {
        if (item.id == item_id) return &item;
    }
    return nullptr;
}

}  // namespace res
