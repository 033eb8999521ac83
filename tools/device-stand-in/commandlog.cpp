#include "device-stand-in/commandlog.h"

namespace standin {

void CommandLog::Add(Via via, const std::uint8_t* payload, int len) {
    if (len < 1) return;
    ++counts_[payload[0]];
    entries_.push_back({via, std::vector<std::uint8_t>(payload, payload + len), total_++});
    if (entries_.size() > kKept) entries_.pop_front();
}

void CommandLog::Clear() {
    entries_.clear();
    counts_.fill(0);
    total_ = 0;
}

}  // namespace standin
