#include "platform/hid/noticehub.h"

#include <utility>

namespace hid {

void NoticeHub::SetHandler(NoticeHandler handler) {
    std::lock_guard lock(mutex_);
    handler_ = std::move(handler);
}

void NoticeHub::Notify(const Notice& notice) {
    // Called under the lock, so SetHandler(nullptr) can be trusted to end the calls.
    std::lock_guard lock(mutex_);
    if (handler_) handler_(notice);
}

}  // namespace hid
