#pragma once
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/ui/inputevent.h"
#include "platform/ui/messages.h"

namespace ui {

// A cross-thread send: the sender waits until `done`; `result` is 0 when the send was released.
struct PendingSend {
    LRESULT result = 0;
    bool done = false;
};

struct QueueItem {
    enum class Kind { kPost, kSend, kTask, kInput } kind = Kind::kPost;
    uint32_t target = 0;  // window handle; for input, the window the key was addressed to (0: route by point)
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    std::function<void()> task;
    InputEvent input;
    std::shared_ptr<PendingSend> send;  // kSend, and tasks run for a waiting thread

    static QueueItem Message(Kind kind, uint32_t target, UINT message, WPARAM wParam, LPARAM lParam) {
        QueueItem item;
        item.kind = kind;
        item.target = target;
        item.message = message;
        item.wParam = wParam;
        item.lParam = lParam;
        return item;
    }
};

// The one FIFO of the UI thread: posts, cross-thread sends, tasks and input, in the order they arrived. Every
// function may be called from any thread; `wake` tells the backend to end its wait.
class MessageQueue {
  public:
    explicit MessageQueue(std::function<void()> wake) : wake_(std::move(wake)) {}

    void Push(QueueItem item);
    std::optional<QueueItem> Pop();
    bool Empty() const;

    // Queues item (its `send` is set here) and blocks until the UI thread completes it or it is released.
    // Returns 0 at once while sends are refused.
    LRESULT PushAndWait(QueueItem item);
    // Completes a send taken from the queue; the handler's result is dropped when it was released meanwhile.
    void Complete(const std::shared_ptr<PendingSend>& send, LRESULT result);
    // Marks a popped send as being served, so it can still be released while its handler runs a nested loop.
    void BeginServe(uint32_t target, const std::shared_ptr<PendingSend>& send);
    void EndServe(const std::shared_ptr<PendingSend>& send);

    // Completes with 0 every send queued or being served for target.
    void ReleaseFor(uint32_t target);
    // Completes every pending send with 0 and refuses new ones until AcceptSends.
    void ReleaseAll();
    void AcceptSends();
    // Drops queued posts and input of a destroyed window.
    void DropFor(uint32_t target);

  private:
    struct Serving {
        uint32_t target;
        std::shared_ptr<PendingSend> send;
    };
    void CompleteLocked(PendingSend& s, LRESULT result);

    std::function<void()> wake_;
    mutable std::mutex mutex_;
    std::condition_variable done_;
    std::deque<QueueItem> items_;
    std::vector<Serving> serving_;
    bool refusing_ = false;
};

}  // namespace ui
