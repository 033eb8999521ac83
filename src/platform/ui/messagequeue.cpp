#include "platform/ui/messagequeue.h"

#include <algorithm>

namespace ui {

// Waking happens under the lock: the application's destructor takes it too, so a thread that has just queued
// the last message of a closing application never wakes a backend that is gone.
void MessageQueue::Push(QueueItem item) {
    std::lock_guard lock(mutex_);
    items_.push_back(std::move(item));
    wake_();
}

std::optional<QueueItem> MessageQueue::Pop() {
    std::lock_guard lock(mutex_);
    // A released send is not served: its sender has returned and what lParam pointed to may be gone.
    while (!items_.empty() && items_.front().send && items_.front().send->done) items_.pop_front();
    if (items_.empty()) return std::nullopt;
    QueueItem item = std::move(items_.front());
    items_.pop_front();
    return item;
}

bool MessageQueue::Empty() const {
    std::lock_guard lock(mutex_);
    return items_.empty();
}

LRESULT MessageQueue::PushAndWait(QueueItem item) {
    auto send = std::make_shared<PendingSend>();
    item.send = send;
    std::unique_lock lock(mutex_);
    if (refusing_) return 0;
    items_.push_back(std::move(item));
    wake_();
    done_.wait(lock, [&] { return send->done; });
    return send->result;
}

void MessageQueue::CompleteLocked(PendingSend& s, LRESULT result) {
    if (s.done) return;
    s.result = result;
    s.done = true;
    done_.notify_all();
}

void MessageQueue::Complete(const std::shared_ptr<PendingSend>& send, LRESULT result) {
    if (!send) return;
    std::lock_guard lock(mutex_);
    CompleteLocked(*send, result);
}

void MessageQueue::BeginServe(uint32_t target, const std::shared_ptr<PendingSend>& send) {
    std::lock_guard lock(mutex_);
    serving_.push_back(Serving{target, send});
}

void MessageQueue::EndServe(const std::shared_ptr<PendingSend>& send) {
    std::lock_guard lock(mutex_);
    std::erase_if(serving_, [&](const Serving& s) { return s.send == send; });
}

void MessageQueue::ReleaseFor(uint32_t target) {
    std::lock_guard lock(mutex_);
    for (QueueItem& item : items_) {
        if (item.send && item.target == target) CompleteLocked(*item.send, 0);
    }
    for (Serving& s : serving_) {
        if (s.target == target) CompleteLocked(*s.send, 0);
    }
}

void MessageQueue::ReleaseAll() {
    std::lock_guard lock(mutex_);
    refusing_ = true;
    for (QueueItem& item : items_) {
        if (item.send) CompleteLocked(*item.send, 0);
    }
    for (Serving& s : serving_) CompleteLocked(*s.send, 0);
}

void MessageQueue::AcceptSends() {
    std::lock_guard lock(mutex_);
    refusing_ = false;
}

void MessageQueue::DropFor(uint32_t target) {
    std::lock_guard lock(mutex_);
    for (QueueItem& item : items_) {
        if (item.send && item.target == target) CompleteLocked(*item.send, 0);
    }
    std::erase_if(items_, [&](const QueueItem& item) {
        return item.target == target && item.kind != QueueItem::Kind::kTask;
    });
}

}  // namespace ui
