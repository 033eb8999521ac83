#pragma once
#include <mutex>

#include "platform/hid/report.h"

namespace hid {

// Holds the one notice handler of a backend and calls it. Shared by the backend and the devices it opened, so
// a device can report its own removal even after its backend is gone.
class NoticeHub {
  public:
    // Replaces the handler (nullptr: none). Waits for a handler that is running to return, so after this
    // returns the old handler is never called again. A handler must not call SetHandler itself.
    void SetHandler(NoticeHandler handler);
    void Notify(const Notice& notice);

  private:
    std::mutex mutex_;
    NoticeHandler handler_;
};

}  // namespace hid
